// Runs under extended limits: a grid beyond the window's 500 spatial steps and
// series thinned in place when they fill, while the run as Start runs it
// keeps its limits.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "common/quickinputs.h"
#include "run/dryingrun.h"

namespace lamvero {
namespace {

using testing::QuickInputs;

RunRecord Extended(const InputTexts& in) {
  NoRunEvents events;
  RunOptions options;
  options.limits = RunLimits::Extended();
  return RunCase(in, events, options);
}

// A 3 mm plate at these steps.
InputTexts ThinPlate(const char* deltaT, const char* Ortsschrittweite) {
  InputTexts in = QuickInputs();
  in[Input::Dicke] = "3";
  in[Input::deltaT] = deltaT;
  in[Input::Ortsschrittweite] = Ortsschrittweite;
  return in;
}

TEST(ExtendedLimits, OnlyExtendedRunsTakeMoreThan500SpatialSteps) {
  InputTexts in = QuickInputs();
  in[Input::Ortsschrittweite] = "0,00399";  // 4 mm: 501 steps per half plate
  NoRunEvents events;
  const RunRecord specified = RunCase(in, events);
  EXPECT_EQ(specified.outcome, RunOutcome::Refused);
  ASSERT_EQ(specified.messages.size(), 1u);
  EXPECT_NE(specified.messages[0].find("muss von 10 bis 500 reichen; sie ist 501"), std::string::npos);

  const RunRecord extended = Extended(in);
  EXPECT_EQ(extended.outcome, RunOutcome::Completed);
  EXPECT_EQ(extended.derived.AnzOS, 501);
}

// Halving both steps moves the results by less each time, in the same
// direction, on to 600 spatial steps per half plate.
TEST(ExtendedLimits, AGridBeyond500FollowsTheTrendOfCoarserGrids) {
  std::vector<RunRecord> runs;
  runs.push_back(Extended(ThinPlate("0,2", "0,02")));  // 75 steps per half plate
  runs.push_back(Extended(ThinPlate("0,1", "0,01")));
  runs.push_back(Extended(ThinPlate("0,05", "0,005")));
  runs.push_back(Extended(ThinPlate("0,025", "0,0025")));  // 600
  ASSERT_EQ(runs.back().derived.AnzOS, 600);
  for (double RunResults::*result : {&RunResults::Zeit, &RunResults::Dauer1TA}) {
    for (std::size_t k = 2; k < runs.size(); ++k) {
      ASSERT_EQ(runs[k].outcome, RunOutcome::Completed);
      const double before = runs[k - 1].results.*result - runs[k - 2].results.*result;
      const double now = runs[k].results.*result - runs[k - 1].results.*result;
      EXPECT_LT(std::fabs(now), std::fabs(before)) << k;
      EXPECT_GE(now * before, 0) << k;
    }
  }
}

// The case that stops the window's run with "Zeitreihen voll" completes, its
// series thinned to their capacity.
TEST(ExtendedLimits, ARunBeyondTheSeriesCompletesWithThinnedSeries) {
  const RunRecord r = Extended(testing::SeriesFullInputs());
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  EXPECT_GT(r.results.Zeit / 0.001, 1.9 * kMaxSeriesIndex);
  EXPECT_LE(r.series.nReihe, kMaxSeriesIndex);
  EXPECT_GT(r.series.nReihe, kMaxSeriesIndex / 4);
  EXPECT_NEAR(r.series.tReihe[static_cast<std::size_t>(r.series.nReihe)], r.results.Zeit, 0.0025);
  EXPECT_GT(r.series.nReihe1TA, 0);
  EXPECT_NEAR(r.series.tReihe[static_cast<std::size_t>(r.series.nReihe1TA)], r.results.Dauer1TA, 0.0025);
}

// The same run twice: with room for every step, and thinned into a tenth of
// that. Results taken from the run's state are the same to the bit; those the
// evaluation reads from the series differ a little.
TEST(ExtendedLimits, ThinnedSeriesGiveTheResultsOfTheFullOnes) {
  InputTexts in = QuickInputs();
  in[Input::deltaT] = "0,25";
  RunOptions options;
  options.limits = RunLimits::Extended();
  NoRunEvents events;
  const auto full = std::make_unique<RunState>();
  ASSERT_EQ(RunSimulation(*full, in, events, options).outcome, RunOutcome::Completed);
  const int points = full->record.series.points();
  const auto thin = std::make_unique<RunState>();
  thin->record.series = RunSeries::WithCapacity(static_cast<std::size_t>(points / 10));
  ASSERT_EQ(RunSimulation(*thin, in, events, options).outcome, RunOutcome::Completed);
  ASSERT_TRUE(thin->thinning.thinned());

  const RunResults& a = full->record.results;
  const RunResults& b = thin->record.results;
  for (double RunResults::*same : {&RunResults::Zeit, &RunResults::Dauer1TA, &RunResults::X1TA, &RunResults::t1xse,
                                   &RunResults::t2xse, &RunResults::DauerGegenstrom, &RunResults::XGegen,
                                   &RunResults::schwindgrad, &RunResults::ThetaZuluft, &RunResults::spezEnergie,
                                   &RunResults::WasserfehlerProzent, &RunResults::XEnde}) {
    EXPECT_EQ(a.*same, b.*same);
  }
  EXPECT_NEAR(b.WasserdampfMax, a.WasserdampfMax, 2e-3 * a.WasserdampfMax);

  // Every kept point is the full run's point of the same step; the smoothed
  // temperatures stay close to it.
  const RunSeries& f = full->record.series;
  const RunSeries& t = thin->record.series;
  for (int k = 0; k <= t.nReihe; ++k) {
    const auto o = static_cast<std::size_t>(thin->thinning.ordinal(k));
    const auto i = static_cast<std::size_t>(k);
    ASSERT_EQ(t.tReihe[i], f.tReihe[o]) << k;
    EXPECT_EQ(t.XReihe[i], f.XReihe[o]) << k;
    EXPECT_EQ(t.SpiegelReihe[i], f.SpiegelReihe[o]) << k;
    EXPECT_NEAR(t.ThetaKReihe[i], f.ThetaKReihe[o], 0.05) << k;
    EXPECT_NEAR(t.ThetaLuftReihe[i], f.ThetaLuftReihe[o], 0.05) << k;
    EXPECT_NEAR(t.XLuftReihe[i], f.XLuftReihe[o], 5e-5) << k;
    EXPECT_NEAR(t.WasserdampfReihe[i], f.WasserdampfReihe[o], 2e-3 * a.WasserdampfMax) << k;
  }
  EXPECT_EQ(t.tReihe[static_cast<std::size_t>(t.nReihe1TA)], f.tReihe[static_cast<std::size_t>(f.nReihe1TA)]);
}

}  // namespace
}  // namespace lamvero
