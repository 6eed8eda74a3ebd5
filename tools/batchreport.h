#pragma once
// The runner's --report: the run's report as a PDF file.

#include <string>

#include "files/casefile.h"
#include "run/runrecord.h"
#include "text/outcome.h"

namespace lamvero {

// Writes the report of the run to `path` (needs a QGuiApplication). The
// report names `caseFile` (the --inputs file, or empty) and carries the
// subject's project data, laboratory test and plant data; its title is the
// project data's title (empty: the case file's or else the report's file
// name). A failure says which file and why.
Status WriteReport(const RunRecord& record, const std::string& path, const CaseFile& subject,
                   const std::string& caseFile);

}  // namespace lamvero
