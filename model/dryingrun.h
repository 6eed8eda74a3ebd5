#pragma once
// One complete simulation run, as the Start button runs it: input check,
// set-up, first drying period, second drying period, evaluation, run end.

#include <string>
#include <vector>

#include "model/display.h"
#include "model/inputs.h"
#include "model/runstate.h"

namespace lamvero {

enum class RunOutcome {
  Completed,   // both periods and the evaluation ran
  Refused,     // the input check found problems; nothing was shown or changed
  Stopped,     // Stop was pressed; no evaluation
  SeriesFull,  // the time series were full; stopped like Stop
  Failed,      // the profile stopped being finite; stopped like Stop
};

struct RunResult {
  RunOutcome outcome = RunOutcome::Completed;
  std::vector<std::string> messages;  // input problems, or why the run had to stop
};

RunResult RunSimulation(RunState& s, const InputTexts& inputs, Display& d);

}  // namespace lamvero
