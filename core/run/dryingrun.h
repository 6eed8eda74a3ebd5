#pragma once
// One complete simulation run, as the Start button runs it: input check,
// set-up, first drying period, second drying period, evaluation, run end.

#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "run/airintegration.h"
#include "run/runevents.h"
#include "run/runlimits.h"
#include "run/runrecord.h"
#include "run/runstate.h"
#include "run/stoprequest.h"

namespace lamvero {

struct RunResult {
  RunOutcome outcome = RunOutcome::Completed;
  // Input problems, or why the run had to stop: as files keep them, and in the user's language.
  std::vector<std::string> messages;
  std::vector<std::string> shownMessages;
};

struct RunOptions {
  const StopRequest* stop = nullptr;  // read right after each stepBegins; the run never clears it
  AirIntegration airIntegration = AirIntegration::Standard;  // the record keeps it
  // The run as Start runs it keeps the default limits. Refinement and
  // automatically chosen steps pass RunLimits::Extended(): more spatial steps
  // per half plate, and series thinned in place instead of "Zeitreihen voll"
  // (the record's series then hold fewer points than time steps, each one a
  // step of the run at its time tReihe).
  RunLimits limits;
  // Under limits that thin the series: the points each series holds (0: room
  // for kMaxSeriesIndex steps). A smaller store keeps a long run's record small.
  std::size_t seriesCapacity = 0;
};

// Runs one case in a state of its own and returns its record. Calls on
// different threads with their own listeners do not share anything. The
// record's controls and profiles are left empty: they are what a presenter
// showed (present/displayedrun.h).
RunRecord RunCase(const InputTexts& inputs, RunEvents& events, const RunOptions& options = {});

// The same in a state the caller keeps (the window's). A refused input leaves the state and its record as they
// were; otherwise s.record is the new run's record when this returns.
// s.DauerGegenstrom lives on from run to run: a run that never switches to
// the chamber section leaves it as it was.
RunResult RunSimulation(RunState& s, const InputTexts& inputs, RunEvents& events, const RunOptions& options = {});

}  // namespace lamvero
