// The fit runs NLopt's BOBYQA, a derivative-free method for bounded
// problems: a run's outputs move in small jumps with its parameters (the
// time stepping), so a method that builds its own quadratic model from the
// costs is sturdier than one that differentiates them, and the bounds keep
// every run inside the range the user allowed. NLopt rather than Ceres: one
// library serves both this bounded fit and the constrained optimisation of
// the dryer's settings, it needs no derivatives for either, and Debian ships
// it. The search moves on each parameter's search coordinate in [0, 1]
// (logarithmic over a decade or more), so that one step size suits a
// moisture conductivity and a temperature alike. Two parameters that act
// almost alike (the moisture conductivity and the heat-transfer coefficient
// both set the drying rate) put the optimum at the end of a long, narrow
// valley, where the runs' small jumps stall BOBYQA; Gauss-Newton steps along
// the Jacobian of the residuals finish the way from its best point
// (study/fitrefinement.h). The statistics at the optimum come from that
// Jacobian by central differences, whose runs are the ones that can go in
// parallel.

#include "study/fit.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <set>

#include "text/language.h"
#include "inputs/inputcheck.h"
#include "study/fitjacobian.h"
#include "study/fitreadings.h"
#include "study/fitrefinement.h"
#include "study/fitrun.h"
#include "study/fitsearch.h"
#include "study/fitstatistics.h"
#include "study/inputtext.h"

namespace lamvero {

namespace {

// A value this share of its bounds' width from a bound lies on it.
constexpr double kOnBound = 1e-6;

std::string Quoted(MeasuredQuantity q) { return Filled(Tr("Anpassung", "„%1“"), {Tr("Ergebnisse", InfoOf(q).caption)}); }

std::string ParameterError(const FitProblem& problem) {
  std::set<Input> seen;
  for (const FitParameter& p : problem.parameters) {
    if (!seen.insert(p.input).second) return Filled(Tr("Anpassung", "%1 ist mehrfach gewählt."), {QuotedCaption(p.input)});
    if (!std::isfinite(p.lower) || !std::isfinite(p.upper)) {
      return Filled(Tr("Anpassung", "Die Schranken von %1 müssen endliche Zahlen sein."), {QuotedCaption(p.input)});
    }
    if (!(p.lower < p.upper))
      return Filled(Tr("Anpassung", "Die untere Schranke von %1 muss kleiner als die obere sein."), {QuotedCaption(p.input)});
    for (const double bound : {p.lower, p.upper}) {
      const InputTexts texts = WithInputValues(problem.base, {p.input}, {bound}, ValueText::Exact);
      const std::vector<InputProblem> problems = FindInputProblems(texts);
      for (const InputProblem& found : problems) {
        if (std::find(found.fields.begin(), found.fields.end(), p.input) == found.fields.end()) continue;
        return Filled(bound == p.lower ? Tr("Anpassung", "Untere Schranke von %1: %2")
                                       : Tr("Anpassung", "Obere Schranke von %1: %2"),
                      {QuotedCaption(p.input), found.text});
      }
    }
  }
  return "";
}

std::string DataError(const FitProblem& problem) {
  const MeasuredCurve& data = problem.data;
  for (std::size_t i = 0; i < data.time.size(); ++i) {
    if (!std::isfinite(data.time[i]) || (i > 0 && !(data.time[i] > data.time[i - 1]))) {
      return Filled(Tr("Anpassung", "Die Messzeiten müssen endlich sein und streng steigen (Punkt %1)."), {std::to_string(i + 1)});
    }
  }
  bool anyWeight = false;
  for (const MeasuredQuantityInfo& info : MeasuredQuantities()) {
    const double w = problem.weights[static_cast<std::size_t>(info.id)];
    if (!std::isfinite(w) || w < 0) return Filled(Tr("Anpassung", "Das Gewicht von %1 muss eine Zahl ab 0 sein."), {Quoted(info.id)});
    if (data.has(info.id) && data[info.id].size() != data.time.size()) {
      return Filled(Tr("Anpassung", "Die Messreihe %1 hat nicht so viele Werte wie Messzeiten."), {Quoted(info.id)});
    }
    anyWeight = anyWeight || w > 0;
  }
  if (!anyWeight) return Tr("Anpassung", "Keine Messgröße zählt: alle Gewichte sind 0.");
  const std::size_t counted = FitReadings(data, problem.weights).count();
  if (counted < kMinMeasuredPoints) {
    return Filled(Tr("Anpassung", "Nur %1 Messwerte zählen; die Anpassung braucht mindestens %2."),
                  {std::to_string(counted), std::to_string(kMinMeasuredPoints)});
  }
  return "";
}

std::vector<FitQuantityFigures> FiguresOf(const FitReadings& readings, const std::vector<double>& model) {
  std::vector<FitQuantityFigures> figures;
  const std::vector<FitReading>& all = readings.readings();
  for (MeasuredQuantity q : readings.quantities()) {
    double sum = 0;
    std::size_t n = 0;
    for (const FitReading& r : all) {
      if (r.quantity != q) continue;
      sum += r.measured;
      ++n;
    }
    // Deviations from the mean summed as such: a temperature near 30 °C that
    // varies by a few K would lose its digits in a sum of squares less n mean².
    const double mean = sum / static_cast<double>(n);
    double total = 0, residualSquares = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
      if (all[i].quantity != q) continue;
      total += (all[i].measured - mean) * (all[i].measured - mean);
      residualSquares += (model[i] - all[i].measured) * (model[i] - all[i].measured);
    }
    const double r2 = total > 0 ? 1 - residualSquares / total : std::nan("");
    figures.push_back({q, n, std::sqrt(residualSquares / static_cast<double>(n)), r2});
  }
  return figures;
}

void AppendRemark(FitResult& result, const std::string& remark) {
  result.message += (result.message.empty() ? "" : " ") + remark;
}

// Values, bounds, curves and figures of the search's best run.
void TakeBest(const FitProblem& problem, const FitReadings& readings, const FitSearchOutcome& search,
              FitResult& result) {
  result.values = search.best;
  std::vector<Input> onBound;
  for (std::size_t j = 0; j < problem.parameters.size(); ++j) {
    const FitParameter& p = problem.parameters[j];
    const double margin = kOnBound * (p.upper - p.lower);
    result.atBound.push_back(search.best[j] - p.lower <= margin || p.upper - search.best[j] <= margin);
    if (result.atBound.back()) onBound.push_back(p.input);
  }
  if (!onBound.empty()) AppendRemark(result, Filled(Tr("Anpassung", "Schranke erreicht: %1."), {InputCaptions(onBound)}));
  result.fitted = WithInputValues(problem.base, FittedInputs(problem), result.values, ValueText::AsTyped);
  if (search.bestModel.empty()) return;
  result.cost = search.bestCost;
  result.figures = FiguresOf(readings, search.bestModel);
  for (std::size_t i = 0; i < readings.count(); ++i) {
    const FitReading& r = readings.readings()[i];
    result.residuals.push_back({r.quantity, r.time, r.measured, search.bestModel[i]});
  }
}

// Intervals, correlation or why there are none, from the Jacobian at the best point.
void AddStatistics(const FitProblem& problem, const FitReadings& readings, const FitSearchOutcome& search,
                   const StopRequest* stop, FitResult& result) {
  const FitJacobian jacobian = JacobianAt(problem, readings, search.best, readings.residuals(search.bestModel), stop);
  result.runs += jacobian.runs;
  if (jacobian.stopped) {
    result.status = FitResult::Status::Stopped;
    return;
  }
  if (jacobian.columns.empty()) {
    result.identifiability = Tr("Anpassung", "Keine Vertrauensbereiche: ") + jacobian.problem;
    return;
  }
  std::vector<double> ranges;
  for (const FitParameter& p : problem.parameters) ranges.push_back(p.upper - p.lower);
  FitStatistics statistics = StatisticsOf(jacobian.columns, ranges, search.bestCost, FittedInputs(problem));
  result.halfWidth95 = std::move(statistics.halfWidth95);
  result.correlation = std::move(statistics.correlation);
  result.notIdentifiable = std::move(statistics.notIdentifiable);
  result.identifiability = std::move(statistics.identifiability);
}

}  // namespace

