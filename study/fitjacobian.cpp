#include "study/fitjacobian.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>
#include <thread>

#include "text/language.h"
#include "study/fitrun.h"

namespace lamvero {

namespace {

// A point beside the optimum: parameter `parameter` set to `value`.
struct SidePoint {
  std::size_t parameter;
  double value;
  FitRun run;
  bool ran = false;
};

std::vector<SidePoint> SidePoints(const FitProblem& problem, const std::vector<double>& values, double relativeStep,
                                  std::vector<double>& below, std::vector<double>& above) {
  std::vector<SidePoint> points;
  for (std::size_t j = 0; j < values.size(); ++j) {
    const FitParameter& p = problem.parameters[j];
    const double step = relativeStep * (values[j] != 0 ? std::abs(values[j]) : p.upper - p.lower);
    below[j] = std::max(p.lower, values[j] - step);
    above[j] = std::min(p.upper, values[j] + step);
    if (below[j] != values[j]) points.push_back({j, below[j], {}, false});
    if (above[j] != values[j]) points.push_back({j, above[j], {}, false});
  }
  return points;
}

void RunSidePoints(const FitProblem& problem, const FitReadings& readings, const std::vector<double>& values,
                   std::vector<SidePoint>& points, const StopRequest* stop) {
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t k = next++; k < points.size(); k = next++) {
      if (stop && stop->requested()) return;
      std::vector<double> moved = values;
      moved[points[k].parameter] = points[k].value;
      points[k].run = RunFitCase(problem, readings, moved, stop);
      points[k].ran = true;
    }
  };
  const unsigned workers = static_cast<unsigned>(std::min<std::size_t>(std::max(problem.jobs, 1u), points.size()));
  std::vector<std::thread> threads;
  for (unsigned w = 1; w < workers; ++w) threads.emplace_back(work);
  work();
  for (std::thread& t : threads) t.join();
}

}  // namespace

FitJacobian JacobianAt(const FitProblem& problem, const FitReadings& readings, const std::vector<double>& values,
                       const std::vector<double>& residuals, const StopRequest* stop, double relativeStep) {
  FitJacobian jacobian;
  std::vector<double> below(values.size()), above(values.size());
  std::vector<SidePoint> points = SidePoints(problem, values, relativeStep, below, above);
  RunSidePoints(problem, readings, values, points, stop);
  std::vector<std::vector<double>> lower(values.size(), residuals), upper(values.size(), residuals);
  bool failed = false;
  for (const SidePoint& point : points) {
    if (point.ran) ++jacobian.runs;
    if (!point.run.model) {
      failed = true;
      if (point.ran && jacobian.problem.empty()) {
        jacobian.problem = Tr("Anpassung", "Ein Lauf neben dem Optimum endete nicht") +
                           (point.run.messages.empty() ? std::string(".") : ": " + point.run.messages.front());
      }
      continue;
    }
    (point.value < values[point.parameter] ? lower : upper)[point.parameter] = readings.residuals(*point.run.model);
  }
  jacobian.stopped = stop && stop->requested();
  if (failed) return jacobian;
  for (std::size_t j = 0; j < values.size(); ++j) {
    std::vector<double> column(residuals.size());
    for (std::size_t i = 0; i < residuals.size(); ++i) column[i] = (upper[j][i] - lower[j][i]) / (above[j] - below[j]);
    jacobian.columns.push_back(std::move(column));
  }
  return jacobian;
}

}  // namespace lamvero
