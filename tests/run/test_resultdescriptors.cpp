#include "run/resultdescriptors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "present/display.h"
#include "present/displayedrun.h"
#include "text/parsenumber.h"
#include "common/quickinputs.h"

namespace lamvero {
namespace {

// " h:mm:ss" back to seconds.
double SecondsOf(const std::string& text) {
  int h = 0, m = 0, s = 0;
  EXPECT_EQ(std::sscanf(text.c_str(), " %d:%d:%d", &h, &m, &s), 3) << text;
  return 3600.0 * h + 60.0 * m + s;
}

// Half a unit of the last digit the text shows: the most a correctly scaled
// value may differ from its rounded text.
double HalfLastDigit(const std::string& text) {
  const std::size_t comma = text.find(',');
  const int decimals = comma == std::string::npos ? 0 : static_cast<int>(text.size() - comma - 1);
  return 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
}

// Every number stands for what its box shows: same unit, same scale.
TEST(ResultDescriptors, EachNumberMatchesTheTextItsBoxShows) {
  NullDisplay display;
  const RunRecord r = RunCaseOnDisplay(testing::QuickInputs(), display);
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  int compared = 0;
  for (const ResultDescriptor& d : ResultDescriptors()) {
    if (*d.box == '\0') continue;
    const auto it = r.controls.find(d.box);
    ASSERT_NE(it, r.controls.end()) << d.box;
    const std::string& shown = it->second.text;
    const double value = d.value(r);
    if (shown == "-" || !std::isfinite(value)) continue;
    if (d.isDuration()) {
      EXPECT_NEAR(value, SecondsOf(shown), 0.5 + 1e-9) << d.key << " shows " << shown;
    } else {
      const auto number = ParseNumber(shown);
      ASSERT_TRUE(number.has_value()) << d.key << " shows " << shown;
      EXPECT_NEAR(value, *number, HalfLastDigit(shown)) << d.key << " shows " << shown;
    }
    ++compared;
  }
  EXPECT_GE(compared, 24);
}

TEST(ResultDescriptors, StagesNotReachedAreNotNumbers) {
  NullDisplay display;
  InputTexts in = testing::QuickInputs();
  in[Input::ThetaGegenstromende] = "200";  // the air never gets that hot: no switch to the chamber
  const RunRecord r = RunCaseOnDisplay(in, display);
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  EXPECT_TRUE(std::isnan(ResultOf("DauerGegenstrom").value(r)));
  EXPECT_TRUE(std::isfinite(ResultOf("spezEnergie").value(r)));
  EXPECT_EQ(FindResult("nonsense"), nullptr);
  EXPECT_THROW(ResultOf("nonsense"), std::logic_error);

  const RunRecord refused = RunCaseOnDisplay([] {
    InputTexts bad = testing::QuickInputs();
    bad[Input::deltaT] = "0";
    return bad;
  }(), display);
  ASSERT_EQ(refused.outcome, RunOutcome::Refused);
  EXPECT_TRUE(std::isnan(ResultOf("spezEnergie").value(refused)));
  EXPECT_TRUE(std::isnan(ResultOf("Dauer1TA").value(refused)));
}

}  // namespace
}  // namespace lamvero
