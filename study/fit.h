#pragma once
// Fitting a case to a measured drying curve: chosen numeric inputs are varied
// within bounds until the run's curves match the measured points in the
// least-squares sense (NLopt's BOBYQA, derivative-free and bounded). At the
// optimum the Jacobian of the residuals, taken by central differences with
// its runs in parallel, gives 95 % confidence intervals and the parameters'
// correlation, or says which parameters the data cannot tell apart.

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "run/airintegration.h"
#include "run/measuredcurve.h"
#include "run/runlimits.h"
#include "run/stoprequest.h"

namespace lamvero {

// An input to fit, its bounds in the unit of its box (Feuchteleit in
// 10^(-9) m²/s, the humidities in %), lower < upper.
struct FitParameter {
  Input input;
  double lower = 0;
  double upper = 0;
};

// The bounds a fit offers for an input when the user names none: the
// field's usual range.
FitParameter DefaultFitParameter(Input input);

struct FitProblem {
  InputTexts base;  // the case as typed; each run replaces the fitted inputs' texts
  MeasuredCurve data;
  std::vector<FitParameter> parameters;  // at least one, each input once
  // Weight of each measured quantity; 0 leaves it out. A quantity the data
  // lack counts with weight 0 whatever is given here.
  std::array<double, kMeasuredQuantityCount> weights{1, 0, 0, 0};
  unsigned jobs = 1;  // runs at the same time where the method allows (the Jacobian)
  // The search stops after so many runs; the Jacobians' and the steps along
  // them that finish the fit come on top.
  std::size_t maxRuns = 300;
  AirIntegration airIntegration = AirIntegration::Standard;
};

// Why the problem cannot be fitted, naming the input or the quantity by its
// caption; empty if it can.
std::string FitProblemError(const FitProblem& problem);

struct FitProgress {
  std::size_t runs = 0;       // runs so far
  double bestCost = 0;        // the smallest weighted sum of squares so far
  std::vector<double> best;   // the parameters of that run, in box units
  double seconds = 0;         // since the fit started
  std::size_t maxRuns = 0;    // the problem's maxRuns: what a time-left estimate counts towards
};

struct FitResidual {
  MeasuredQuantity quantity;
  double time = 0;      // s
  double measured = 0;  // in the quantity's unit
  double model = 0;     // the fitted run's value at that time
};

struct FitQuantityFigures {
  MeasuredQuantity quantity;
  std::size_t points = 0;
  double rmse = 0;  // in the quantity's unit
  double r2 = 0;    // 1 - SSR/SST of that quantity
};

struct FitResult {
  enum class Status {
    Converged,  // the method met its tolerance, or used up maxRuns (the message says so)
    Stopped,    // cancelled: the best point so far is reported, no intervals
    Failed,     // no run of the base case completed (message says why)
  };
  Status status = Status::Failed;
  std::string message;                 // for Failed, or a remark ("Schranke erreicht: …")
  std::vector<double> values;          // fitted values, box units, in the order of the parameters
  std::vector<bool> atBound;           // whether a value lies on its bound
  // 95 % confidence half-widths (value ± halfWidth), box units; empty when
  // the Jacobian at the optimum is singular.
  std::vector<double> halfWidth95;
  std::vector<std::vector<double>> correlation;  // empty like halfWidth95
  // When the intervals are refused: the parameters that cannot be told
  // apart (indices into parameters), and a sentence saying so by caption.
  std::vector<std::size_t> notIdentifiable;
  std::string identifiability;
  double cost = 0;  // weighted sum of squares at the optimum
  std::vector<FitQuantityFigures> figures;  // one per counted quantity
  std::vector<FitResidual> residuals;       // every counted point, in time order per quantity
  std::size_t runs = 0;                     // every run, the Jacobian's included
  double seconds = 0;
  InputTexts fitted;  // base with each fitted input written as a user types it (InputTextOf)
};

class FitObserver {
 public:
  virtual ~FitObserver() = default;
  // After each run of the search, on the thread that called Fit.
  virtual void progress(const FitProgress& progress) = 0;
};

// Runs the fit; stop cancels it (the best point so far is kept). Never throws
// for a problem FitProblemError accepts.
FitResult Fit(const FitProblem& problem, FitObserver* observer = nullptr, const StopRequest* stop = nullptr);

}  // namespace lamvero
