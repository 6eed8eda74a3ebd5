#pragma once
// The runner's --report: the run's report as a PDF file.

#include <string>

#include "run/projectdata.h"
#include "run/runrecord.h"
#include "text/outcome.h"

namespace lamvero {

// Writes the report of the run to `path` (needs a QGuiApplication). The
// report names `caseFile` (the --inputs file, or empty) and carries its
// project data in its head; its title is the project data's title (empty: the
// case file's or else the report's file name). A failure says which file and why.
Status WriteReport(const RunRecord& record, const std::string& path, const ProjectData& about,
                   const std::string& caseFile);

}  // namespace lamvero
