#pragma once
// Keeps a run's stored series within their capacity, for a run under extended
// limits. Until they fill, every step is stored as in any run. When they are
// full, every second point is dropped in place; kept are the first
// kUnsmoothedPoints points, the last point, the last point of the first drying
// period and, in every series but the time, its largest and its smallest
// value. From then on only every 2nd step is stored, and after each further
// filling every 4th, 8th, ...; a step in between is kept only when it brings
// a new extreme (so extremes survive; it gives its place to the next such
// step once it holds none) or when it is the run's last. Each
// point remembers the ordinal of its step among all stored steps, so the
// evaluation can smooth across the gaps.

#include <array>
#include <vector>

#include "run/runrecord.h"

namespace lamvero {

// The evaluation smooths the series from this index on and leaves the points
// before it as stored; thinning never drops them.
constexpr int kUnsmoothedPoints = 10;

class SeriesThinning {
 public:
  // Room for a point at index r.nReihe + 1: thins r when it is full. False if
  // no point could be dropped, or the stride would outgrow an int.
  bool makeRoom(RunSeries& r);
  // The point just stored at r.nReihe is kept, or given back to be written
  // over by the next step.
  void settle(RunSeries& r);
  // The latest step's point is kept even if settle gave it back: called when
  // a drying period ends.
  void keepLatest(RunSeries& r);

  bool thinned() const { return stride_ > 1; }
  int stride() const { return stride_; }
  // The ordinal of stored point k among all stored steps (k itself until the
  // series were first thinned).
  int ordinal(int k) const { return thinned() ? ordinals_[static_cast<std::size_t>(k)] : k; }

 private:
  static constexpr std::size_t kTracked = RunSeries::kCount;
  using Mask = unsigned;

  void thin(RunSeries& r);
  void trackExtremes(const RunSeries& r);
  Mask newExtremes(const RunSeries& r, int k);
  Mask heldExtremes(const RunSeries& r, int k) const;

  int stride_ = 1;
  int nextOrdinal_ = 0;
  std::vector<int> ordinals_;
  std::array<double, kTracked> max_{}, min_{};
  bool latestGivenBack_ = false;
  bool lastKeptForExtremes_ = false;  // the point at nReihe is off the stride, kept only for extremes
  Mask lastExtremes_ = 0;            // ... that it brought
};

}  // namespace lamvero
