#pragma once
// Fewer points, the same picture: a curve of tens of thousands of points is
// drawn on a few hundred pixel columns. Of each stretch of consecutive points
// that falls into one column the first, the lowest, the highest and the last
// are kept, in their order, so every peak and every line between columns
// looks as with all points.

#include <cstddef>
#include <limits>
#include <vector>

namespace lamvero {

// The indices of the points of (x[k], y[k]), k < n, to draw on `columns`
// pixel columns spanning x0..x1. Points left of x0 or right of x1 share one
// column each side, so lines still leave the visible range as they should.
// Points that are not finite or lie below yFloor are left out.
std::vector<std::size_t> DecimatedIndices(const double* x, const double* y, std::size_t n, double x0, double x1,
                                          int columns,
                                          double yFloor = -std::numeric_limits<double>::infinity());

}  // namespace lamvero
