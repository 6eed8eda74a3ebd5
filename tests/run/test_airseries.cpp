// The course of the air's humidity ratio at the plate: the state the air
// temperature belongs to, over the whole run.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "common/quickinputs.h"
#include "present/displayedrun.h"
#include "recordingdisplay.h"

namespace lamvero {
namespace {

using testing::QuickInputs;

struct AirSeries : ::testing::Test {
  std::unique_ptr<RunState> s = std::make_unique<RunState>();
  testing::RecordingDisplay d;
  RunResult run(const InputTexts& in) {
    d.recordCalls = false;
    return RunOnDisplay(*s, in, d);
  }
  double X(int k) const { return s->record.series.XLuftReihe[static_cast<std::size_t>(k)]; }
  double theta(int k) const { return s->record.series.ThetaLuftReihe[static_cast<std::size_t>(k)]; }
};

TEST_F(AirSeries, StartsAtTheExhaustAirDriesUpstreamAndEndsInTheChamberState) {
  ASSERT_EQ(run(QuickInputs()).outcome, RunOutcome::Completed);
  const RunRecord& r = s->record;
  ASSERT_TRUE(std::isfinite(r.results.DauerGegenstrom));
  const int last = r.series.nReihe;
  // The plate enters where the air leaves the dryer (the wet-bulb bisection's tolerance).
  EXPECT_NEAR(X(0), r.derived.XAbluft, 1e-7);
  // Followed upstream the air has taken up less of the plates' water: never more humid.
  for (int k = 1; k <= last; ++k) ASSERT_LE(X(k), X(k - 1)) << k;
  EXPECT_LT(X(last), X(0) - 1e-3);
  // From the switch on the chamber holds the air: the last point is its
  // state, humidity and temperature alike, smoothing or not.
  EXPECT_NEAR(X(last), r.results.XLuft, 1e-9 * r.results.XLuft);
  EXPECT_NEAR(theta(last), r.results.ThetaLuft, 1e-9 * r.results.ThetaLuft);
  EXPECT_GT(r.results.XLuft, r.derived.XAussen);
}

TEST_F(AirSeries, AStoppedRunHoldsTheAirAsStepped) {
  InputTexts in = QuickInputs();
  in[Input::ThetaGegenstromende] = "500";
  d.onYield = [&](int y) {
    if (y > 250) s->StopFlag = 1;
  };
  ASSERT_EQ(run(in).outcome, RunOutcome::Stopped);
  // No evaluation smoothed it: each point is the air of its step. The first
  // step of a curve interval reuses the air of the step before, as the
  // temperature does.
  EXPECT_EQ(X(101), X(100));
  EXPECT_LT(X(102), X(101));
  EXPECT_EQ(X(s->record.series.nReihe), s->now.XLuft);
}

TEST_F(AirSeries, ExhaustAirAtTheEndTemperatureStaysTheWholeRun) {
  InputTexts in = QuickInputs();
  in[Input::ThetaGegenstromende] = "35";
  ASSERT_EQ(run(in).outcome, RunOutcome::Completed);
  for (int k = 1; k <= s->record.series.nReihe; ++k) ASSERT_EQ(X(k), X(0)) << k;
}

}  // namespace
}  // namespace lamvero
