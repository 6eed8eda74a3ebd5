#include "study/studymerge.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>

namespace lamvero {

namespace {

struct Row {
  std::size_t caseNumber;
  std::string text;  // with its line feed
};

// The case number a row starts with: "12,..." / "12;..." in CSV, {"case":12,...} in JSON Lines.
std::optional<std::size_t> CaseNumber(const std::string& line, bool json) {
  const std::string prefix = json ? "{\"case\":" : "";
  if (line.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  std::size_t number = 0;
  const char* begin = line.data() + prefix.size();
  const auto result = std::from_chars(begin, line.data() + line.size(), number);
  if (result.ec != std::errc() || result.ptr == begin) return std::nullopt;
  const char next = result.ptr < line.data() + line.size() ? *result.ptr : '\n';
  if (next != ',' && next != ';') return std::nullopt;
  return number;
}

}  // namespace

Status MergeStudyShards(const std::vector<std::string>& paths, std::FILE* out) {
  if (paths.empty()) return Failure{"--merge", "keine Dateien angegeben"};
  std::optional<std::string> header;  // CSV only
  std::optional<bool> json;
  std::vector<Row> rows;
  for (const std::string& path : paths) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return Failure{path, "die Datei kann nicht gelesen werden"};
    std::string line;
    bool first = true;
    std::size_t lineNumber = 0;
    while (std::getline(file, line)) {
      ++lineNumber;
      const std::string at = path + ", Zeile " + std::to_string(lineNumber);
      if (first) {
        first = false;
        const bool isJson = line.rfind("{", 0) == 0;
        if (json && *json != isJson) return Failure{at, "die Teile haben verschiedene Formate (CSV und JSON Lines)"};
        json = isJson;
        if (!isJson) {
          if (header && *header != line) return Failure{at, "die Kopfzeile weicht von der des ersten Teils ab"};
          header = line;
          continue;
        }
      }
      const std::optional<std::size_t> number = CaseNumber(line, *json);
      if (!number) return Failure{at, "keine Zeile einer Studie (sie beginnt nicht mit der Fallnummer)"};
      rows.push_back(Row{*number, line + "\n"});
    }
    if (file.bad()) return Failure{path, "die Datei kann nicht gelesen werden"};
  }
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.caseNumber < b.caseNumber; });
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].caseNumber != i + 1) {
      if (i > 0 && rows[i].caseNumber == rows[i - 1].caseNumber) {
        return Failure{"--merge", "Fall " + std::to_string(rows[i].caseNumber) + " kommt mehr als einmal vor"};
      }
      return Failure{"--merge", "Fall " + std::to_string(i + 1) + " fehlt (kein Teil enthält ihn)"};
    }
  }
  std::string merged = header ? *header + "\n" : "";
  for (const Row& r : rows) merged += r.text;
  if (std::fwrite(merged.data(), 1, merged.size(), out) != merged.size() || std::fflush(out) != 0) {
    return Failure{"--merge", "die Ausgabe kann nicht geschrieben werden"};
  }
  return Done{};
}

}  // namespace lamvero
