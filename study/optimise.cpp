#include "study/optimise.h"

// The search runs NLopt's COBYLA on each decision input's coordinate in
// [0, 1] (study/searchscale.h). COBYLA needs no derivatives, which a run
// cannot give (its results step with the time grid), keeps to the bounds and
// takes the limits as inequality constraints directly, without penalty
// weights to tune; NLopt is the library the fit uses too. Goal and excesses
// are divided by their magnitude at the start and by each limit, so that the
// method sees numbers of order one whatever the units.

#include <nlopt.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "text/language.h"
#include "inputs/inputcheck.h"
#include "inputs/inputreading.h"
#include "run/dryingrun.h"
#include "run/resultdescriptors.h"
#include "study/inputtext.h"
#include "study/searchscale.h"
#include "text/numberformat.h"

namespace lamvero {

const std::vector<OptimiseGoalInfo>& OptimiseGoals() {
  static const std::vector<OptimiseGoalInfo> table = {
      {OptimiseGoal::SpecificEnergy, "specificEnergy", LV_TR_NOOP("Optimierung", "spezifischer Energiebedarf"), "kJ/kg"},
      {OptimiseGoal::DryingTime, "dryingTime", LV_TR_NOOP("Optimierung", "Trocknungsdauer"), "s"},
      {OptimiseGoal::HeaterPower, "heaterPower", LV_TR_NOOP("Optimierung", "Heizleistung"), "kW"},
  };
  return table;
}

const std::vector<OptimiseLimitInfo>& OptimiseLimits() {
  static const std::vector<OptimiseLimitInfo> table = {
      {OptimiseLimit::DryingTime, "maxDryingTime", LV_TR_NOOP("Optimierung", "Trocknungsdauer höchstens"), "s", "Zeit"},
      {OptimiseLimit::ShrinkageDifference, "maxShrinkageDifference", LV_TR_NOOP("Optimierung", "Schwindungsdifferenz höchstens"), "%",
       "schwinddiff"},
      {OptimiseLimit::SupplyAirTemperature, "maxSupplyAirTemperature", LV_TR_NOOP("Optimierung", "Zulufttemperatur höchstens"), "°C",
       "ThetaZuluft"},
      {OptimiseLimit::WaterBalanceError, "maxWaterBalanceError", LV_TR_NOOP("Optimierung", "Wasserbilanzfehler höchstens"), "%",
       "WasserfehlerProzent"},
  };
  return table;
}

const OptimiseGoalInfo& InfoOf(OptimiseGoal goal) { return OptimiseGoals()[static_cast<std::size_t>(goal)]; }
const OptimiseLimitInfo& InfoOf(OptimiseLimit limit) { return OptimiseLimits()[static_cast<std::size_t>(limit)]; }

std::string OptimiseValueText(double value, const char* unit) {
  if (!std::isfinite(value)) return "–";
  if (std::string(unit) == "s") return ResultOf("Zeit").shownText(value);
  return FormatSixDigits(value) + " " + unit;
}

namespace {

// The result a limit bounds, in the limit's unit; the water-balance error counts either way.
double LimitedValue(const OptimiseLimitInfo& info, const RunRecord& record) {
  const double value = ResultOf(info.resultKey).value(record);
  return info.id == OptimiseLimit::WaterBalanceError ? std::fabs(value) : value;
}

double GoalValue(const OptimiseProblem& problem, const RunRecord& record) {
  switch (problem.goal) {
    case OptimiseGoal::SpecificEnergy: return ResultOf("spezEnergie").value(record);
    case OptimiseGoal::DryingTime: return ResultOf("Zeit").value(record);
    case OptimiseGoal::HeaterPower: return PlantFiguresOf(*problem.plant, record).heaterPower;
  }
  return std::numeric_limits<double>::quiet_NaN();
}

std::vector<Input> DecisionInputs(const OptimiseProblem& problem) {
  std::vector<Input> inputs;
  for (const DecisionInput& d : problem.decisions) inputs.push_back(d.input);
  return inputs;
}

// Why the base case with this decision at this bound cannot run; empty if it can.
// `which` is the message with the bound's text and the reason to fill in.
std::string BoundProblem(const OptimiseProblem& problem, const DecisionInput& d, double bound, const std::string& which) {
  const std::vector<std::string> problems =
      CheckInputs(WithInputValues(problem.base, {d.input}, {bound}, ValueText::Exact));
  if (problems.empty()) return "";
  return InputCaptions({d.input}) + Filled(which, {ShownInputText(InputTextOf(bound)), problems.front()});
}

std::string DecisionProblem(const OptimiseProblem& problem, std::size_t i) {
  const DecisionInput& d = problem.decisions[i];
  const std::string name = InputCaptions({d.input});
  for (std::size_t j = 0; j < i; ++j) {
    if (problem.decisions[j].input == d.input) return name + Tr("Optimierung", ": mehrfach als Entscheidungsgröße gewählt");
  }
  if (!std::isfinite(d.lower) || !std::isfinite(d.upper)) return name + Tr("Optimierung", ": die Grenzen müssen endliche Zahlen sein");
  if (!(d.lower < d.upper)) return name + Tr("Optimierung", ": die untere Grenze muss kleiner als die obere sein");
  std::string bound =
      BoundProblem(problem, d, d.lower, Tr("Optimierung", ": mit der unteren Grenze %1 ist der Fall nicht zu rechnen (%2)"));
  if (bound.empty()) {
    bound = BoundProblem(problem, d, d.upper, Tr("Optimierung", ": mit der oberen Grenze %1 ist der Fall nicht zu rechnen (%2)"));
  }
  return bound;
}

std::string ConstraintProblem(const OptimiseProblem& problem, std::size_t i) {
  const OptimiseConstraint& c = problem.constraints[i];
  const std::string name = Tr("Optimierung", InfoOf(c.limit).caption);
  for (std::size_t j = 0; j < i; ++j) {
    if (problem.constraints[j].limit == c.limit) return name + Tr("Optimierung", ": mehrfach gesetzt");
  }
  if (!std::isfinite(c.atMost)) return name + Tr("Optimierung", ": die Grenze muss eine endliche Zahl sein");
  if (c.atMost <= 0) return name + Tr("Optimierung", ": die Grenze muss größer als 0 sein");
  return "";
}

}  // namespace

namespace {

// What the method sees for a run that did not complete: a goal far above any
// completed run's (of order one after scaling) and every limit exceeded by
// its own magnitude. COBYLA needs finite numbers.
constexpr double kFailedGoal = 1e6;
constexpr double kFailedExcess = 1;

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

bool Feasible(const SearchPoint& p) {
  if (p.outcome != RunOutcome::Completed || !std::isfinite(p.goal)) return false;
  return std::all_of(p.excess.begin(), p.excess.end(), [](double e) { return std::isfinite(e) && e <= 0; });
}

// One search: its runs in order, the best feasible one, the coordinates of the last.
struct Search {
  Search(const OptimiseProblem& p, OptimiseObserver* o, const StopRequest* r) : problem(p), observer(o), stop(r) {}

