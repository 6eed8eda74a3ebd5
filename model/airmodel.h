#pragma once
// The dryer air: the counter-current section advanced against the flow by a
// water and an enthalpy balance, the switch to the chamber section, and the
// energy balance of the whole dryer.

#include "model/display.h"
#include "model/runstate.h"

namespace lamvero {

// Ends the counter-current section once the air at the plate has reached
// ThetaGegenstromende (at most once per run) and shows its duration.
void CheckCounterCurrentEnd(RunState& s, Display& d);

// Advances XLuft and ThetaLuft over one time step while the counter-current
// section runs. extraHeat (kJ per kg dry air, numerator term) is the heat the
// warming body draws in the second period; 0 in the first.
void UpdateAir(RunState& s, double extraHeat);

// End-of-run balance of the whole dryer: supply-air temperature, specific and
// relative energy demand, shown in their boxes.
void ComputeEnergyBalance(RunState& s, Display& d);

}  // namespace lamvero
