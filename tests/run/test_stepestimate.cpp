// The estimate of a run's time steps, which questions a run that will fill
// its series before it starts.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/quickinputs.h"
#include "run/dryingrun.h"
#include "run/stepestimate.h"

namespace lamvero {
namespace {

using testing::QuickInputs;

// Within 10 % of the steps the run takes, on a thin and a thick plate.
TEST(StepEstimate, ComesCloseToTheStepsOfTheRun) {
  InputTexts thick = InputTexts::Defaults();
  thick[Input::Dicke] = "10";
  InputTexts fine = QuickInputs();
  fine[Input::deltaT] = "0,1";
  InputTexts thin = QuickInputs();
  thin[Input::Dicke] = "2";
  thin[Input::Ortsschrittweite] = "0,1";
  thin[Input::deltaT] = "0,01";
  for (const InputTexts& in : {QuickInputs(), fine, thick, thin}) {
    NoRunEvents events;
    const RunRecord r = RunCase(in, events);
    ASSERT_EQ(r.outcome, RunOutcome::Completed);
    const double steps = r.results.Zeit / r.values.deltaT;
    const std::optional<double> estimate = EstimateTimeSteps(in);
    ASSERT_TRUE(estimate.has_value());
    EXPECT_NEAR(*estimate, steps, 0.1 * steps) << in[Input::Dicke] << " mm, " << in[Input::deltaT] << " s";
  }
}

TEST(StepEstimate, WarnsOnlyWhenTheSeriesWillFill) {
  EXPECT_EQ(SeriesFillWarning(InputTexts::Defaults()), "");
  InputTexts in = QuickInputs();
  in[Input::Dicke] = "2";
  in[Input::Ortsschrittweite] = "0,1";
  in[Input::deltaT] = "0,001";
  const std::string warning = SeriesFillWarning(in);
  EXPECT_EQ(warning.rfind("Die Zeitreihen fassen höchstens 500000 Zeitschritte; diese Rechnung braucht "
                          "voraussichtlich etwa ", 0), 0u) << warning;
  // The run takes 984182 steps (test_extendedlimits.cpp); the estimate, to
  // two significant digits, is somewhat more.
  const double estimate = std::stod(warning.substr(warning.rfind(' ') + 1));
  EXPECT_EQ(std::fmod(estimate, 100000), 0);
  EXPECT_GE(estimate, 900000);
  EXPECT_LE(estimate, 1300000);
  // Two significant digits, not one: the plate that fills its series at 41:40.
  InputTexts fills = InputTexts::Defaults();
  fills[Input::Dicke] = "4";
  fills[Input::Ortsschrittweite] = "0,2";
  fills[Input::deltaT] = "0,005";
  EXPECT_EQ(SeriesFillWarning(fills), "Die Zeitreihen fassen höchstens 500000 Zeitschritte; diese Rechnung braucht "
                                      "voraussichtlich etwa 540000.");
  // Refused inputs are left to the input check.
  in[Input::rhos] = "abc";
  EXPECT_FALSE(EstimateTimeSteps(in).has_value());
  EXPECT_EQ(SeriesFillWarning(in), "");
}

}  // namespace
}  // namespace lamvero
