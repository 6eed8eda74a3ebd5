// The accuracy estimate and the choice of steps on the default case: the time
// the background estimate takes beside a run (one level of Δx/2 with Δt/4,
// about eight times the run), on one thread and on one per core, and the time
// --auto-steps takes to choose steps for 5 % (three levels) and to find that
// 1 % needs a grid beyond 500 steps per half plate (found = 0).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <thread>

#include "study/accuracy.h"
#include "study/autosteps.h"

namespace lamvero {
namespace {

void BM_AccuracyEstimateDefaultCase(benchmark::State& state) {
  AccuracyOptions options;
  options.threads = static_cast<unsigned>(state.range(0));
  for (auto _ : state) {
    const Outcome<AccuracyEstimate> estimate = EstimateAccuracy(InputTexts::Defaults(), options);
    if (!estimate) {
      state.SkipWithError(estimate.message().c_str());
      return;
    }
    benchmark::DoNotOptimize(estimate->results.size());
  }
}
BENCHMARK(BM_AccuracyEstimateDefaultCase)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

// range(0): the tolerance in %.
void BM_AutoStepsDefaultCase(benchmark::State& state) {
  AutoStepsOptions options;
  options.tolerancePercent = static_cast<double>(state.range(0));
  options.threads = std::max(1u, std::thread::hardware_concurrency());
  bool found = false;
  int runs = 0;
  for (auto _ : state) {
    const Outcome<AutoSteps> steps = ChooseSteps(InputTexts::Defaults(), options);
    found = steps.ok();
    runs = found ? steps->runs : 0;
  }
  state.counters["found"] = found;
  state.counters["runs"] = runs;
}
BENCHMARK(BM_AutoStepsDefaultCase)->Arg(5)->Arg(1)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace lamvero
