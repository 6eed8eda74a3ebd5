#include "physics/moistair.h"

#include <cmath>

namespace lamvero {

namespace {

// Water at saturation at temperature t (°C): vapour pressure (bar), humidity
// ratio (kg/kg) and enthalpy of the saturated air per kg dry air (kJ/kg).
struct Saturation {
  double pS, XS, hS;
};

Saturation SaturationState(double t) {
  Saturation s{};
  s.pS = SaturationPressure(t);
  s.XS = HumidityRatio(s.pS);
  s.hS = (2500 + 1.86 * t) * s.XS + 1.005 * t;
  return s;
}

// Adiabatic saturation balance of air at theta reaching saturation at thetaWB,
// liquid water taken up with the specific heat cWater, kJ/(kg K).
double AdiabaticSaturationHumidity(double theta, double thetaWB, double cWater) {
  const Saturation s = SaturationState(thetaWB);
  return (s.hS - 1.005 * theta - cWater * thetaWB * s.XS) / (2500 + 1.86 * theta - cWater * thetaWB);
}

}  // namespace

// Magnus formula over liquid water (610.78 Pa at 0 °C), Pa to bar; above the
// boiling range the value is held at 0.99 bar.
double SaturationPressure(double theta) {
  if (theta > 99.6) return 0.99;
  return 610.78 * std::exp(17.08085 * theta / (234.175 + theta)) / 100000;
}

// Vapour and dry air share the total pressure of 1 bar; 0.622 is the ratio of
// their molar masses.
double HumidityRatio(double pD) { return 0.622 * pD / (1 - pD); }

double VapourPressure(double X) { return X / (X + 0.622); }

double MoistAirVolume(double theta, double X) {
  return kGasConstantDryAir * (theta + 273.15) * (1 + X / kMolarMassRatio) / kTotalPressure;
}

double RelativeHumidity(double theta, double X) { return VapourPressure(X) / SaturationPressure(theta); }

double Enthalpy(double theta, double X) { return kCpDryAir * theta + X * (kEvaporationHeat0 + kCpVapour * theta); }

double TemperatureFromEnthalpy(double h, double X) {
  return (h - kEvaporationHeat0 * X) / (kCpDryAir + kCpVapour * X);
}

// Linear fit of the heat of evaporation, 2500 kJ/kg at 0 °C.
double LatentHeat(double theta) { return 2500 - 2.32 * theta; }

double HumidityFromWetBulb(double theta, double thetaWB) {
  return AdiabaticSaturationHumidity(theta, thetaWB, 4.1868);
}

double VapourPressureFromWetBulb(double theta, double thetaWB) {
  const double X = AdiabaticSaturationHumidity(theta, thetaWB, 4.19);
  return X / (X + 0.622);
}

// The tolerance is on the humidity ratio, not on the temperature.
double WetBulbTemperature(double theta, double X, int* evaluations) {
  double lower = 0;
  double upper = 100;
  int counter = 0;
  double mid = 0;
  for (;;) {
    mid = (upper + lower) / 2;
    ++counter;
    const double Xm = HumidityFromWetBulb(theta, mid);
    if (std::fabs(Xm - X) < 1e-7 || counter > 1000) break;
    if (Xm > X) {
      upper = mid;
    } else {
      lower = mid;
    }
  }
  if (evaluations != nullptr) *evaluations = counter;
  return mid;
}

}  // namespace lamvero
