// A laboratory test at constant air: the counter-current section ends in the
// first step, and the air at the plate keeps the chamber's state to the end.

#include <gtest/gtest.h>

#include <cstring>

#include "common/quickinputs.h"
#include "inputs/constantair.h"
#include "inputs/plausibility.h"
#include "run/dryingrun.h"
#include "run/recordfields.h"

namespace lamvero {
namespace {

using testing::QuickInputs;

// The chamber at 45,5 °C and 60 %; the counter-current end as the box had it before.
InputTexts Chamber() {
  InputTexts in = QuickInputs();
  in[Input::Lufttemp] = "45,50";
  in[Input::AbluftFeuchte] = "60";
  in[Input::ThetaGegenstromende] = "80";
  return in;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(ConstantAir, TakesTheExhaustTemperatureTextAndNothingElse) {
  const InputTexts before = Chamber();
  const InputTexts lab = WithConstantAir(before);
  EXPECT_EQ(lab[Input::ThetaGegenstromende], "45,50");
  EXPECT_EQ(ChangedInputs(before, lab), std::vector<Input>{Input::ThetaGegenstromende});
}

// A chamber at 35 °C lies below a dryer's usual counter-current end: no warning for that box, the others stay.
TEST(ConstantAir, WarnsAboutTheChamberNotAboutTheFollowingEndTemperature) {
  InputTexts in = InputTexts::Defaults();
  in[Input::Lufttemp] = "70";
  const std::vector<InputWarning> all = FindUnusualInputs(in);
  const std::vector<InputWarning> lab = ConstantAirWarnings(FindUnusualInputs(WithConstantAir(in)));
  ASSERT_EQ(all.size(), 1u);
  ASSERT_EQ(lab.size(), 1u);
  EXPECT_EQ(lab.front().field, Input::Lufttemp);
  in[Input::Lufttemp] = "35";
  EXPECT_EQ(FindUnusualInputs(WithConstantAir(in)).size(), 1u);
  EXPECT_TRUE(ConstantAirWarnings(FindUnusualInputs(WithConstantAir(in))).empty());
}

TEST(ConstantAir, RunKeepsTheChamberAirToTheEnd) {
  for (const AirIntegration air : {AirIntegration::Standard, AirIntegration::Consistent}) {
    NoRunEvents none;
    RunOptions options;
    options.airIntegration = air;
    const RunRecord r = RunCase(WithConstantAir(Chamber()), none, options);
    ASSERT_EQ(r.outcome, RunOutcome::Completed);
    const RunSeries& s = r.series;
    ASSERT_GT(s.nReihe, s.nReihe1TA);  // both drying periods ran
    EXPECT_EQ(s.ThetaLuftReihe[0], 45.5);
    for (int k = 1; k <= s.nReihe; ++k) {
      const auto i = static_cast<std::size_t>(k);
      ASSERT_EQ(s.ThetaLuftReihe[i], s.ThetaLuftReihe[0]) << k;
      ASSERT_EQ(s.XLuftReihe[i], s.XLuftReihe[0]) << k;
    }
    // The section ended in the first step.
    EXPECT_EQ(r.results.DauerGegenstrom, static_cast<float>(r.values.deltaT));
  }
}

TEST(ConstantAir, RunEqualsTheSameInputsTypedByHand) {
  InputTexts typed = Chamber();
  typed[Input::ThetaGegenstromende] = "45,5";
  NoRunEvents none;
  const RunRecord lab = RunCase(WithConstantAir(Chamber()), none);
  const RunRecord hand = RunCase(typed, none);
  ASSERT_EQ(lab.outcome, RunOutcome::Completed);
  ASSERT_EQ(lab.series.nReihe, hand.series.nReihe);
  for (const SeriesColumn& c : SeriesColumns()) {
    for (int k = 0; k <= lab.series.nReihe; ++k) {
      const auto i = static_cast<std::size_t>(k);
      ASSERT_TRUE(SameBits((lab.series.*c.member)[i], (hand.series.*c.member)[i])) << c.name << " " << k;
    }
  }
  for (const auto& f : ResultFields()) EXPECT_TRUE(SameBits(lab.results.*f.member, hand.results.*f.member)) << f.name;
}

}  // namespace
}  // namespace lamvero
