#include "study/memorybudget.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <numeric>
#include <sstream>
#include <string>

#include "text/language.h"
#include "inputs/inputreading.h"
#include "run/runrecord.h"

namespace lamvero {

namespace {

// The profile, nine solver arrays of doubles and one of floats, per node.
constexpr std::uint64_t kGridBytesPerNode = 10 * sizeof(double) + sizeof(float);
// Per stored point: the twelve series and the thinning's ordinal.
constexpr std::uint64_t kSeriesBytesPerPoint = RunSeries::kCount * sizeof(double) + sizeof(int);

std::string Megabytes(std::uint64_t bytes) { return std::to_string((bytes + (1u << 20) - 1) >> 20) + " MB"; }

}  // namespace

std::uint64_t RunMemoryBytes(int AnzOS) {
  const std::uint64_t nodes = static_cast<std::uint64_t>(std::max(AnzOS, 0)) + 2;
  return nodes * kGridBytesPerNode + static_cast<std::uint64_t>(kSeriesCapacity) * kSeriesBytesPerPoint;
}

std::uint64_t LevelMemoryBytes(const InputTexts& inputs) {
  const InputValues v = ReadInputs(inputs).values;
  return RunMemoryBytes(SpatialStepCount(SpatialStepsText(v.Dicke, v.Ortsschrittweite)));
}

std::optional<std::uint64_t> AvailableMemoryBytes() {
  std::ifstream meminfo("/proc/meminfo");
  for (std::string line; std::getline(meminfo, line);) {
    std::istringstream fields(line);
    std::string key;
    std::uint64_t kB = 0;
    if (fields >> key >> kB && key == "MemAvailable:") return kB * 1024;
  }
  const long pages = sysconf(_SC_AVPHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
  if (pages > 0 && pageSize > 0) return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
  return std::nullopt;
}

Status CheckLevelsFit(const std::vector<std::uint64_t>& levelBytes, unsigned jobs, std::uint64_t available) {
  if (levelBytes.empty()) return Done{};
  const auto largest = std::max_element(levelBytes.begin(), levelBytes.end());
  const std::string availableText = Megabytes(available);
  if (*largest > available) {
    return Failure{"--refine", Filled(Tr("Genauigkeit", "Stufe %1 braucht etwa %2 Speicher, verfügbar sind %3. Bitte weniger "
                                                        "Stufen oder eine gröbere Ortsschrittweite wählen."),
                                      {std::to_string(largest - levelBytes.begin()), Megabytes(*largest), availableText})};
  }
  std::vector<std::uint64_t> sorted = levelBytes;
  const std::size_t together = std::min<std::size_t>(std::max(jobs, 1u), sorted.size());
  std::partial_sort(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(together), sorted.end(),
                    std::greater<>());
  const std::uint64_t needed = std::accumulate(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(together),
                                               std::uint64_t{0});
  if (needed > available) {
    return Failure{"--refine", Filled(Tr("Genauigkeit", "%1 gleichzeitig gerechnete Stufen brauchen etwa %2 Speicher, verfügbar "
                                                        "sind %3. Bitte mit --jobs weniger Stufen gleichzeitig rechnen."),
                                      {std::to_string(together), Megabytes(needed), availableText})};
  }
  return Done{};
}

}  // namespace lamvero
