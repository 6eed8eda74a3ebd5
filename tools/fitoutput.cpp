#include "tools/fitoutput.h"

#include <nlohmann/json.hpp>

#include <cmath>

#include "text/language.h"
#include "text/numberformat.h"
#include "text/trim.h"

namespace lamvero {

namespace {

using Json = nlohmann::ordered_json;

Json NumberOrNull(double value) { return std::isfinite(value) ? Json(value) : Json(nullptr); }

const char* StatusKey(FitResult::Status status) {
  switch (status) {
    case FitResult::Status::Converged:
      return "Converged";
    case FitResult::Status::Stopped:
      return "Stopped";
    case FitResult::Status::Failed:
      return "Failed";
  }
  return "";
}

// The field's caption as JSON keeps it (German, whatever the language); a
// text for a reader takes ShownCaption.
std::string Caption(Input input) { return WithoutTrailingBlanks(FieldOf(input).caption); }

std::string ParameterLine(const FitProblem& problem, const FitResult& result, std::size_t j) {
  const InputField& field = FieldOf(problem.parameters[j].input);
  const std::string unit = *field.unit ? " " + Tr("Eingabefelder", field.unit) : "";
  std::string line = ShownCaption(field.id) + ": " + FormatSixDigits(result.values[j]);
  if (!result.halfWidth95.empty()) line += " ± " + FormatSignificant(result.halfWidth95[j], 3);
  line += unit;
  if (result.atBound[j]) line += Tr("lamvero-batch", " (an der Schranke)");
  return line + "\n";
}

}  // namespace

std::string FitText(const FitProblem& problem, const FitResult& result) {
  std::string text = Filled(Tr("lamvero-batch", "Anpassung an „%1“"), {problem.data.source}) + "\n";
  for (std::size_t j = 0; j < result.values.size(); ++j) text += ParameterLine(problem, result, j);
  for (std::size_t i = 0; i < result.correlation.size(); ++i) {
    for (std::size_t j = i + 1; j < result.correlation.size(); ++j) {
      text += Filled(Tr("lamvero-batch", "Korrelation %1 / %2: %3"),
                     {ShownCaption(problem.parameters[i].input), ShownCaption(problem.parameters[j].input),
                      FormatSignificant(result.correlation[i][j], 3)}) +
              "\n";
    }
  }
  for (const FitQuantityFigures& f : result.figures) {
    const MeasuredQuantityInfo& info = InfoOf(f.quantity);
    text += Tr("Ergebnisse", info.caption) + ": " +
            Filled(Tr("lamvero-batch", "RMSE %1 %2, R² %3 (%4 Messwerte)"),
                   {FormatSignificant(f.rmse, 3), info.unit, std::isfinite(f.r2) ? FormatSignificant(f.r2, 6) : "-",
                    std::to_string(f.points)}) +
            "\n";
  }
  text += Filled(Tr("lamvero-batch", "Läufe: %1, Zeit: %2 s"),
                 {std::to_string(result.runs), FormatSignificant(result.seconds, 3)}) +
          "\n";
  if (!result.identifiability.empty()) {
    text += Filled(Tr("lamvero-batch", "Kein Vertrauensbereich: %1"), {result.identifiability}) + "\n";
  }
  if (!result.message.empty()) text += result.message + "\n";
  return text;
}

std::string FitJson(const FitProblem& problem, const FitResult& result) {
  Json parameters = Json::array();
  for (std::size_t j = 0; j < result.values.size(); ++j) {
    const FitParameter& p = problem.parameters[j];
    const InputField& field = FieldOf(p.input);
    parameters.push_back(
        {{"box", field.box},
         {"caption", Caption(p.input)},
         {"unit", field.unit},
         {"value", NumberOrNull(result.values[j])},
         {"lower", p.lower},
         {"upper", p.upper},
         {"halfWidth95", result.halfWidth95.empty() ? Json(nullptr) : NumberOrNull(result.halfWidth95[j])},
         {"atBound", static_cast<bool>(result.atBound[j])}});
  }
  Json figures = Json::array();
  for (const FitQuantityFigures& f : result.figures) {
    figures.push_back({{"quantity", InfoOf(f.quantity).key},
                       {"unit", InfoOf(f.quantity).unit},
                       {"points", f.points},
                       {"rmse", NumberOrNull(f.rmse)},
                       {"r2", NumberOrNull(f.r2)}});
  }
  Json fitted = Json::object();
  for (const InputField& f : InputFields()) fitted[f.box] = result.fitted[f.id];
  Json fit = {{"status", StatusKey(result.status)},
              {"message", result.message},
              {"source", problem.data.source},
              {"parameters", parameters},
              {"correlation", result.correlation.empty() ? Json(nullptr) : Json(result.correlation)},
              {"notIdentifiable", result.notIdentifiable},
              {"identifiability", result.identifiability},
              {"figures", figures},
              {"cost", NumberOrNull(result.cost)},
              {"runs", result.runs},
              {"seconds", result.seconds},
              {"fittedInputs", fitted}};
  return Json{{"fit", fit}}.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace lamvero
