#pragma once
// Moist-air laws at a fixed total pressure of 1 bar. Temperatures in °C,
// pressures in bar, humidity ratios in kg water per kg dry air.

namespace lamvero {

// Saturation vapour pressure of water over liquid (Magnus), bar; 0.99 above 99.6 °C.
double SaturationPressure(double theta);

// Humidity ratio (kg/kg) of air whose vapour partial pressure is pD (bar).
double HumidityRatio(double pD);

// Humidity ratio X (kg/kg) back to the vapour partial pressure, bar.
double VapourPressure(double X);

// Relative humidity (1 at saturation, above 1 supersaturated) of air at theta
// with humidity ratio X.
double RelativeHumidity(double theta, double X);

// The enthalpy of moist air per kg of dry air takes dry air and vapour with
// constant specific heats, kJ/(kg K), and the heat of evaporation at 0 °C, kJ/kg.
constexpr double kCpDryAir = 1.005;
constexpr double kCpVapour = 1.86;
constexpr double kEvaporationHeat0 = 2500;

// Enthalpy of moist air at theta with humidity ratio X, kJ per kg dry air:
// 1.005 θ + X (2500 + 1.86 θ).
double Enthalpy(double theta, double X);

// Temperature (°C) of moist air with enthalpy h (kJ per kg dry air) and humidity ratio X.
double TemperatureFromEnthalpy(double h, double X);

// Latent heat of evaporation, kJ/kg.
double LatentHeat(double theta);

// Humidity ratio of air at theta whose wet-bulb temperature is thetaWB
// (adiabatic saturation, liquid water 4.1868 kJ/(kg K)).
double HumidityFromWetBulb(double theta, double thetaWB);

// Vapour partial pressure (bar) of air at theta whose wet-bulb temperature is
// thetaWB (same balance with liquid water 4.19 kJ/(kg K)).
double VapourPressureFromWetBulb(double theta, double thetaWB);

// Wet-bulb temperature of air at theta with humidity ratio X: bisection over
// 0..100 °C to |X(mid) - X| < 1e-7, at most 1001 evaluations. If evaluations
// is given, it receives the number of HumidityFromWetBulb calls made.
double WetBulbTemperature(double theta, double X, int* evaluations = nullptr);

}  // namespace lamvero
