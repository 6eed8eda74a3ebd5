// Optimising the dryer's settings: the least specific energy of the default
// plate over the counter-current end temperature and the exhaust humidity,
// under a drying-time limit and the usual water-balance limit. Reports the
// runs the search needed and the time per run.

#include <benchmark/benchmark.h>

#include "study/optimise.h"

namespace lamvero {
namespace {

void BM_OptimiseDefaultCase(benchmark::State& state) {
  OptimiseProblem p;
  p.base = InputTexts::Defaults();
  p.goal = OptimiseGoal::SpecificEnergy;
  p.decisions = {{Input::ThetaGegenstromende, 40, 120}, {Input::AbluftFeuchte, 50, 90}};
  p.constraints = {{OptimiseLimit::DryingTime, 6 * 3600}, {OptimiseLimit::WaterBalanceError, 6}};
  std::size_t runs = 0;
  for (auto _ : state) {
    const OptimiseResult r = Optimise(p);
    runs = r.runs;
    benchmark::DoNotOptimize(r.goal);
  }
  state.counters["runs"] = static_cast<double>(runs);
  state.counters["s_per_run"] = benchmark::Counter(static_cast<double>(runs) * static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_OptimiseDefaultCase)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace lamvero
