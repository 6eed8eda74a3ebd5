#pragma once
// Text for comma-separated tables that spreadsheets read: the plain dialect
// (decimal point, comma between cells) and the German spreadsheet dialect
// (decimal comma, semicolon between cells). A number is written with the
// fewest digits that read back to the same double, or as the window shows it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lamvero {

enum class CsvDialect {
  Plain,   // 0.1324,90.61
  German,  // 0,1324;90,61
};

// "plain" or "de", as the user names the dialect; nothing for any other name.
std::optional<CsvDialect> CsvDialectNamed(std::string_view name);

char CsvSeparator(CsvDialect dialect);

// A number cell; a value that is not finite (a result the run did not reach) is an empty cell.
std::string CsvNumber(double value, CsvDialect dialect);

// A text cell, quoted where it holds the separator, a quote or a line break.
std::string CsvText(std::string_view text, CsvDialect dialect);

// Cells already made by CsvNumber or CsvText, joined into one line with its line feed.
std::string CsvRow(const std::vector<std::string>& cells, CsvDialect dialect);

// One line (without its line feed) split at the separator, with the double
// quotes around a cell removed and "" inside them read as one quote; nothing
// when a quote is not closed. Separator 0: the whole line is one cell.
std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line, char separator);

// A number the window's format wrote ("18,76", decimal comma) as a cell of the
// dialect ("18.76" in the plain one).
std::string CsvShownNumber(std::string_view text, CsvDialect dialect);

// A column of a table: its header for a reader, "mittlere Wasserbeladung in
// kg/kg", and its machine name, "XReihe".
struct CsvColumnName {
  std::string caption;
  std::string key;
};

// The start of every table Lamvero writes outside a study: in the German
// dialect a UTF-8 byte-order mark (spreadsheets read θ, °, ², ü as UTF-8 only
// after one), then the captions as the first header line and the machine
// names as the second.
std::string CsvHeader(const std::vector<CsvColumnName>& columns, CsvDialect dialect);

}  // namespace lamvero
