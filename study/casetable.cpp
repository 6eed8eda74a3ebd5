#include "study/casetable.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "study/studyaxis.h"
#include "text/shownchars.h"

namespace lamvero {

namespace {

struct Cells {
  std::vector<std::string> cells;
  bool ok = true;  // false: a quote was not closed
};

// One line split at the separator, with double quotes around a cell removed
// and "" inside them read as one quote. separator 0: the whole line is one cell.
Cells SplitLine(std::string_view line, char separator) {
  Cells out;
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
      out.cells.push_back(cell);
      cell.clear();
    } else {
      cell += c;
    }
  }
  out.cells.push_back(cell);
  out.ok = !quoted;
  return out;
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

Failure Refused(const std::string& where, const std::string& why) { return Failure{where, why}; }

}  // namespace

Outcome<CaseTable> ParseCaseTable(std::string_view text, const std::string& name) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<std::pair<std::size_t, std::string>> lines;  // line number, text
  std::size_t number = 0;
  for (std::size_t from = 0; from < text.size();) {
    std::size_t end = text.find('\n', from);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(from, end - from));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ++number;
    if (!Trimmed(line).empty()) lines.emplace_back(number, line);
    from = end + 1;
  }
  if (lines.empty()) return Refused(name, "die Datei ist leer; erwartet eine Kopfzeile mit Feldnamen (z. B. txt_Dicke)");

  const std::string& header = lines.front().second;
  const char separator = header.find(';') != std::string::npos ? ';' : header.find(',') != std::string::npos ? ',' : 0;
  const Cells names = SplitLine(header, separator);
  const std::string headerAt = name + ", Zeile " + std::to_string(lines.front().first);
  if (!names.ok) return Refused(headerAt, "ein Anführungszeichen ist nicht geschlossen");
  CaseTable table;
  for (const std::string& raw : names.cells) {
    const std::string box = Trimmed(raw);
    bool known = false;
    for (const InputField& f : InputFields()) {
      if (box == f.box) {
        table.columns.push_back(f.id);
        known = true;
      }
    }
    if (!known) {
      std::string fields;
      for (const InputField& f : InputFields()) fields += std::string(" ") + f.box;
      return Refused(headerAt, "unbekanntes Eingabefeld \"" + ShownText(box) + "\" in der Kopfzeile; erwartet eines von:" + fields);
    }
  }
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string at = name + ", Zeile " + std::to_string(lines[i].first);
    Cells row = SplitLine(lines[i].second, separator);
    if (!row.ok) return Refused(at, "ein Anführungszeichen ist nicht geschlossen");
    if (row.cells.size() != table.columns.size()) {
      return Refused(at, std::to_string(row.cells.size()) + " Werte, die Kopfzeile hat " +
                             std::to_string(table.columns.size()) + " Felder" +
                             (separator == ',' ? " (Dezimalkomma in Anführungszeichen setzen oder ; trennen)" : ""));
    }
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
      std::string& cell = row.cells[c];
      cell = Trimmed(cell);
      if (!cell.empty() && !IsPlainNumber(cell)) {
        return Refused(at, std::string(FieldOf(table.columns[c]).box) + " = \"" + ShownText(cell) + "\" ist keine Zahl");
      }
    }
    table.rows.push_back(std::move(row.cells));
  }
  if (table.rows.empty()) return Refused(name, "die Datei enthält nach der Kopfzeile keinen Fall");
  return table;
}

Outcome<CaseTable> ReadCaseTable(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return Refused(path, "die Falltabelle kann nicht gelesen werden");
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) return Refused(path, "die Falltabelle kann nicht gelesen werden");
  return ParseCaseTable(text.str(), path);
}

}  // namespace lamvero
