#include <gtest/gtest.h>

#include <cmath>

#include "physics/moistair.h"

namespace lamvero {
namespace {

// Reference values are given to 6 significant digits, so a correct law agrees
// to within half a unit of the sixth digit: relative 5e-6.
void ExpectSixDigits(double actual, double expected) {
  EXPECT_NEAR(actual, expected, 5e-6 * std::fabs(expected));
}

TEST(MoistAir, SaturationPressureAndLatentHeat) {
  ExpectSixDigits(SaturationPressure(0), 0.0061078);
  ExpectSixDigits(SaturationPressure(20), 0.0234200);
  ExpectSixDigits(SaturationPressure(35), 0.0562911);
  ExpectSixDigits(SaturationPressure(50), 0.123335);
  ExpectSixDigits(SaturationPressure(80), 0.472932);
  ExpectSixDigits(SaturationPressure(99.6), 0.998817);
  EXPECT_EQ(SaturationPressure(99.61), 0.99);
  EXPECT_EQ(SaturationPressure(150), 0.99);
  EXPECT_EQ(LatentHeat(0), 2500);
  EXPECT_NEAR(LatentHeat(100), 2268, 1e-12);
}

// Saturated air has its wet-bulb temperature equal to its temperature; the
// balance then reduces to the saturation state up to a few roundings.
TEST(MoistAir, SaturatedAirIsItsOwnWetBulbState) {
  for (double theta : {0.0, 20.0, 35.0, 60.0, 95.0}) {
    const double pS = SaturationPressure(theta);
    const double XS = 0.622 * pS / (1 - pS);
    EXPECT_NEAR(HumidityFromWetBulb(theta, theta), XS, 1e-13 * XS) << theta;
    EXPECT_NEAR(VapourPressureFromWetBulb(theta, theta), pS, 1e-13 * pS) << theta;
  }
}

TEST(MoistAir, WetBulbTemperatureBisectsOnTheHumidityRatio) {
  int evaluations = 0;
  const double t = WetBulbTemperature(35, 0.0274173, &evaluations);
  ExpectSixDigits(t, 30.9341);
  EXPECT_EQ(evaluations, 16);
  EXPECT_LT(std::fabs(HumidityFromWetBulb(35, t) - 0.0274173), 1e-7);
}

TEST(MoistAir, WetBulbTemperatureOutsideTheSearchRangeEndsAtItsBound) {
  int evaluations = 0;
  const double t = WetBulbTemperature(5, 0, &evaluations);
  EXPECT_EQ(evaluations, 1001);
  EXPECT_LT(t, 1e-250);
  EXPECT_GE(t, 0);
}

}  // namespace
}  // namespace lamvero
