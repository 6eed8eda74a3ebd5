// `--refine=3` on the default case under extended limits: the time and the
// memory of each level (0: the case as entered, 3: an eighth of both steps,
// 800 spatial steps per half plate), and of the whole study on one worker
// per core. peak_rss_MB is the process's peak so far: the levels run from
// coarse to fine, so each level's figure is its own peak or an earlier one's;
// estimate_MB is what the study's memory check reckons for the level.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <thread>

#include "inputs/inputreading.h"
#include "run/dryingrun.h"
#include "run/stepestimate.h"
#include "study/memorybudget.h"
#include "study/refinement.h"
#include "study/studyrunner.h"

namespace lamvero {
namespace {

constexpr int kLevels = 3;

double PeakRssMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024;
}

void BM_RefinementLevelDefaultCase(benchmark::State& state) {
  const InputTexts level = RefinementLevels(InputTexts::Defaults(), kLevels)[static_cast<std::size_t>(state.range(0))];
  RunOptions options;
  options.limits = RunLimits::Extended();
  RunRecord record;
  for (auto _ : state) {
    NoRunEvents events;
    record = RunCase(level, events, options);
    if (record.outcome != RunOutcome::Completed) {
      state.SkipWithError("a refinement level did not complete");
      return;
    }
  }
  state.counters["spatial_steps"] = record.derived.AnzOS;
  state.counters["time_steps"] = record.results.Zeit / record.values.deltaT;
  state.counters["stored_points"] = record.series.points();
  state.counters["Zeit_h"] = record.results.Zeit / 3600;
  state.counters["DauerGegenstrom_h"] = record.results.DauerGegenstrom / 3600;
  state.counters["WasserdampfMax"] = record.results.WasserdampfMax;
  state.counters["estimate_MB"] = static_cast<double>(RunMemoryBytes(record.derived.AnzOS)) / (1 << 20);
  state.counters["peak_rss_MB"] = PeakRssMegabytes();
}
BENCHMARK(BM_RefinementLevelDefaultCase)->DenseRange(0, kLevels)->Iterations(1)->Unit(benchmark::kSecond);

class Completed : public StudyObserver {
 public:
  bool caseDone(std::size_t, CaseSummary summary) override {
    count += summary.outcome == RunOutcome::Completed;
    return true;
  }
  void progress(std::size_t, std::size_t) override {}
  std::size_t count = 0;
};

void BM_Refine3DefaultCase(benchmark::State& state) {
  const std::vector<InputTexts> levels = RefinementLevels(InputTexts::Defaults(), kLevels);
  StudyRunOptions options;
  options.jobs = std::max(1u, std::thread::hardware_concurrency());
  options.limits = RunLimits::Extended();
  for (auto _ : state) {
    Completed observer;
    RunStudy(levels.size(), [&](std::size_t i) { return levels[i]; }, observer, options);
    if (observer.count != levels.size()) {
      state.SkipWithError("a refinement level did not complete");
      return;
    }
  }
  state.counters["peak_rss_MB"] = PeakRssMegabytes();
}
BENCHMARK(BM_Refine3DefaultCase)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// What the question before Start costs: the estimate of the time steps, on the
// default case (0: the quick run at 1 s steps), a 40 mm plate at 0,05 s (1:
// the 1 s run, more than 500000 steps estimated) and a 2 mm plate at 1 ms
// (2: the 1 s run, then again at a twenty-thousandth of its drying time).
void BM_SeriesFillEstimate(benchmark::State& state) {
  InputTexts in = InputTexts::Defaults();
  if (state.range(0) == 1) {
    in[Input::Dicke] = "40";
    in[Input::deltaT] = "0,05";
  } else if (state.range(0) == 2) {
    in[Input::Dicke] = "2";
    in[Input::deltaT] = "0,001";
  }
  double steps = 0;
  for (auto _ : state) steps = EstimateTimeSteps(in).value_or(0);
  state.counters["estimated_steps"] = steps;
}
BENCHMARK(BM_SeriesFillEstimate)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lamvero
