#pragma once
// The set-up of a run: reads the input texts, converts them to model units,
// computes the derived material and air quantities, shows the derived values
// and fills the initial run state.

#include "model/display.h"
#include "model/inputs.h"
#include "model/runstate.h"

namespace lamvero {

// Expects inputs that CheckInputs accepted.
void SetUpRun(RunState& s, const InputTexts& inputs, Display& d);

}  // namespace lamvero
