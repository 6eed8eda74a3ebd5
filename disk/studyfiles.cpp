#include "disk/studyfiles.h"

#include <QCoreApplication>
#include <string_view>

#include "disk/casefiles.h"
#include "disk/readfile.h"
#include "study/studyoutput.h"
#include "study/studytable.h"

namespace lamvero {

namespace {

std::string_view View(const QByteArray& bytes) {
  return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

Status SaveText(const QString& path, const std::string& text) {
  return SaveFileAtomically(path, [&](const ByteSink& sink) { return sink(text); });
}

}  // namespace

Outcome<StudyFile> ReadStudyFile(const QString& path) {
  const Outcome<QByteArray> bytes = ReadWholeFile(path, kMaxStudyFileBytes, CheckStudyFileSize);
  if (!bytes) return bytes.failure();
  Outcome<StudyFile> read = ReadStudyFileText(View(bytes.value()));
  if (!read) return Failure{CannotOpen(path), read.message()};
  return read;
}

Status SaveStudyFile(const QString& path, const StudyFile& file) {
  // A text the file could not keep would make a file that cannot be opened again.
  if (const Status keepable = KeepableStudy(file.definition); !keepable) {
    return Failure{QCoreApplication::translate("Dateizugriff", "Die Datei %1 wird nicht gespeichert").arg(QuotedPath(path)).toStdString(),
                   keepable.message()};
  }
  return SaveText(path, StudyFileText(file));
}

Outcome<StudyResults> ReadStudyOutputFile(const QString& path, const StudyDefinition& definition) {
  const std::uint64_t most = MaxStudyOutputBytes(definition);
  const auto checkSize = [most](std::uint64_t bytes) -> Status {
    if (bytes <= most) return Done{};
    return Failure{"", QCoreApplication::translate("Dateizugriff",
                                                   "Die Datei ist größer (%1 Bytes), als eine Ausgabe dieser Studie sein "
                                                   "kann (höchstens %2 Bytes).")
                           .arg(bytes)
                           .arg(most)
                           .toStdString()};
  };
  const Outcome<QByteArray> bytes = ReadWholeFile(path, most, checkSize);
  if (!bytes) return bytes.failure();
  Outcome<StudyResults> read = ReadStudyOutput(View(bytes.value()), definition);
  if (!read) return Failure{CannotOpen(path), read.message()};
  return read;
}

Status SaveStudyTable(const QString& path, const StudyResults& results, CsvDialect dialect) {
  return SaveText(path, StudyTableText(results, StudyFormat::Csv, dialect));
}

}  // namespace lamvero
