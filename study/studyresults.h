#pragma once
// The rows of a study as the window keeps, shows and saves them. A row keeps
// the texts of the varied inputs only (the rest is the base case), so that a
// study of many thousand cases stays small; SummaryOf gives the full summary
// back, for the study's CSV or to open the case.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "run/runrecord.h"
#include "study/casesummary.h"

namespace lamvero {

struct StudyRow {
  std::size_t number = 0;            // the case number, from 1
  std::vector<std::string> varied;   // the texts of the varied inputs, in the order of StudyResults::variedFields
  RunOutcome outcome = RunOutcome::Refused;
  std::vector<std::string> messages;
  std::array<double, kStudyQuantityCount> values{};  // as CaseSummary::values
};

struct StudyResults {
  InputTexts base = InputTexts::Defaults();
  std::vector<Input> variedFields;
  std::vector<StudyRow> rows;  // in case order; a cancelled study keeps the rows it finished
  bool complete = true;        // false: the study was stopped before its last case
};

// The row of case `number` (from 1) as a study keeps it.
StudyRow RowOf(std::size_t number, const std::vector<Input>& variedFields, const CaseSummary& summary);

// The summary of a row: the base inputs with the row's varied texts.
CaseSummary SummaryOf(const StudyResults& results, const StudyRow& row);

}  // namespace lamvero
