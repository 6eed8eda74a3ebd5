#pragma once
// A table of study cases in a CSV file (not a case file of the window): a
// header of input box names (any subset, e.g. "txt_Dicke;txt_Lufttemp"), then
// one case per line. The cells are separated by semicolons when the header
// holds one, otherwise by commas; a file of one column is read line by line,
// so its cells may hold a decimal comma either way. A cell in double quotes may hold the separator
// ("0,5" in a comma-separated file). Every cell is a number (decimal comma
// or point, optional exponent) or empty, which takes the base value of its
// field; empty lines, a byte-order mark and CR before LF are ignored.
//
// The reading is bounded: a line longer than kMaxCaseTableLineBytes and a
// table of more than kMaxStudyCases cases are refused at their line, so a
// file without line breaks or an endless stream ends with a message rather
// than filling the memory. Only a regular file is read, or stdin as "-": a
// device or a pipe named as a file could be endless or wait for ever.

#include <cstddef>
#include <string>
#include <string_view>

#include "study/studyplan.h"
#include "text/outcome.h"

namespace lamvero {

// A row holds at most one number for each of the 18 input fields, each a few
// dozen characters at most: 4096 bytes leave room for any table a person or a
// spreadsheet writes, also with spaces and quotes, and refuse a file that is
// no table before one line of it takes much memory.
constexpr std::size_t kMaxCaseTableLineBytes = 4096;

// The table, or why not: the failure names the file and its line. "-" reads stdin.
Outcome<CaseTable> ReadCaseTable(const std::string& path);

// The same for a file's text; name is used in the messages.
Outcome<CaseTable> ParseCaseTable(std::string_view text, const std::string& name);

}  // namespace lamvero
