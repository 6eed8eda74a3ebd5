// A study defined as the window does it, and its rows kept with the varied
// inputs only: the full summary comes back unchanged.

#include <gtest/gtest.h>

#include <cmath>

#include "study/studydefinition.h"
#include "study/studyresults.h"

namespace lamvero {
namespace {

TEST(StudyDefinition, PlansTheGridAndNamesTheFieldOfBadValues) {
  StudyDefinition definition;
  definition.varied = {{Input::Dicke, "20:30:5"}, {Input::Lufttemp, "35;45"}};
  const Outcome<StudyPlan> plan = PlanOf(definition);
  ASSERT_TRUE(plan) << plan.message();
  EXPECT_EQ(plan->size(), 6u);
  EXPECT_EQ(plan->caseInputs(1)[Input::Dicke], "20");  // the first varied input changes slowest
  EXPECT_EQ(plan->caseInputs(1)[Input::Lufttemp], "45");
  EXPECT_EQ(VaryOption(definition.varied[0]), "txt_Dicke=20:30:5");

  definition.varied[1].values = "35:25:5";
  const Outcome<StudyPlan> refused = PlanOf(definition);
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.message().find("txt_Lufttemp"), std::string::npos) << refused.message();
}

TEST(StudyResults, ARowGivesItsFullSummaryBack) {
  StudyResults results;
  results.base[Input::XAnf] = "0,25";
  results.variedFields = {Input::Lufttemp, Input::Dicke};
  CaseSummary summary;
  summary.inputs = results.base;
  summary.inputs[Input::Dicke] = "30";
  summary.inputs[Input::Lufttemp] = "55";
  summary.outcome = RunOutcome::Stopped;
  summary.messages = {"angehalten"};
  summary.values.fill(NAN);
  summary.values[2] = 6.25;

  const StudyRow row = RowOf(4, results.variedFields, summary);
  EXPECT_EQ(row.number, 4u);
  EXPECT_EQ(row.varied, (std::vector<std::string>{"55", "30"}));
  const CaseSummary back = SummaryOf(results, row);
  for (const InputField& field : InputFields()) EXPECT_EQ(back.inputs[field.id], summary.inputs[field.id]) << field.box;
  EXPECT_EQ(back.outcome, summary.outcome);
  EXPECT_EQ(back.messages, summary.messages);
  EXPECT_EQ(back.values[2], 6.25);
  EXPECT_TRUE(std::isnan(back.values[0]));
}

}  // namespace
}  // namespace lamvero
