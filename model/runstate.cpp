#include "model/runstate.h"

namespace lamvero {

RunState::RunState()
    : tReihe(kSeriesCapacity), XReihe(kSeriesCapacity), XOberflReihe(kSeriesCapacity),
      XKernReihe(kSeriesCapacity), SchwOberflReihe(kSeriesCapacity),
      SchwKernReihe(kSeriesCapacity), ThetaLuftReihe(kSeriesCapacity),
      ThetaObReihe(kSeriesCapacity), ThetaKReihe(kSeriesCapacity),
      WasserdampfReihe(kSeriesCapacity), SpiegelReihe(kSeriesCapacity) {}

}  // namespace lamvero
