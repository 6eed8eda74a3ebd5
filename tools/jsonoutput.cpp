#include "tools/jsonoutput.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <utility>

#include "files/windowtext.h"
#include "present/controltable.h"
#include "run/recordfields.h"
#include "run/resultdescriptors.h"
#include "text/language.h"

namespace lamvero {

namespace {

std::string JsonNumber(double value) { return std::isfinite(value) ? Number17(value) : "null"; }

std::string JsonString(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string Messages(const std::vector<std::string>& messages) {
  std::string out = "[";
  for (std::size_t i = 0; i < messages.size(); ++i) out += (i ? "," : "") + JsonString(messages[i]);
  return out + "]";
}

std::string Problems(const std::vector<InputProblem>& problems) {
  std::string out = "[";
  for (std::size_t i = 0; i < problems.size(); ++i) {
    out += std::string(i ? "," : "") + "{\"text\":" + JsonString(problems[i].text) + ",\"fields\":[";
    for (std::size_t k = 0; k < problems[i].fields.size(); ++k) {
      out += (k ? "," : "") + JsonString(FieldOf(problems[i].fields[k]).box);
    }
    out += "]}";
  }
  return out + "]";
}

// The input texts used, the defaults included, and the warnings on them.
std::string InputsAndWarnings(const InputTexts& inputs, const std::vector<InputWarning>& warnings) {
  std::string out = ",\"inputs\":{";
  bool first = true;
  for (const InputField& f : InputFields()) {
    out += (first ? "" : ",") + JsonString(f.box) + ":" + JsonString(inputs[f.id]);
    first = false;
  }
  out += "},\"warnings\":[";
  for (std::size_t i = 0; i < warnings.size(); ++i) {
    const InputField& f = FieldOf(warnings[i].field);
    out += std::string(i ? "," : "") + "{\"field\":" + JsonString(f.box) + ",\"value\":" + JsonNumber(warnings[i].value) +
           ",\"unit\":" + JsonString(f.unit) + ",\"usualMin\":" + JsonNumber(f.usualMin) +
           ",\"usualMax\":" + JsonNumber(f.usualMax) + ",\"text\":" + JsonString(warnings[i].text) + "}";
  }
  return out + "]";
}

// A field's text as the German window shows it, so that the JSON is the same
// in every language: a number with its decimal comma (as files keep it), a
// label with its German caption.
std::string FieldTextInGerman(const std::string& name, const std::string& text) {
  const ControlRow* label = name.rfind("lbl_", 0) == 0 ? FindControl(name) : nullptr;
  if (label && Tr("Rechnerfenster", label->caption) == text) return label->caption;
  return FileWindowText(text);
}

// The run's scalars as the record keeps them, in the order --json writes
// them: fields of its results (DauerGegenstrom null unless this run
// switched), the counts and the number of profile curves drawn.
const char* const kScalars[] = {
    "Zeit",        "nReihe",      "nReihe1TA",     "Dauer1TA", "X1TA",  "t1xse",          "t2xse",
    "DauerGegenstrom", "ThetaZuluft", "spezEnergie", "relEnergie", "WasserfehlerProzent", "WasserdampfMax",
    "nGlatt",      "XEnde",       "XBilanz",       "nIter",    "schwindgrad", "ThetaK", "profileCurves",
};

std::string ScalarText(const RunRecord& record, const std::string& name, int profileCurves) {
  if (name == "nReihe") return std::to_string(record.series.nReihe);
  if (name == "nReihe1TA") return std::to_string(record.series.nReihe1TA);
  if (name == "nGlatt") return std::to_string(record.results.nGlatt);
  if (name == "nIter") return std::to_string(record.results.nIter);
  if (name == "profileCurves") return std::to_string(profileCurves);
  const RecordField<RunResults>* field = FindResultField(name);
  if (!field) throw std::logic_error("no result field named \"" + name + "\"");
  return JsonNumber(record.results.*field->member);
}

}  // namespace

std::string Number17(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
  return std::string(buffer, result.ptr);
}

std::string RunJson(const RunRecord& record, int profileCurves, const std::vector<InputWarning>& warnings,
                    const std::string& members) {
  std::string out = "{\"outcome\":" + JsonString(RunOutcomeName(record.outcome));
  // Named only when the run did not use the standard air balance.
  if (record.airIntegration != AirIntegration::Standard) {
    out += ",\"airIntegration\":" + JsonString(AirIntegrationKey(record.airIntegration));
  }
  out += ",\"messages\":" + Messages(ShownMessages(record)) + ",\"fields\":{";
  bool first = true;
  for (const auto& [name, state] : record.controls) {
    if (name.rfind("txt_", 0) != 0 && name.rfind("lbl_", 0) != 0) continue;
    out += (first ? "" : ",") + JsonString(name) + ":{\"text\":" + JsonString(FieldTextInGerman(name, state.text)) +
           ",\"visible\":" + (state.visible ? "true" : "false") + ",\"color\":[" + std::to_string(state.color.r) +
           "," + std::to_string(state.color.g) + "," + std::to_string(state.color.b) + "]}";
    first = false;
  }
  out += "},\"scalars\":{";
  for (std::size_t i = 0; i < std::size(kScalars); ++i) {
    out += (i ? "," : "") + JsonString(kScalars[i]) + ":" + ScalarText(record, kScalars[i], profileCurves);
  }
  out += "}" + InputsAndWarnings(record.inputs, warnings) + ",\"results\":{";
  bool firstResult = true;
  for (const ResultDescriptor& d : ResultDescriptors()) {
    out += std::string(firstResult ? "" : ",") + JsonString(d.key) + ":{\"value\":" + JsonNumber(d.value(record)) +
           ",\"unit\":" + JsonString(d.unit) + ",\"box\":" + JsonString(d.box) + "}";
    firstResult = false;
  }
  return out + "}" + members + "}\n";
}

std::string RefusedJson(const std::vector<InputProblem>& problems, const InputTexts& inputs,
                        const std::vector<InputWarning>& warnings) {
  std::vector<std::string> texts;
  for (const InputProblem& p : problems) texts.push_back(p.text);
  return "{\"outcome\":\"Refused\",\"messages\":" + Messages(texts) + ",\"problems\":" + Problems(problems) +
         InputsAndWarnings(inputs, warnings) + "}\n";
}

}  // namespace lamvero
