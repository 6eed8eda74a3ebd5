#include "physics/energybalance.h"

namespace lamvero {

double SupplyAirTemperature(double Lufttemp, double XAbluft, float XAussen, double ThetaK, double ThetaEinf,
                            double XAnf, double LuftRohlingVerh) {
  // Specific heats: dry air 1, vapour 1.86, dry body 0.9, liquid water 4.19.
  return (Lufttemp * (1 + 1.86 * XAbluft) + 2500 * (XAbluft - XAussen) +
          (0.9 * (ThetaK - ThetaEinf) - 4.19 * XAnf * ThetaEinf) / LuftRohlingVerh) /
         (1 + 1.86 * XAussen);
}

double SpecificEnergy(double ThetaZuluft, double AussenluftTemp, double LuftRohlingVerh, double XAnf) {
  return (ThetaZuluft - AussenluftTemp) * LuftRohlingVerh / XAnf;
}

}  // namespace lamvero
