#include "tools/accuracyoutput.h"

#include <cmath>

#include "files/accuracyjson.h"
#include "present/accuracyview.h"
#include "run/resultdescriptors.h"
#include "study/accuracy.h"
#include "study/convergence.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "text/trim.h"

namespace lamvero {

namespace {

std::string Json(const nlohmann::ordered_json& j) { return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace); }

nlohmann::ordered_json NumberOrNull(double value) {
  return std::isfinite(value) ? nlohmann::ordered_json(value) : nlohmann::ordered_json(nullptr);
}

std::string ResultLine(const AccuracyResult& r) {
  const ResultDescriptor& d = ResultOf(r.key);
  std::string line = "  " + WithoutTrailingBlanks(Tr("Ergebnisse", d.caption)) + ": ";
  switch (r.convergence) {
    case Convergence::NotReached:
      return line + Tr("lamvero-batch", "auf keiner Stufe erreicht") + "\n";
    case Convergence::Undetermined:
      return line + AccuracyValueText(d, r.values.back()) + Tr("lamvero-batch", ", Fehler nicht bestimmbar") + "\n";
    case Convergence::Unchanged:
      return line + AccuracyValueText(d, r.values.back()) + Tr("lamvero-batch", ", auf allen Stufen gleich") + "\n";
    default:
      break;
  }
  line += AccuracyValueText(d, r.values.back()) +
          Filled(Tr("lamvero-batch", ", Änderung %1"),
                 {(r.change() < 0 ? "-" : "+") + AccuracyValueText(d, std::fabs(r.change()))});
  if (r.convergence == Convergence::TwoLevels) {
    line += Filled(Tr("lamvero-batch", ", Ordnung angenommen %1"), {FormatSignificant(kAssumedOrder, 2)});
  } else {
    line += std::isnan(r.order) ? Tr("lamvero-batch", ", Ordnung nicht bestimmbar")
                                : Filled(Tr("lamvero-batch", ", Ordnung %1"), {FormatSignificant(r.order, 2)});
  }
  if (!std::isnan(r.extrapolated)) {
    line += Filled(Tr("lamvero-batch", ", extrapoliert %1"), {AccuracyValueText(d, r.extrapolated)});
  }
  line += Filled(Tr("lamvero-batch", ", geschätzter Fehler %1"), {AccuracyPercentText(r.errorPercent)});
  return line + (r.exceeds ? Tr("lamvero-batch", " – über der Toleranz") : "") + "\n";
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
  std::string levels;
  for (const AccuracyLevel& l : estimate.levels) {
    levels += " " + ShownInputText(l.deltaT) + " s/" + ShownInputText(l.Ortsschrittweite) + " mm";
  }
  std::string out = Filled(Tr("lamvero-batch", "Genauigkeit (%1; Stufen%2; Toleranz %3):"),
                           {scheme ? Tr("Genauigkeit", scheme->caption) : estimate.scheme, levels,
                            AccuracyPercentText(estimate.tolerancePercent)}) +
                    "\n";
  for (const AccuracyResult& r : estimate.results) out += ResultLine(r);
  return out;
}

}  // namespace lamvero
