#pragma once
// The set-up of a run: takes the inputs in model units, computes the derived
// material and air quantities, fills the initial run state and tells the
// listener the derived values.

#include "run/runrecord.h"
#include "run/runstate.h"
#include "run/runevents.h"

namespace lamvero {

// Expects inputs that CheckInputs accepted.
void SetUpRun(RunState& s, const InputValues& inputs, RunEvents& events);

}  // namespace lamvero
