#pragma once
// Runs a few variants of one case (refinement levels) at once on worker
// threads and keeps of each its outcome, its messages, how many points it
// stored and every result of the result table: the numbers an accuracy
// estimate compares, not the series.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "run/airintegration.h"
#include "run/runrecord.h"
#include "run/stoprequest.h"
#include "text/outcome.h"

namespace lamvero {

struct LevelRun {
  RunOutcome outcome = RunOutcome::Refused;
  std::vector<std::string> messages;
  int nReihe = -1;             // index of the last stored point
  std::vector<double> values;  // one per row of ResultDescriptors(), in its units
};

struct LevelRunOptions {
  unsigned threads = 1;               // at most one per level is started
  const StopRequest* stop = nullptr;  // stops the running levels at their next step
  AirIntegration airIntegration = AirIntegration::Standard;  // the air balance of every level
  // Called whenever a level has finished, one call at a time, on the thread
  // that ran it (the calling thread runs levels too).
  std::function<void()> levelDone;
};

// What a level keeps of a run already made (a completed or stopped one).
LevelRun LevelRunOf(const RunRecord& record);

// The runs of these inputs, in their order.
std::vector<LevelRun> RunLevels(const std::vector<InputTexts>& levels, const LevelRunOptions& options);

// The value of a result in a level's run.
double LevelValue(const LevelRun& run, const std::string& key);

// The text naming a level: "Stufe 2 (Zeitschrittweite 0,125 s, Ortsschrittweite 0,025 mm)".
std::string LevelName(std::size_t level, const InputTexts& inputs);

// Whether level `level` (inputs) can run, said before it runs: the input check
// under the extended limits the levels run with, and the memory the machine
// can give it (the series are thinned, so a long level needs no more).
Status LevelFits(std::size_t level, const InputTexts& inputs);

// Every run completed; otherwise which level did not and why. A stop request
// is the reason when it was given.
Status LevelsCompleted(const std::vector<InputTexts>& levels, const std::vector<LevelRun>& runs,
                       const StopRequest* stop);

}  // namespace lamvero
