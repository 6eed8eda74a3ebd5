#include "disk/readfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <filesystem>
#include <system_error>

#include "text/shownchars.h"

namespace lamvero {

namespace {

// What is not a file the reader may open, by its kind; a pipe or a device
// would block or never end.
struct NotAFile {
  std::filesystem::file_type kind;
  const char* reason;
};
const NotAFile kNotAFile[] = {
    {std::filesystem::file_type::not_found, QT_TRANSLATE_NOOP("Dateizugriff", "Es gibt sie nicht.")},
    {std::filesystem::file_type::directory, QT_TRANSLATE_NOOP("Dateizugriff", "Das ist ein Ordner.")},
    {std::filesystem::file_type::fifo, QT_TRANSLATE_NOOP("Dateizugriff", "Das ist eine Pipe (FIFO), keine gewöhnliche Datei.")},
    {std::filesystem::file_type::character, QT_TRANSLATE_NOOP("Dateizugriff", "Das ist ein Gerät, keine gewöhnliche Datei.")},
    {std::filesystem::file_type::block, QT_TRANSLATE_NOOP("Dateizugriff", "Das ist ein Gerät, keine gewöhnliche Datei.")},
    {std::filesystem::file_type::socket, QT_TRANSLATE_NOOP("Dateizugriff", "Das ist ein Socket, keine gewöhnliche Datei.")},
};

// A regular file (or a link to one) no larger than its kind can be, told
// before it is opened. A kind that cannot be told is left to the opening to report.
Status CheckReadable(const QString& path, const SizeCheck& checkSize) {
  const std::filesystem::path native(QFile::encodeName(path).toStdString());
  std::error_code error;
  const std::filesystem::file_type kind = std::filesystem::status(native, error).type();
  for (const NotAFile& n : kNotAFile) {
    if (kind == n.kind) return Failure{"", QCoreApplication::translate("Dateizugriff", n.reason).toStdString()};
  }
  if (kind != std::filesystem::file_type::regular) return Done{};
  const std::uintmax_t size = std::filesystem::file_size(native, error);
  return error ? Status(Done{}) : checkSize(size);
}

}  // namespace

QString QuotedPath(const QString& path) {
  return QCoreApplication::translate("Dateizugriff", "„%1“").arg(QDir::toNativeSeparators(path));
}

std::string CannotOpen(const QString& path) {
  return QCoreApplication::translate("Dateizugriff", "Die Datei %1 kann nicht geöffnet werden")
      .arg(QuotedPath(QString::fromStdString(ShownText(path.toStdString()))))
      .toStdString();
}

Outcome<QByteArray> ReadWholeFile(const QString& path, std::uint64_t maxBytes, const SizeCheck& checkSize) {
  const std::string cannot = CannotOpen(path);
  if (const Status readable = CheckReadable(path, checkSize); !readable) {
    return Failure{cannot, readable.failure().reason};
  }
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return Failure{cannot, f.errorString().toStdString() + "."};
  QByteArray bytes = f.read(static_cast<qint64>(maxBytes) + 1);
  if (f.error() != QFileDevice::NoError) return Failure{cannot, f.errorString().toStdString() + "."};
  if (const Status size = checkSize(static_cast<std::uint64_t>(bytes.size())); !size) {
    return Failure{cannot, size.failure().reason};
  }
  return bytes;
}

}  // namespace lamvero
