// The convergence arithmetic on sequences whose limit and order are known:
// values f0 + c h^p on steps h = 1, 1/2, 1/4 give back p and f0; oscillating,
// growing, unchanged, unreached and zero values give no order and no false
// confidence.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "study/convergence.h"

namespace lamvero {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// f0 + c h^p at h = 1, 1/r, 1/r², coarsest first.
std::vector<double> PowerLaw(double f0, double c, double p, double r = 2) {
  return {f0 + c, f0 + c * std::pow(r, -p), f0 + c * std::pow(r, -2 * p)};
}

TEST(Convergence, KnownOrderAndLimitAreRecovered) {
  for (const double p : {0.7, 1.0, 1.5, 2.0}) {
    const AccuracyResult r = EstimateConvergence("Zeit", PowerLaw(5, -2, p), 2, 2);
    EXPECT_EQ(r.convergence, Convergence::Monotone) << p;
    EXPECT_NEAR(r.order, p, 1e-9) << p;
    EXPECT_NEAR(r.extrapolated, 5, 1e-9) << p;
    // Safety factor 1.25 on the finest change over r^p - 1.
    const double e21 = r.values[2] - r.values[1];
    EXPECT_NEAR(r.errorPercent, 100 * 1.25 * std::fabs(e21 / r.values[2]) / (std::pow(2, p) - 1), 1e-9) << p;
    EXPECT_NEAR(r.change(), e21, 1e-15);
  }
}

TEST(Convergence, TheFinestThreeOfMoreLevelsCount) {
  std::vector<double> values = PowerLaw(3, 1, 1);
  values.insert(values.begin(), 100);  // a wild coarsest level does not matter
  const AccuracyResult r = EstimateConvergence("Zeit", values, 2, 2);
  EXPECT_NEAR(r.order, 1, 1e-9);
  EXPECT_NEAR(r.extrapolated, 3, 1e-9);
}

TEST(Convergence, RatioFourWithFirstOrderEqualsRatioTwoWithSecond) {
  const AccuracyResult four = EstimateConvergence("Zeit", PowerLaw(1, 0.3, 1, 4), 4, 2);
  const AccuracyResult two = EstimateConvergence("Zeit", PowerLaw(1, 0.3, 2, 2), 2, 2);
  EXPECT_NEAR(four.order, 1, 1e-9);
  EXPECT_NEAR(two.order, 2, 1e-9);
  EXPECT_NEAR(four.errorPercent, two.errorPercent, 1e-9);
  EXPECT_NEAR(four.extrapolated, 1, 1e-9);
}

TEST(Convergence, AnOrderAboveTwoIsUsedAsTwo) {
  const AccuracyResult r = EstimateConvergence("Zeit", PowerLaw(5, 1, 4), 2, 2);
  EXPECT_NEAR(r.order, 4, 1e-9);  // reported as observed
  const double e21 = r.values[2] - r.values[1];
  EXPECT_NEAR(r.errorPercent, 100 * 1.25 * std::fabs(e21 / r.values[2]) / 3, 1e-9);
  EXPECT_NEAR(r.extrapolated, r.values[2] + e21 / 3, 1e-12);
}

TEST(Convergence, TwoLevelsAssumeFirstOrderWithSafetyFactorThree) {
  const AccuracyResult r = EstimateConvergence("Zeit", {4.0, 4.5}, 2, 2);
  EXPECT_EQ(r.convergence, Convergence::TwoLevels);
  EXPECT_TRUE(std::isnan(r.order));
  EXPECT_NEAR(r.extrapolated, 5, 1e-12);
  EXPECT_NEAR(r.errorPercent, 100 * 3 * 0.5 / 4.5, 1e-9);
  EXPECT_TRUE(r.exceeds);
}

TEST(Convergence, OscillatingOrGrowingChangesGiveNoOrderButAConservativeError) {
  struct Case {
    std::vector<double> values;
    double largestChange;
  };
  for (const Case& c : {Case{{1.0, 1.1, 1.05}, 0.1},      // oscillating
                        Case{{1.0, 1.01, 1.1}, 0.09},     // the finer change grows
                        Case{{1.0, 1.2, 1.2}, 0.2}}) {    // the finer change vanishes by chance
    const AccuracyResult r = EstimateConvergence("DauerGegenstrom", c.values, 2, 2);
    EXPECT_EQ(r.convergence, Convergence::Irregular);
    EXPECT_TRUE(std::isnan(r.order));
    EXPECT_TRUE(std::isnan(r.extrapolated));
    EXPECT_NEAR(r.errorPercent, 100 * 3 * c.largestChange / c.values[2], 1e-9);
    EXPECT_TRUE(r.exceeds);
  }
}

TEST(Convergence, ValuesWithoutAnEstimate) {
  const AccuracyResult same = EstimateConvergence("schwinddiff", {2.5, 2.5, 2.5}, 2, 2);
  EXPECT_EQ(same.convergence, Convergence::Unchanged);
  EXPECT_EQ(same.errorPercent, 0);
  EXPECT_EQ(same.extrapolated, 2.5);
  EXPECT_FALSE(same.exceeds);

  const AccuracyResult zeros = EstimateConvergence("schwinddiff", {0.0, 0.0, 0.0}, 2, 2);
  EXPECT_EQ(zeros.convergence, Convergence::Unchanged);
  EXPECT_EQ(zeros.errorPercent, 0);

  const AccuracyResult unreached = EstimateConvergence("DauerGegenstrom", {kNaN, kNaN, kNaN}, 2, 2);
  EXPECT_EQ(unreached.convergence, Convergence::NotReached);
  EXPECT_TRUE(std::isnan(unreached.errorPercent));
  EXPECT_FALSE(unreached.exceeds);

  const AccuracyResult partly = EstimateConvergence("DauerGegenstrom", {kNaN, 3.0, 3.1}, 2, 2);
  EXPECT_EQ(partly.convergence, Convergence::Undetermined);
  EXPECT_TRUE(std::isnan(partly.errorPercent));

  const AccuracyResult finestZero = EstimateConvergence("schwinddiff", {0.2, 0.1, 0.0}, 2, 2);
  EXPECT_EQ(finestZero.convergence, Convergence::Undetermined);
  EXPECT_TRUE(std::isnan(finestZero.errorPercent));
  EXPECT_FALSE(finestZero.exceeds);
}

TEST(Convergence, ToleranceMarksOnlyLargerErrors) {
  const std::vector<double> values = PowerLaw(10, 1, 1);  // error 1.25 * 0.25 / 10.25 = 3.05 %
  EXPECT_TRUE(EstimateConvergence("Zeit", values, 2, 3).exceeds);
  EXPECT_FALSE(EstimateConvergence("Zeit", values, 2, 3.1).exceeds);
}

TEST(Convergence, TheCoarserLevelsErrorIsLargerByTheRatioToThePower) {
  const AccuracyResult r = EstimateConvergence("Zeit", PowerLaw(5, -2, 1), 2, 2);
  // Levels 3, 4, 4.5: the error of level 1 (4) is 1.25 * 0.5 * 2 / (2 - 1) / 4.
  EXPECT_NEAR(CoarserLevelErrorPercent(r, 2), 100 * 1.25 * 0.5 * 2 / 4, 1e-9);
  const AccuracyResult two = EstimateConvergence("Zeit", {4.0, 4.5}, 2, 2);
  EXPECT_NEAR(CoarserLevelErrorPercent(two, 2), 100 * 3 * 0.5 * 2 / 4.0, 1e-9);
  EXPECT_EQ(CoarserLevelErrorPercent(EstimateConvergence("Zeit", {1.0, 1.0}, 2, 2), 2), 0);
  EXPECT_TRUE(std::isnan(CoarserLevelErrorPercent(EstimateConvergence("Zeit", {kNaN, 1.0}, 2, 2), 2)));
}

}  // namespace
}  // namespace lamvero
