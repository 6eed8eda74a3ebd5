// The accuracy estimate as texts: durations as h:mm:ss with a signed change,
// the assumed order said as such, results without an estimate said why, and
// the status line counting what is over, within and without.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "present/accuracyview.h"

namespace lamvero {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

AccuracyResult Result(const char* key, std::vector<double> values, Convergence c, double order, double extrapolated,
                      double errorPercent, bool exceeds) {
  AccuracyResult r;
  r.key = key;
  r.values = std::move(values);
  r.convergence = c;
  r.order = order;
  r.extrapolated = extrapolated;
  r.errorPercent = errorPercent;
  r.exceeds = exceeds;
  return r;
}

AccuracyEstimate Estimate() {
  AccuracyEstimate e;
  e.scheme = "time";
  e.tolerancePercent = 2;
  e.levels = {{"0,5", "0,1"}, {"0,25", "0,1"}, {"0,125", "0,1"}};
  e.results = {
      Result("DauerGegenstrom", {14753, 16674, 17845}, Convergence::Monotone, 0.71, 19630, 12.6, true),
      Result("spezEnergie", {4000, 4010, 4012}, Convergence::Monotone, 2.3, 4012.5, 0.031, false),
      Result("Dauer1TA", {kNaN, kNaN, kNaN}, Convergence::NotReached, kNaN, kNaN, kNaN, false),
      Result("t2xse", {100, kNaN, 120}, Convergence::Undetermined, kNaN, kNaN, kNaN, false),
  };
  return e;
}

TEST(AccuracyView, RowsWriteDurationsSignedChangesAndSayWhyThereIsNoEstimate) {
  const std::vector<AccuracyRowTexts> rows = AccuracyRows(Estimate());
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].runValue, "4:05:53");
  EXPECT_EQ(rows[0].runDeviation, "-25 %");  // (14753 - 19630) / 19630
  EXPECT_EQ(rows[0].value, "4:57:25");
  EXPECT_EQ(rows[0].change, "+0:19:31");
  EXPECT_EQ(rows[0].order, "0,71");
  EXPECT_EQ(rows[0].extrapolated, "5:27:10");
  EXPECT_EQ(rows[0].error, "13 %");  // two significant digits
  EXPECT_TRUE(rows[0].exceeds);
  EXPECT_EQ(rows[1].change, "+2 kJ/kg");
  EXPECT_FALSE(rows[1].exceeds);
  EXPECT_EQ(rows[1].runDeviation, "-0,31 %");
  EXPECT_EQ(rows[2].value, "");
  EXPECT_EQ(rows[2].runDeviation, "");
  EXPECT_EQ(rows[2].change, "");
  EXPECT_EQ(rows[2].error, "auf keiner Stufe erreicht");
  EXPECT_EQ(rows[3].extrapolated, "");
  EXPECT_EQ(rows[3].error, "nicht bestimmbar");

  AccuracyEstimate two = Estimate();
  two.results[1].convergence = Convergence::TwoLevels;
  two.results[1].order = kNaN;
  EXPECT_EQ(AccuracyRows(two)[1].order, "angenommen 1");
  // A result that fell: a negative change keeps its sign in h:mm:ss.
  two.results[0].values = {17845, 16674};
  EXPECT_EQ(AccuracyRows(two)[0].change, "-0:19:31");
}

TEST(AccuracyView, TheStatusLineCountsWhatIsOverWithinAndWithoutAnEstimate) {
  EXPECT_EQ(AccuracySummary(Estimate()),
            "Genauigkeit: 1 Kennergebnis über 2 % (Dauer der Gegenstromtrocknung in h:mm:ss: 13 %), "
            "1 innerhalb 2 %, 2 ohne Schätzung; diese Rechnung bis -25 % (Dauer der Gegenstromtrocknung in h:mm:ss)");
  AccuracyEstimate calm = Estimate();
  calm.results.resize(2);
  calm.results[0].exceeds = false;
  calm.results[0].errorPercent = 1.5;
  calm.results[0].extrapolated = 14800;
  EXPECT_EQ(AccuracySummary(calm),
            "Genauigkeit: 2 innerhalb 2 %; diese Rechnung bis -0,32 % (Dauer der Gegenstromtrocknung in h:mm:ss)");
  EXPECT_EQ(AccuracyLevelsText(calm), "0,5 s/0,1 mm, 0,25 s/0,1 mm, 0,125 s/0,1 mm");
}

}  // namespace
}  // namespace lamvero
