#pragma once
// A study of six cases with rows of every kind a study keeps: completed ones
// with awkward values, a refused case with messages that hold the CSV
// separators, quotes and the joint of messages, a stopped case whose later
// results are NaN. The rows are the plan's cases, as a study makes them.

#include <cmath>
#include <cstring>
#include <limits>

#include "study/studydefinition.h"
#include "study/studyresults.h"

namespace lamvero::testing {

inline StudyDefinition SampleStudyDefinition() {
  StudyDefinition definition;
  definition.base[Input::XAnf] = "0,25";
  definition.varied = {{Input::Dicke, "20:30:5"}, {Input::Lufttemp, "35;45"}};
  return definition;
}

// Case `number` of the definition's plan, with values that test the exact forms.
inline StudyRow SampleRow(const StudyDefinition& definition, std::size_t number) {
  const Outcome<StudyPlan> plan = PlanOf(definition);
  CaseSummary summary;
  summary.inputs = plan->caseInputs(number - 1);
  summary.outcome = RunOutcome::Completed;
  for (std::size_t i = 0; i < summary.values.size(); ++i) {
    summary.values[i] = 0.1 * static_cast<double>(number) + 1.0 / static_cast<double>(i + 3);
  }
  summary.values[3] = 1e-300 * static_cast<double>(number);
  summary.values[4] = -2.5e17;
  summary.values[5] = std::nextafter(1.0, 2.0);
  if (number == 3) {
    summary.outcome = RunOutcome::Refused;
    summary.messages = {"„Dicke“ muss größer als 0 sein; gelesen: \"0,0\"", "zweite, mit | Strich",
                        "dritte\nmit Zeilenumbruch"};
    summary.values.fill(std::numeric_limits<double>::quiet_NaN());
  }
  if (number == 5) {
    summary.outcome = RunOutcome::Stopped;
    summary.messages = {"angehalten"};
    for (std::size_t i = 4; i < summary.values.size(); ++i) {
      summary.values[i] = std::numeric_limits<double>::quiet_NaN();
    }
  }
  return RowOf(number, plan->variedFields(), summary);
}

// The first `rows` rows of the study (all six unless it was stopped early).
inline StudyResults SampleStudyResults(const StudyDefinition& definition, std::size_t rows = 6) {
  StudyResults results;
  results.base = definition.base;
  results.variedFields = PlanOf(definition)->variedFields();
  for (std::size_t number = 1; number <= rows; ++number) results.rows.push_back(SampleRow(definition, number));
  results.complete = rows == PlanOf(definition)->size();
  return results;
}

// Whether two values are the same double, bit for bit (NaN equals NaN).
inline bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace lamvero::testing
