#pragma once
// A study's rows as the table the runner writes: the same header and the same
// rows, byte for byte, as `lamvero-batch --vary ...` writes to stdout for the
// same study. A study stopped early gives the rows it has, without a mark.

#include <string>

#include "study/studyresults.h"
#include "study/studywriter.h"
#include "text/csvformat.h"

namespace lamvero {

// The dialect matters for CSV only.
std::string StudyTableText(const StudyResults& results, StudyFormat format, CsvDialect dialect);

}  // namespace lamvero
