// A study of 10 000 quick cases kept as the Studie window keeps them (the
// varied texts, outcome, messages and key results of every row): cases per
// second on one worker and on one per core, the memory the rows take, and the
// cost of a case in a study against the same run called directly.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>

#include "common/quickinputs.h"
#include "common/rowcollector.h"
#include "run/dryingrun.h"
#include "run/runevents.h"
#include "study/studyplan.h"
#include "study/studyresults.h"
#include "study/studyrunner.h"

namespace lamvero {
namespace {

constexpr std::size_t kQuickCases = 10000;

// The quick plate with the temperature of the entering bodies from 20,0000 to
// 20,9999 °C: it enters only the energy balance, so every case runs as long.
StudyPlan QuickStudy(std::size_t cases) {
  StudyAxis axis{Input::ThetaEinf, {}};
  char text[16];
  for (std::size_t i = 0; i < cases; ++i) {
    std::snprintf(text, sizeof text, "20,%04zu", i);
    axis.texts.push_back(text);
  }
  return StudyPlan::Make(testing::QuickInputs(), {}, {axis}).value();
}

// The rows of a study as the Studie window keeps them.
struct KeptRows {
  explicit KeptRows(std::vector<Input> fields) { results.variedFields = std::move(fields); }
  StudyResults results;
  testing::RowCollector collector{results};
};

// CPU time of the whole process (every thread), s.
double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         1e-6 * static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

double PeakRssMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024;
}

// The bytes a kept row holds, its strings' buffers included.
std::size_t RowBytes(const StudyRow& row) {
  std::size_t bytes = sizeof row;
  for (const std::string& text : row.varied) bytes += sizeof text + (text.capacity() > 15 ? text.capacity() : 0);
  for (const std::string& text : row.messages) bytes += sizeof text + (text.capacity() > 15 ? text.capacity() : 0);
  return bytes;
}

void BM_StudyOf10000QuickCases(benchmark::State& state) {
  const StudyPlan plan = QuickStudy(kQuickCases);
  StudyRunOptions options;
  options.jobs = static_cast<unsigned>(state.range(0));
  const double cpuBefore = ProcessCpuSeconds();
  std::size_t rowBytes = 0;
  for (auto _ : state) {
    KeptRows observer(plan.variedFields());
    RunStudy(plan.size(), [&](std::size_t i) { return plan.caseInputs(i); }, observer.collector, options);
    if (observer.results.rows.size() != plan.size() ||
        std::any_of(observer.results.rows.begin(), observer.results.rows.end(),
                    [](const StudyRow& row) { return row.outcome != RunOutcome::Completed; })) {
      state.SkipWithError("a quick case did not complete");
      return;
    }
    rowBytes = observer.results.rows.capacity() * sizeof(StudyRow);
    for (const StudyRow& row : observer.results.rows) rowBytes += RowBytes(row) - sizeof row;
  }
  const double cases = static_cast<double>(plan.size()) * static_cast<double>(state.iterations());
  state.counters["cases_per_s"] = benchmark::Counter(cases, benchmark::Counter::kIsRate);
  state.counters["cpu_ms_per_case"] = 1000 * (ProcessCpuSeconds() - cpuBefore) / cases;
  state.counters["rows_MB"] = static_cast<double>(rowBytes) / (1024 * 1024);
  state.counters["peak_rss_MB"] = PeakRssMegabytes();  // of the whole process so far
}
BENCHMARK(BM_StudyOf10000QuickCases)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

// The same quick cases once called directly (RunCase, nothing kept) and once
// as a study on one worker (a fresh state, the summary, the ordered
// hand-over, the kept row). Alternating blocks share whatever else the
// machine is doing; the counter is the study's extra CPU time per case.
void BM_QuickStudyOverheadAgainstDirectRuns(benchmark::State& state) {
  constexpr std::size_t kBlock = 250;
  const StudyPlan plan = QuickStudy(kBlock);
  StudyRunOptions options;
  options.jobs = 1;
  double direct = 0;
  double study = 0;
  NoRunEvents events;
  for (auto _ : state) {
    double start = ProcessCpuSeconds();
    for (std::size_t i = 0; i < plan.size(); ++i) {
      const RunRecord record = RunCase(plan.caseInputs(i), events);
      benchmark::DoNotOptimize(record.results.XBilanz);
    }
    direct += ProcessCpuSeconds() - start;
    start = ProcessCpuSeconds();
    KeptRows observer(plan.variedFields());
    RunStudy(plan.size(), [&](std::size_t i) { return plan.caseInputs(i); }, observer.collector, options);
    study += ProcessCpuSeconds() - start;
  }
  const double cases = static_cast<double>(plan.size()) * static_cast<double>(state.iterations());
  state.counters["direct_ms_per_case"] = 1000 * direct / cases;
  state.counters["study_ms_per_case"] = 1000 * study / cases;
  state.counters["overhead_percent"] = 100 * (study / direct - 1);
}
BENCHMARK(BM_QuickStudyOverheadAgainstDirectRuns)->Unit(benchmark::kSecond)->Iterations(8);

}  // namespace
}  // namespace lamvero
