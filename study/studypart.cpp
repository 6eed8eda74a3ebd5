#include "study/studypart.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "text/language.h"
#include "text/shownchars.h"

namespace lamvero {

namespace {

using nlohmann::json;

struct MarkStyle {
  const char* csvPrefix;  // followed by the JSON object
  const char* jsonKey;    // {"key":{...}}
};
constexpr MarkStyle kBegin{"# lamvero-study-part ", "lamveroStudyPart"};
constexpr MarkStyle kEnd{"# lamvero-study-part-end ", "lamveroStudyPartEnd"};
constexpr MarkStyle kIncomplete{"# lamvero-study-incomplete ", "lamveroStudyIncomplete"};

// A mark holds objects a few levels deep; deeper nesting is no mark.
constexpr int kMaxMarkDepth = 8;
// Room in a row for the case number, the outcome, the results and the
// messages; the varied inputs' texts (which messages may repeat) come on top.
constexpr std::size_t kRowFixedBytes = std::size_t{64} << 10;
constexpr std::size_t kRowTextRepeats = 8;
// However many texts a mark lists, no row is read past this.
constexpr std::size_t kMaxRowBytes = std::size_t{256} << 20;

std::string Dump(const json& j) { return j.dump(-1, ' ', false, json::error_handler_t::replace); }

std::string MarkLine(const MarkStyle& style, StudyFormat format, const json& body) {
  if (format == StudyFormat::Csv) return style.csvPrefix + Dump(body) + "\n";
  return "{\"" + std::string(style.jsonKey) + "\":" + Dump(body) + "}\n";
}

// The object of a mark of this style, or nothing when the line is not one.
std::optional<std::string_view> MarkBody(const MarkStyle& style, std::string_view line, StudyFormat format) {
  if (format == StudyFormat::Csv) {
    const std::string_view prefix = style.csvPrefix;
    if (line.substr(0, prefix.size()) != prefix) return std::nullopt;
    return line.substr(prefix.size());
  }
  const std::string prefix = "{\"" + std::string(style.jsonKey) + "\":";
  if (line.substr(0, prefix.size()) != prefix || line.size() < prefix.size() + 1 || line.back() != '}') {
    return std::nullopt;
  }
  return line.substr(prefix.size(), line.size() - prefix.size() - 1);
}

// Whether the text's brackets stay within kMaxMarkDepth (strings not counted).
bool ShallowEnough(std::string_view text) {
  int depth = 0;
  bool inString = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inString) {
      if (c == '\\') ++i;
      if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '{' || c == '[') {
      if (++depth > kMaxMarkDepth) return false;
    } else if (c == '}' || c == ']') {
      --depth;
    }
  }
  return true;
}

std::optional<json> ParseObject(std::string_view text) {
  if (!ShallowEnough(text)) return std::nullopt;
  json j = json::parse(text.begin(), text.end(), nullptr, false);
  if (!j.is_object()) return std::nullopt;
  return j;
}

// The member, or null when there is none (operator[] of a const object may not be asked for a missing key).
const json& At(const json& j, const std::string& key) {
  static const json kNull;
  if (!j.is_object()) return kNull;
  const auto it = j.find(key);
  return it == j.end() ? kNull : *it;
}

std::optional<std::size_t> Count(const json& j, const char* key) {
  const auto it = j.find(key);
  if (it == j.end() || !it->is_number_unsigned()) return std::nullopt;
  return it->get<std::size_t>();
}

