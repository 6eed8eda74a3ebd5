#pragma once
// Steps chosen for a tolerance: from the user's steps, halve the time step and
// the spatial step together until no key result changes by more than the
// tolerance from one level to the next. The chosen steps are the coarser of
// that pair: halving both of them again changes no key result by more than
// the tolerance (the finer run of the pair showed it), except a duration that
// moves by no more than one time step, the finest it can be resolved to.
//
//   AutoStepsOptions options;
//   options.tolerancePercent = 1;
//   Outcome<AutoSteps> steps = ChooseSteps(inputs, options);
//   // steps->deltaT, steps->Ortsschrittweite: texts for the input boxes
//
// A failure says which result had not settled when the next level would not
// fit the machine's memory or the grid's extended limit, or which level had
// to stop.

#include <cstddef>
#include <functional>
#include <string>

#include "inputs/inputs.h"
#include "run/accuracyestimate.h"
#include "run/airintegration.h"
#include "run/stoprequest.h"
#include "study/refinement.h"
#include "text/outcome.h"

namespace lamvero {

constexpr double kDefaultAutoStepsTolerancePercent = 1;

struct AutoStepsOptions {
  double tolerancePercent = kDefaultAutoStepsTolerancePercent;
  unsigned threads = 1;               // the first two levels run at once
  // Each halving costs about four times the level before it: five take a
  // level 1024 times as long as the user's run.
  int maxHalvings = kMaxRefinements;
  AirIntegration airIntegration = AirIntegration::Standard;  // the air balance of every level
  const StopRequest* stop = nullptr;  // aborts the search; it then fails
  // Called on the calling thread or a worker thread, one call at a time:
  // levels finished so far.
  std::function<void(std::size_t finished)> progress;
};

struct AutoSteps {
  std::string deltaT;            // the chosen txt_deltaT ("0,125")
  std::string Ortsschrittweite;  // the chosen txt_Ortsschrittweite ("0,025")
  int runs = 0;                  // levels computed, the user's steps and the check level included
  // The estimate over the levels computed (scheme "both"); its finest level
  // is the check level, one halving below the chosen steps.
  AccuracyEstimate estimate;
  // The largest estimated error of a key result at the chosen steps, in %;
  // NaN if no key result allows an estimate.
  double remainingErrorPercent = 0;
  std::string remainingErrorKey;  // the result it belongs to
};

// The relative change of a result from one level to the next in %: 0 when
// neither reached it or both are 0, infinite when only one did.
double ChangePercent(double coarser, double finer);

// One line on the chosen steps, in German: steps, runs, remaining error.
std::string AutoStepsLine(const AutoSteps& steps);

Outcome<AutoSteps> ChooseSteps(const InputTexts& inputs, const AutoStepsOptions& options);

}  // namespace lamvero
