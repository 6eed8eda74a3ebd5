#pragma once
// A fit's result as the runner writes it: lines of text, or --json's object.

#include <string>

#include "study/fit.h"

namespace lamvero {

// The fitted values with their 95 % half-widths and units, the figures per
// quantity, the runs and the time, then any remark; one item per line.
std::string FitText(const FitProblem& problem, const FitResult& result);

// {"fit":{"status", "message", "parameters":[{box, caption, unit, value,
// lower, upper, halfWidth95 (null when refused), atBound}], "correlation"
// (null when refused), "notIdentifiable", "identifiability", "figures",
// "runs", "seconds", "fittedInputs"}}.
std::string FitJson(const FitProblem& problem, const FitResult& result);

}  // namespace lamvero
