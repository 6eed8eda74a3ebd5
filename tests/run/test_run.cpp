// Whole runs through the display interface: the course of a run, its stops,
// the counter-current switch and the evaluation.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "common/quickinputs.h"
#include "present/displayedrun.h"
#include "recordingdisplay.h"

namespace lamvero {
namespace {

using testing::QuickInputs;

struct Run : ::testing::Test {
  std::unique_ptr<RunState> s = std::make_unique<RunState>();
  testing::RecordingDisplay d;
  RunResult run(const InputTexts& in) { return RunOnDisplay(*s, in, d); }
};

TEST_F(Run, QuickRunCompletesWithItsResults) {
  const RunResult r = run(QuickInputs());
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  EXPECT_TRUE(r.messages.empty());
  for (const char* c : {"txt_Dauer1TA", "txt_X1TA", "txt_Anfangsrate", "txt_ThetaZuluft", "txt_spezEnergie",
                        "txt_relEnergie", "txt_Wasserfehler", "txt_t1xse", "txt_t2xse", "cmd_Neustart"}) {
    EXPECT_TRUE(d.isVisible(c)) << c;
  }
  EXPECT_EQ(d.texts["txt_xmom"], "0");
  EXPECT_EQ(d.resultPlots, 1);
  EXPECT_GE(d.redProfiles, 1);
  // The shrinkage scale is drawn at the set-up and again over the final profile.
  EXPECT_EQ(d.shrinkageScales, 2);
  EXPECT_GT(s->now.Zeit, s->record.results.Dauer1TA);
  EXPECT_GT(s->record.series.nReihe, s->record.series.nReihe1TA);
}

TEST_F(Run, FirstPeriodEndsWithoutStoringItsLastStep) {
  ASSERT_EQ(run(QuickInputs()).outcome, RunOutcome::Completed);
  const int n1 = s->record.series.nReihe1TA;
  // The step that dried the surface counts in the duration but stored no point.
  EXPECT_DOUBLE_EQ(s->record.series.tReihe[n1] + s->in.deltaT, s->record.results.Dauer1TA);
  EXPECT_DOUBLE_EQ(s->record.series.tReihe[n1 + 1], s->record.results.Dauer1TA + s->in.deltaT);
  EXPECT_GE(s->record.series.XOberflReihe[n1], 0);
  // The second period stores the surface as dry and freezes its shrinkage.
  EXPECT_EQ(s->record.series.XOberflReihe[n1 + 1], 0);
  EXPECT_EQ(s->record.series.SchwOberflReihe[s->record.series.nReihe], s->record.series.SchwOberflReihe[n1]);
}

TEST_F(Run, EvaluationRescalesAndLeavesTheStartAlone) {
  ASSERT_EQ(run(QuickInputs()).outcome, RunOutcome::Completed);
  // Point 0 is the true initial state: the whole plate, surface and centre, at XAnf.
  EXPECT_EQ(s->record.series.XReihe[0], s->in.XAnf);
  EXPECT_EQ(s->record.series.XOberflReihe[0], s->in.XAnf);
  EXPECT_EQ(s->record.series.XKernReihe[0], s->in.XAnf);
  EXPECT_EQ(s->record.series.XReihe[s->record.series.nReihe], 0);  // the residual XEnde maps to exactly 0
  EXPECT_GE(s->record.results.XEnde, 0);
  // Smoothing replaced every marker from entry 10 on.
  for (int k = 10; k <= s->record.series.nReihe; ++k) ASSERT_GE(s->record.series.WasserdampfReihe[k], 0) << k;
  const double maxRate = *std::max_element(s->record.series.WasserdampfReihe.begin() + 10,
                                           s->record.series.WasserdampfReihe.begin() + s->record.series.nReihe + 1);
  EXPECT_EQ(s->record.results.WasserdampfMax, maxRate);
}

TEST_F(Run, DefaultRunGivesItsKnownResults) {
  d.recordCalls = false;
  ASSERT_EQ(run(InputTexts::Defaults()).outcome, RunOutcome::Completed);
  // Checked bit for bit against an independent implementation of the same
  // laws and steps; any change of an operation order shows here.
  EXPECT_EQ(s->record.series.nReihe1TA, 16077);
  EXPECT_EQ(s->record.series.nReihe, 43999);
  EXPECT_EQ(s->record.results.Dauer1TA, 8039);
  EXPECT_EQ(s->now.Zeit, 22000.5);
  EXPECT_EQ(s->DauerGegenstrom, 14753.0f);
  EXPECT_EQ(s->record.results.nGlatt, 803);
  EXPECT_EQ(s->record.results.ThetaZuluft, 90.6094054336513);
  EXPECT_EQ(s->record.results.XEnde, 9.68419512270278e-06);
  EXPECT_EQ(d.texts["txt_Dauer1TA"], " 2:13:59");
  EXPECT_EQ(d.texts["txt_Zeit"], " 6:06:41");
  EXPECT_EQ(d.texts["txt_DauerGegenstrom"], " 4:05:53");
  EXPECT_EQ(d.texts["txt_X1TA"], "0,1324");
  EXPECT_EQ(d.texts["txt_ThetaZuluft"], "90,6");
  EXPECT_EQ(d.texts["txt_spezEnergie"], "3604,3");
  EXPECT_EQ(d.texts["txt_relEnergie"], "1,442");
  EXPECT_EQ(d.texts["txt_Wasserfehler"], "1,8");
  // The surface flux integrated over the run accounts for the initial water
  // to within the discretisation error; a lost or doubled step would not.
  EXPECT_LT(s->record.results.WasserfehlerProzent, 3);
  EXPECT_EQ(d.colors["txt_Wasserfehler"], (Rgb{0, 0, 192}));
  EXPECT_FALSE(d.isVisible("lbl_ungenau1"));
}

TEST_F(Run, RateDoesNotFallAfterTheSurfaceReachedTheLimitMoisture) {
  ASSERT_EQ(run(QuickInputs()).outcome, RunOutcome::Completed);
  ASSERT_GT(s->record.results.t1xse, 0);
  ASSERT_LT(s->record.results.t1xse, s->record.results.Dauer1TA);
  // Stored rates are smoothed only from entry 10; compare raw entries via a
  // second run stopped before the evaluation.
  auto raw = std::make_unique<RunState>();
  testing::RecordingDisplay d2;
  const double t1 = s->record.results.t1xse, end1 = s->record.results.Dauer1TA;
  d2.onYield = [&](int) {
    if (raw->now.Zeit >= end1) raw->StopFlag = true;
  };
  ASSERT_EQ(RunOnDisplay(*raw, QuickInputs(), d2).outcome, RunOutcome::Stopped);
  for (int k = 1; k < raw->record.series.nReihe1TA; ++k) {
    if (raw->record.series.tReihe[k] > t1) {
      ASSERT_GE(raw->record.series.WasserdampfReihe[k + 1], raw->record.series.WasserdampfReihe[k]) << k;
    }
  }
}

TEST_F(Run, ExhaustAirAtTheEndTemperatureSwitchesInTheFirstStep) {
  InputTexts in = QuickInputs();
  in[Input::ThetaGegenstromende] = "35";  // equal to the exhaust-air temperature
  ASSERT_EQ(run(in).outcome, RunOutcome::Completed);
  EXPECT_FALSE(s->now.GegenstromAktiv);
  EXPECT_EQ(s->DauerGegenstrom, 2.0f);
  EXPECT_EQ(d.texts["txt_DauerGegenstrom"], " 0:00:02");
  EXPECT_EQ(d.texts["txt_XGegen"], "0,25");
  for (const char* c : {"lbl_DauerGegenstrom", "txt_DauerGegenstrom", "lbl_XGegen", "txt_XGegen"}) {
    EXPECT_TRUE(d.isVisible(c)) << c;
  }
  // The whole run sees the exhaust-air state.
  EXPECT_EQ(s->now.ThetaLuft, 35);
  EXPECT_EQ(s->record.series.ThetaLuftReihe[1], 35);
}

TEST_F(Run, RunThatNeverSwitchesLeavesTheSwitchFieldsAlone) {
  InputTexts in = QuickInputs();
  in[Input::ThetaGegenstromende] = "500";
  s->DauerGegenstrom = 1234;  // an earlier run's switch
  ASSERT_EQ(run(in).outcome, RunOutcome::Completed);
  EXPECT_TRUE(s->now.GegenstromAktiv);
  EXPECT_EQ(s->DauerGegenstrom, 1234);
  for (const char* c : {"lbl_DauerGegenstrom", "txt_DauerGegenstrom", "lbl_XGegen", "txt_XGegen"}) {
    EXPECT_FALSE(d.visible.count(c)) << c;
  }
  // In the counter-current section the air warms up as it is followed upstream.
  EXPECT_GT(s->now.ThetaLuft, 35);
}

TEST_F(Run, AirStaysPutInTheFirstStepOfEveryCurveInterval) {
  InputTexts in = QuickInputs();
  in[Input::ThetaGegenstromende] = "500";
  auto probe = std::make_unique<RunState>();
  testing::RecordingDisplay d2;
  d2.recordCalls = false;
  d2.onYield = [&](int y) {
    if (y > 250) probe->StopFlag = true;
  };
  ASSERT_EQ(RunOnDisplay(*probe, in, d2).outcome, RunOutcome::Stopped);
  ASSERT_GE(probe->record.series.nReihe1TA, 0);
  // Steps 1, 101, 201 (stored points 1, 101, 201) reuse the air of the step before.
  EXPECT_EQ(probe->record.series.ThetaLuftReihe[1], probe->record.series.ThetaLuftReihe[0]);
  EXPECT_EQ(probe->record.series.ThetaLuftReihe[101], probe->record.series.ThetaLuftReihe[100]);
  EXPECT_EQ(probe->record.series.ThetaLuftReihe[201], probe->record.series.ThetaLuftReihe[200]);
  EXPECT_GT(probe->record.series.ThetaLuftReihe[102], probe->record.series.ThetaLuftReihe[101]);
}

TEST_F(Run, StopInTheFirstPeriodLeavesNoResults) {
  d.onYield = [&](int y) {
    if (y == 50) s->StopFlag = true;
  };
  const RunResult r = run(QuickInputs());
  EXPECT_EQ(r.outcome, RunOutcome::Stopped);
  EXPECT_EQ(s->record.series.nReihe, 49);  // no step after the stop
  EXPECT_FALSE(d.isVisible("txt_Dauer1TA"));
  EXPECT_FALSE(d.texts.count("txt_Dauer1TA"));
  EXPECT_EQ(d.resultPlots, 0);
  EXPECT_TRUE(d.isVisible("cmd_Neustart"));
  EXPECT_EQ(d.calls.back(), "show cmd_Neustart");
}

// The window runs again in the state of its last run (Nochmal, Start after Stop).
TEST_F(Run, ARunInTheStateOfAStoppedOneStartsAfresh) {
  ASSERT_EQ(run(QuickInputs()).outcome, RunOutcome::Completed);
  const double firstZeit = s->record.results.Zeit;
  d.yields = 0;
  d.onYield = [&](int y) {
    if (y == 50) s->StopFlag = true;
  };
  ASSERT_EQ(run(QuickInputs()).outcome, RunOutcome::Stopped);
  EXPECT_EQ(s->record.series.nReihe1TA, 0) << "the first period's end of the run before";
  d.onYield = nullptr;
  ASSERT_EQ(run(QuickInputs()).outcome, RunOutcome::Completed) << "the stop of the run before";
  EXPECT_EQ(s->record.results.Zeit, firstZeit);
}

TEST_F(Run, StopInTheSecondPeriodLeavesNoEvaluation) {
  d.onYield = [&](int) {
    if (s->record.results.Dauer1TA > 0 && s->record.series.nReihe > s->record.series.nReihe1TA + 5) s->StopFlag = true;
  };
  s->record.results.Dauer1TA = 0;
  const RunResult r = run(QuickInputs());
  EXPECT_EQ(r.outcome, RunOutcome::Stopped);
  EXPECT_TRUE(d.isVisible("txt_Dauer1TA"));
  EXPECT_FALSE(d.visible.count("txt_ThetaZuluft"));
  EXPECT_FALSE(d.visible.count("txt_Wasserfehler"));
  EXPECT_EQ(d.resultPlots, 0);
  EXPECT_EQ(s->record.results.XEnde, 0);
}

TEST_F(Run, FullTimeSeriesStopTheRunWithAMessage) {
  InputTexts in = QuickInputs();
  in[Input::Dicke] = "2";
  in[Input::Ortsschrittweite] = "0,1";
  in[Input::deltaT] = "0,001";
  in[Input::rund] = "100000";
  d.recordCalls = false;
  const RunResult r = run(in);
  ASSERT_EQ(r.outcome, RunOutcome::SeriesFull);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_NE(r.messages[0].find("Zeitreihen voll"), std::string::npos);
  // Not just a larger time step: the grid number that keeps the water error small.
  EXPECT_NE(r.messages[0].find("Ortsschrittweite mit der Wurzel desselben Faktors"), std::string::npos);
  EXPECT_NE(r.messages[0].find("hier 0,0045)"), std::string::npos) << r.messages[0];
  EXPECT_EQ(s->record.series.nReihe, 500000);
  EXPECT_EQ(d.resultPlots, 0);
  EXPECT_FALSE(d.isVisible("cmd_Stop"));
  EXPECT_TRUE(d.isVisible("cmd_Neustart"));
}

TEST_F(Run, RefusedInputShowsNothing) {
  InputTexts in = QuickInputs();
  in[Input::Ortsschrittweite] = "0";
  const RunResult r = run(in);
  EXPECT_EQ(r.outcome, RunOutcome::Refused);
  EXPECT_FALSE(r.messages.empty());
  EXPECT_TRUE(d.calls.empty());
  EXPECT_EQ(d.yields, 0);
}

TEST_F(Run, BodyWithoutShrinkageShowsNoShrinkageDifference) {
  InputTexts in = QuickInputs();
  in[Input::linTrSchwind] = "0";
  ASSERT_EQ(run(in).outcome, RunOutcome::Completed);
  // The surface passes the limit moisture in the first step; a body that
  // does not shrink has no shrinkage difference to show.
  EXPECT_EQ(d.texts["txt_schwinddiff"], "0,00");
  EXPECT_EQ(d.texts["txt_schwindgrad"], "0,00");
  for (int k = 0; k <= s->record.series.nReihe; ++k) ASSERT_EQ(s->record.series.SchwKernReihe[k], 0) << k;
}

TEST_F(Run, OrderOfDisplayCallsOfAShortRun) {
  ASSERT_EQ(run(QuickInputs()).outcome, RunOutcome::Completed);
  const auto& c = d.calls;
  ASSERT_GE(c.size(), 4u);
  EXPECT_EQ(c[0], "hide cmd_Start");
  EXPECT_EQ(c[1], "show cmd_Stop");
  EXPECT_EQ(c[2], "show cmd_Pause");
  // Start's prelude ends by clearing the upper part of the profile area,
  // before the set-up writes its first value.
  const int clear = d.find("fill pic_Ausgabe");
  EXPECT_LT(d.find("repaintWindow"), clear);
  EXPECT_LT(clear, d.find("text txt_AnzOS=10"));
  // The first period's end: final profile, its results, then the scale on top.
  const int red = d.find("profile red");
  const int dauer = d.find("show lbl_Dauer1TA", red);
  const int kap = d.find("text txt_KapGeschw=-", dauer);
  const int scale = d.find("shrinkageScale", kap);
  EXPECT_LT(red, dauer);
  EXPECT_LT(dauer, kap);
  EXPECT_LT(kap, scale);
  EXPECT_EQ(c[red + 1], "refresh pic_Ausgabe");
  // The evaluation: energy, warning, result curves, water error, run end.
  const int zuluft = d.find("show lbl_ThetaZuluft", scale);
  const int plots = d.find("resultPlots", zuluft);
  const int water = d.find("show lbl_Wasserfehler", plots);
  EXPECT_LT(zuluft, plots);
  EXPECT_LT(plots, water);
  // The run end leaves only "Nochmal !": Pause and Stop go first.
  ASSERT_GE(c.size(), 3u);
  EXPECT_EQ(c[c.size() - 3], "hide cmd_Pause");
  EXPECT_EQ(c[c.size() - 2], "hide cmd_Stop");
  EXPECT_EQ(c.back(), "show cmd_Neustart");
  EXPECT_EQ(d.find("text txt_xmom=0", scale) < zuluft, true);
}

// The interpolated front may pass the last layer; the stored front never
// lies beyond the centre plane, and it reaches it at the end.
TEST_F(Run, DryingFrontNeverLiesBeyondTheCentre) {
  d.recordCalls = false;
  ASSERT_EQ(run(QuickInputs()).outcome, RunOutcome::Completed);
  const double half = s->run.DickeTr / 2;
  double deepest = 0;
  for (int k = 0; k <= s->record.series.nReihe; ++k) {
    ASSERT_LE(s->record.series.SpiegelReihe[k], half) << k;
    deepest = std::max(deepest, s->record.series.SpiegelReihe[k]);
  }
  EXPECT_GT(deepest, 0.95 * half);
}

// A run that reaches the centre but whose results are not numbers (the plate
// dries within the first long step) has failed and says so.
TEST_F(Run, UndefinedResultsEndTheRunAsFailed) {
  InputTexts in = InputTexts::Defaults();
  in[Input::Waermeuebergang] = "1E9";
  in[Input::deltaT] = "60";
  in[Input::Ortsschrittweite] = "1";
  const RunResult r = run(in);
  EXPECT_EQ(r.outcome, RunOutcome::Failed);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_NE(r.messages[0].find("Wasserbeladung nach dem 1. Trocknungsabschnitt"), std::string::npos) << r.messages[0];
  EXPECT_FALSE(std::isfinite(s->record.results.X1TA));
  EXPECT_TRUE(d.isVisible("cmd_Neustart"));
  EXPECT_FALSE(d.isVisible("cmd_Stop"));
}

// Above 6 % water error the advice follows the measurement: a time step too
// long for the grid wants a smaller time step or a larger spatial step, a grid
// too coarse for the time step the other way round.
TEST_F(Run, WaterErrorAdviceFollowsTheGridNumber) {
  InputTexts coarse = InputTexts::Defaults();
  coarse[Input::Ortsschrittweite] = "1";  // grid number 0.02
  d.recordCalls = false;
  ASSERT_EQ(run(coarse).outcome, RunOutcome::Completed);
  ASSERT_GT(s->record.results.WasserfehlerProzent, 6);
  EXPECT_TRUE(d.isVisible("lbl_ungenau2"));
  EXPECT_EQ(d.texts["lbl_ungenau3"], "Ortsschrittweite verkleinern od.");
  EXPECT_EQ(d.texts["lbl_ungenau2"], "Zeitschrittweite vergrößern!");

  InputTexts longStep = QuickInputs();
  longStep[Input::Feuchteleit] = "1000";  // grid number 57
  ASSERT_EQ(run(longStep).outcome, RunOutcome::Completed);
  ASSERT_GT(s->record.results.WasserfehlerProzent, 6);
  EXPECT_EQ(d.texts["lbl_ungenau3"], "Zeitschrittweite verkleinern od.");
  EXPECT_EQ(d.texts["lbl_ungenau2"], "Ortsschrittweite vergrößern!");
}

}  // namespace
}  // namespace lamvero
