#pragma once
// How much one run may hold. A run as Start and the runner start it keeps the
// default limits: at most kMaxAnzOS spatial steps per half plate (the input
// check refuses more) and kSeriesCapacity stored points, after which it stops
// with "Zeitreihen voll" (RunOutcome::SeriesFull). Refinement studies and
// automatically chosen steps run under Extended(): a finer grid, sized for the
// run at its set-up, and series that are thinned in place when they fill
// (run/seriesthinning.h), so a run of any length completes in bounded memory.

#include "physics/moisturestep.h"

namespace lamvero {

// The largest grid under extended limits: 76 bytes per node for the profile
// and the solver's storage, about 76 MB at this size.
constexpr int kMaxExtendedAnzOS = 1000000;

struct RunLimits {
  int maxSpatialSteps = kMaxAnzOS;  // spatial steps per half plate the input check accepts
  bool thinSeries = false;          // full series: thin them and go on (true) or stop the run (false)

  static constexpr RunLimits Extended() { return RunLimits{kMaxExtendedAnzOS, true}; }
};

}  // namespace lamvero
