#include "files/studyfile.h"

#include <new>
#include <nlohmann/json.hpp>

#include "text/language.h"
#include "files/boundedjson.h"
#include "files/jsonfields.h"
#include "inputs/inputcheck.h"
#include "study/casesummary.h"
#include "study/studyplan.h"
#include "text/csvformat.h"

namespace lamvero {

namespace {

using nlohmann::json;
using ordered = nlohmann::ordered_json;
using namespace jsonfields;

// The inputs a study varies at most, as the Studie window offers them.
constexpr std::size_t kMaxVariations = 3;
// The values of a varied input are typed into a box, as the inputs are.
constexpr std::size_t kMaxValuesBytes = kMaxInputTextBytes;
// A message may quote an input text.
constexpr std::size_t kMaxMessageBytes = 2 * kMaxInputTextBytes;
// What a sound file can hold, with room to spare: it nests five deep
// (results.rows.N.messages.M); a row holds its case number, up to three
// varied texts, its outcome, its results and on average no more than a dozen
// messages, in three lists and an object of five fields; its texts are the
// varied texts and the messages of a refusal, below a kilobyte a row. The
// longest text is a message, written at most six bytes to a character.
constexpr JsonBounds kStudyBounds{
    6,
    kMaxStudyCases*(1 + kMaxVariations + 1 + kStudyQuantityCount + 12) + 10000,
    kMaxStudyCases * 4 + 1000,
    kMaxStudyCases * 5 + 1000,
    kMaxMessageBytes,
    kMaxStudyCases * 1024 + (std::size_t{16} << 20),
    6 * kMaxMessageBytes + 2,
};

std::string JsonText(const std::string& text) {
  return json(text).dump(-1, ' ', false, json::error_handler_t::replace);
}

// Shortest exact form, null for a stage not reached.
std::string JsonNumber(double value) { return std::isfinite(value) ? CsvNumber(value, CsvDialect::Plain) : "null"; }

std::string RowText(const StudyRow& row) {
  std::string text = "{\"case\":" + std::to_string(row.number) + ",\"varied\":[";
  for (std::size_t i = 0; i < row.varied.size(); ++i) text += (i ? "," : "") + JsonText(row.varied[i]);
  text += "],\"outcome\":" + JsonText(RunOutcomeName(row.outcome)) + ",\"messages\":[";
  for (std::size_t i = 0; i < row.messages.size(); ++i) text += (i ? "," : "") + JsonText(row.messages[i]);
  text += "],\"values\":[";
  for (std::size_t i = 0; i < row.values.size(); ++i) text += (i ? "," : "") + JsonNumber(row.values[i]);
  return text + "]}";
}

// The results: the header fields as indented JSON, the rows one to a line.
std::string ResultsText(const StudyResults& results) {
  ordered fields = ordered::array();
  for (Input field : results.variedFields) fields.push_back(FieldOf(field).box);
  ordered quantities = ordered::array();
  for (const StudyQuantity& q : StudyQuantities()) quantities.push_back({{"key", q.result->key}, {"unit", q.unit}});
  std::string text = "{\n    \"variedFields\": " + fields.dump() + ",\n    \"quantities\": " + quantities.dump() +
                     ",\n    \"rows\": [";
  for (std::size_t i = 0; i < results.rows.size(); ++i) {
    text += (i ? ",\n      " : "\n      ") + RowText(results.rows[i]);
  }
  return text + (results.rows.empty() ? "]\n  }" : "\n    ]\n  }");
}

// ---- reading ----

Input FieldOfBox(const json& j, const std::string& path) {
  const std::string box = Text(j, path, 64, true);
  for (const InputField& f : InputFields()) {
    if (box == f.box) return f.id;
  }
  Fail(Filled(Tr("Studiendatei", "Das Feld %1 nennt kein Eingabefeld („%2“)."), {Quoted(path), box}));
}

StudyDefinition ReadDefinition(const json& j) {
  StudyDefinition definition;
  definition.base = ReadInputTexts(j.at("inputs"), "inputs", kMaxInputTextBytes);
  const json& varied = j.at("varied");
  if (!varied.is_array()) Fail(Tr("Studiendatei", "Das Feld „varied“ ist keine Liste."));
  if (varied.size() > kMaxVariations) {
    Fail(Filled(Tr("Studiendatei", "Das Feld „varied“ nennt %1 variierte Eingaben, höchstens %2."),
                {std::to_string(varied.size()), std::to_string(kMaxVariations)}));
  }
  for (std::size_t i = 0; i < varied.size(); ++i) {
    const std::string at = "varied." + std::to_string(i);
    ExpectKeys(varied[i], at, {"field", "values"});
    StudyVariation variation;
    variation.field = FieldOfBox(varied[i].at("field"), Child(at, "field"));
    variation.values = Text(varied[i].at("values"), Child(at, "values"), kMaxValuesBytes, true);
    definition.varied.push_back(std::move(variation));
  }
  return definition;
}

// The results' columns must be the plan's varied inputs and this program's key results.
void ExpectColumns(const json& j, const StudyPlan& plan) {
  ordered fields = ordered::array();
  for (Input field : plan.variedFields()) fields.push_back(FieldOf(field).box);
  if (j.at("variedFields") != json::parse(fields.dump())) {
    Fail(Filled(Tr("Studiendatei", "Das Feld „results.variedFields“ nennt nicht die variierten Eingaben der Studie (erwartet %1)."),
                {fields.dump()}));
  }
  const json& quantities = j.at("quantities");
  for (std::size_t i = 0; i < kStudyQuantityCount; ++i) {
    const StudyQuantity& q = StudyQuantities()[i];
    if (!quantities.is_array() || i >= quantities.size() ||
        quantities[i] != json{{"key", q.result->key}, {"unit", q.unit}}) {
      Fail(Filled(Tr("Studiendatei", "Das Feld „results.quantities.%1“ ist nicht %2 [%3]."),
                  {std::to_string(i), q.result->key, q.unit}));
    }
  }
  if (quantities.size() != kStudyQuantityCount) Fail(Tr("Studiendatei", "Das Feld „results.quantities“ hat mehr Einträge als Ergebnisse."));
}

StudyRow ReadRow(const json& j, const std::string& at, const StudyPlan& plan, std::size_t after) {
  ExpectKeys(j, at, {"case", "varied", "outcome", "messages", "values"});
  StudyRow row;
  row.number =
      static_cast<std::size_t>(Integer(j.at("case"), Child(at, "case"), 1, static_cast<long long>(plan.size())));
  if (row.number <= after) {
    Fail(Filled(Tr("Studiendatei", "Die Zeile %1 ist Fall %2, nach Fall %3 (die Fälle stehen aufsteigend, jeder einmal)."),
                {Quoted(at), std::to_string(row.number), std::to_string(after)}));
  }
  const InputTexts inputs = plan.caseInputs(row.number - 1);
  const json& varied = j.at("varied");
  if (!varied.is_array() || varied.size() != plan.variedFields().size()) {
    Fail(Filled(Tr("Studiendatei", "Das Feld %1 hat nicht je variierte Eingabe einen Text."), {Quoted(Child(at, "varied"))}));
  }
  for (std::size_t i = 0; i < varied.size(); ++i) {
    const Input field = plan.variedFields()[i];
    const std::string text = Text(varied[i], Child(at, "varied." + std::to_string(i)), kMaxValuesBytes, true);
    if (text != inputs[field]) {
      Fail(Filled(Tr("Studiendatei", "Die Zeile %1 ist nicht Fall %2 der Studie (%3 = „%4“ statt „%5“)."),
                  {Quoted(at), std::to_string(row.number), FieldOf(field).box, text, inputs[field]}));
    }
    row.varied.push_back(text);
  }
  const std::optional<RunOutcome> outcome = RunOutcomeNamed(Text(j.at("outcome"), Child(at, "outcome"), 64, true));
  if (!outcome) {
    Fail(Filled(Tr("Studiendatei", "Das Feld %1 ist kein Ergebnis eines Laufs (Completed, Refused, Stopped, SeriesFull, Failed)."),
                {Quoted(Child(at, "outcome"))}));
  }
  row.outcome = *outcome;
  const json& messages = j.at("messages");
  if (!messages.is_array() || messages.size() > kMaxStudyRowMessages) {
    Fail(Filled(Tr("Studiendatei", "Das Feld %1 ist keine Liste von höchstens %2 Texten."),
                {Quoted(Child(at, "messages")), std::to_string(kMaxStudyRowMessages)}));
  }
  for (std::size_t i = 0; i < messages.size(); ++i) {
    row.messages.push_back(Text(messages[i], Child(at, "messages." + std::to_string(i)), kMaxMessageBytes, false));
  }
  const json& values = j.at("values");
  if (!values.is_array() || values.size() != kStudyQuantityCount) {
    Fail(Filled(Tr("Studiendatei", "Das Feld %1 hat nicht %2 Werte."), {Quoted(Child(at, "values")), std::to_string(kStudyQuantityCount)}));
  }
  for (std::size_t i = 0; i < kStudyQuantityCount; ++i) {
    row.values[i] = NumberOrNull(values[i], Child(at, "values." + std::to_string(i)));
  }
  return row;
}

StudyResults ReadResults(const json& j, const StudyDefinition& definition, const StudyPlan& plan) {
  ExpectKeys(j, "results", {"variedFields", "quantities", "rows"});
  ExpectColumns(j, plan);
  const json& rows = j.at("rows");
  if (!rows.is_array()) Fail(Tr("Studiendatei", "Das Feld „results.rows“ ist keine Liste."));
  if (rows.size() > plan.size()) {
    Fail(Filled(Tr("Studiendatei", "Das Feld „results.rows“ hat mehr Zeilen (%1) als die Studie Fälle (%2)."),
                {std::to_string(rows.size()), std::to_string(plan.size())}));
  }
  StudyResults results;
  results.base = definition.base;
  results.variedFields = plan.variedFields();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::size_t after = results.rows.empty() ? 0 : results.rows.back().number;
    results.rows.push_back(ReadRow(rows[i], "results.rows." + std::to_string(i), plan, after));
  }
  results.complete = results.rows.size() == plan.size();
  return results;
}

StudyFile ReadStudy(std::string_view text) {
  if (const Status size = CheckStudyFileSize(text.size()); !size) Fail(size.message());
  Outcome<json> read = ReadBoundedJson(text, kStudyBounds);
  if (!read) Fail(read.message());
  const json& j = read.value();
  ExpectFormat(j, kStudyFormatName, kStudyFormatVersion, Tr("Dateifelder", "Studiendatei"));
  ExpectKeys(j, "", {"format", "version", "program", "inputs", "varied"}, {"results"});
  Text(j.at("program"), "program", 256, true);
  StudyFile file;
  file.definition = ReadDefinition(j);
  const Outcome<StudyPlan> plan = PlanOf(file.definition);
  if (!plan) Fail(Tr("Studiendatei", "Die Studie in „varied“ lässt sich nicht rechnen: ") + plan.message());
  if (j.contains("results")) file.results = ReadResults(j.at("results"), file.definition, plan.value());
  return file;
}

}  // namespace

