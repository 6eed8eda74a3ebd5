#pragma once
// Studies with values known in advance, for the tests of the study charts.

#include <string>
#include <vector>

#include "study/studyresults.h"

namespace lamvero::testing {

// A completed case whose every key result is `value`.
inline StudyRow SampleRow(std::size_t number, std::vector<std::string> varied, double value) {
  StudyRow row;
  row.number = number;
  row.varied = std::move(varied);
  row.outcome = RunOutcome::Completed;
  row.values.fill(value);
  return row;
}

// Thickness 10, 20, 30 mm (slowest) against exhaust air 30 and 40 °C; every
// result of a case is thickness · 10 + exhaust temperature (130, 140, 230, ...).
inline StudyResults ThreeByTwo() {
  StudyResults r;
  r.variedFields = {Input::Dicke, Input::Lufttemp};
  std::size_t number = 1;
  for (int dicke : {10, 20, 30}) {
    for (int luft : {30, 40}) {
      r.rows.push_back(SampleRow(number++, {std::to_string(dicke), std::to_string(luft)}, dicke * 10.0 + luft));
    }
  }
  return r;
}

// As ThreeByTwo, crossed with outside air of 0 and 20 °C (fastest), which adds 1000 · outside temperature.
inline StudyResults ThreeByTwoByTwo() {
  StudyResults r;
  r.variedFields = {Input::Dicke, Input::Lufttemp, Input::AussenluftTemp};
  std::size_t number = 1;
  for (int dicke : {10, 20, 30}) {
    for (int luft : {30, 40}) {
      for (int aussen : {0, 20}) {
        r.rows.push_back(SampleRow(number++, {std::to_string(dicke), std::to_string(luft), std::to_string(aussen)},
                                   dicke * 10.0 + luft + 1000.0 * aussen));
      }
    }
  }
  return r;
}

}  // namespace lamvero::testing
