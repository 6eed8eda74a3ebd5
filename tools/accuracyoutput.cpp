#include "tools/accuracyoutput.h"

#include <cmath>

#include "files/accuracyjson.h"
#include "present/accuracyview.h"
#include "run/resultdescriptors.h"
#include "study/accuracy.h"
#include "study/convergence.h"
#include "text/numberformat.h"

namespace lamvero {

namespace {

std::string Json(const nlohmann::ordered_json& j) { return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace); }

nlohmann::ordered_json NumberOrNull(double value) {
  return std::isfinite(value) ? nlohmann::ordered_json(value) : nlohmann::ordered_json(nullptr);
}

std::string ResultLine(const AccuracyResult& r) {
  const ResultDescriptor& d = ResultOf(r.key);
  std::string line = "  " + d.tableCaption() + ": ";
  switch (r.convergence) {
    case Convergence::NotReached:
      return line + "auf keiner Stufe erreicht\n";
    case Convergence::Undetermined:
      return line + AccuracyValueText(d, r.values.back()) + ", Fehler nicht bestimmbar\n";
    case Convergence::Unchanged:
      return line + AccuracyValueText(d, r.values.back()) + ", auf allen Stufen gleich\n";
    default:
      break;
  }
  line += AccuracyValueText(d, r.values.back()) + ", Änderung " + (r.change() < 0 ? "-" : "+") + AccuracyValueText(d, std::fabs(r.change()));
  if (r.convergence == Convergence::TwoLevels) {
    line += ", Ordnung angenommen " + FormatSignificant(kAssumedOrder, 2);
  } else {
    line += std::isnan(r.order) ? ", Ordnung nicht bestimmbar" : ", Ordnung " + FormatSignificant(r.order, 2);
  }
  if (!std::isnan(r.extrapolated)) line += ", extrapoliert " + AccuracyValueText(d, r.extrapolated);
  line += ", geschätzter Fehler " + AccuracyPercentText(r.errorPercent);
  return line + (r.exceeds ? " – über der Toleranz\n" : "\n");
}

}  // namespace

std::string AccuracyJsonMember(const Outcome<AccuracyEstimate>& estimate) {
  if (!estimate) return ",\"accuracy\":" + Json({{"failure", estimate.message()}});
  return ",\"accuracy\":" + Json(AccuracyToJson(estimate.value()));
}

std::string AutoStepsJsonMember(const AutoSteps& steps, double tolerancePercent) {
  nlohmann::ordered_json j = {{"tolerancePercent", tolerancePercent},
                              {"txt_deltaT", steps.deltaT},
                              {"txt_Ortsschrittweite", steps.Ortsschrittweite},
                              {"runs", steps.runs},
                              {"remainingErrorPercent", NumberOrNull(steps.remainingErrorPercent)},
                              {"remainingErrorKey", steps.remainingErrorKey},
                              {"estimate", AccuracyToJson(steps.estimate)}};
  return ",\"autoSteps\":" + Json(j);
}

std::string AccuracyLines(const AccuracyEstimate& estimate) {
  const AccuracyScheme* scheme = FindAccuracyScheme(estimate.scheme);
  std::string out = "Genauigkeit (" + std::string(scheme ? scheme->caption : estimate.scheme.c_str()) + "; Stufen";
  for (const AccuracyLevel& l : estimate.levels) out += " " + l.deltaT + " s/" + l.Ortsschrittweite + " mm";
  out += "; Toleranz " + AccuracyPercentText(estimate.tolerancePercent) + "):\n";
  for (const AccuracyResult& r : estimate.results) out += ResultLine(r);
  return out;
}

}  // namespace lamvero
