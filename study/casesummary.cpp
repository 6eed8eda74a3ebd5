#include "study/casesummary.h"

#include <limits>

namespace lamvero {

namespace {

constexpr double kSecondsPerHour = 3600;

// The key results, in column order; a study reports durations in hours.
const char* const kKeys[kStudyQuantityCount] = {
    "Dauer1TA",    "DauerGegenstrom", "Zeit",       "X1TA",           "XGegen",      "XEnde",      "ThetaZuluft",
    "spezEnergie", "relEnergie",      "WasserfehlerProzent", "WasserdampfMax", "schwinddiff", "schwindgrad",
};

std::array<StudyQuantity, kStudyQuantityCount> Quantities() {
  std::array<StudyQuantity, kStudyQuantityCount> quantities{};
  for (std::size_t i = 0; i < kStudyQuantityCount; ++i) {
    const ResultDescriptor& result = ResultOf(kKeys[i]);
    quantities[i] = {&result, result.isDuration() ? "h" : result.unit};
  }
  return quantities;
}

}  // namespace

const std::array<StudyQuantity, kStudyQuantityCount>& StudyQuantities() {
  static const std::array<StudyQuantity, kStudyQuantityCount> quantities = Quantities();
  return quantities;
}

CaseSummary SummarizeRun(const RunRecord& record) {
  CaseSummary summary;
  summary.inputs = record.inputs;
  summary.outcome = record.outcome;
  summary.messages = record.messages;
  summary.values.fill(std::numeric_limits<double>::quiet_NaN());
  if (record.outcome == RunOutcome::Refused) return summary;
  for (std::size_t i = 0; i < kStudyQuantityCount; ++i) {
    const ResultDescriptor& result = *StudyQuantities()[i].result;
    const double value = result.value(record);
    summary.values[i] = result.isDuration() ? value / kSecondsPerHour : value;
  }
  return summary;
}

}  // namespace lamvero
