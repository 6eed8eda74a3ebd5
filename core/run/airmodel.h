#pragma once
// The dryer air: the counter-current section advanced against the flow by a
// water and an enthalpy balance, the switch to the chamber section, and the
// energy balance of the whole dryer.

#include "run/runstate.h"
#include "run/runevents.h"

namespace lamvero {

// Ends the counter-current section once the air at the plate has reached
// ThetaGegenstromende (at most once per run) and tells the listener.
void CheckCounterCurrentEnd(RunState& s, RunEvents& events);

// Advances XLuft and ThetaLuft over one time step of the first drying period
// against the flow, with the water the plate gave off in the last step.
void UpdateAirFirstPeriod(RunState& s);

// The same in the second drying period, where the air also carries the heat
// that warms the body (the change of the front temperature ThetaK), stepped as
// the record's AirIntegration says (run/airintegration.h).
void UpdateAirSecondPeriod(RunState& s);

// The body's heat in the air balance counts from the front temperature at the
// start of the second period (consistent balance) or from 0 °C (standard).
void BeginAirSecondPeriod(RunState& s);

// Wet-bulb temperature of the current air (°C) and its vapour pressure (bar).
// Pure functions of the air state, which stays put in the chamber section:
// they are computed again only when the state has changed.
double WetBulbOfAir(RunState& s);
double VapourPressureOfAir(RunState& s);

// End-of-run balance of the whole dryer: supply-air temperature, specific and
// relative energy demand (relative to the latent heat of water at 0 °C).
void ComputeEnergyBalance(RunState& s);

}  // namespace lamvero
