#pragma once
// The last stretch of a fit: Gauss-Newton steps with Levenberg-Marquardt
// damping from the search's best point, each along the Jacobian of the
// residuals (its runs in parallel). Where two parameters act almost alike
// the cost lies in a long, narrow valley; the runs' small jumps leave
// BOBYQA's quadratic model stuck somewhere along it, while a step along the
// Jacobian follows the valley to its bottom in a few iterations.

#include <chrono>

#include "study/fit.h"
#include "study/fitreadings.h"
#include "study/fitsearch.h"

namespace lamvero {

// Moves search's best point while a step lowers the cost; counts its runs
// into search.runs and tells the observer after each step.
void RefineFit(const FitProblem& problem, const FitReadings& readings, FitSearchOutcome& search, FitObserver* observer,
               const StopRequest* stop, std::chrono::steady_clock::time_point started);

}  // namespace lamvero
