// Decimation for display: fewer points, the same picture.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/diagrams/decimation.h"

namespace lamvero {
namespace {

TEST(Decimation, KeepsEndsPeaksAndOrderWithAtMostFourPointsPerColumn) {
  const std::size_t n = 100000;
  std::vector<double> x(n), y(n);
  for (std::size_t k = 0; k < n; ++k) {
    x[k] = static_cast<double>(k);
    y[k] = std::sin(k * 0.001);
  }
  y[54321] = 7;    // a one-point spike
  y[77777] = -7;   // and a dip
  const int columns = 200;
  const std::vector<std::size_t> kept = DecimatedIndices(x.data(), y.data(), n, 0, n - 1.0, columns);
  EXPECT_LE(kept.size(), 4u * columns);
  EXPECT_GE(kept.size(), 2u * columns);  // every column shows its first and last point
  EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
  EXPECT_EQ(std::adjacent_find(kept.begin(), kept.end()), kept.end());  // no point twice
  EXPECT_EQ(kept.front(), 0u);
  EXPECT_EQ(kept.back(), n - 1);
  for (std::size_t peak : {54321u, 77777u}) {
    EXPECT_NE(std::find(kept.begin(), kept.end(), peak), kept.end()) << peak;
  }
}

TEST(Decimation, PointsOutsideTheRangeCollapseToTheirEdgeAndGapsAreSkipped) {
  const std::size_t n = 1000;
  std::vector<double> x(n), y(n);
  for (std::size_t k = 0; k < n; ++k) {
    x[k] = static_cast<double>(k);
    y[k] = static_cast<double>(k % 7);
  }
  y[500] = NAN;
  y[501] = -100;  // a marker below the floor
  // Zoomed to 400..600 on as many columns as points: everything inside stays,
  // each side outside keeps only its first, lowest, highest and last point.
  const std::vector<std::size_t> kept = DecimatedIndices(x.data(), y.data(), n, 400, 600, 1000, 0);
  std::size_t left = 0, inside = 0, right = 0;
  for (std::size_t k : kept) {
    (k < 400 ? left : k > 600 ? right : inside) += 1;
    EXPECT_NE(k, 500u);
    EXPECT_NE(k, 501u);
  }
  EXPECT_LE(left, 4u);
  EXPECT_LE(right, 4u);
  EXPECT_EQ(inside, 199u);  // 400..600 without the two left out
  EXPECT_EQ(kept.front(), 0u);
  EXPECT_EQ(kept.back(), n - 1);

  // A curve going back and forth (not monotonic in x) still keeps its order.
  const std::vector<double> bx{0, 1, 2, 1, 0}, by{0, 1, 2, 3, 4};
  EXPECT_EQ(DecimatedIndices(bx.data(), by.data(), 5, 0, 2, 3), (std::vector<std::size_t>{0, 1, 2, 3, 4}));
  // An empty range draws all points in one column.
  EXPECT_EQ(DecimatedIndices(bx.data(), by.data(), 5, 1, 1, 3), (std::vector<std::size_t>{0, 4}));
}

}  // namespace
}  // namespace lamvero
