#include "run/seriesthinning.h"

#include <limits>
#include <numeric>

namespace lamvero {

namespace {

void MovePoint(RunSeries& r, int from, int to) {
  const auto f = static_cast<std::size_t>(from), t = static_cast<std::size_t>(to);
  for (const SeriesColumn& c : SeriesColumns()) (r.*c.member)[t] = (r.*c.member)[f];
}

double Value(const RunSeries& r, std::size_t column, int k) {
  return (r.*SeriesColumns()[column].member)[static_cast<std::size_t>(k)];
}

// The time (column 0) only grows: its last point is kept anyway. The air's
// humidity ratio moves with the air temperature and keeps no points of its
// own, so the points kept are the same with it stored or not.
bool Tracked(std::size_t column) {
  return column > 0 && SeriesColumns()[column].member != &RunSeries::XLuftReihe;
}

}  // namespace

bool SeriesThinning::makeRoom(RunSeries& r) {
  const int capacity = static_cast<int>(r.tReihe.capacity());
  if (r.nReihe + 1 < capacity) return true;
  // Series that a stride of a billion steps could not thin are given up.
  if (stride_ > std::numeric_limits<int>::max() / 2) return false;
  thin(r);
  return r.nReihe + 1 < capacity;
}

void SeriesThinning::trackExtremes(const RunSeries& r) {
  for (std::size_t c = 1; c < kTracked; ++c) max_[c] = min_[c] = Value(r, c, 0);
  for (int k = 1; k <= r.nReihe; ++k) newExtremes(r, k);
}

// Bit c: a new largest value of column c; bit kTracked + c: a new smallest.
SeriesThinning::Mask SeriesThinning::newExtremes(const RunSeries& r, int k) {
  Mask found = 0;
  for (std::size_t c = 1; c < kTracked; ++c) {
    if (!Tracked(c)) continue;
    const double v = Value(r, c, k);
    if (v > max_[c]) {
      max_[c] = v;
      found |= Mask{1} << c;
    }
    if (v < min_[c]) {
      min_[c] = v;
      found |= Mask{1} << (kTracked + c);
    }
  }
  return found;
}

// The same bits for the extremes point k holds now.
SeriesThinning::Mask SeriesThinning::heldExtremes(const RunSeries& r, int k) const {
  Mask held = 0;
  for (std::size_t c = 1; c < kTracked; ++c) {
    if (!Tracked(c)) continue;
    const double v = Value(r, c, k);
    if (v == max_[c]) held |= Mask{1} << c;
    if (v == min_[c]) held |= Mask{1} << (kTracked + c);
  }
  return held;
}

void SeriesThinning::thin(RunSeries& r) {
  if (!thinned()) {
    ordinals_.assign(r.tReihe.capacity(), 0);
    std::iota(ordinals_.begin(), ordinals_.begin() + r.nReihe + 1, 0);
    nextOrdinal_ = r.nReihe + 1;
    trackExtremes(r);
  }
  stride_ *= 2;
  const int last = r.nReihe;
  int endOfFirst = r.nReihe1TA;
  Mask claimed = 0;  // extremes already kept at an earlier point
  int j = 0;
  for (int k = 0; k <= last; ++k) {
    const Mask extremes = heldExtremes(r, k);
    const bool keep = k < kUnsmoothedPoints || k == last || k == r.nReihe1TA ||
                      ordinals_[static_cast<std::size_t>(k)] % stride_ == 0 || (extremes & ~claimed) != 0;
    if (!keep) continue;
    claimed |= extremes;
    if (k == r.nReihe1TA) endOfFirst = j;
    if (j != k) {
      MovePoint(r, k, j);
      ordinals_[static_cast<std::size_t>(j)] = ordinals_[static_cast<std::size_t>(k)];
    }
    ++j;
  }
  r.nReihe = j - 1;
  r.nReihe1TA = endOfFirst;
  lastKeptForExtremes_ = false;
  latestGivenBack_ = false;
}

void SeriesThinning::settle(RunSeries& r) {
  if (!thinned()) return;
  const int k = r.nReihe;
  const int ordinal = nextOrdinal_++;
  ordinals_[static_cast<std::size_t>(k)] = ordinal;
  const Mask extremes = newExtremes(r, k);
  latestGivenBack_ = false;
  if (ordinal % stride_ == 0) {
    lastKeptForExtremes_ = false;
    return;
  }
  if (extremes == 0) {
    --r.nReihe;
    latestGivenBack_ = true;
    return;
  }
  // A point kept only for extremes that this one has all surpassed, or that
  // it no longer holds, is not needed: this one takes its place.
  const bool surpassed = (lastExtremes_ & ~extremes) == 0 || heldExtremes(r, k - 1) == 0;
  if (lastKeptForExtremes_ && surpassed && k - 1 >= kUnsmoothedPoints && k - 1 > r.nReihe1TA) {
    MovePoint(r, k, k - 1);
    ordinals_[static_cast<std::size_t>(k - 1)] = ordinal;
    --r.nReihe;
  }
  lastKeptForExtremes_ = true;
  lastExtremes_ = extremes;
}

void SeriesThinning::keepLatest(RunSeries& r) {
  if (latestGivenBack_) ++r.nReihe;
  latestGivenBack_ = false;
  lastKeptForExtremes_ = false;
}

}  // namespace lamvero
