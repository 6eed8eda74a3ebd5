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

// The total pressure the laws above take, Pa; the specific gas constant of dry
// air, J/(kg K); the ratio of the molar masses of water and dry air.
constexpr double kTotalPressure = 100000;
constexpr double kGasConstantDryAir = 287.1;
constexpr double kMolarMassRatio = 0.622;

// Volume of moist air at theta with humidity ratio X per kg of its dry air,
// m³/kg, as ideal gases at the total pressure: R_L (θ + 273,15) (1 + X / 0,622) / p.
double MoistAirVolume(double theta, double X);

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
