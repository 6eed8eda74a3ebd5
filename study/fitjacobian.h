#pragma once
// The Jacobian of a fit's residuals at its optimum, by central differences,
// the runs on the problem's worker threads.

#include <cstddef>
#include <string>
#include <vector>

#include "study/fit.h"
#include "study/fitreadings.h"

namespace lamvero {

struct FitJacobian {
  std::vector<std::vector<double>> columns;  // d r / d p_j per parameter, box units; empty when a run failed
  std::size_t runs = 0;
  bool stopped = false;
  std::string problem;  // why there are no columns
};

// The relative step. The run's time stepping makes its curves move in small
// jumps as a parameter changes; a step well above them keeps the derivative
// from being noise.
constexpr double kJacobianStep = 5e-3;

// Each parameter is moved by relativeStep of its value (of its bounds' width
// when it is 0) to either side, within its bounds; residuals are those at
// the optimum, for a side the bounds cut off.
FitJacobian JacobianAt(const FitProblem& problem, const FitReadings& readings, const std::vector<double>& values,
                       const std::vector<double>& residuals, const StopRequest* stop,
                       double relativeStep = kJacobianStep);

}  // namespace lamvero
