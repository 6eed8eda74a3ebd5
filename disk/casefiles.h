#pragma once
// Case files and exports on disk, for the window and the headless runner.
// Every file is written through QSaveFile: the new content replaces the old
// file only once it is complete, so a failed save leaves the old file as it
// was. A failure names the file and the reason.

#include <QString>
#include <functional>
#include <string_view>

#include "files/casefile.h"
#include "text/csvformat.h"
#include "text/outcome.h"
#include "run/runrecord.h"

namespace lamvero {

// The program and its version as case files name them ("Lamvero 1.0.1").
QString ProgramName();
// Now, as a case file dates a run: ISO 8601 in UTC.
std::string RunDateNow();

// Reads and checks a case file (at most kMaxCaseFileBytes, controls of the window only).
Outcome<CaseFile> ReadCaseFile(const QString& path);
Status SaveCaseFile(const QString& path, const CaseFile& file, bool withSeries);
Status SaveSeriesCsv(const QString& path, const RunSeries& series, CsvDialect dialect, int every);
Status SaveResultsCsv(const QString& path, const RunRecord& record, CsvDialect dialect);

// Writes what `produce` hands to its sink into `path`, all or nothing.
using ByteSink = std::function<bool(std::string_view bytes)>;
Status SaveFileAtomically(const QString& path, const std::function<bool(const ByteSink& sink)>& produce);

}  // namespace lamvero
