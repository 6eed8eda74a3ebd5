#pragma once
// Finding the best dryer settings: chosen inputs (exhaust temperature and
// humidity, counter-current end temperature, ...) are varied within bounds
// to minimise a goal (specific energy, total drying time or heater power)
// under limits on the results (drying time, shrinkage difference, supply-air
// temperature, water-balance error), with NLopt's COBYLA, derivative-free
// with inequality constraints. A check run at the optimum confirms it.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "run/airintegration.h"
#include "run/plantfigures.h"
#include "run/runrecord.h"
#include "run/stoprequest.h"

namespace lamvero {

enum class OptimiseGoal {
  SpecificEnergy,  // spezEnergie, kJ per kg water
  DryingTime,      // Zeit at the end of the run, s
  HeaterPower,     // PlantFigures::heaterPower, kW: needs plant data
};
struct OptimiseGoalInfo {
  OptimiseGoal id;
  const char* key;      // "specificEnergy", "dryingTime", "heaterPower"
  const char* caption;  // "spezifischer Energiebedarf", ...
  const char* unit;     // "kJ/kg", "s", "kW"
};
const std::vector<OptimiseGoalInfo>& OptimiseGoals();

// An upper limit on a result of the run.
enum class OptimiseLimit {
  DryingTime,             // Zeit, s
  ShrinkageDifference,    // schwinddiff, %
  SupplyAirTemperature,   // ThetaZuluft, °C
  WaterBalanceError,      // |WasserfehlerProzent|, %
};
struct OptimiseLimitInfo {
  OptimiseLimit id;
  const char* key;          // "maxDryingTime", ...
  const char* caption;      // "Trocknungsdauer höchstens"
  const char* unit;         // "s", "%", "°C", "%"
  const char* resultKey;    // the result it limits: "Zeit", "schwinddiff", "ThetaZuluft", "WasserfehlerProzent"
};
const std::vector<OptimiseLimitInfo>& OptimiseLimits();

const OptimiseGoalInfo& InfoOf(OptimiseGoal goal);
const OptimiseLimitInfo& InfoOf(OptimiseLimit limit);

// A goal's or a limit's value in its unit as messages write it: a duration
// (unit "s") as h:mm:ss, any other to six significant digits with its unit;
// "–" for a value that is not finite.
std::string OptimiseValueText(double value, const char* unit);

struct OptimiseConstraint {
  OptimiseLimit limit;
  double atMost = 0;  // in the limit's unit
};

// An input the search may change, its bounds in the unit of its box, lower < upper.
struct DecisionInput {
  Input input;
  double lower = 0;
  double upper = 0;
};

struct OptimiseProblem {
  InputTexts base;
  OptimiseGoal goal = OptimiseGoal::SpecificEnergy;
  std::vector<OptimiseConstraint> constraints;  // the water-balance error at most 6 % is the usual one
  std::vector<DecisionInput> decisions;         // at least one, each input once
  std::optional<PlantData> plant;               // needed for HeaterPower
  unsigned jobs = 1;                            // runs at the same time where the method allows
  std::size_t maxRuns = 200;
  AirIntegration airIntegration = AirIntegration::Standard;
};

// Why the problem cannot be optimised, naming the input or limit by its caption; empty if it can.
std::string OptimiseProblemError(const OptimiseProblem& problem);

// One run of the search.
struct SearchPoint {
  std::vector<double> values;  // the decision inputs, box units
  RunOutcome outcome = RunOutcome::Completed;
  double goal = 0;             // NaN if the run did not complete
  // Each constraint's result minus its limit (> 0: violated), in the order of the constraints; NaN if not completed.
  std::vector<double> excess;
  bool feasible = false;       // completed and no excess > 0
};

struct ConstraintState {
  OptimiseConstraint constraint;
  double value = 0;   // the result at the optimum
  bool active = false;  // within 1 % of its limit (of the limit's magnitude) at the optimum
  bool violated = false;
};

struct OptimiseProgress {
  std::size_t runs = 0;
  std::size_t maxRuns = 0;
  std::optional<SearchPoint> best;  // the best feasible point so far
  double seconds = 0;
};

class OptimiseObserver {
 public:
  virtual ~OptimiseObserver() = default;
  virtual void progress(const OptimiseProgress& progress) = 0;  // after each run, on Optimise's thread
};

struct OptimiseResult {
  enum class Status {
    Found,       // a feasible optimum
    Infeasible,  // no run met every limit; blockedBy says which limit was missed
    Stopped,     // cancelled: the best feasible point so far, if any
    Failed,      // no run of the base case completed (message says why)
  };
  Status status = Status::Failed;
  std::string message;
  std::vector<double> values;                // the optimum, box units, in the order of the decisions
  double goal = 0;                           // its goal value
  std::vector<ConstraintState> constraints;  // at the optimum (for Infeasible: at the least violating point)
  // For Infeasible: the limit missed by the most at the least violating point, and a sentence naming it.
  std::optional<OptimiseLimit> blockedBy;
  std::vector<SearchPoint> path;             // every run of the search, in order
  std::optional<SearchPoint> check;          // the check run at the optimum
  std::size_t runs = 0;     // every run made: the path and the check run
  double seconds = 0;
  // base with the decision inputs written as their boxes show them; base itself without an optimum
  InputTexts optimum;
};

OptimiseResult Optimise(const OptimiseProblem& problem, OptimiseObserver* observer = nullptr,
                        const StopRequest* stop = nullptr);

}  // namespace lamvero
