// The memory rule of a refinement study: a level that the machine cannot hold,
// alone or together with the levels running beside it, refuses the study.

#include <gtest/gtest.h>

#include "study/memorybudget.h"

namespace lamvero {
namespace {

constexpr std::uint64_t MB = 1u << 20;

TEST(MemoryBudget, TheLargestLevelMustFitAlone) {
  const std::vector<std::uint64_t> levels = {50 * MB, 60 * MB, 90 * MB, 300 * MB};
  const Status refused = CheckLevelsFit(levels, 1, 299 * MB);
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.message().find("Stufe 3 braucht etwa 300 MB"), std::string::npos) << refused.message();
  EXPECT_NE(refused.message().find("verfügbar sind 299 MB"), std::string::npos);
  EXPECT_TRUE(CheckLevelsFit(levels, 1, 300 * MB));
}

TEST(MemoryBudget, LevelsRunningAtOnceMustFitTogether) {
  const std::vector<std::uint64_t> levels = {50 * MB, 60 * MB, 90 * MB, 300 * MB};
  // Two at once: the two largest, 390 MB.
  EXPECT_TRUE(CheckLevelsFit(levels, 2, 390 * MB));
  const Status refused = CheckLevelsFit(levels, 2, 389 * MB);
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.message().find("2 gleichzeitig gerechnete Stufen brauchen etwa 390 MB"), std::string::npos)
      << refused.message();
  EXPECT_NE(refused.message().find("--jobs"), std::string::npos);
  // More jobs than levels: all of them at once.
  EXPECT_TRUE(CheckLevelsFit(levels, 16, 500 * MB));
  EXPECT_FALSE(CheckLevelsFit(levels, 16, 499 * MB));
}

TEST(MemoryBudget, ARunNeedsItsSeriesAndGrowsWithItsGrid) {
  // The series at full capacity: twelve doubles per point, bounded however long the run.
  EXPECT_GT(RunMemoryBytes(100), 42 * MB);
  EXPECT_LT(RunMemoryBytes(100), 48 * MB);
  // A million spatial steps: about 76 MB more for the profile and the solver.
  const std::uint64_t grid = RunMemoryBytes(1000100) - RunMemoryBytes(100);
  EXPECT_GE(grid, 76000000u);
  EXPECT_LE(grid, 84000000u);
}

TEST(MemoryBudget, TheMachineTellsItsAvailableMemory) {
  const std::optional<std::uint64_t> available = AvailableMemoryBytes();
  ASSERT_TRUE(available.has_value());
  EXPECT_GT(*available, 16 * MB);
}

}  // namespace
}  // namespace lamvero
