#pragma once
// What a study keeps of one run: its inputs, outcome, messages and the key
// results as numbers with units. A record with its series can be many MB; a
// summary is a few hundred bytes.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "run/resultdescriptors.h"
#include "run/runrecord.h"

namespace lamvero {

struct StudyQuantity {
  const ResultDescriptor* result;  // the result it reports, e.g. Dauer1TA
  const char* unit;                // the unit a study reports it in, e.g. "h"
};

constexpr std::size_t kStudyQuantityCount = 13;

// The key results of a study, in column order: durations (first period,
// counter-current section, whole run) in hours, the mean moisture after each,
// supply-air temperature, specific and relative energy, water-balance error,
// largest evaporation rate, largest shrinkage difference and gradient.
const std::array<StudyQuantity, kStudyQuantityCount>& StudyQuantities();

struct CaseSummary {
  InputTexts inputs;
  RunOutcome outcome = RunOutcome::Refused;
  std::vector<std::string> messages;
  // In the order of StudyQuantities(); NaN where the run did not reach that
  // stage, every value NaN for a refused case.
  std::array<double, kStudyQuantityCount> values{};
};

CaseSummary SummarizeRun(const RunRecord& record);


}  // namespace lamvero
