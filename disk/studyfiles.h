#pragma once
// Study files and a study's outputs on disk, for the Studie window: opened
// with the same checks as case files (no folder, pipe or device, no more bytes
// than such a file can hold), saved through QSaveFile (all or nothing, a full
// disk named). A failure names the file and the reason.

#include <QString>

#include "files/studyfile.h"
#include "study/studydefinition.h"
#include "study/studyresults.h"
#include "text/csvformat.h"
#include "text/outcome.h"

namespace lamvero {

Outcome<StudyFile> ReadStudyFile(const QString& path);
Status SaveStudyFile(const QString& path, const StudyFile& file);

// What the runner wrote for the study (`--study`, `--vary`, or the parts put
// together by `--merge`), checked against the study's definition.
Outcome<StudyResults> ReadStudyOutputFile(const QString& path, const StudyDefinition& definition);

// The study's table as CSV, byte for byte what the runner writes for it.
Status SaveStudyTable(const QString& path, const StudyResults& results, CsvDialect dialect);

}  // namespace lamvero
