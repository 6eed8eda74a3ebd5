#include "run/profilerecorder.h"

#include <utility>

#include "run/runstate.h"

namespace lamvero {

ProfileCurves ProfileRecorder::take() {
  ProfileCurves taken = std::move(curves_);
  curves_ = ProfileCurves{};
  return taken;
}

void ProfileRecorder::drawProfile(const RunState& s, CurveStyle style) {
  // The grid is fixed for a run; a profile beyond the array is not drawn either.
  if (s.run.AnzOS >= 0 && s.run.AnzOS <= kMaxAnzOS) {
    const int nodes = s.run.AnzOS + 2;
    if (curves_.count() == 0) curves_.nodes = nodes;
    if (nodes == curves_.nodes) {
      curves_.X.insert(curves_.X.end(), s.now.X.begin(), s.now.X.begin() + nodes);
      curves_.endOfFirst.push_back(style == CurveStyle::Final ? 1 : 0);
    }
  }
  next_.drawProfile(s, style);
}

}  // namespace lamvero
