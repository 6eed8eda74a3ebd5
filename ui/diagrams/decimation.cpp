#include "ui/diagrams/decimation.h"

#include <algorithm>
#include <cmath>

namespace lamvero {

std::vector<std::size_t> DecimatedIndices(const double* x, const double* y, std::size_t n, double x0, double x1,
                                          int columns, double yFloor) {
  std::vector<std::size_t> kept;
  if (columns < 1) columns = 1;
  const bool spread = x1 > x0;
  const auto columnOf = [&](double v) {
    if (!spread) return 0;
    if (v < x0) return -1;
    if (v > x1) return columns;
    return std::min(static_cast<int>((v - x0) / (x1 - x0) * columns), columns - 1);
  };

  bool open = false;  // a stretch is being collected
  int column = 0;
  std::size_t first = 0, lowest = 0, highest = 0, last = 0;
  const auto flush = [&] {
    std::size_t stretch[4] = {first, lowest, highest, last};
    std::sort(stretch, stretch + 4);
    for (std::size_t k : stretch) {
      if (kept.empty() || kept.back() != k) kept.push_back(k);
    }
  };
  for (std::size_t k = 0; k < n; ++k) {
    if (!std::isfinite(x[k]) || !std::isfinite(y[k]) || y[k] < yFloor) continue;
    const int c = columnOf(x[k]);
    if (open && c == column) {
      if (y[k] < y[lowest]) lowest = k;
      if (y[k] > y[highest]) highest = k;
      last = k;
      continue;
    }
    if (open) flush();
    open = true;
    column = c;
    first = lowest = highest = last = k;
  }
  if (open) flush();
  return kept;
}

}  // namespace lamvero