FitParameter DefaultFitParameter(Input input) {
  const InputField& field = FieldOf(input);
  return {input, field.usualMin, field.usualMax};
}

std::string FitProblemError(const FitProblem& problem) {
  if (problem.parameters.empty()) return Tr("Anpassung", "Es ist kein Parameter zum Anpassen gewählt.");
  if (problem.maxRuns == 0) return Tr("Anpassung", "Die Höchstzahl der Läufe muss mindestens 1 sein.");
  const std::vector<std::string> baseProblems = CheckInputs(problem.base);
  if (!baseProblems.empty()) return Tr("Anpassung", "Ausgangsfall: ") + baseProblems.front();
  std::string error = ParameterError(problem);
  return error.empty() ? DataError(problem) : error;
}

FitResult Fit(const FitProblem& problem, FitObserver* observer, const StopRequest* stop) {
  const auto started = std::chrono::steady_clock::now();
  const FitReadings readings(problem.data, problem.weights);
  FitSearchOutcome search = SearchFit(problem, readings, observer, stop, started);
  if (search.ending != FitSearchOutcome::Ending::Stopped) RefineFit(problem, readings, search, observer, stop, started);
  FitResult result;
  result.runs = search.runs;
  TakeBest(problem, readings, search, result);
  if (search.ending == FitSearchOutcome::Ending::Stopped) {
    result.status = FitResult::Status::Stopped;
  } else if (search.bestModel.empty()) {
    result.status = FitResult::Status::Failed;
    result.message = Tr("Anpassung", "Kein Lauf der Anpassung ist vollständig durchgelaufen") +
                     (search.messages.empty() ? std::string(".") : ": " + search.messages.front());
  } else {
    result.status = FitResult::Status::Converged;
    if (search.ending == FitSearchOutcome::Ending::MaxRuns) {
      AppendRemark(result, Filled(Tr("Anpassung", "Nach %1 Läufen abgebrochen, ohne dass die Werte sich festgelegt haben."),
                                  {std::to_string(problem.maxRuns)}));
    }
    AddStatistics(problem, readings, search, stop, result);
  }
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return result;
}

}  // namespace lamvero
