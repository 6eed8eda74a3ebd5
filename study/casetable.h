#pragma once
// A table of study cases in a CSV file (not a case file of the window): a
// header of input box names (any subset, e.g. "txt_Dicke;txt_Lufttemp"), then
// one case per line. The cells are separated by semicolons when the header
// holds one, otherwise by commas; a file of one column is read line by line,
// so its cells may hold a decimal comma either way. A cell in double quotes may hold the separator
// ("0,5" in a comma-separated file). Every cell is a number (decimal comma
// or point, optional exponent) or empty, which takes the base value of its
// field; empty lines, a byte-order mark and CR before LF are ignored.

#include <string>
#include <string_view>

#include "study/studyplan.h"
#include "text/outcome.h"

namespace lamvero {

// The table, or why not: the failure names the file and its line.
Outcome<CaseTable> ReadCaseTable(const std::string& path);

// The same for a file's text; name is used in the messages.
Outcome<CaseTable> ParseCaseTable(std::string_view text, const std::string& name);

}  // namespace lamvero
