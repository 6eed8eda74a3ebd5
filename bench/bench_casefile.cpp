// Case files and the series table of the default run: writing and reading
// the text with all series, and the size it comes to; refusing hostile files.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "files/casefile.h"
#include "files/csvexport.h"
#include "present/display.h"
#include "present/displayedrun.h"

namespace lamvero {
namespace {

const CaseFile& DefaultCase() {
  static const CaseFile file = [] {
    NullDisplay none;
    CaseFile f;
    f.run = CaseRunOf(RunCaseOnDisplay(f.inputs, none), "2026-01-01T00:00:00Z", "Lamvero");
    return f;
  }();
  return file;
}

void BM_CaseFileTextWithSeries(benchmark::State& state) {
  const CaseFile& f = DefaultCase();
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = CaseFileText(f, true);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["file_MB"] = static_cast<double>(bytes) / (1 << 20);
  state.counters["points"] = f.run->record.series.points();
}
BENCHMARK(BM_CaseFileTextWithSeries)->Unit(benchmark::kMillisecond);

void BM_ReadCaseFileTextWithSeries(benchmark::State& state) {
  const std::string text = CaseFileText(DefaultCase(), true);
  for (auto _ : state) {
    const Outcome<CaseFile> read = ReadCaseFileText(text, nullptr);
    if (!read) {
      state.SkipWithError(read.message().c_str());
      return;
    }
    benchmark::DoNotOptimize(read->run->record.series.nReihe);
  }
  state.counters["file_MB"] = static_cast<double>(text.size()) / (1 << 20);
}
BENCHMARK(BM_ReadCaseFileTextWithSeries)->Unit(benchmark::kMillisecond);

void BM_SeriesCsvGerman(benchmark::State& state) {
  const RunSeries& series = DefaultCase().run->record.series;
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    WriteSeriesCsv(series, CsvDialect::German, 1, [&](std::string_view piece) {
      bytes += piece.size();
      return true;
    });
  }
  state.counters["table_MB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_SeriesCsvGerman)->Unit(benchmark::kMillisecond);

// Refusing a hostile file of state.range(0) MB: empty objects in a list, or
// numbers (parsed up to the most values a sound file holds). Time in
// proportion to the size.
std::string HostileText(int shape, std::size_t bytes) {
  const std::string item = shape == 0 ? "{}," : "0,";
  std::string text = "[";
  while (text.size() + item.size() + 2 < bytes) text += item;
  return text + "0]";
}

void BM_RefuseHostileCaseFile(benchmark::State& state) {
  const std::string text = HostileText(static_cast<int>(state.range(1)), static_cast<std::size_t>(state.range(0)) << 20);
  for (auto _ : state) {
    const Outcome<CaseFile> read = ReadCaseFileText(text, nullptr);
    if (read) {
      state.SkipWithError("a hostile file was read");
      return;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_RefuseHostileCaseFile)->ArgsProduct({{3, 24}, {0, 1}})->ArgNames({"MB", "numbers"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lamvero
