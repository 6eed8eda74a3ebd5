#pragma once
// The two drying periods and the evaluation of a completed run. They compute;
// they tell their listener what happened as it happens.

#include <string>
#include <vector>

#include "run/runstate.h"
#include "run/runevents.h"
#include "run/stoprequest.h"

namespace lamvero {

enum class PeriodEnd {
  Done,        // the period reached its natural end
  Stopped,     // StopFlag was set
  SeriesFull,  // the next stored point would lie beyond the time series
  Failed,      // the moisture profile stopped being finite, or its step could not be solved
};

// Stop was pressed, or the caller asked the run to stop.
inline bool StopRequested(const RunState& s) {
  return s.StopFlag || (s.stopRequest != nullptr && s.stopRequest->requested());
}

// Room for the next stored point. False when the series are full and the run
// may not thin them (its limits): it then stops with PeriodEnd::SeriesFull.
inline bool RoomForPoint(RunState& s) {
  if (!s.limits.thinSeries) return s.record.series.nReihe < kMaxSeriesIndex;
  return s.thinning.makeRoom(s.record.series);
}

// Wet surface at the wet-bulb temperature; ends when the surface value of the
// profile falls below zero.
PeriodEnd RunFirstPeriod(RunState& s, RunEvents& events);

// A drying front recedes into the plate; ends when it reaches the centre.
PeriodEnd RunSecondPeriod(RunState& s, RunEvents& events);

// Rescales and smooths the series, computes the energy demand and the
// water-balance error, and tells the listener.
void EvaluateRun(RunState& s, RunEvents& events);

// How the centre's moisture is compared with the limit moisture: the first
// period counts reaching it, the second only passing below it.
enum class CoreLimit { AtOrBelow, Below };

// Both periods note the moment the surface or the centre reaches the limit
// moisture (t1xse, t2xse), once per run.
void CheckShrinkageEnds(RunState& s, RunEvents& events, int N, CoreLimit coreLimit);

// The grid number Feuchteleit (m²/s) × deltaT (s) / dx² (m²) of the moisture
// step. The water-balance error is smallest while it lies from about 0.3 to 1:
// over a grid of time steps, spatial steps and conductivities on three plates
// no run in that range had an error above 6 %, above it the time step was too
// large for the grid, below it the grid too coarse.
double MoistureGridNumber(double Feuchteleit, double deltaT, double dx);
constexpr double kBestGridNumberMin = 0.3;

// The results of an evaluated run that are not finite numbers, by the names
// the window shows them under; empty for a sound run.
std::vector<std::string> NonFiniteResults(const RunState& s);

}  // namespace lamvero
