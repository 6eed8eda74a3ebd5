#include "tools/jsonoutput.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <utility>

#include "run/resultquantities.h"

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

}  // namespace

std::string Number17(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
  return std::string(buffer, result.ptr);
}

std::string RunJson(const RunRecord& record, int profileCurves, const std::vector<InputWarning>& warnings) {
  std::string out = "{\"outcome\":" + JsonString(RunOutcomeName(record.outcome)) + ",\"messages\":[";
  for (std::size_t i = 0; i < record.messages.size(); ++i) {
    out += (i ? "," : "") + JsonString(record.messages[i]);
  }
  out += "],\"fields\":{";
  bool first = true;
  for (const auto& [name, state] : record.controls) {
    if (name.rfind("txt_", 0) != 0 && name.rfind("lbl_", 0) != 0) continue;
    out += (first ? "" : ",") + JsonString(name) + ":{\"text\":" + JsonString(state.text) +
           ",\"visible\":" + (state.visible ? "true" : "false") + ",\"color\":[" + std::to_string(state.color.r) +
           "," + std::to_string(state.color.g) + "," + std::to_string(state.color.b) + "]}";
    first = false;
  }
  const RunResults& r = record.results;
  const std::vector<std::pair<const char*, std::string>> scalars = {
      {"Zeit", JsonNumber(r.Zeit)},
      {"nReihe", std::to_string(record.series.nReihe)},
      {"nReihe1TA", std::to_string(record.series.nReihe1TA)},
      {"Dauer1TA", JsonNumber(r.Dauer1TA)},
      {"X1TA", JsonNumber(r.X1TA)},
      {"t1xse", JsonNumber(r.t1xse)},
      {"t2xse", JsonNumber(r.t2xse)},
      {"DauerGegenstrom", JsonNumber(r.DauerGegenstrom)},  // null unless this run switched
      {"ThetaZuluft", JsonNumber(r.ThetaZuluft)},
      {"spezEnergie", JsonNumber(r.spezEnergie)},
      {"relEnergie", JsonNumber(r.relEnergie)},
      {"WasserfehlerProzent", JsonNumber(r.WasserfehlerProzent)},
      {"WasserdampfMax", JsonNumber(r.WasserdampfMax)},
      {"nGlatt", std::to_string(r.nGlatt)},
      {"XEnde", JsonNumber(r.XEnde)},
      {"XBilanz", JsonNumber(r.XBilanz)},
      {"nIter", std::to_string(r.nIter)},
      {"schwindgrad", JsonNumber(r.schwindgrad)},
      {"ThetaK", JsonNumber(r.ThetaK)},
      {"profileCurves", std::to_string(profileCurves)},
  };
  out += "},\"scalars\":{";
  for (std::size_t i = 0; i < scalars.size(); ++i) {
    out += (i ? "," : "") + JsonString(scalars[i].first) + ":" + scalars[i].second;
  }
  out += "}" + InputsAndWarnings(record.inputs, warnings) + ",\"results\":{";
  bool firstResult = true;
  for (const ResultQuantity& q : ResultQuantities(record)) {
    out += std::string(firstResult ? "" : ",") + JsonString(q.key) + ":{\"value\":" + JsonNumber(q.value) +
           ",\"unit\":" + JsonString(q.unit) + ",\"box\":" + JsonString(q.box) + "}";
    firstResult = false;
  }
  return out + "}}\n";
}

std::string RefusedJson(const std::vector<InputProblem>& problems, const InputTexts& inputs,
                        const std::vector<InputWarning>& warnings) {
  std::vector<std::string> texts;
  for (const InputProblem& p : problems) texts.push_back(p.text);
  return "{\"outcome\":\"Refused\",\"messages\":" + Messages(texts) + ",\"problems\":" + Problems(problems) +
         InputsAndWarnings(inputs, warnings) + "}\n";
}

}  // namespace lamvero
