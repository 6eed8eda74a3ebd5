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

// Air at 20 °C and 50 % at a total pressure of 1 bar: 7.3699 g/kg and
// 38.799 kJ/kg (computed by hand from the Magnus pressure, 23.420 mbar).
TEST(MoistAir, HumidityEnthalpyAndTheirInversesOfAKnownState) {
  const double X = HumidityRatio(0.5 * SaturationPressure(20));
  EXPECT_NEAR(X, 7.3699e-3, 1e-7);
  EXPECT_NEAR(Enthalpy(20, X), 38.799, 1e-3);
  EXPECT_NEAR(RelativeHumidity(20, X), 0.5, 1e-12);
  EXPECT_NEAR(VapourPressure(X), 0.5 * 0.023420, 1e-7);
  // Dry air holds only its sensible heat; water vapour at 0 °C its heat of evaporation.
  EXPECT_DOUBLE_EQ(Enthalpy(100, 0), 100.5);
  EXPECT_DOUBLE_EQ(Enthalpy(0, 0.01), 25);
  for (double theta : {-10.0, 0.0, 35.0, 80.0, 150.0}) {
    for (double Xi : {0.0, 0.005, 0.05, 0.3}) {
      EXPECT_NEAR(TemperatureFromEnthalpy(Enthalpy(theta, Xi), Xi), theta, 1e-11) << theta << " " << Xi;
      EXPECT_NEAR(HumidityRatio(VapourPressure(Xi)), Xi, 1e-15) << Xi;
    }
    // Saturated air: 100 %, also above the boiling range, where the pressure is held.
    EXPECT_NEAR(RelativeHumidity(theta, HumidityRatio(SaturationPressure(theta))), 1, 1e-12) << theta;
  }
}

}  // namespace
}  // namespace lamvero
