#pragma once
// A run shown on a display, as the window, the headless runner and the tests
// run it: the run's events go to a presenter over the display, and the
// record keeps what it showed (the controls' states and the profiles drawn).

#include "present/display.h"
#include "run/dryingrun.h"

namespace lamvero {

struct DisplayRunOptions : RunOptions {
  ControlDefaults controlsAtOpen;  // starting state of the controls in the record; empty: blank
};

// RunSimulation (run/dryingrun.h) shown on d.
RunResult RunOnDisplay(RunState& s, const InputTexts& inputs, Display& d, const DisplayRunOptions& options = {});

// RunCase (run/dryingrun.h) shown on d.
RunRecord RunCaseOnDisplay(const InputTexts& inputs, Display& d, const DisplayRunOptions& options = {});

}  // namespace lamvero
