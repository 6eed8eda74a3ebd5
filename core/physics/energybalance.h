#pragma once
// The energy balance of the whole dryer: the laws that give the supply-air
// temperature and the energy demand from the air and body states at its ends.

namespace lamvero {

// Supply-air temperature (°C) of the whole dryer per kg dry air: supply air at
// XAussen in, exhaust air (Lufttemp, XAbluft) out, the dry body warmed from
// ThetaEinf to ThetaK, its water XAnf entering as liquid at ThetaEinf;
// LuftRohlingVerh kg dry air per kg dry body.
double SupplyAirTemperature(double Lufttemp, double XAbluft, float XAussen, double ThetaK, double ThetaEinf,
                            double XAnf, double LuftRohlingVerh);

// Heating the outside air from AussenluftTemp to ThetaZuluft, per kg of water
// removed (kJ/kg).
double SpecificEnergy(double ThetaZuluft, double AussenluftTemp, double LuftRohlingVerh, double XAnf);

}  // namespace lamvero
