#include "study/studyoutput.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "text/language.h"
#include "study/studycolumns.h"
#include "study/studypart.h"
#include "study/studytable.h"
#include "text/csvformat.h"
#include "text/shownchars.h"

namespace lamvero {

namespace {

using nlohmann::json;

// A whole study of kMaxStudyCases cases in JSON Lines, every row with a
// refusal's messages, stays below this.
constexpr std::size_t kMaxStudyOutputBytes = std::size_t{2} << 30;
// Room for the header and the mark of a stopped study.
constexpr std::size_t kOutputFrameBytes = std::size_t{64} << 10;

// Messages in a CSV cell are joined with this.
constexpr std::string_view kMessageJoint = " | ";

Failure AtLine(std::size_t line, const std::string& why) {
  return Failure{Filled(Tr("Studienausgabe", "Zeile %1"), {std::to_string(line)}), why};
}

// The longest row of the study, by the longest input text it can write.
std::size_t RowLimitOf(const StudyDefinition& definition) {
  std::size_t longest = 0;
  for (const InputField& f : InputFields()) longest = std::max(longest, definition.base[f.id].size());
  for (const StudyVariation& v : definition.varied) longest = std::max(longest, v.values.size());
  return StudyRowLimit(definition.varied.size(), longest);
}

// What a line gives besides what the plan says: outcome, values, messages.
struct RowContent {
  RunOutcome outcome = RunOutcome::Refused;
  std::vector<std::string> messages;
  std::array<double, kStudyQuantityCount> values{};
};

// A value cell: empty for a stage not reached, else the number in the dialect's decimal mark.
std::optional<double> CsvValue(std::string cell, CsvDialect dialect) {
  if (cell.empty()) return std::numeric_limits<double>::quiet_NaN();
  if (dialect == CsvDialect::German) std::replace(cell.begin(), cell.end(), ',', '.');
  double value = 0;
  const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
  if (error != std::errc() || end != cell.data() + cell.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::vector<std::string> SplitMessages(const std::string& joined) {
  std::vector<std::string> messages;
  if (joined.empty()) return messages;
  for (std::size_t from = 0;;) {
    const std::size_t at = joined.find(kMessageJoint, from);
    messages.push_back(joined.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) return messages;
    from = at + kMessageJoint.size();
  }
}

// The cells of a CSV row: case, varied inputs, outcome, the results, messages.
Outcome<RowContent> CsvContent(const std::vector<std::string>& cells, const std::vector<std::string>& header,
                               CsvDialect dialect, std::size_t line) {
  if (cells.size() != header.size()) {
    return AtLine(line, Filled(Tr("Studienausgabe", "%1 Spalten, die Kopfzeile hat %2"), {std::to_string(cells.size()), std::to_string(header.size())}));
  }
  const std::size_t outcomeAt = cells.size() - kStudyQuantityCount - 2;
  RowContent row;
  const std::optional<RunOutcome> outcome = RunOutcomeNamed(cells[outcomeAt]);
  if (!outcome) {
    return AtLine(line, Filled(Tr("Studienausgabe", "Spalte outcome: „%1“ ist kein Ergebnis eines Laufs"), {ShownText(cells[outcomeAt])}));
  }
  row.outcome = *outcome;
  for (std::size_t i = 0; i < kStudyQuantityCount; ++i) {
    const std::optional<double> value = CsvValue(cells[outcomeAt + 1 + i], dialect);
    if (!value) return AtLine(line, Filled(Tr("Studienausgabe", "Spalte %1: keine Zahl"), {header[outcomeAt + 1 + i]}));
    row.values[i] = *value;
  }
  row.messages = SplitMessages(cells.back());
  return row;
}

Outcome<RowContent> JsonContent(std::string_view text, std::size_t line) {
  const json j = json::parse(text.begin(), text.end(), nullptr, false);
  const Failure broken = AtLine(line, Tr("Studienausgabe", "keine Zeile einer Studie in JSON Lines"));
  if (!j.is_object() || !j.contains("outcome") || !j["outcome"].is_string()) return broken;
  RowContent row;
  const std::optional<RunOutcome> outcome = RunOutcomeNamed(j["outcome"].get<std::string>());
  if (!outcome) return AtLine(line, Tr("Studienausgabe", "„outcome“ ist kein Ergebnis eines Laufs"));
  row.outcome = *outcome;
  const json& results = j.contains("results") ? j["results"] : json();
  for (std::size_t i = 0; i < kStudyQuantityCount; ++i) {
    const char* key = StudyQuantities()[i].result->key;
    if (!results.is_object() || !results.contains(key) || !results[key].is_object()) {
      return AtLine(line, Filled(Tr("Studienausgabe", "das Ergebnis %1 fehlt"), {key}));
    }
    const json& value = results[key].contains("value") ? results[key]["value"] : json(0);
    if (!value.is_null() && !value.is_number()) {
      return AtLine(line, Filled(Tr("Studienausgabe", "das Ergebnis %1 ist keine Zahl"), {key}));
    }
    row.values[i] = value.is_null() ? std::numeric_limits<double>::quiet_NaN() : value.get<double>();
  }
  if (!j.contains("messages") || !j["messages"].is_array()) return broken;
  for (const json& m : j["messages"]) {
    if (!m.is_string()) return broken;
    row.messages.push_back(m.get<std::string>());
  }
  return row;
}

// Where a line differs from the line the study writes for that case.
std::string Difference(std::string_view found, std::string_view expected, const StudyLayout& layout,
                       const std::vector<std::string>& header) {
  if (layout.format == StudyFormat::Csv) {
    const char separator = CsvSeparator(layout.dialect);
    const auto a = SplitCsvLine(found, separator), b = SplitCsvLine(expected, separator);
    for (std::size_t i = 0; a && b && i < std::min({a->size(), b->size(), header.size()}); ++i) {
      if ((*a)[i] != (*b)[i]) {
        return Filled(Tr("Studienausgabe", "Spalte %1: „%2“ statt „%3“"), {header[i], ShownText((*a)[i]), ShownText((*b)[i])});
      }
    }
  } else {
    const json a = json::parse(found.begin(), found.end(), nullptr, false);
    const json b = json::parse(expected.begin(), expected.end(), nullptr, false);
    for (const auto& item : b.items()) {
      if (!a.is_object() || !a.contains(item.key()) || a[item.key()] != item.value()) {
        return Filled(Tr("Studienausgabe", "„%1“ ist %2, erwartet %3"),
                      {item.key(),
                       a.is_object() && a.contains(item.key()) ? ShownText(a[item.key()].dump()) : Tr("Studienausgabe", "nicht da"),
                       ShownText(item.value().dump())});
      }
    }
  }
  return Tr("Studienausgabe", "nicht in der Form, in der das Programm die Zeile schreibt");
}

// The last line of a header, the machine names, without its line feed.
std::string_view KeyLine(std::string_view header) {
  header.remove_suffix(1);
  return header.substr(header.rfind('\n') + 1);  // npos + 1: a header of one line
}

// The reader of one output, line by line.
class OutputReader {
 public:
  OutputReader(const StudyDefinition& definition, const StudyPlan& plan)
      : plan_(plan), rowLimit_(RowLimitOf(definition)) {
    results_.base = definition.base;
    results_.variedFields = plan.variedFields();
  }
  Outcome<StudyResults> read(std::string_view text);

 private:
  Outcome<std::size_t> header(std::string_view text);
  Status row(std::string_view line);
  Outcome<RowContent> contentOf(std::string_view line) const;
  std::string lineText(const StudyRow& row) const;

  const StudyPlan& plan_;
  std::size_t rowLimit_;
  StudyLayout layout_;
  std::vector<std::string> columns_;  // the header's cells (CSV)
  std::size_t line_ = 0;
  StudyResults results_;
};

// The first line tells the format and the dialect: JSON Lines have no
// header, their first line is a row or a mark; a CSV header must be the
// study's, both lines of it, or the single line older versions wrote.
// Gives the header's length in bytes.
Outcome<std::size_t> OutputReader::header(std::string_view text) {
  layout_.variedFields = results_.variedFields;
  if (text.front() == '{') {
    layout_.format = StudyFormat::JsonLines;
    return std::size_t{0};
  }
  for (CsvDialect dialect : {CsvDialect::Plain, CsvDialect::German}) {
    const std::string current = StudyHeader(results_.variedFields, false, dialect);
    const std::string old = OldStudyHeaderLine(results_.variedFields, false, dialect) + "\n";
    for (const std::string& expected : {current, old}) {
      if (text.substr(0, expected.size()) != expected) continue;
      layout_.dialect = dialect;
      columns_ = *SplitCsvLine(KeyLine(expected), CsvSeparator(dialect));
      line_ = static_cast<std::size_t>(std::count(expected.begin(), expected.end(), '\n'));
      return expected.size();
    }
  }
  std::string varied;
  for (Input field : results_.variedFields) varied += std::string(varied.empty() ? "" : ", ") + FieldOf(field).box;
  return AtLine(1, Filled(Tr("Studienausgabe", "die Kopfzeilen sind nicht die dieser Studie (erwartet Fall, die variierten "
                                               "Eingaben, Ergebnis, die Ergebnisse und Meldungen, darunter case, %1, outcome, "
                                               "die Ergebnisse und messages; als CSV mit , oder ; getrennt)"),
                          {varied}));
}

std::string OutputReader::lineText(const StudyRow& row) const {
  std::string text;
  StudyWriter writer(text, layout_);
  StudyResults results{results_.base, results_.variedFields, {}, true};
  writer.writeRow(row.number, SummaryOf(results, row));
  text.pop_back();
  return text;
}

Outcome<RowContent> OutputReader::contentOf(std::string_view line) const {
  if (layout_.format == StudyFormat::JsonLines) return JsonContent(line, line_);
  const auto cells = SplitCsvLine(line, CsvSeparator(layout_.dialect));
  if (!cells) return AtLine(line_, Tr("Studienausgabe", "ein Anführungszeichen ist nicht geschlossen"));
  return CsvContent(*cells, columns_, layout_.dialect, line_);
}

Status OutputReader::row(std::string_view line) {
  const std::size_t number = results_.rows.size() + 1;
  if (number > plan_.size()) {
    return AtLine(line_, Filled(Tr("Studienausgabe", "mehr Zeilen als die Studie Fälle hat (%1)"), {std::to_string(plan_.size())}));
  }
  Outcome<RowContent> content = contentOf(line);
  if (!content) return content.failure();
  StudyRow row;
  row.number = number;
  const InputTexts inputs = plan_.caseInputs(number - 1);
  for (Input field : results_.variedFields) row.varied.push_back(inputs[field]);
  row.outcome = content->outcome;
  row.messages = std::move(content.value().messages);
  row.values = content->values;
  const std::string expected = lineText(row);
  if (line != expected) {
    return AtLine(line_, Filled(Tr("Studienausgabe", "nicht Fall %1 der Studie: %2"),
                                {std::to_string(number), Difference(line, expected, layout_, columns_)}));
  }
  results_.rows.push_back(std::move(row));
  return Done{};
}

Outcome<StudyResults> OutputReader::read(std::string_view text) {
  if (text.empty()) return Failure{"", Tr("Studienausgabe", "die Ausgabe ist leer")};
  if (StartsLikePart(text)) return AtLine(1, Tr("Studienausgabe", "ein Teil einer Studie: erst mit --merge zusammenfügen"));
  const Outcome<std::size_t> headerBytes = header(text);
  if (!headerBytes) return headerBytes.failure();
  for (std::size_t from = headerBytes.value(); from < text.size();) {
    const std::size_t feed = text.find('\n', from);
    ++line_;
    if (feed == std::string_view::npos) {
      return AtLine(line_, Tr("Studienausgabe", "die Zeile endet ohne Zeilenumbruch (die Ausgabe ist abgeschnitten)"));
    }
    if (feed - from > rowLimit_) return AtLine(line_, Tr("Studienausgabe", "länger als eine Zeile dieser Studie sein kann"));
    const std::string_view line = text.substr(from, feed - from);
    from = feed + 1;
    if (const auto end = ReadIncompleteMark(line, layout_.format, plan_.size())) {
      if (!*end) return AtLine(line_, end->message());
      if ((*end)->rows != results_.rows.size()) {
        return AtLine(line_, Filled(Tr("Studienausgabe", "die Marke nennt %1 Zeilen, es sind %2"),
                                    {std::to_string((*end)->rows), std::to_string(results_.rows.size())}));
      }
      if (from != text.size()) return AtLine(line_ + 1, Tr("Studienausgabe", "nach der Marke des abgebrochenen Laufs folgt noch etwas"));
      if (results_.rows.size() == plan_.size()) {
        return AtLine(line_, Tr("Studienausgabe", "die Marke des abgebrochenen Laufs folgt auf alle Fälle der Studie"));
      }
      results_.complete = false;
      return std::move(results_);
    }
    if (ReadPartEnd(line, layout_.format)) {
      return AtLine(line_, Tr("Studienausgabe", "ein Teil einer Studie: erst mit --merge zusammenfügen"));
    }
    if (const Status read = row(line); !read) return read.failure();
  }
  results_.complete = results_.rows.size() == plan_.size();
  return std::move(results_);
}

}  // namespace

std::size_t MaxStudyOutputBytes(const StudyDefinition& definition) {
  const Outcome<StudyPlan> plan = PlanOf(definition);
  const std::size_t cases = plan ? plan->size() : 0;
  const std::size_t row = RowLimitOf(definition);
  if (cases >= (kMaxStudyOutputBytes - kOutputFrameBytes) / row) return kMaxStudyOutputBytes;
  return kOutputFrameBytes + cases * row;
}

Outcome<StudyResults> ReadStudyOutput(std::string_view text, const StudyDefinition& definition) {
  const Outcome<StudyPlan> plan = PlanOf(definition);
  if (!plan) return Failure{Tr("Studienausgabe", "Die Studie"), plan.message()};
  if (text.size() > MaxStudyOutputBytes(definition)) {
    return Failure{"", Filled(Tr("Studienausgabe", "die Ausgabe ist größer, als eine Ausgabe dieser Studie sein kann (%1 Bytes, höchstens %2)"),
                              {std::to_string(text.size()), std::to_string(MaxStudyOutputBytes(definition))})};
  }
  OutputReader reader(definition, plan.value());
  return reader.read(text);
}

}  // namespace lamvero
