#include "study/studyresults.h"

namespace lamvero {

StudyRow RowOf(std::size_t number, const std::vector<Input>& variedFields, const CaseSummary& summary) {
  StudyRow row;
  row.number = number;
  for (Input field : variedFields) row.varied.push_back(summary.inputs[field]);
  row.outcome = summary.outcome;
  row.messages = summary.messages;
  row.values = summary.values;
  return row;
}

CaseSummary SummaryOf(const StudyResults& results, const StudyRow& row) {
  CaseSummary summary;
  summary.inputs = results.base;
  for (std::size_t i = 0; i < results.variedFields.size() && i < row.varied.size(); ++i) {
    summary.inputs[results.variedFields[i]] = row.varied[i];
  }
  summary.outcome = row.outcome;
  summary.messages = row.messages;
  summary.values = row.values;
  return summary;
}

}  // namespace lamvero
