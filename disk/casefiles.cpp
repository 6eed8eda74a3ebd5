#include "disk/casefiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "files/csvexport.h"
#include "inputs/inputcheck.h"
#include "present/controltable.h"

namespace lamvero {

namespace {

QString Named(const QString& path) { return QStringLiteral("„%1“").arg(QDir::toNativeSeparators(path)); }

// "What cannot be done: why."
Failure Cannot(const QString& what, const QString& why) { return Failure{what.toStdString(), why.toStdString()}; }

}  // namespace

QString ProgramName() { return QStringLiteral("Lamvero " LAMVERO_VERSION); }

std::string RunDateNow() {
  return QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
}

Outcome<CaseFile> ReadCaseFile(const QString& path) {
  const QString cannot = QStringLiteral("Die Datei %1 kann nicht geöffnet werden").arg(Named(path));
  const QFileInfo info(path);
  if (info.isDir()) return Cannot(cannot, QStringLiteral("Das ist ein Ordner."));
  if (!info.exists()) return Cannot(cannot, QStringLiteral("Es gibt sie nicht."));
  if (static_cast<unsigned long long>(info.size()) > kMaxCaseFileBytes) {
    return Cannot(cannot, QStringLiteral("Sie ist zu groß (%1 MB, eine Falldatei hat höchstens %2 MB).")
                              .arg(info.size() >> 20)
                              .arg(kMaxCaseFileBytes >> 20));
  }
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
  const bool written = produce([&f](std::string_view bytes) {
    return f.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
  });
  if (!written) {
    const QString reason = f.errorString();
    f.cancelWriting();
    return Cannot(cannot, reason + QStringLiteral(". Eine bisherige Datei bleibt unverändert."));
  }
  if (!f.commit()) {
    return Cannot(cannot, f.errorString() + QStringLiteral(". Eine bisherige Datei bleibt unverändert."));
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
