#pragma once
// The runner's accuracy options: --accuracy (the run's accuracy estimate, from
// the same case on refined steps), --accuracy-scheme NAME (how to refine),
// --tolerance=TOL (the error above which a result is marked) and
// --auto-steps[=TOL] (steps chosen so that no key result changes by TOL or
// more when both are halved). TOL is a percentage: 2%, 2 or 0,5%.

#include <string>

#include "study/accuracy.h"
#include "text/outcome.h"

namespace CLI {
class App;
}

namespace lamvero {

struct AccuracyRequest {
  bool estimate = false;
  std::string schemeName = AccuracySchemes().front().name;
  std::string toleranceText;
  std::string autoStepsText;

  void registerWith(CLI::App& app);
  // Reads the texts once the command line is parsed; a failure is a usage error naming the option.
  Status resolve(const CLI::App& app);

  // Valid after resolve().
  bool autoSteps = false;
  const AccuracyScheme* scheme = nullptr;
  double tolerancePercent = kDefaultAccuracyTolerancePercent;
  double autoStepsPercent = 0;
};

// A tolerance as the options take it: a number above 0 and below 100, with
// or without "%", comma or point.
Outcome<double> ReadTolerancePercent(const std::string& text, const std::string& option);

}  // namespace lamvero
