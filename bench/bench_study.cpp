// A study of 64 default-sized cases on worker threads: cases per second on
// one worker and on one per core, and the cost of a case outside its run (a
// fresh run state per case, the summary, the ordered hand-over).
// Compare cases_per_s of jobs:1 with 1 / BM_CompleteRunDefaultInputs (and
// BM_RunCaseDefaultInputs, a state of its own per run), and jobs:N with N x
// that rate; cpu_ms_per_case shows the same on a machine others are using.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <string>
#include <thread>

#include "study/studyplan.h"
#include "study/studyrunner.h"

namespace lamvero {
namespace {

constexpr std::size_t kStudyCases = 64;

// The default inputs, with the temperature of the entering bodies from 0 to
// 63 °C: it enters only the energy balance, so every case is as long as the
// default run.
StudyPlan DefaultSizedStudy() {
  StudyAxis axis{Input::ThetaEinf, {}};
  for (std::size_t t = 0; t < kStudyCases; ++t) axis.texts.push_back(std::to_string(t));
  return StudyPlan::Make(InputTexts::Defaults(), {}, {axis}).value();
}

class CountingObserver : public StudyObserver {
 public:
  bool caseDone(std::size_t, CaseSummary summary) override {
    completed += summary.outcome == RunOutcome::Completed;
    return true;
  }
  void progress(std::size_t, std::size_t) override {}
  std::size_t completed = 0;
};

// CPU time of the whole process (every thread), s.
double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         1e-6 * static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

void BM_StudyOf64DefaultCases(benchmark::State& state) {
  const StudyPlan plan = DefaultSizedStudy();
  StudyRunOptions options;
  options.jobs = static_cast<unsigned>(state.range(0));
  const double cpuBefore = ProcessCpuSeconds();
  for (auto _ : state) {
    CountingObserver observer;
    RunStudy(plan.size(), [&](std::size_t i) { return plan.caseInputs(i); }, observer, options);
    if (observer.completed != plan.size()) {
      state.SkipWithError("a default-sized case did not complete");
      return;
    }
  }
  state.counters["cases_per_s"] =
      benchmark::Counter(static_cast<double>(plan.size()) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  // On a busy machine the wall-clock rate says little about scaling; the CPU
  // time per case on all threads shows whether the workers slow each other down.
  state.counters["cpu_ms_per_case"] = 1000 * (ProcessCpuSeconds() - cpuBefore) /
                                      (static_cast<double>(plan.size()) * static_cast<double>(state.iterations()));
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;  // of the whole process so far
}
BENCHMARK(BM_StudyOf64DefaultCases)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace lamvero
