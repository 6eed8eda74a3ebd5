#pragma once
// Moist-air laws at a fixed total pressure of 1 bar. Temperatures in °C,
// pressures in bar, humidity ratios in kg water per kg dry air.

namespace lamvero {

// Saturation vapour pressure of water over liquid (Magnus), bar; 0.99 above 99.6 °C.
double SaturationPressure(double theta);

// Humidity ratio (kg/kg) of air whose vapour partial pressure is pD (bar).
double HumidityRatio(double pD);

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
