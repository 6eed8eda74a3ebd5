#pragma once
// The accuracy estimate of a run: the same case computed on refined steps, on
// spare cores, and for each key result its change over the levels, the
// observed order of convergence, a Richardson-extrapolated value and the
// estimated discretisation error (the grid convergence index), marked where it
// exceeds a tolerance.
//
//   AccuracyOptions options;            // scheme, levels, tolerance, threads,
//   options.threads = 2;                // stop request, progress
//   Outcome<AccuracyEstimate> estimate = EstimateAccuracy(inputs, options);
//
// The first level is the user's case itself: the run already made, when the
// caller hands it over, or else run again. A failure names the
// level and why: the input refused, a level the machine's memory cannot hold
// (said before that level runs), a level that had to stop, the stop request.
// The levels run under extended limits: finer grids than a single run takes,
// series thinned when they fill. The estimate concerns the numbers of the model (how far they are
// from the model's answer at vanishing steps), not the model against a real
// dryer.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "run/accuracyestimate.h"
#include "run/airintegration.h"
#include "run/runrecord.h"
#include "run/stoprequest.h"
#include "text/outcome.h"

namespace lamvero {

// A way to refine: from level to level the time step is halved timeHalvings
// times and the spatial step spaceHalvings times (exact in binary).
struct AccuracyScheme {
  const char* name;     // as the runner's option and the JSON name it: "time"
  int timeHalvings;     // 1 or 2
  int spaceHalvings;    // 0 or 1
  const char* caption;  // German, for the window and the manual

  // The factor by which the time step shrinks per level, which the
  // convergence arithmetic takes as the refinement ratio.
  double ratio() const;
};

// Every scheme, the default first.
const std::vector<AccuracyScheme>& AccuracySchemes();
const AccuracyScheme* FindAccuracyScheme(const std::string& name);

// The results an engineer defends, as keys of the result table, in the order
// an estimate lists them.
const std::vector<std::string>& AccuracyKeys();

constexpr double kDefaultAccuracyTolerancePercent = 2;
// Two levels: a third of the default scheme would take 64 times the user's
// run (and more time steps than a run stores for the default case).
constexpr int kDefaultAccuracyLevels = 2;

struct AccuracyOptions {
  const AccuracyScheme* scheme = &AccuracySchemes().front();
  int levels = kDefaultAccuracyLevels;  // 2 or 3, the user's steps included
  double tolerancePercent = kDefaultAccuracyTolerancePercent;
  unsigned threads = 1;                 // levels run at once
  AirIntegration airIntegration = AirIntegration::Standard;  // the air balance of every level
  const StopRequest* stop = nullptr;    // aborts the estimate; it then fails
  // The run of the user's inputs, when the caller has made it (the window's,
  // the runner's); it must be the run of exactly these inputs.
  const RunRecord* userRun = nullptr;
  // Called on the calling thread or a worker thread, one call at a time:
  // levels finished, levels in all.
  std::function<void(std::size_t finished, std::size_t total)> progress;
};

// The input texts of the levels of a scheme: level k divides the steps by the
// scheme's halvings k times.
std::vector<InputTexts> AccuracyLevels(const InputTexts& inputs, const AccuracyScheme& scheme, int levels);

Outcome<AccuracyEstimate> EstimateAccuracy(const InputTexts& inputs, const AccuracyOptions& options);

}  // namespace lamvero