  const OptimiseProblem& problem;
  OptimiseObserver* observer;
  const StopRequest* stop;
  std::chrono::steady_clock::time_point begun = std::chrono::steady_clock::now();
  std::vector<Input> inputs = DecisionInputs(problem);
  std::vector<SearchScale> scales;
  std::vector<SearchPoint> path;
  std::vector<std::vector<double>> limitValues;  // per run: each constraint's result, NaN if not completed
  std::optional<std::size_t> best;
  std::vector<double> lastUnit;
  std::string firstFailure;  // why the first run that did not complete ended
  double goalScale = 1;
  nlopt_opt opt = nullptr;

  bool stopRequested() const { return stop != nullptr && stop->requested(); }
  SearchPoint run(const std::vector<double>& values);
  std::size_t at(const double* u);
};

SearchPoint Search::run(const std::vector<double>& values) {
  NoRunEvents none;
  RunOptions options;
  options.stop = stop;
  options.airIntegration = problem.airIntegration;
  const RunRecord record = RunCase(WithInputValues(problem.base, inputs, values, ValueText::Exact), none, options);
  SearchPoint p;
  p.values = values;
  p.outcome = record.outcome;
  const bool completed = record.outcome == RunOutcome::Completed;
  std::vector<double> limited;
  for (const OptimiseConstraint& c : problem.constraints) {
    limited.push_back(completed ? LimitedValue(InfoOf(c.limit), record) : kNoValue);
    p.excess.push_back(limited.back() - c.atMost);
  }
  p.goal = completed ? GoalValue(problem, record) : kNoValue;
  p.feasible = Feasible(p);
  if (!completed && firstFailure.empty()) {
    firstFailure = record.messages.empty() ? RunOutcomeName(record.outcome) : record.messages.front();
  }
  limitValues.push_back(std::move(limited));
  return p;
}

// The run at coordinates u: the last run again if u is its point, else a new
// run, recorded in the path. Forces NLopt to stop on a stop request or when
// the runs are used up.
std::size_t Search::at(const double* u) {
  const std::size_t n = inputs.size();
  if (!path.empty() && std::equal(u, u + n, lastUnit.begin())) return path.size() - 1;
  if (!path.empty() && (path.size() >= problem.maxRuns || stopRequested())) {
    if (opt != nullptr) nlopt_force_stop(opt);
    return path.size() - 1;
  }
  std::vector<double> values(n);
  for (std::size_t i = 0; i < n; ++i) values[i] = scales[i].fromUnit(u[i]);
  lastUnit.assign(u, u + n);
  path.push_back(run(values));
  const SearchPoint& p = path.back();
  if (p.feasible && (!best || p.goal < path[*best].goal)) best = path.size() - 1;
  if (observer != nullptr) {
    OptimiseProgress progress{path.size(), problem.maxRuns, std::nullopt, Seconds(begun)};
    if (best) progress.best = path[*best];
    observer->progress(progress);
  }
  if (stopRequested() && opt != nullptr) nlopt_force_stop(opt);
  return path.size() - 1;
}

// A constraint's excess at a run as a share of its limit: what the method compares.
double RelativeExcess(const Search& s, const SearchPoint& p, std::size_t i) {
  return p.excess[i] / std::fabs(s.problem.constraints[i].atMost);
}

double Objective(unsigned, const double* u, double*, void* data) {
  Search& s = *static_cast<Search*>(data);
  const SearchPoint& p = s.path[s.at(u)];
  return p.outcome == RunOutcome::Completed && std::isfinite(p.goal) ? p.goal / s.goalScale : kFailedGoal;
}

void Constraints(unsigned m, double* result, unsigned, const double* u, double*, void* data) {
  Search& s = *static_cast<Search*>(data);
  const SearchPoint& p = s.path[s.at(u)];
  for (unsigned i = 0; i < m; ++i) {
    const double e = RelativeExcess(s, p, i);
    result[i] = std::isfinite(e) ? e : kFailedExcess;
  }
}

// Runs the start (the base case's values, clamped into the bounds), then COBYLA from there.
void RunSearch(Search& s) {
  const InputReading reading = ReadInputs(s.problem.base);
  const std::size_t n = s.inputs.size();
  std::vector<double> u(n);
  for (std::size_t i = 0; i < n; ++i) {
    const DecisionInput& d = s.problem.decisions[i];
    s.scales.emplace_back(d.lower, d.upper);
    u[i] = s.scales[i].toUnit(reading.typed[static_cast<std::size_t>(d.input)].value_or(d.lower));
  }
  const SearchPoint& start = s.path[s.at(u.data())];
  if (std::isfinite(start.goal) && start.goal > 0) s.goalScale = start.goal;
  if (s.stopRequested() || s.problem.maxRuns <= 1) return;

  std::unique_ptr<nlopt_opt_s, void (*)(nlopt_opt)> opt(nlopt_create(NLOPT_LN_COBYLA, static_cast<unsigned>(n)),
                                                         nlopt_destroy);
  s.opt = opt.get();
  nlopt_set_lower_bounds1(s.opt, 0);
  nlopt_set_upper_bounds1(s.opt, 1);
  nlopt_set_min_objective(s.opt, Objective, &s);
  const std::size_t m = s.problem.constraints.size();
  if (m > 0) {
    const std::vector<double> tolerance(m, 0.0);
    nlopt_add_inequality_mconstraint(s.opt, static_cast<unsigned>(m), Constraints, &s, tolerance.data());
  }
  nlopt_set_initial_step1(s.opt, 0.15);
  nlopt_set_xtol_rel(s.opt, 1e-6);
  // Search::at stops at maxRuns whatever NLopt counts; its own count is an int.
  nlopt_set_maxeval(s.opt, static_cast<int>(std::min<std::size_t>(s.problem.maxRuns, INT_MAX)));
  double minimum = 0;
  nlopt_optimize(s.opt, u.data(), &minimum);  // the path holds every run; its best feasible one is the answer
  s.opt = nullptr;
}

}  // namespace

std::string OptimiseProblemError(const OptimiseProblem& problem) {
  const std::vector<std::string> base = CheckInputs(problem.base);
  if (!base.empty()) return Tr("Optimierung", "Der Ausgangsfall ist nicht zu rechnen: ") + base.front();
  if (problem.decisions.empty()) return Tr("Optimierung", "Keine Entscheidungsgröße gewählt: mindestens eine Eingabe muss variieren");
  for (std::size_t i = 0; i < problem.decisions.size(); ++i) {
    std::string p = DecisionProblem(problem, i);
    if (!p.empty()) return p;
  }
  for (std::size_t i = 0; i < problem.constraints.size(); ++i) {
    std::string p = ConstraintProblem(problem, i);
    if (!p.empty()) return p;
  }
  if (problem.goal == OptimiseGoal::HeaterPower) {
    if (!problem.plant) return Tr("Optimierung", "Das Ziel Heizleistung braucht den Durchsatz der Anlage");
    std::string p = PlantDataProblem(*problem.plant);
    if (!p.empty()) return p;
  }
  if (problem.maxRuns == 0) return Tr("Optimierung", "Höchstzahl der Läufe: mindestens 1");
  return "";
}

namespace {

std::vector<ConstraintState> ConstraintsAt(const Search& s, std::size_t point) {
  std::vector<ConstraintState> states;
  for (std::size_t i = 0; i < s.problem.constraints.size(); ++i) {
    const OptimiseConstraint& c = s.problem.constraints[i];
    const double value = s.limitValues[point][i];
    states.push_back({c, value, std::fabs(value - c.atMost) <= 0.01 * std::fabs(c.atMost), value > c.atMost});
  }
  return states;
}

// The completed run whose largest relative excess is least, and the constraint of that excess.
std::pair<std::size_t, std::size_t> LeastViolating(const Search& s) {
  std::pair<std::size_t, std::size_t> least{0, 0};
  double leastExcess = std::numeric_limits<double>::infinity();
  for (std::size_t k = 0; k < s.path.size(); ++k) {
    const SearchPoint& p = s.path[k];
    if (p.outcome != RunOutcome::Completed) continue;
    std::size_t worst = 0;
    for (std::size_t i = 1; i < p.excess.size(); ++i) {
      if (RelativeExcess(s, p, i) > RelativeExcess(s, p, worst)) worst = i;
    }
    const double excess = RelativeExcess(s, p, worst);
    if (excess < leastExcess) {
      leastExcess = excess;
      least = {k, worst};
    }
  }
  return least;
}

void ConcludeInfeasible(const Search& s, OptimiseResult& result) {
  const auto [point, blocked] = LeastViolating(s);
  const OptimiseConstraint& c = s.problem.constraints[blocked];
  const OptimiseLimitInfo& info = InfoOf(c.limit);
  result.status = OptimiseResult::Status::Infeasible;
  result.blockedBy = c.limit;
  result.values = s.path[point].values;
  result.goal = s.path[point].goal;
  result.constraints = ConstraintsAt(s, point);
  result.message = Filled(Tr("Optimierung", "Kein zulässiger Punkt gefunden: %1 %2 ist nicht einzuhalten, am nächsten kam %3 (%4 Läufe)"),
                          {Tr("Optimierung", info.caption), OptimiseValueText(c.atMost, info.unit),
                           OptimiseValueText(s.limitValues[point][blocked], info.unit), std::to_string(s.path.size())});
}

void ConcludeFound(Search& s, OptimiseResult& result) {
  const SearchPoint& best = s.path[*s.best];
  result.values = best.values;
  result.goal = best.goal;
  result.constraints = ConstraintsAt(s, *s.best);
  result.optimum = WithInputValues(s.problem.base, s.inputs, best.values, ValueText::AsTyped);
  const std::string goal =
      Tr("Optimierung", InfoOf(s.problem.goal).caption) + " " + OptimiseValueText(best.goal, InfoOf(s.problem.goal).unit);
  if (s.stopRequested()) {
    result.status = OptimiseResult::Status::Stopped;
    result.message = Filled(Tr("Optimierung", "Abgebrochen nach %1 Läufen; bester zulässiger Punkt bisher: %2"), {std::to_string(s.path.size()), goal});
    return;
  }
  result.status = OptimiseResult::Status::Found;
  // The check runs the texts a user takes over, as the reader reads them.
  const InputReading reading = ReadInputs(result.optimum);
  std::vector<double> typed;
  for (Input input : s.inputs) typed.push_back(reading.typed[static_cast<std::size_t>(input)].value_or(kNoValue));
  result.check = s.run(typed);
  std::string active;
  for (const ConstraintState& state : result.constraints) {
    if (state.active) active += (active.empty() ? "" : ", ") + Tr("Optimierung", InfoOf(state.constraint.limit).caption);
  }
  result.message = Filled(Tr("Optimierung", "Optimum gefunden: %1; aktive Grenzen: %2"),
                          {goal, active.empty() ? Tr("Optimierung", "keine") : active});
  if (!result.check->feasible) {
    result.message += Tr("Optimierung", ". Der Kontrolllauf mit den gerundeten Werten hält nicht jede Grenze ein");
  }
}

}  // namespace

OptimiseResult Optimise(const OptimiseProblem& problem, OptimiseObserver* observer, const StopRequest* stop) {
  OptimiseResult result;
  result.optimum = problem.base;
  result.message = OptimiseProblemError(problem);
  if (!result.message.empty()) return result;
  Search s(problem, observer, stop);
  RunSearch(s);
  const bool completedAny = std::any_of(s.path.begin(), s.path.end(),
                                        [](const SearchPoint& p) { return p.outcome == RunOutcome::Completed; });
  if (s.best) {
    ConcludeFound(s, result);
  } else if (s.stopRequested()) {
    result.status = OptimiseResult::Status::Stopped;
    result.message = Filled(Tr("Optimierung", "Abgebrochen nach %1 Läufen, ohne zulässigen Punkt"), {std::to_string(s.path.size())});
  } else if (!completedAny || problem.constraints.empty()) {
    result.message = completedAny ? Tr("Optimierung", "Das Ziel ist bei keinem Lauf zu berechnen")
                                  : Tr("Optimierung", "Kein Lauf wurde zu Ende gerechnet: ") + s.firstFailure;
  } else {
    ConcludeInfeasible(s, result);
  }
  result.path = std::move(s.path);
  result.runs = result.path.size() + (result.check ? 1 : 0);
  result.seconds = Seconds(s.begun);
  return result;
}

}  // namespace lamvero
