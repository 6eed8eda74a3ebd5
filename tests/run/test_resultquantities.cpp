#include "run/resultquantities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "run/display.h"
#include "run/dryingrun.h"
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
TEST(ResultQuantities, EachNumberMatchesTheTextItsBoxShows) {
  NullDisplay display;
  const RunRecord r = RunCase(testing::QuickInputs(), display);
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  int compared = 0;
  for (const ResultQuantity& q : ResultQuantities(r)) {
    if (*q.box == '\0') continue;
    const auto it = r.controls.find(q.box);
    ASSERT_NE(it, r.controls.end()) << q.box;
    const std::string& shown = it->second.text;
    if (shown == "-" || !std::isfinite(q.value)) continue;
    if (std::string(q.unit) == "s") {
      EXPECT_NEAR(q.value, SecondsOf(shown), 0.5 + 1e-9) << q.key << " shows " << shown;
    } else {
      const auto number = ParseNumber(shown);
      ASSERT_TRUE(number.has_value()) << q.key << " shows " << shown;
      EXPECT_NEAR(q.value, *number, HalfLastDigit(shown)) << q.key << " shows " << shown;
    }
    ++compared;
  }
  EXPECT_GE(compared, 24);
}

TEST(ResultQuantities, StagesNotReachedAreNotNumbers) {
  NullDisplay display;
  InputTexts in = testing::QuickInputs();
  in[Input::ThetaGegenstromende] = "200";  // the air never gets that hot: no switch to the chamber
  const RunRecord r = RunCase(in, display);
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  const auto q = ResultQuantities(r);
  EXPECT_TRUE(std::isnan(FindQuantity(q, "DauerGegenstrom")->value));
  EXPECT_TRUE(std::isfinite(FindQuantity(q, "spezEnergie")->value));
  EXPECT_EQ(FindQuantity(q, "nonsense"), nullptr);

  const RunRecord refused = RunCase([] {
    InputTexts bad = testing::QuickInputs();
    bad[Input::deltaT] = "0";
    return bad;
  }(), display);
  ASSERT_EQ(refused.outcome, RunOutcome::Refused);
  EXPECT_TRUE(std::isnan(FindQuantity(ResultQuantities(refused), "spezEnergie")->value));
  EXPECT_TRUE(std::isnan(FindQuantity(ResultQuantities(refused), "Dauer1TA")->value));
}

}  // namespace
}  // namespace lamvero
