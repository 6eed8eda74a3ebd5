#pragma once
// The copies of the run state that go out with the run's events.

#include "run/runevents.h"
#include "run/runstate.h"

namespace lamvero {

LiveValues LiveValuesOf(const RunState& s);

// The curve interval's end with a copy of the profile.
CurveEnd CurveEndOf(const RunState& s, DryingPeriod period, bool finalOfFirst);

}  // namespace lamvero
