// The set-up of a run with the default inputs, against the worked example
// values, and the set-up's edge cases.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "inputs/inputreading.h"
#include "present/runview.h"
#include "run/setup.h"
#include "common/sixdigits.h"
#include "recordingdisplay.h"

namespace lamvero {
namespace {

using testing::SixDigits;

struct SetUp : ::testing::Test {
  std::unique_ptr<RunState> s = std::make_unique<RunState>();
  testing::RecordingDisplay d;
  void run(const InputTexts& in) {
    RunView view(d);
    SetUpRun(*s, ReadInputs(in).values, view);
  }
};

TEST_F(SetUp, DefaultInputsGiveTheWorkedExample) {
  run(InputTexts::Defaults());
  EXPECT_EQ(s->run.AnzOS, 100);
  EXPECT_TRUE(SixDigits(s->run.DickeTr, 0.01876));
  EXPECT_TRUE(SixDigits(s->run.dx, 9.38e-5));
  EXPECT_TRUE(SixDigits(s->run.FlaechenmasseInv, 0.0576269));
  EXPECT_TRUE(SixDigits(s->run.pDAb, 0.0422184));
  EXPECT_TRUE(SixDigits(s->run.XAbluft, 0.0274173));
  EXPECT_TRUE(SixDigits(s->run.ThetaKgr, 30.9341));
  EXPECT_TRUE(SixDigits(s->run.pDAu, 0.0102470));
  EXPECT_TRUE(SixDigits(s->run.XAussen, 0.00643962));
  EXPECT_TRUE(SixDigits(s->run.LuftRohlingVerh, 11.9174));
  EXPECT_TRUE(SixDigits(s->run.body.rho0, 1526.79));
  EXPECT_TRUE(SixDigits(s->run.body.PhiAnf, 0.381698));
  EXPECT_TRUE(SixDigits(s->run.body.offPoren, 0.250810));
  EXPECT_TRUE(SixDigits(s->run.body.XSchwEnde, 0.135573));
  EXPECT_NEAR(s->run.at25.Schwind25, 0, 1e-15);  // XAnf = 0.25: the body at 0.25 kg/kg is green
  EXPECT_TRUE(SixDigits(s->run.at25.Phi25, 0.381698));
  EXPECT_TRUE(SixDigits(s->run.body.KappaGr, 1.72707e-8));
  EXPECT_TRUE(SixDigits(s->now.qrand, 0.203293));
  EXPECT_TRUE(SixDigits(s->now.mRand, -8.37205e-5));
  EXPECT_TRUE(SixDigits(s->record.results.Anfangsrate, 3600 * 8.37205e-5));

  EXPECT_EQ(d.texts["txt_AnzOS"], "100");
  EXPECT_EQ(d.texts["txt_LuftRohlingVerh"], "11,92");
  EXPECT_EQ(d.texts["txt_LuftWasserVerh"], "47,67");
  EXPECT_EQ(d.texts["txt_XSchwEnde"], "0,136");
  EXPECT_EQ(d.texts["txt_offPoren"], "25,1");
  EXPECT_EQ(d.texts["txt_thetaOb"], "30,9");
  EXPECT_EQ(d.texts["txt_thetaK"], "30,9");
  EXPECT_EQ(d.texts["txt_Wasserdampf"], "0,301");
  EXPECT_TRUE(d.isVisible("Image7"));
}

TEST_F(SetUp, InitialStateAndSeriesEntryZero) {
  run(InputTexts::Defaults());
  // The starting air differs from the exhaust air only by the wet-bulb tolerance.
  EXPECT_LT(std::fabs(s->now.XLuft - s->run.XAbluft), 1e-7);
  EXPECT_NE(s->now.XLuft, s->run.XAbluft);
  for (int i = 0; i <= 101; ++i) EXPECT_EQ(s->now.X[i], 0.25) << i;
  EXPECT_EQ(s->record.series.nReihe, 0);
  EXPECT_EQ(s->record.series.XReihe[0], 0.25);
  EXPECT_EQ(s->record.series.ThetaObReihe[0], s->run.ThetaKgr);
  EXPECT_EQ(s->record.series.ThetaKReihe[0], s->run.ThetaKgr);
  EXPECT_EQ(s->record.series.ThetaLuftReihe[0], 35);
  EXPECT_EQ(s->record.series.WasserdampfReihe[0], s->record.results.Anfangsrate);
  EXPECT_EQ(s->StopFlag, 0);
}

TEST_F(SetUp, CommaAndPointReadAlike) {
  InputTexts comma = InputTexts::Defaults();
  InputTexts point = comma;
  point[Input::Dicke] = "20.0";
  point[Input::XAnf] = "0.25";
  run(comma);
  const double dx = s->run.dx, kappa = s->run.body.KappaGr;
  run(point);
  EXPECT_EQ(s->run.dx, dx);
  EXPECT_EQ(s->run.body.KappaGr, kappa);
}

TEST_F(SetUp, WithoutShrinkageTheBodyStartsAtItsLimitMoisture) {
  InputTexts in = InputTexts::Defaults();
  in[Input::linTrSchwind] = "0";
  run(in);
  EXPECT_EQ(s->run.DickeTr, 0.02);
  EXPECT_EQ(s->run.body.rho0, s->run.body.rhos);
  EXPECT_DOUBLE_EQ(s->run.body.offPoren, s->run.body.PhiAnf);
  EXPECT_DOUBLE_EQ(s->run.body.XSchwEnde, s->in.XAnf);
  EXPECT_FALSE(d.isVisible("Image7"));

  in[Input::linTrSchwind] = "0,0009";
  run(in);
  EXPECT_FALSE(d.isVisible("Image7"));
  in[Input::linTrSchwind] = "0,001";
  run(in);
  EXPECT_TRUE(d.isVisible("Image7"));
}

TEST_F(SetUp, LargestGridFillsTheProfileArray) {
  InputTexts in = InputTexts::Defaults();
  in[Input::Dicke] = "50";
  in[Input::Ortsschrittweite] = "0,05";
  run(in);
  EXPECT_EQ(s->run.AnzOS, 500);
  EXPECT_EQ(s->now.X[501], s->in.XAnf);
}

TEST_F(SetUp, ShowsItsValuesInOrder) {
  run(InputTexts::Defaults());
  const int anzOS = d.find("text txt_AnzOS=100");
  const int window = d.find("repaintWindow");
  const int scale = d.find("shrinkageScale");
  const int rate = d.find("text txt_Wasserdampf=0,301");
  ASSERT_GE(anzOS, 0);
  EXPECT_LT(anzOS, d.find("show Image7"));
  EXPECT_LT(d.find("show Image7"), window);
  EXPECT_LT(window, d.find("text txt_LuftRohlingVerh=11,92"));
  EXPECT_LT(d.find("text txt_thetaK=30,9"), scale);
  EXPECT_LT(scale, rate);
}

}  // namespace
}  // namespace lamvero