// FNV-1a, 64 bits, of the table's columns and cells, each cell closed by a unit
// separator and each row by a record separator.
std::string TableHash(const CaseTable& table) {
  std::uint64_t hash = 14695981039346656037ull;
  const auto add = [&hash](std::string_view text, char end) {
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    hash = (hash ^ static_cast<unsigned char>(end)) * 1099511628211ull;
  };
  for (const Input column : table.columns) add(FieldOf(column).box, '\x1f');
  for (const std::vector<std::string>& row : table.rows) {
    for (const std::string& cell : row) add(cell, '\x1f');
    add("", '\x1e');
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

json TableFingerprint(const CaseTable& table) {
  json columns = json::array();
  std::size_t longest = 0;
  for (const Input column : table.columns) columns.push_back(FieldOf(column).box);
  for (const std::vector<std::string>& row : table.rows) {
    for (const std::string& cell : row) longest = std::max(longest, cell.size());
  }
  return json{{"columns", columns}, {"count", table.rows.size()}, {"fnv1a64", TableHash(table)},
              {"longestCell", longest}};
}

json Fingerprint(const StudyIdentity& s) {
  json base = json::object();
  for (const InputField& f : InputFields()) base[f.box] = s.base[f.id];
  json vary = json::array();
  for (const StudyAxis& axis : s.axes) vary.push_back(json{{"field", FieldOf(axis.field).box}, {"values", axis.texts}});
  json j{{"partVersion", kStudyPartVersion},
         {"program", s.program},
         {"format", s.format == StudyFormat::Csv ? "csv" : "jsonl"},
         {"dialect", s.dialect == CsvDialect::German ? "de" : "plain"},
         {"base", base},
         {"vary", vary},
         {"studyCases", s.studyCases}};
  if (s.table) j["cases"] = TableFingerprint(*s.table);
  return j;
}

// The longest row the study can write: the fixed part, and the longest input
// text of every varied field, with room for messages that repeat them.
std::size_t RowLimit(const json& mark) {
  std::size_t longest = 0, fields = 0;
  for (const json& text : At(mark, "base")) longest = std::max(longest, text.get_ref<const std::string&>().size());
  for (const json& axis : At(mark, "vary")) {
    ++fields;
    for (const json& text : At(axis, "values")) longest = std::max(longest, text.get_ref<const std::string&>().size());
  }
  if (mark.contains("cases")) {
    fields += At(At(mark, "cases"), "columns").size();
    longest = std::max(longest, At(At(mark, "cases"), "longestCell").get<std::size_t>());
  }
  return StudyRowLimit(fields, longest);
}

// Whether the parts of the mark a merge relies on have their types.
bool WellFormed(const json& m) {
  const auto strings = [](const json& j) {
    return std::all_of(j.begin(), j.end(), [](const json& e) { return e.is_string(); });
  };
  if (!At(m, "base").is_object() || !strings(At(m, "base")) || !At(m, "vary").is_array()) return false;
  for (const json& axis : At(m, "vary")) {
    if (!At(axis, "values").is_array() || !strings(At(axis, "values"))) return false;
  }
  if (!m.contains("cases")) return true;
  const json& c = At(m, "cases");
  return At(c, "columns").is_array() && At(c, "longestCell").is_number_unsigned() &&
         At(c, "longestCell").get<std::size_t>() <= kMaxPartMarkBytes;
}

}  // namespace

std::size_t StudyRowLimit(std::size_t fields, std::size_t longestText) {
  return std::min(kRowFixedBytes + kRowTextRepeats * (fields + kInputCount) * longestText, kMaxRowBytes);
}

std::string PartBeginLine(const StudyIdentity& study, StudyShard shard) {
  json mark = Fingerprint(study);
  mark["shard"] = std::to_string(shard.k) + "/" + std::to_string(shard.n);
  mark["partCases"] = shard.caseCount(study.studyCases);
  return MarkLine(kBegin, study.format, mark);
}

std::string PartEndLine(StudyFormat format, const StudyEnd& end) {
  json body{{"rows", end.rows}, {"incomplete", end.incomplete}, {"complete", end.complete}};
  if (!end.complete) body["reason"] = end.reason;
  return MarkLine(kEnd, format, body);
}

std::string IncompleteLine(StudyFormat format, const StudyEnd& end, std::size_t studyCases) {
  return MarkLine(kIncomplete, format,
                  json{{"rows", end.rows}, {"studyCases", studyCases}, {"incomplete", end.incomplete},
                       {"reason", end.reason}});
}

bool StartsLikePart(std::string_view text) {
  for (const std::string& prefix : {std::string(kBegin.csvPrefix), "{\"" + std::string(kBegin.jsonKey) + "\":"}) {
    const std::size_t n = std::min(prefix.size(), text.size());
    if (text.substr(0, n) == std::string_view(prefix).substr(0, n)) return true;
  }
  return false;
}

Outcome<PartMark> ReadPartBegin(std::string_view line) {
  PartMark mark;
  mark.format = MarkBody(kBegin, line, StudyFormat::Csv) ? StudyFormat::Csv : StudyFormat::JsonLines;
  const std::optional<std::string_view> body = MarkBody(kBegin, line, mark.format);
  if (!body) return Failure{"", Tr("Studienteile", "kein Teil einer Studie (die erste Zeile ist keine Teilmarke); Teile schreibt --shard K/N")};
  std::optional<json> m = ParseObject(*body);
  if (!m) return Failure{"", Tr("Studienteile", "die Teilmarke in der ersten Zeile ist beschädigt")};
  if (At(*m, "partVersion") != kStudyPartVersion) {
    return Failure{"", Filled(Tr("Studienteile", "ein Teil einer anderen Version (erwartet Version %1)"), {std::to_string(kStudyPartVersion)})};
  }
  const json format = mark.format == StudyFormat::Csv ? "csv" : "jsonl";
  const std::optional<std::size_t> studyCases = Count(*m, "studyCases"), partCases = Count(*m, "partCases");
  if (At(*m, "format") != format || !At(*m, "shard").is_string() || !studyCases || !partCases || !WellFormed(*m)) {
    return Failure{"", Tr("Studienteile", "die Teilmarke in der ersten Zeile ist unvollständig")};
  }
  const Outcome<StudyShard> shard = ReadStudyShard((*m)["shard"].get<std::string>());
  if (!shard) return Failure{"", Filled(Tr("Studienteile", "die Teilmarke nennt keinen gültigen Teil (%1)"), {shard.message()})};
  if (*studyCases > kMaxStudyCases || *partCases != shard->caseCount(*studyCases)) {
    return Failure{"", Filled(Tr("Studienteile", "die Fallzahlen der Teilmarke passen nicht zu Teil %1"), {ShownText((*m)["shard"].get<std::string>())})};
  }
  mark.shard = shard.value();
  mark.studyCases = *studyCases;
  mark.partCases = *partCases;
  mark.rowLimit = RowLimit(*m);
  m->erase("shard");
  m->erase("partCases");
  mark.study = Dump(*m);
  return mark;
}

std::optional<Outcome<StudyEnd>> ReadPartEnd(std::string_view line, StudyFormat format) {
  const std::optional<std::string_view> body = MarkBody(kEnd, line, format);
  if (!body) return std::nullopt;
  const std::optional<json> m = ParseObject(*body);
  const Failure broken{"", Tr("Studienteile", "die Schlussmarke ist beschädigt")};
  if (!m) return Outcome<StudyEnd>(broken);
  StudyEnd end;
  const std::optional<std::size_t> rows = Count(*m, "rows"), incomplete = Count(*m, "incomplete");
  const auto complete = m->find("complete");
  if (!rows || !incomplete || *incomplete > *rows || complete == m->end() || !complete->is_boolean()) {
    return Outcome<StudyEnd>(broken);
  }
  end.rows = *rows;
  end.incomplete = *incomplete;
  end.complete = complete->get<bool>();
  const auto reason = m->find("reason");
  if (reason != m->end() && reason->is_string()) end.reason = ShownText(reason->get<std::string>());
  return Outcome<StudyEnd>(end);
}

std::optional<Outcome<StudyEnd>> ReadIncompleteMark(std::string_view line, StudyFormat format,
                                                    std::size_t studyCases) {
  const std::optional<std::string_view> body = MarkBody(kIncomplete, line, format);
  if (!body) return std::nullopt;
  const std::optional<json> m = ParseObject(*body);
  const Failure broken{"", Tr("Studienteile", "die Marke des abgebrochenen Laufs ist beschädigt")};
  if (!m) return Outcome<StudyEnd>(broken);
  const std::optional<std::size_t> rows = Count(*m, "rows"), incomplete = Count(*m, "incomplete");
  const std::optional<std::size_t> cases = Count(*m, "studyCases");
  if (!rows || !incomplete || !cases) return Outcome<StudyEnd>(broken);
  if (*incomplete > *rows || *rows > *cases) return Outcome<StudyEnd>(broken);
  if (*cases != studyCases) {
    return Outcome<StudyEnd>(Failure{"", Filled(Tr("Studienteile", "die Marke des abgebrochenen Laufs nennt eine Studie mit %1 Fällen, diese hat %2"),
                                                {std::to_string(*cases), std::to_string(studyCases)})});
  }
  StudyEnd end{*rows, *incomplete, false, ""};
  const json& reason = At(*m, "reason");
  if (reason.is_string()) end.reason = ShownText(reason.get<std::string>());
  return Outcome<StudyEnd>(end);
}

std::string FingerprintDifference(const std::string& expected, const std::string& found) {
  const json a = json::parse(expected, nullptr, false), b = json::parse(found, nullptr, false);
  // What a part holds is shown escaped: it may be any bytes.
  const auto shown = [](const json& j) { return j.is_string() ? ShownText(j.get<std::string>()) : Dump(j); };
  for (const auto& [box, text] : At(a, "base").items()) {
    const json& other = At(At(b, "base"), box);
    if (other != text) return Filled(Tr("Studienteile", "Grundeingabe %1: %2 statt %3"), {ShownText(box), shown(other), shown(text)});
  }
  static const std::vector<std::pair<const char*, const char*>> kNames{
      {"program", LV_TR_NOOP("Studienteile", "Programm")},
      {"partVersion", LV_TR_NOOP("Studienteile", "Version")},
      {"format", LV_TR_NOOP("Studienteile", "Ausgabeformat")},
      {"dialect", LV_TR_NOOP("Studienteile", "CSV-Dialekt")},
      {"vary", LV_TR_NOOP("Studienteile", "variierte Eingaben (--vary)")},
      {"cases", LV_TR_NOOP("Studienteile", "Falltabelle (--cases)")},
      {"studyCases", LV_TR_NOOP("Studienteile", "Fallzahl der Studie")}};
  for (const auto& [key, name] : kNames) {
    if (At(a, key) != At(b, key)) {
      std::string text = Filled(Tr("Studienteile", "%1: %2 statt %3"), {Tr("Studienteile", name), shown(At(b, key)), shown(At(a, key))});
      return text.size() > 300 ? text.substr(0, 300) + " …" : text;
    }
  }
  return Tr("Studienteile", "ein anderer Fingerabdruck der Studie");
}

}  // namespace lamvero
