#include "text/csvformat.h"

#include <charconv>
#include <cmath>

namespace lamvero {

std::optional<CsvDialect> CsvDialectNamed(std::string_view name) {
  if (name == "plain") return CsvDialect::Plain;
  if (name == "de") return CsvDialect::German;
  return std::nullopt;
}

char CsvSeparator(CsvDialect dialect) { return dialect == CsvDialect::German ? ';' : ','; }

std::string CsvNumber(double value, CsvDialect dialect) {
  if (!std::isfinite(value)) return {};
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);  // shortest exact form
  std::string text(buffer, result.ptr);
  if (dialect == CsvDialect::German) {
    for (char& c : text) {
      if (c == '.') c = ',';
    }
  }
  return text;
}

std::string CsvText(std::string_view text, CsvDialect dialect) {
  const char separator = CsvSeparator(dialect);
  if (text.find_first_of(std::string{separator, '"', '\n', '\r'}) == std::string_view::npos) {
    return std::string(text);
  }
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string CsvRow(const std::vector<std::string>& cells, CsvDialect dialect) {
  std::string row;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) row += CsvSeparator(dialect);
    row += cells[i];
  }
  row += '\n';
  return row;
}

std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line, char separator) {
  std::vector<std::string> cells;
  std::string cell;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (separator != 0 && c == separator) {
      cells.push_back(cell);
      cell.clear();
    } else {
      cell += c;
    }
  }
  if (quoted) return std::nullopt;
  cells.push_back(cell);
  return cells;
}

std::string CsvShownNumber(std::string_view text, CsvDialect dialect) {
  std::string cell(text);
  if (dialect == CsvDialect::Plain) {
    for (char& c : cell) {
      if (c == ',') c = '.';
    }
  }
  return cell;
}

std::string CsvHeader(const std::vector<CsvColumnName>& columns, CsvDialect dialect) {
  std::vector<std::string> captions, keys;
  for (const CsvColumnName& c : columns) {
    captions.push_back(CsvText(c.caption, dialect));
    keys.push_back(CsvText(c.key, dialect));
  }
  const std::string start = dialect == CsvDialect::German ? "\xEF\xBB\xBF" : "";
  return start + CsvRow(captions, dialect) + CsvRow(keys, dialect);
}

}  // namespace lamvero
