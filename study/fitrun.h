#pragma once
// One run of a fit: the base case with the fitted inputs set to exactly the
// values the search chose, and the run's values at the counted readings.

#include <optional>
#include <string>
#include <vector>

#include "study/fit.h"
#include "study/fitreadings.h"

namespace lamvero {

struct FitRun {
  std::optional<std::vector<double>> model;  // nothing when the run did not complete
  std::vector<std::string> messages;         // why it did not
};

// values in box units, in the order of problem.parameters.
FitRun RunFitCase(const FitProblem& problem, const FitReadings& readings, const std::vector<double>& values,
                  const StopRequest* stop);

// The inputs of problem.parameters, in their order.
std::vector<Input> FittedInputs(const FitProblem& problem);

// An input's caption without its trailing blanks, in German quotes: what the fit's messages name it by.
std::string QuotedCaption(Input input);

}  // namespace lamvero
