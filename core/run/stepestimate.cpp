#include "run/stepestimate.h"

#include <algorithm>
#include <cmath>

#include "inputs/inputcheck.h"
#include "inputs/inputreading.h"
#include "run/dryingrun.h"
#include "text/csvformat.h"
#include "text/language.h"
#include "text/numberformat.h"

namespace lamvero {

namespace {

// The drying time of the case at time step deltaT (s) on the estimate's
// coarse grid; nullopt when that run does not complete.
std::optional<double> DryingTime(const InputTexts& inputs, const InputValues& v, double deltaT) {
  InputTexts coarse = inputs;
  const int steps = std::min(SpatialStepCount(SpatialStepsText(v.Dicke, v.Ortsschrittweite)), kEstimateSpatialSteps);
  coarse[Input::deltaT] = CsvNumber(deltaT, CsvDialect::German);
  coarse[Input::Ortsschrittweite] = CsvNumber(v.Dicke / (2 * steps), CsvDialect::German);
  NoRunEvents events;
  RunOptions options;
  options.limits = RunLimits::Extended();
  const RunRecord run = RunCase(coarse, events, options);
  if (run.outcome != RunOutcome::Completed) return std::nullopt;
  return run.results.Zeit;
}

// Two significant digits are all the estimate can claim.
double Rounded(double steps) {
  const double unit = std::pow(10, std::floor(std::log10(steps)) - 1);
  return std::round(steps / unit) * unit;
}

}  // namespace

std::optional<double> EstimateTimeSteps(const InputTexts& inputs) {
  const InputReading reading = ReadInputs(inputs);
  if (!CheckInputs(inputs, reading).empty()) return std::nullopt;
  const InputValues& v = reading.values;
  const double coarseStep = std::max(v.deltaT, kEstimateTimeStep);
  const std::optional<double> rough = DryingTime(inputs, v, coarseStep);
  if (!rough) return std::nullopt;
  // A short run (a thin plate) is followed again in finer steps.
  const double finerStep = std::max(v.deltaT, *rough / kEstimateSteps);
  const std::optional<double> time = finerStep < coarseStep ? DryingTime(inputs, v, finerStep) : rough;
  if (!time) return std::nullopt;
  return *time / v.deltaT;
}

std::string SeriesFillWarning(const InputTexts& inputs) {
  const std::optional<double> steps = EstimateTimeSteps(inputs);
  if (!steps || *steps <= kMaxSeriesIndex) return "";
  return Filled(Tr("Lauf",
                   "Die Zeitreihen fassen höchstens %1 Zeitschritte; diese Rechnung braucht "
                   "voraussichtlich etwa %2."),
                {std::to_string(kMaxSeriesIndex), Format(Rounded(*steps), "#0")});
}

}  // namespace lamvero
