#include "disk/casefiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include "disk/fileerrors.h"
#include "disk/readfile.h"
#include "files/csvexport.h"
#include "inputs/inputcheck.h"
#include "present/controltable.h"
#include "text/shownchars.h"

namespace lamvero {

namespace {

// "What cannot be done: why."
Failure Cannot(const QString& what, const QString& why) { return Failure{what.toStdString(), why.toStdString()}; }

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
  const Outcome<QByteArray> bytes = ReadWholeFile(path, kMaxCaseFileBytes, CheckCaseFileSize);
  if (!bytes) return bytes.failure();
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
      ReadCaseFileText(std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())), runControl);
  if (!read) return Failure{CannotOpen(path), read.message()};
  return read;
}

Status SaveFileAtomically(const QString& path, const std::function<bool(const ByteSink& sink)>& produce) {
  const QString cannot =
      QCoreApplication::translate("Dateizugriff", "Die Datei %1 kann nicht gespeichert werden").arg(QuotedPath(path));
  if (path.isEmpty()) return Failure{"", QCoreApplication::translate("Dateizugriff", "Kein Dateiname angegeben.").toStdString()};
  if (QFileInfo(path).isDir()) return Cannot(cannot, QCoreApplication::translate("Dateizugriff", "Das ist ein Ordner."));
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
    return Cannot(cannot, reason + QCoreApplication::translate("Dateizugriff", ". Eine bisherige Datei bleibt unverändert."));
  }
  errno = 0;
  if (!f.commit()) {
    code = errno;
    return Cannot(cannot, WriteFailure(f, code) + QCoreApplication::translate("Dateizugriff", ". Eine bisherige Datei bleibt unverändert."));
  }
  return Done{};
}

Status SaveCaseFile(const QString& path, const CaseFile& file, bool withSeries) {
  // A box text the file could not keep would make a file that cannot be opened again.
  if (const Status keepable = KeepableInputs(file.inputs); !keepable) {
    const QString cannot = QCoreApplication::translate("Dateizugriff", "Die Datei %1 wird nicht gespeichert").arg(QuotedPath(path));
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
