// The accuracy estimate and the steps chosen for a tolerance on a quick thin
// plate: the first level is the user's run to the bit, the estimate brackets a
// far finer direct run, the chosen steps hold their promise when halved, and
// levels that cannot run are refused before they run, naming the level.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "common/quickinputs.h"
#include "run/dryingrun.h"
#include "run/resultdescriptors.h"
#include "run/runevents.h"
#include "study/accuracy.h"
#include "study/autosteps.h"
#include "study/refinement.h"

namespace lamvero {
namespace {

using testing::QuickInputs;

RunRecord RunQuietly(const InputTexts& inputs) {
  NoRunEvents events;
  return RunCase(inputs, events);
}

TEST(Accuracy, KeyResultsAreResultsOfTheTableAndTheDefaultSchemeIsFirst) {
  std::set<std::string> seen;
  for (const std::string& key : AccuracyKeys()) {
    EXPECT_NE(FindResult(key), nullptr) << key;
    EXPECT_TRUE(seen.insert(key).second) << key;
  }
  for (const char* key : {"Zeit", "DauerGegenstrom", "Dauer1TA", "t1xse", "t2xse", "schwinddiff", "schwindgrad",
                          "spezEnergie", "relEnergie"}) {
    EXPECT_EQ(seen.count(key), 1u) << key;
  }
  EXPECT_EQ(FindAccuracyScheme("space2-time4"), &AccuracySchemes().front());
  EXPECT_EQ(FindAccuracyScheme("nix"), nullptr);
  EXPECT_EQ(FindAccuracyScheme("time")->ratio(), 2);
  EXPECT_EQ(FindAccuracyScheme("space2-time4")->ratio(), 4);
}

TEST(Accuracy, LevelsDivideTheStepsAsTheSchemeSays) {
  const InputTexts in = QuickInputs();  // 2 s, 0,2 mm
  const std::vector<InputTexts> quarter = AccuracyLevels(in, *FindAccuracyScheme("space2-time4"), 3);
  ASSERT_EQ(quarter.size(), 3u);
  EXPECT_EQ(quarter[1][Input::deltaT], "0,5");
  EXPECT_EQ(quarter[1][Input::Ortsschrittweite], "0,1");
  EXPECT_EQ(quarter[2][Input::deltaT], "0,125");
  EXPECT_EQ(quarter[2][Input::Ortsschrittweite], "0,05");
  const std::vector<InputTexts> time = AccuracyLevels(in, *FindAccuracyScheme("time"), 3);
  EXPECT_EQ(time[2][Input::deltaT], "0,5");
  EXPECT_EQ(time[2][Input::Ortsschrittweite], "0,2");
  EXPECT_EQ(time[2][Input::Dicke], "4");
}

TEST(Accuracy, TheFirstLevelIsTheUsersRunAndTheEstimateBracketsAFarFinerRun) {
  AccuracyOptions options;
  options.threads = 2;
  std::size_t calls = 0;
  options.progress = [&calls](std::size_t finished, std::size_t total) {
    ++calls;
    EXPECT_LE(finished, total);
  };
  const Outcome<AccuracyEstimate> estimate = EstimateAccuracy(QuickInputs(), options);
  ASSERT_TRUE(estimate) << estimate.message();
  EXPECT_EQ(calls, 2u);
  EXPECT_EQ(estimate->scheme, "space2-time4");
  ASSERT_EQ(estimate->levels.size(), 2u);
  EXPECT_EQ(estimate->levels[1].deltaT, "0,5");
  ASSERT_EQ(estimate->results.size(), AccuracyKeys().size());

  const RunRecord user = RunQuietly(QuickInputs());
  InputTexts fine = QuickInputs();  // 16 times the time steps, 4 times the grid
  fine[Input::deltaT] = "0,125";
  fine[Input::Ortsschrittweite] = "0,05";
  const RunRecord direct = RunQuietly(fine);
  for (const AccuracyResult& r : estimate->results) {
    const ResultDescriptor& d = ResultOf(r.key);
    EXPECT_EQ(r.values[0], d.value(user)) << r.key;  // bit for bit
    if (r.key == "DauerGegenstrom" || r.key == "Zeit") {
      ASSERT_TRUE(std::isfinite(r.errorPercent)) << r.key;
      const double off = 100 * std::fabs(d.value(direct) - r.values.back()) / std::fabs(r.values.back());
      EXPECT_LE(off, r.errorPercent) << r.key << ": the direct fine run lies outside the estimated error";
    }
  }

  // Handed the user's run, the estimate runs only the finer level and finds the same.
  calls = 0;
  options.userRun = &user;
  const Outcome<AccuracyEstimate> again = EstimateAccuracy(QuickInputs(), options);
  ASSERT_TRUE(again) << again.message();
  EXPECT_EQ(calls, 1u);
  for (std::size_t i = 0; i < again->results.size(); ++i) {
    EXPECT_EQ(again->results[i].values, estimate->results[i].values) << again->results[i].key;
  }
}

TEST(Accuracy, LevelsThatCannotRunAreRefusedNamingTheLevelAndFineOnesRun) {
  InputTexts thick = QuickInputs();
  thick[Input::Dicke] = "40";
  thick[Input::Ortsschrittweite] = "0,05";  // 400 steps per half plate: the next level needs 800
  thick[Input::deltaT] = "50";
  // Levels run under extended limits: finer than a single run may be.
  const Outcome<AccuracyEstimate> fine = EstimateAccuracy(thick, {});
  ASSERT_TRUE(fine) << fine.message();
  EXPECT_EQ(fine->levels[1].Ortsschrittweite, "0,025");

  InputTexts refused = QuickInputs();
  refused[Input::Dicke] = "abc";
  const Outcome<AccuracyEstimate> input = EstimateAccuracy(refused, {});
  ASSERT_FALSE(input);
  EXPECT_EQ(input.failure().where, "Eingabe");

  AccuracyOptions stopped;
  StopRequest stop;
  stop.request();
  stopped.stop = &stop;
  const Outcome<AccuracyEstimate> aborted = EstimateAccuracy(QuickInputs(), stopped);
  ASSERT_FALSE(aborted);
  EXPECT_NE(aborted.message().find("abgebrochen"), std::string::npos);

  AccuracyOptions four;
  four.levels = 4;
  EXPECT_FALSE(EstimateAccuracy(QuickInputs(), four));
}

TEST(AutoSteps, HalvingTheChosenStepsChangesNoKeyResultByTheTolerance) {
  AutoStepsOptions options;
  options.tolerancePercent = 1;
  options.threads = 2;
  const Outcome<AutoSteps> steps = ChooseSteps(QuickInputs(), options);
  ASSERT_TRUE(steps) << steps.message();
  EXPECT_EQ(steps->runs, static_cast<int>(steps->estimate.levels.size()));
  EXPECT_GE(steps->runs, 2);

  InputTexts chosen = QuickInputs();
  chosen[Input::deltaT] = steps->deltaT;
  chosen[Input::Ortsschrittweite] = steps->Ortsschrittweite;
  InputTexts halved = chosen;
  halved[Input::deltaT] = HalvedText(steps->deltaT, 1);
  halved[Input::Ortsschrittweite] = HalvedText(steps->Ortsschrittweite, 1);
  const RunRecord atChosen = RunQuietly(chosen), atHalved = RunQuietly(halved);
  for (const std::string& key : AccuracyKeys()) {
    const ResultDescriptor& d = ResultOf(key);
    EXPECT_LT(ChangePercent(d.value(atChosen), d.value(atHalved)), 1) << key;
  }
}

TEST(AutoSteps, ADurationOfOneTimeStepCountsAsSettled) {
  InputTexts in = QuickInputs();
  in[Input::ThetaGegenstromende] = "35";  // the air switches in the first step on every level
  AutoStepsOptions options;
  options.tolerancePercent = 1;
  const Outcome<AutoSteps> steps = ChooseSteps(in, options);
  ASSERT_TRUE(steps) << steps.message();
  const AccuracyResult& gegen = steps->estimate.results[1];
  ASSERT_EQ(gegen.key, "DauerGegenstrom");
  const std::size_t chosen = gegen.values.size() - 2;
  EXPECT_EQ(gegen.values[chosen], 2 * gegen.values[chosen + 1]);  // one step each: 100 % apart
  EXPECT_EQ(steps->deltaT, steps->estimate.levels[chosen].deltaT);
}

TEST(AutoSteps, ChangePercentOfMissingAndZeroValues) {
  const double nan = std::nan("");
  EXPECT_EQ(ChangePercent(nan, nan), 0);
  EXPECT_TRUE(std::isinf(ChangePercent(nan, 1)));
  EXPECT_TRUE(std::isinf(ChangePercent(1, nan)));
  EXPECT_EQ(ChangePercent(0, 0), 0);
  EXPECT_TRUE(std::isinf(ChangePercent(1, 0)));
  EXPECT_DOUBLE_EQ(ChangePercent(99, 100), 1);
  EXPECT_DOUBLE_EQ(ChangePercent(101, 100), 1);
}

TEST(AutoSteps, ATolerancePastTheLimitsSaysWhichResultHadNotSettled) {
  AutoStepsOptions options;
  options.tolerancePercent = 1e-6;
  options.maxHalvings = 2;
  InputTexts in = QuickInputs();
  const Outcome<AutoSteps> steps = ChooseSteps(in, options);
  ASSERT_FALSE(steps);
  EXPECT_NE(steps.failure().where.find("Stufe 3"), std::string::npos) << steps.message();
  EXPECT_NE(steps.message().find("Ziel: unter"), std::string::npos) << steps.message();
}

}  // namespace
}  // namespace lamvero
