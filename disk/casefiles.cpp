#include "disk/casefiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

#include <cerrno>

#include "disk/fileerrors.h"
#include "files/csvexport.h"
#include "inputs/inputcheck.h"
#include "present/controltable.h"
#include "text/shownchars.h"

namespace lamvero {

namespace {

QString Named(const QString& path) { return QStringLiteral("„%1“").arg(QDir::toNativeSeparators(path)); }

// "What cannot be done: why."
Failure Cannot(const QString& what, const QString& why) { return Failure{what.toStdString(), why.toStdString()}; }
Failure Cannot(const QString& what, const std::string& why) { return Failure{what.toStdString(), why}; }

// What is not a file the reader may open, by its kind; a pipe or a device
// would block or never end.
struct NotAFile {
  std::filesystem::file_type kind;
  const char* reason;
};
const NotAFile kNotAFile[] = {
    {std::filesystem::file_type::not_found, "Es gibt sie nicht."},
    {std::filesystem::file_type::directory, "Das ist ein Ordner."},
    {std::filesystem::file_type::fifo, "Das ist eine Pipe (FIFO), keine gewöhnliche Datei."},
    {std::filesystem::file_type::character, "Das ist ein Gerät, keine gewöhnliche Datei."},
    {std::filesystem::file_type::block, "Das ist ein Gerät, keine gewöhnliche Datei."},
    {std::filesystem::file_type::socket, "Das ist ein Socket, keine gewöhnliche Datei."},
};

// A regular file (or a link to one) no larger than a case file can be, told
// before it is opened. A kind that cannot be told is left to the opening to report.
Status CheckReadable(const QString& path) {
  const std::filesystem::path native(QFile::encodeName(path).toStdString());
  std::error_code error;
  const std::filesystem::file_type kind = std::filesystem::status(native, error).type();
  for (const NotAFile& n : kNotAFile) {
    if (kind == n.kind) return Failure{"", n.reason};
  }
  if (kind != std::filesystem::file_type::regular) return Done{};
  const std::uintmax_t size = std::filesystem::file_size(native, error);
  return error ? Status(Done{}) : CheckCaseFileSize(size);
}

// Why writing f failed: the cause errno named at the failure, where the user
// can act on it, else what f says.
QString WriteFailure(const QFileDevice& f, int code) {
  const std::string text = FileErrorText(code);
  return text.empty() ? f.errorString() : QString::fromStdString(text);
}

}  // namespace

QString ProgramName() { return QStringLiteral("Lamvero " LAMVERO_VERSION); }

std::string RunDateNow() {
  return QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
}

Outcome<CaseFile> ReadCaseFile(const QString& path) {
  const QString cannot = QStringLiteral("Die Datei %1 kann nicht geöffnet werden")
                             .arg(Named(QString::fromStdString(ShownText(path.toStdString()))));
  if (const Status readable = CheckReadable(path); !readable) return Cannot(cannot, readable.failure().reason);
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return Cannot(cannot, f.errorString() + QLatin1Char('.'));
  const QByteArray bytes = f.read(static_cast<qint64>(kMaxCaseFileBytes) + 1);
  if (f.error() != QFileDevice::NoError) return Cannot(cannot, f.errorString() + QLatin1Char('.'));
  // A run touches labels, output boxes and buttons, never an input box.
  const auto runControl = [](const std::string& name) {
    const ControlRow* row = FindControl(name);
    if (!row || row->kind == ControlKind::DrawingArea || row->kind == ControlKind::Line) return false;
    for (const InputField& field : InputFields()) {
      if (name == field.box) return false;
    }
    return true;
  };
  Outcome<CaseFile> read =
      ReadCaseFileText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), runControl);
  if (!read) return Failure{cannot.toStdString(), read.message()};
  return read;
}

Status SaveFileAtomically(const QString& path, const std::function<bool(const ByteSink& sink)>& produce) {
  const QString cannot = QStringLiteral("Die Datei %1 kann nicht gespeichert werden").arg(Named(path));
  if (path.isEmpty()) return Failure{"", "Kein Dateiname angegeben."};
  if (QFileInfo(path).isDir()) return Cannot(cannot, QStringLiteral("Das ist ein Ordner."));
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return Cannot(cannot, f.errorString() + QLatin1Char('.'));
  int code = 0;  // errno as the failing write left it
  const bool written = produce([&f, &code](std::string_view bytes) {
    const bool whole = f.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
    if (!whole) code = errno;
    return whole;
  });
  if (!written) {
    const QString reason = WriteFailure(f, code);
    f.cancelWriting();
    return Cannot(cannot, reason + QStringLiteral(". Eine bisherige Datei bleibt unverändert."));
  }
  errno = 0;
  if (!f.commit()) {
    code = errno;
    return Cannot(cannot, WriteFailure(f, code) + QStringLiteral(". Eine bisherige Datei bleibt unverändert."));
  }
  return Done{};
}

Status SaveCaseFile(const QString& path, const CaseFile& file, bool withSeries) {
  // A box text the file could not keep would make a file that cannot be opened again.
  if (const Status keepable = KeepableInputs(file.inputs); !keepable) {
    const QString cannot = QStringLiteral("Die Datei %1 wird nicht gespeichert").arg(Named(path));
    return Failure{cannot.toStdString(), keepable.message()};
  }
  const std::string text = CaseFileText(file, withSeries);
  return SaveFileAtomically(path, [&](const ByteSink& sink) { return sink(text); });
}

Status SaveSeriesCsv(const QString& path, const RunSeries& series, CsvDialect dialect, int every) {
  return SaveFileAtomically(path, [&](const ByteSink& sink) { return WriteSeriesCsv(series, dialect, every, sink); });
}

Status SaveResultsCsv(const QString& path, const RunRecord& record, CsvDialect dialect) {
  const std::string text = ResultsCsv(record, dialect);
  return SaveFileAtomically(path, [&](const ByteSink& sink) { return sink(text); });
}

}  // namespace lamvero
