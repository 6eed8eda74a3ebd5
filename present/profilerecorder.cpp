#include "present/profilerecorder.h"

#include <utility>

namespace lamvero {

ProfileCurves ProfileRecorder::take() {
  ProfileCurves taken = std::move(curves_);
  curves_ = ProfileCurves{};
  return taken;
}

void ProfileRecorder::drawProfile(const std::vector<double>& X, double XAnf, CurveStyle style) {
  // The grid is fixed for a run; a profile beyond the array comes empty and is not drawn either.
  if (!X.empty()) {
    const int nodes = static_cast<int>(X.size());
    if (curves_.count() == 0) curves_.nodes = nodes;
    if (nodes == curves_.nodes) {
      curves_.X.insert(curves_.X.end(), X.begin(), X.end());
      curves_.endOfFirst.push_back(style == CurveStyle::Final ? 1 : 0);
    }
  }
  next_.drawProfile(X, XAnf, style);
}

}  // namespace lamvero