std::string StudyFileText(const StudyFile& file) {
  ordered j = ordered::object();
  j["format"] = kStudyFormatName;
  j["version"] = kStudyFormatVersion;
  j["program"] = "Lamvero " LAMVERO_VERSION;
  ordered inputs = ordered::object();
  for (const InputField& f : InputFields()) inputs[f.box] = file.definition.base[f.id];
  j["inputs"] = std::move(inputs);
  ordered varied = ordered::array();
  for (const StudyVariation& v : file.definition.varied) {
    varied.push_back({{"field", FieldOf(v.field).box}, {"values", v.values}});
  }
  j["varied"] = std::move(varied);
  // Texts that are not UTF-8 (from a command line) are kept readable rather than refused.
  std::string text = j.dump(2, ' ', false, ordered::error_handler_t::replace);
  if (file.results) {
    text.pop_back();  // the closing brace
    text += ",\n  \"results\": " + ResultsText(*file.results) + "\n}";
  }
  return text + "\n";
}

Status KeepableStudy(const StudyDefinition& definition) {
  if (const Status base = KeepableInputs(definition.base); !base) return base;
  for (const StudyVariation& v : definition.varied) {
    if (const std::string why = UnkeptInputText(v.values); !why.empty()) {
      return Failure{Filled(Tr("Studiendatei", "Die Werte von %1"), {FieldOf(v.field).box}), why};
    }
  }
  return Done{};
}

Status CheckStudyFileSize(std::uint64_t bytes) { return CheckFileSize(bytes, kMaxStudyFileBytes, Tr("Dateifelder", "Studiendatei"));
}

Outcome<StudyFile> ReadStudyFileText(std::string_view text) {
  try {
    return ReadStudy(text);
  } catch (const BadField& e) {
    return Failure{"", e.what()};
  } catch (const json::exception& e) {
    // A check above let something through that the library then refused.
    return Failure{"", Tr("Dateifelder", "Die Datei ist fehlerhaft: ") + e.what()};
  } catch (const std::bad_alloc&) {
    return Failure{"", Tr("Dateifelder", "Die Datei ist zu groß für den Speicher.")};
  }
}

}  // namespace lamvero
