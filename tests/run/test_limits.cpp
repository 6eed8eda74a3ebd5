// Values exactly at the limits where a comparison decides: the convergence
// warning, the water-error marks and advice, the mean-moisture text, the
// shrinkage milestones, the conductivity law and the rate hold of the first
// period. Whole runs seldom land on a limit exactly, or never reach the state
// (the wet-bulb temperature only falls as the air is followed upstream, so the
// rate never falls by itself), so these are set by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "common/quickinputs.h"
#include "physics/claybody.h"
#include "present/displayedrun.h"
#include "present/runview.h"
#include "recordingdisplay.h"
#include "run/dryingperiods.h"
#include "run/runevents.h"

namespace lamvero {
namespace {

struct Limits : ::testing::Test {
  std::unique_ptr<RunState> s = std::make_unique<RunState>();
  testing::RecordingDisplay d;
  RunView view{d};
  bool warning() const { return d.isVisible("lbl_Achtung"); }
  // The end of a second-period curve interval after a step of nIter bisection steps.
  void curveAfter(int nIter) {
    CurveEnd e;
    e.period = DryingPeriod::Second;
    e.values.nIter = nIter;
    view.curveEnded(e);
  }
  void evaluated(int nIter, bool coarseGrid = false) { view.runEvaluated(Evaluation{s->record, nIter, coarseGrid}); }
};

// After a step the warning comes above 45 bisection steps and goes below 44.
TEST_F(Limits, WarningAfterAStepComesAbove45AndGoesBelow44) {
  view.frontIterations(45);
  EXPECT_FALSE(warning());
  view.frontIterations(46);
  EXPECT_TRUE(warning());
  view.frontIterations(45);
  EXPECT_TRUE(warning());
  view.frontIterations(44);
  EXPECT_TRUE(warning());
  view.frontIterations(43);
  EXPECT_FALSE(warning());
}

// At the end of a curve interval, and after the evaluation, 45 is the limit on either side.
TEST_F(Limits, WarningAtACurveEndAndAfterTheEvaluationHasNoHysteresis) {
  curveAfter(46);
  EXPECT_TRUE(warning());
  curveAfter(45);
  EXPECT_TRUE(warning());
  curveAfter(44);
  EXPECT_FALSE(warning());

  evaluated(45);
  EXPECT_FALSE(warning());
  evaluated(46);
  EXPECT_TRUE(warning());
}

// Red above 3 %, the inaccuracy advice above 6 %; the advice turns with the
// grid, coarse below the grid number 0.3 (Feuchteleit 0.3 m²/s, 1 s, 1 m:
// exactly 0.3).
TEST_F(Limits, WaterErrorMarksAndAdviceTurnJustAboveTheirLimits) {
  const Rgb blue{0, 0, 192}, red{255, 0, 0};
  s->record.results.WasserfehlerProzent = 3;
  evaluated(0);
  EXPECT_EQ(d.colors["txt_Wasserfehler"], blue);
  EXPECT_EQ(d.colors["lbl_Wasserfehler"], blue);

  s->record.results.WasserfehlerProzent = std::nextafter(3.0, 4.0);
  evaluated(0);
  EXPECT_EQ(d.colors["txt_Wasserfehler"], red);
  EXPECT_EQ(d.colors["lbl_Wasserfehler"], red);

  s->record.results.WasserfehlerProzent = 6;
  evaluated(0);
  EXPECT_EQ(d.colors["txt_Wasserfehler"], red);
  EXPECT_FALSE(d.isVisible("lbl_ungenau1"));

  s->record.results.WasserfehlerProzent = std::nextafter(6.0, 7.0);
  evaluated(0, MoistureGridNumber(0.3, 1, 1) < kBestGridNumberMin);
  EXPECT_TRUE(d.isVisible("lbl_ungenau1"));
  EXPECT_EQ(d.texts["lbl_ungenau3"], "Zeitschrittweite verkleinern od.");
  EXPECT_EQ(d.texts["lbl_ungenau2"], "Ortsschrittweite vergrößern!");

  evaluated(0, MoistureGridNumber(std::nextafter(0.3, 0.0), 1, 1) < kBestGridNumberMin);
  EXPECT_EQ(d.texts["lbl_ungenau3"], "Ortsschrittweite verkleinern od.");
  EXPECT_EQ(d.texts["lbl_ungenau2"], "Zeitschrittweite vergrößern!");
}

// The evaluation tells the advice on which side of the grid number 0.3 the run
// lies: Feuchteleit 0.3 m²/s, 1 s and 1 m give exactly 0.3, not yet coarse.
TEST(EvaluationLimits, GridIsCoarseOnlyBelowTheGridNumber) {
  struct Advice : NoRunEvents {
    bool coarseGrid = false;
    void runEvaluated(const Evaluation& e) override { coarseGrid = e.coarseGrid; }
  };
  auto s = std::make_unique<RunState>();
  s->in.XAnf = 0.25;
  s->in.deltaT = 1;
  s->run.dx = 1;
  Advice advice;
  s->in.Feuchteleit = 0.3;
  EvaluateRun(*s, advice);
  EXPECT_FALSE(advice.coarseGrid);
  s->in.Feuchteleit = std::nextafter(0.3, 0.0);
  EvaluateRun(*s, advice);
  EXPECT_TRUE(advice.coarseGrid);
}

// In the second period a mean moisture below half a hundredth reads "<0,01".
TEST_F(Limits, MeanMoistureBelowHalfAHundredthReadsLessThanAHundredth) {
  LiveValues v;
  v.xmom = 0.005;
  view.secondPeriodEnded(v);
  EXPECT_NE(d.texts["txt_xmom"], "<0,01");
  v.xmom = std::nextafter(0.005, 0.0);
  view.secondPeriodEnded(v);
  EXPECT_EQ(d.texts["txt_xmom"], "<0,01");
}

// The surface counts once it is below the limit moisture; the centre at it in
// the first period, below it in the second. Each milestone is noted once.
TEST_F(Limits, ShrinkageEndsAtTheLimitMoisture) {
  constexpr int N = 3;
  s->run.body.XSchwEnde = 0.1;
  s->now.X[0] = 0.1;
  s->now.X[N] = 0.1;
  s->now.Zeit = 5;
  CheckShrinkageEnds(*s, view, N, CoreLimit::Below);
  EXPECT_EQ(s->record.results.t1xse, 0);
  EXPECT_EQ(s->record.results.t2xse, 0);
  CheckShrinkageEnds(*s, view, N, CoreLimit::AtOrBelow);
  EXPECT_EQ(s->record.results.t1xse, 0);
  EXPECT_EQ(s->record.results.t2xse, 5);

  s->now.X[0] = std::nextafter(0.1, 0.0);
  s->now.Zeit = 6;
  CheckShrinkageEnds(*s, view, N, CoreLimit::AtOrBelow);
  EXPECT_EQ(s->record.results.t1xse, 6);
  EXPECT_EQ(s->record.results.t2xse, 5);
  s->now.Zeit = 7;
  CheckShrinkageEnds(*s, view, N, CoreLimit::AtOrBelow);
  EXPECT_EQ(s->record.results.t1xse, 6);
  EXPECT_EQ(d.texts["txt_t1xse"], " 0:00:06");
  EXPECT_EQ(d.texts["txt_t2xse"], " 0:00:05");
}

// A body made by hand so that the limits fall on exact numbers: at the limit
// moisture 0.25 kg/kg the body has its dry dimensions and its pores (0.25) are
// just full, so kappa is KappaGr there; the shrinking body's water content
// would be another (0.2429...), the slope law's value at the pores the same.
TEST(ConductivityLimits, AtTheLimitMoistureTheDryBodyWithFullPores) {
  ClayBody b;
  b.rhos = 1000;
  b.SchwindTot = 0.1;
  b.rho0 = 1000;
  b.PhiAnf = 0.5;
  b.offPoren = 0.25;
  b.XSchwEnde = 0.25;
  b.KappaGr = 1;
  b.KappaSteig = 2;
  EXPECT_EQ(MoistureConductivity(b, 0.25, 25), 1);
  EXPECT_EQ(MoistureConductivity(b, 0.125, 25), std::pow(10.0, 2 * (0.125 - 0.25)));
  EXPECT_EQ(MoistureConductivity(b, 0, 25), std::pow(10.0, -0.5));
  // Above the limit moisture the water content follows the shrinking body.
  const double X = 0.3;
  const double PhiW = X * DryDensityAtShrinkage(b, ShrinkageAtMoisture(b, X)) / 1000;
  EXPECT_EQ(MoistureConductivity(b, X, 25), (PhiW / 0.25) * (PhiW / 0.25));
}

// The rate the step after a hand-set rate of the step before stores, in a quick
// run stopped right after it; the step before is the first whose surface has
// (afterLimit) or has not yet reached the limit moisture.
struct HeldRate {
  double forced = 0;  // kg/(m² h), the rate of the step before as set
  double stored = 0;  // kg/(m² h), as stored for the next step
};

HeldRate RateAfterAFasterStep(bool afterLimit) {
  auto s = std::make_unique<RunState>();
  testing::RecordingDisplay d;
  d.recordCalls = false;
  int forcedAt = -1;
  HeldRate h;
  d.onYield = [&](int) {
    if (forcedAt >= 0) {
      s->StopFlag = 1;
    } else if ((s->record.results.t1xse > 0) == afterLimit && s->record.series.nReihe > 0) {
      // Half as fast again as the step before: well within what the surface can give.
      s->now.mRandAlt = 1.5 * s->now.mRand;
      h.forced = 3600 * (-s->now.mRandAlt);
      forcedAt = s->record.series.nReihe;
    }
  };
  EXPECT_EQ(RunOnDisplay(*s, testing::QuickInputs(), d).outcome, RunOutcome::Stopped);
  EXPECT_EQ(s->record.series.nReihe, forcedAt + 1);
  h.stored = s->record.series.WasserdampfReihe[forcedAt + 1];
  return h;
}

// Once the surface has reached the limit moisture the rate may not fall below
// the step before's; until then it follows the air alone.
TEST(RateHold, AfterTheLimitMoistureTheRateDoesNotFallBelowTheStepBefore) {
  const HeldRate after = RateAfterAFasterStep(true);
  EXPECT_EQ(after.stored, after.forced);
  const HeldRate before = RateAfterAFasterStep(false);
  EXPECT_GT(before.stored, 0);
  EXPECT_LT(before.stored, 0.9 * before.forced);
}

}  // namespace
}  // namespace lamvero
