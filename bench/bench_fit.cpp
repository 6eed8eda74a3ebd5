// A two-parameter fit of the default case on 2 jobs: measurements made from
// the default case with another moisture conductivity and heat-transfer
// coefficient, the fit started from the default's values. Reports the runs
// it took (the Jacobian's included) and its time.

#include <benchmark/benchmark.h>

#include "run/dryingrun.h"
#include "run/runevents.h"
#include "study/fit.h"
#include "study/inputtext.h"

namespace lamvero {
namespace {

constexpr double kTrueFeuchteleit = 30;      // 10^(-9) m²/s; the default is 40
constexpr double kTrueWaermeuebergang = 42;  // W/(m² K); the default is 50
constexpr int kReadings = 20;

// Mean moisture and surface temperature at kReadings times over 95 % of the run.
MeasuredCurve DefaultCaseCurve() {
  InputTexts in = InputTexts::Defaults();
  in[Input::Feuchteleit] = ExactInputText(kTrueFeuchteleit);
  in[Input::Waermeuebergang] = ExactInputText(kTrueWaermeuebergang);
  NoRunEvents none;
  const RunRecord record = RunCase(in, none);
  const double end = record.series.tReihe[static_cast<std::size_t>(record.series.nReihe)];
  MeasuredCurve curve;
  for (int i = 1; i <= kReadings; ++i) {
    const double t = 0.95 * end * i / kReadings;
    curve.time.push_back(t);
    for (MeasuredQuantity q : {MeasuredQuantity::Moisture, MeasuredQuantity::SurfaceTemperature}) {
      curve[q].push_back(ModelValueAt(record, q, t));
    }
  }
  return curve;
}

void BM_FitDefaultCase(benchmark::State& state) {
  FitProblem problem;
  problem.base = InputTexts::Defaults();
  problem.data = DefaultCaseCurve();
  problem.parameters = {DefaultFitParameter(Input::Feuchteleit), DefaultFitParameter(Input::Waermeuebergang)};
  problem.weights = {1, 1, 0, 0};
  problem.jobs = 2;
  FitResult result;
  for (auto _ : state) {
    result = Fit(problem);
    benchmark::DoNotOptimize(result);
  }
  state.counters["runs"] = static_cast<double>(result.runs);
  state.counters["seconds"] = result.seconds;
  state.counters["feuchteleit"] = result.values.empty() ? 0 : result.values[0];
  state.counters["waermeuebergang"] = result.values.empty() ? 0 : result.values[1];
  state.counters["converged"] = result.status == FitResult::Status::Converged;
}
BENCHMARK(BM_FitDefaultCase)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace lamvero
