#include "study/fitsearch.h"

#include <nlopt.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

#include "inputs/inputreading.h"
#include "study/fitrun.h"
#include "study/searchscale.h"

namespace lamvero {

namespace {

constexpr double kInitialStep = 0.1;  // of the search coordinate
// Relative change of the coordinate that ends the search. The runs' small
// jumps leave no gain in going finer: the refinement along the Jacobian
// (study/fitrefinement.h) takes over from the best point.
constexpr double kTolerance = 1e-6;
constexpr double kAbsoluteTolerance = 1e-12;
// A run that does not complete costs this many times the sum of the weights
// per reading: far above a completed run (its scaled residuals stay near 1),
// and finite, which BOBYQA needs.
constexpr double kFailedRunFactor = 1e3;

// What the objective needs between its calls.
struct Objective {
  const FitProblem& problem;
  const FitReadings& readings;
  FitObserver* observer;
  const StopRequest* stop;
  std::chrono::steady_clock::time_point started;
  std::vector<SearchScale> scales;
  double failedCost;
  nlopt::opt* opt = nullptr;
  FitSearchOutcome outcome;

  double cost(const std::vector<double>& u);
  void report() const;
};

double Objective::cost(const std::vector<double>& u) {
  if (stop && stop->requested()) {
    opt->force_stop();
    return failedCost;
  }
  std::vector<double> values(u.size());
  for (std::size_t i = 0; i < u.size(); ++i) values[i] = scales[i].fromUnit(std::clamp(u[i], 0.0, 1.0));
  const FitRun run = RunFitCase(problem, readings, values, stop);
  ++outcome.runs;
  double sum = failedCost;
  if (run.model) {
    sum = 0;
    for (double r : readings.residuals(*run.model)) sum += r * r;
    if (outcome.bestModel.empty() || sum < outcome.bestCost) {
      outcome.best = values;
      outcome.bestCost = sum;
      outcome.bestModel = *run.model;
    }
  } else if (outcome.runs == 1) {
    outcome.messages = run.messages;
  }
  report();
  if (stop && stop->requested()) opt->force_stop();
  return sum;
}

void Objective::report() const { ReportFitProgress(observer, outcome, problem.maxRuns, started); }

double CostOf(const std::vector<double>& u, std::vector<double>& /*gradient: none, the method is derivative-free*/,
              void* data) {
  return static_cast<Objective*>(data)->cost(u);
}

double FailedCost(const FitProblem& problem, const FitReadings& readings) {
  double weights = 0;
  for (double w : problem.weights) weights += std::max(w, 0.0);
  return kFailedRunFactor * weights * static_cast<double>(readings.count());
}

}  // namespace

void ReportFitProgress(FitObserver* observer, const FitSearchOutcome& outcome, std::size_t maxRuns,
                       std::chrono::steady_clock::time_point started) {
  if (!observer) return;
  FitProgress progress;
  progress.runs = outcome.runs;
  progress.bestCost = outcome.bestModel.empty() ? std::numeric_limits<double>::quiet_NaN() : outcome.bestCost;
  progress.best = outcome.best;
  progress.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  progress.maxRuns = maxRuns;
  observer->progress(progress);
}

std::vector<double> FitStart(const FitProblem& problem) {
  const InputReading reading = ReadInputs(problem.base);
  std::vector<double> start;
  for (const FitParameter& p : problem.parameters) {
    const double typed = reading[p.input].value_or(p.lower);
    start.push_back(std::clamp(typed, p.lower, p.upper));
  }
  return start;
}

namespace {

// BOBYQA from u with at most maxRuns runs.
void SearchPass(Objective& objective, std::vector<double> u, std::size_t maxRuns) {
  const std::size_t n = u.size();
  nlopt::opt opt(nlopt::LN_BOBYQA, static_cast<unsigned>(n));
  objective.opt = &opt;
  opt.set_lower_bounds(std::vector<double>(n, 0.0));
  opt.set_upper_bounds(std::vector<double>(n, 1.0));
  opt.set_initial_step(std::vector<double>(n, kInitialStep));
  opt.set_xtol_rel(kTolerance);
  opt.set_xtol_abs(std::vector<double>(n, kAbsoluteTolerance));
  opt.set_maxeval(static_cast<int>(std::min<std::size_t>(maxRuns, std::numeric_limits<int>::max())));
  opt.set_min_objective(CostOf, &objective);
  double minimum = 0;
  try {
    if (opt.optimize(u, minimum) == nlopt::MAXEVAL_REACHED)
      objective.outcome.ending = FitSearchOutcome::Ending::MaxRuns;
  } catch (const nlopt::forced_stop&) {
    objective.outcome.ending = FitSearchOutcome::Ending::Stopped;
  } catch (const nlopt::roundoff_limited&) {
    // no further progress within the precision of the runs: the best point stands
  }
}

}  // namespace

FitSearchOutcome SearchFit(const FitProblem& problem, const FitReadings& readings, FitObserver* observer,
                           const StopRequest* stop, std::chrono::steady_clock::time_point started) {
  Objective objective{problem, readings, observer, stop, started, {}, FailedCost(problem, readings), nullptr, {}};
  objective.outcome.best = FitStart(problem);
  for (const FitParameter& p : problem.parameters) objective.scales.emplace_back(p.lower, p.upper);
  std::vector<double> u;
  for (std::size_t i = 0; i < objective.scales.size(); ++i)
    u.push_back(objective.scales[i].toUnit(objective.outcome.best[i]));
  SearchPass(objective, u, problem.maxRuns);
  return objective.outcome;
}

}  // namespace lamvero
