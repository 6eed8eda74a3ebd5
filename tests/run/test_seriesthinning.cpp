// Thinning of full series on synthetic data: first, last, the end of the
// first period and every series' extremes survive, and the series never hold
// more than their capacity however many steps are stored.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "run/runrecord.h"
#include "run/seriesthinning.h"

namespace lamvero {
namespace {

constexpr std::size_t kCapacity = 256;

bool IsAirHumidity(std::size_t c) { return SeriesColumns()[c].member == &RunSeries::XLuftReihe; }

// Steps stored one by one, as a run stores them: room, the point, settle.
struct Store {
  RunSeries r = RunSeries::WithCapacity(kCapacity);
  SeriesThinning thinning;
  std::vector<std::vector<double>> all = std::vector<std::vector<double>>(RunSeries::kCount);
  bool wildAir = false;  // the air's humidity ratio with extremes of its own

  // Column c of step n: time n, then falls, rises and humps of different
  // pace, and a spike here and there.
  static double ValueAt(std::size_t c, int n) {
    if (c == 0) return n;
    const double pace = 0.0005 * static_cast<double>(c);
    double v = c % 2 == 0 ? 100 * std::exp(-pace * n) : 50 * std::sin(pace * n) + 0.01 * n;
    if (n == 777 && c == 9) v = 1e6;    // a peak off every stride
    if (n == 1501 && c == 3) v = -1e6;  // a dip
    return v;
  }
  // Step n; `still`: its values (but the time) those of the step before.
  bool step(int n, bool still = false) {
    if (!thinning.makeRoom(r)) return false;
    const auto k = static_cast<std::size_t>(++r.nReihe);
    for (std::size_t c = 0; c < RunSeries::kCount; ++c) {
      double v = still && c > 0 ? all[c].back() : ValueAt(c, n);
      if (wildAir && IsAirHumidity(c)) v = n % 97 == 0 ? 1e6 - n : -n;
      (r.*SeriesColumns()[c].member)[k] = v;
      all[c].push_back(v);
    }
    thinning.settle(r);
    return true;
  }
  double at(std::size_t c, int k) const { return (r.*SeriesColumns()[c].member)[static_cast<std::size_t>(k)]; }
};

TEST(SeriesThinning, KeepsFirstLastAndExtremesWithinTheCapacity) {
  Store s;
  const int steps = 5000;
  for (int n = 0; n < steps; ++n) {
    ASSERT_TRUE(s.step(n)) << n;
    ASSERT_LT(s.r.nReihe, static_cast<int>(kCapacity));
  }
  s.thinning.keepLatest(s.r);
  EXPECT_GT(s.thinning.stride(), 32);  // thinned again and again
  EXPECT_EQ(s.at(0, 0), 0);
  EXPECT_EQ(s.at(0, s.r.nReihe), steps - 1);
  for (int k = 0; k < kUnsmoothedPoints; ++k) EXPECT_EQ(s.at(0, k), k);
  for (int k = 1; k <= s.r.nReihe; ++k) {
    ASSERT_LT(s.at(0, k - 1), s.at(0, k)) << k;              // in order of time
    EXPECT_EQ(s.thinning.ordinal(k), static_cast<int>(s.at(0, k)));  // each point knows its step
  }
  for (std::size_t c = 1; c < RunSeries::kCount; ++c) {
    if (IsAirHumidity(c)) continue;  // below
    std::vector<double> kept;
    for (int k = 0; k <= s.r.nReihe; ++k) kept.push_back(s.at(c, k));
    EXPECT_EQ(*std::max_element(kept.begin(), kept.end()), *std::max_element(s.all[c].begin(), s.all[c].end())) << c;
    EXPECT_EQ(*std::min_element(kept.begin(), kept.end()), *std::min_element(s.all[c].begin(), s.all[c].end())) << c;
  }
}

// It moves with the air temperature: the points kept are those kept without it.
TEST(SeriesThinning, TheAirsHumidityKeepsNoPointsOfItsOwn) {
  Store calm, wild;
  wild.wildAir = true;
  for (int n = 0; n < 5000; ++n) {
    ASSERT_TRUE(calm.step(n));
    ASSERT_TRUE(wild.step(n));
  }
  ASSERT_EQ(calm.r.nReihe, wild.r.nReihe);
  for (int k = 0; k <= calm.r.nReihe; ++k) ASSERT_EQ(calm.at(0, k), wild.at(0, k)) << k;
}

TEST(SeriesThinning, TheEndOfTheFirstPeriodKeepsItsPoint) {
  Store s;
  for (int n = 0; n < 100; ++n) ASSERT_TRUE(s.step(n));
  s.thinning.keepLatest(s.r);
  s.r.nReihe1TA = s.r.nReihe;
  const double endOfFirst = s.at(0, s.r.nReihe1TA);
  for (int n = 100; n < 3000; ++n) ASSERT_TRUE(s.step(n));
  EXPECT_EQ(s.at(0, s.r.nReihe1TA), endOfFirst);
}

TEST(SeriesThinning, TheLatestStepGivenBackIsKeptAtThePeriodEnd) {
  Store s;
  int n = 0;
  for (; !s.thinning.thinned() || n % s.thinning.stride() == 0; ++n) ASSERT_TRUE(s.step(n));
  // A step off the stride that brings nothing new is given back ...
  ASSERT_TRUE(s.step(n, true));
  EXPECT_LT(s.at(0, s.r.nReihe), n);
  // ... and kept when the period ends.
  s.thinning.keepLatest(s.r);
  EXPECT_EQ(s.at(0, s.r.nReihe), n);
}

TEST(SeriesThinning, AnUnthinnedSeriesIsLeftAsStored) {
  Store s;
  for (int n = 0; n < static_cast<int>(kCapacity); ++n) ASSERT_TRUE(s.step(n));
  s.thinning.keepLatest(s.r);
  EXPECT_FALSE(s.thinning.thinned());
  EXPECT_EQ(s.r.nReihe, static_cast<int>(kCapacity) - 1);
  for (int k = 0; k <= s.r.nReihe; ++k) EXPECT_EQ(s.thinning.ordinal(k), k);
}

}  // namespace
}  // namespace lamvero
