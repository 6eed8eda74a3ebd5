#include "run/shownshrinkage.h"

#include <algorithm>

namespace lamvero {

void LimitShrinkageToTotal(RunRecord& record) {
  const double total = record.values.linTrSchwind;  // %
  if (!(total > kNoShrinkage)) return;
  RunSeries& series = record.series;
  for (const SeriesColumn& c : SeriesColumns()) {
    if (!c.shrinkage) continue;
    Series& values = series.*c.member;
    const std::size_t points = std::min(static_cast<std::size_t>(std::max(series.points(), 0)), values.capacity());
    // std::min keeps its first argument when the comparison fails: NaN stays NaN.
    for (std::size_t k = 0; k < points; ++k) values[k] = std::min(values[k], total);
  }
}

}  // namespace lamvero
