#pragma once
// The clay body of the default inputs (rhos 1850 kg/m³, XAnf 0.25 kg/kg,
// 40e-9 m²/s at 0.25 kg/kg and 25 °C, KappaSteig 6.7), built with the set-up
// formulas for a given total linear shrinkage in percent.

#include <cmath>

#include "model/claybody.h"

namespace lamvero::testing {

inline ClayBody DefaultClayBody(double linTrSchwind = 6.2) {
  const double XAnf = 0.25;
  const double Feuchteleit = 40e-9;
  ClayBody b;
  b.rhos = 1850;
  b.SchwindTot = linTrSchwind / 100;
  const double green = std::pow(1 - b.SchwindTot, 3.0);  // dry volume per green volume
  b.rho0 = b.rhos * green;
  b.PhiAnf = green * (b.rhos * XAnf / 1000);
  b.offPoren = b.rhos * (b.PhiAnf - (1 - green)) / b.rho0;
  b.XSchwEnde = 1000 * b.offPoren / b.rhos;
  const double Phi25 = b.PhiAnf;  // XAnf is 0.25 kg/kg: no shrinkage yet
  const double poreRatio = b.offPoren / Phi25;
  b.KappaGr = Feuchteleit * (poreRatio * poreRatio);
  b.KappaSteig = 6.7;
  return b;
}

}  // namespace lamvero::testing
