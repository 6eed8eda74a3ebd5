#include "study/casesummary.h"

#include <cstring>
#include <limits>

#include "run/resultquantities.h"

namespace lamvero {

namespace {

constexpr double kSecondsPerHour = 3600;

// The result quantities give durations in seconds.
const std::array<StudyQuantity, kStudyQuantityCount> kQuantities{{
    {"Dauer1TA", "h"},
    {"DauerGegenstrom", "h"},
    {"Zeit", "h"},
    {"X1TA", "kg/kg"},
    {"XGegen", "kg/kg"},
    {"XEnde", "kg/kg"},
    {"ThetaZuluft", "°C"},
    {"spezEnergie", "kJ/kg"},
    {"relEnergie", "1"},
    {"WasserfehlerProzent", "%"},
    {"WasserdampfMax", "kg/(m² h)"},
    {"schwinddiff", "%"},
    {"schwindgrad", "% pro mm"},
}};

}  // namespace

const std::array<StudyQuantity, kStudyQuantityCount>& StudyQuantities() { return kQuantities; }

CaseSummary SummarizeRun(const RunRecord& record) {
  CaseSummary summary;
  summary.inputs = record.inputs;
  summary.outcome = record.outcome;
  summary.messages = record.messages;
  summary.values.fill(std::numeric_limits<double>::quiet_NaN());
  if (record.outcome == RunOutcome::Refused) return summary;
  const std::vector<ResultQuantity> all = ResultQuantities(record);
  for (std::size_t i = 0; i < kQuantities.size(); ++i) {
    const ResultQuantity* q = FindQuantity(all, kQuantities[i].key);
    const bool hours = std::strcmp(kQuantities[i].unit, "h") == 0;
    summary.values[i] = hours ? q->value / kSecondsPerHour : q->value;
  }
  return summary;
}

}  // namespace lamvero
