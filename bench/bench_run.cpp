// A complete run with the default inputs, without a window: set-up, both
// drying periods and the evaluation, as the Start button runs them (the
// presenter formats every value for a display that shows nothing).

#include <benchmark/benchmark.h>

#include <memory>

#include "inputs/inputs.h"
#include "present/displayedrun.h"
#include "run/runevents.h"
#include "run/runstate.h"

namespace lamvero {
namespace {

void BM_CompleteRunDefaultInputs(benchmark::State& state) {
  auto s = std::make_unique<RunState>();  // the series are allocated once, as the window does
  const InputTexts inputs = InputTexts::Defaults();
  NullDisplay display;
  double steps = 0;
  for (auto _ : state) {
    const RunResult result = RunOnDisplay(*s, inputs, display);
    if (result.outcome != RunOutcome::Completed) {
      state.SkipWithError("the default run did not complete");
      return;
    }
    benchmark::DoNotOptimize(s->now.XBilanz);
    // Every step stores one point except the one that ends the first period.
    steps += s->record.series.nReihe + 1;
  }
  state.counters["steps"] = s->record.series.nReihe + 1;
  state.counters["time_per_step"] = benchmark::Counter(steps, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CompleteRunDefaultInputs)->Unit(benchmark::kMillisecond);

// The same run as a study runs it: a state of its own for every case, the
// record handed back by value, no listener.
void BM_RunCaseDefaultInputs(benchmark::State& state) {
  const InputTexts inputs = InputTexts::Defaults();
  NoRunEvents events;
  for (auto _ : state) {
    const RunRecord record = RunCase(inputs, events);
    if (record.outcome != RunOutcome::Completed) {
      state.SkipWithError("the default run did not complete");
      return;
    }
    benchmark::DoNotOptimize(record.results.XBilanz);
  }
}
BENCHMARK(BM_RunCaseDefaultInputs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lamvero
