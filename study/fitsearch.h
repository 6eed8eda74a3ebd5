#pragma once
// The search of a fit: BOBYQA on each parameter's search coordinate in
// [0, 1] (study/searchscale.h), one run per evaluation on the calling thread.

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "study/fit.h"
#include "study/fitreadings.h"

namespace lamvero {

struct FitSearchOutcome {
  enum class Ending { Converged, MaxRuns, Stopped };
  Ending ending = Ending::Converged;
  std::vector<double> best;           // box units; the start while no run completed
  double bestCost = 0;                // of best
  std::vector<double> bestModel;      // the run's values at the readings; empty when no run completed
  std::vector<std::string> messages;  // why the first run did not complete, if it did not
  std::size_t runs = 0;
};

// The start of the search: each parameter's value in the base case, clamped into its bounds.
std::vector<double> FitStart(const FitProblem& problem);

// Tells the observer, if any, where the search stands.
void ReportFitProgress(FitObserver* observer, const FitSearchOutcome& outcome, std::size_t maxRuns,
                       std::chrono::steady_clock::time_point started);

FitSearchOutcome SearchFit(const FitProblem& problem, const FitReadings& readings, FitObserver* observer,
                           const StopRequest* stop, std::chrono::steady_clock::time_point started);

}  // namespace lamvero
