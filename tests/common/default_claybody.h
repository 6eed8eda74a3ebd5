#pragma once
// The clay body of the default inputs (rhos 1850 kg/m³, XAnf 0.25 kg/kg,
// 40e-9 m²/s at 0.25 kg/kg and 25 °C, KappaSteig 6.7) for a given total
// linear shrinkage in percent, derived as the set-up derives it.

#include "physics/claybody.h"

namespace lamvero::testing {

inline ClayBody DefaultClayBody(double linTrSchwind = 6.2) {
  ClayBody b;
  b.rhos = 1850;
  b.KappaSteig = 6.7;
  DeriveClayBody(b, 0.25, linTrSchwind, 40e-9);
  return b;
}

}  // namespace lamvero::testing
