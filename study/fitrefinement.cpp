#include "study/fitrefinement.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>

#include "study/fitjacobian.h"
#include "study/fitrun.h"

namespace lamvero {

namespace {

constexpr int kMaxSteps = 12;     // Jacobians at most
constexpr int kDampingTries = 4;  // candidates per Jacobian, each with ten times the damping before
constexpr double kFirstDamping = 1e-3;
constexpr double kLeastDamping = 1e-9;
// A step smaller than this share of every parameter's bounds ends the refinement.
constexpr double kSmallestStep = 1e-10;

// The damped Gauss-Newton step: the least-squares solution of
// [J; sqrt(damping) D] step = [-r; 0], D the columns' norms (Marquardt's
// scaling); a column of zeros gives its parameter no step.
std::vector<double> DampedStep(const std::vector<std::vector<double>>& columns, const std::vector<double>& residuals,
                               double damping) {
  const Eigen::Index n = static_cast<Eigen::Index>(residuals.size());
  const Eigen::Index p = static_cast<Eigen::Index>(columns.size());
  Eigen::MatrixXd a = Eigen::MatrixXd::Zero(n + p, p);
  Eigen::VectorXd b = Eigen::VectorXd::Zero(n + p);
  for (Eigen::Index j = 0; j < p; ++j) {
    a.block(0, j, n, 1) = Eigen::Map<const Eigen::VectorXd>(columns[j].data(), n);
    a(n + j, j) = std::sqrt(damping) * a.block(0, j, n, 1).norm();
  }
  b.head(n) = -Eigen::Map<const Eigen::VectorXd>(residuals.data(), n);
  const Eigen::VectorXd step = a.completeOrthogonalDecomposition().solve(b);
  return std::vector<double>(step.data(), step.data() + p);
}

double SumOfSquares(const std::vector<double>& r) {
  double sum = 0;
  for (double x : r) sum += x * x;
  return sum;
}

// The best point plus the step, inside the bounds; false when it does not move.
bool Moved(const FitProblem& problem, const std::vector<double>& best, const std::vector<double>& step,
           std::vector<double>& candidate) {
  bool moved = false;
  candidate = best;
  for (std::size_t j = 0; j < best.size(); ++j) {
    const FitParameter& p = problem.parameters[j];
    candidate[j] = std::clamp(best[j] + step[j], p.lower, p.upper);
    moved = moved || std::abs(candidate[j] - best[j]) > kSmallestStep * (p.upper - p.lower);
  }
  return moved;
}

}  // namespace

void RefineFit(const FitProblem& problem, const FitReadings& readings, FitSearchOutcome& search, FitObserver* observer,
               const StopRequest* stop, std::chrono::steady_clock::time_point started) {
  double damping = kFirstDamping;
  for (int step = 0; step < kMaxSteps && !search.bestModel.empty(); ++step) {
    const std::vector<double> residuals = readings.residuals(search.bestModel);
    const FitJacobian jacobian = JacobianAt(problem, readings, search.best, residuals, stop);
    search.runs += jacobian.runs;
    if (jacobian.stopped) search.ending = FitSearchOutcome::Ending::Stopped;
    if (jacobian.columns.empty()) return;
    bool lowered = false;
    for (int attempt = 0; attempt < kDampingTries && !lowered; ++attempt, damping *= 10) {
      std::vector<double> candidate;
      if (!Moved(problem, search.best, DampedStep(jacobian.columns, residuals, damping), candidate)) return;
      const FitRun run = RunFitCase(problem, readings, candidate, stop);
      ++search.runs;
      if (stop && stop->requested()) {
        search.ending = FitSearchOutcome::Ending::Stopped;
        return;
      }
      const double cost = run.model ? SumOfSquares(readings.residuals(*run.model)) : INFINITY;
      lowered = cost < search.bestCost;
      if (!lowered) continue;
      search.best = candidate;
      search.bestCost = cost;
      search.bestModel = *run.model;
      damping = std::max(damping / 100, kLeastDamping);  // the loop's step multiplies it by 10 again
    }
    ReportFitProgress(observer, search, problem.maxRuns, started);
    if (!lowered) return;
  }
}

}  // namespace lamvero
