#pragma once
// The dryer air of the shown runs in the h,X chart, in either form: lines of
// constant relative humidity and enthalpy (and in the Mollier form of
// constant temperature), each named, and for every run the chain its air
// passes: outside air, heater (X constant), supply air, chamber, the
// counter-current section as the run went through it, exhaust air.

#include <vector>

#include "ui/diagrams/airchartform.h"
#include "ui/diagrams/runlist.h"

namespace lamvero {

class ChartPanel;

enum class AirRole { Outside, Supply, Exhaust, Chamber, End };

// A state of a run's dryer air that the run determines exactly: X in kg/kg, θ in °C.
struct AirState {
  AirRole role;
  const char* name;
  double X;
  double theta;
};

// Outside air, supply air (a completed run), exhaust air, and the air at the
// plate from the end of the counter-current section on (the chamber) or,
// where the air never got there, at the end of the run.
std::vector<AirState> AirStatesOf(const RunRecord& r);

// Whether the run holds the course of its air's humidity ratio (files written
// before it was stored do not: their counter-current section is drawn straight).
bool HoldsAirPath(const RunEntry& run);

// Replaces the panel's curves, labels, titles and read-out by the chart of these runs.
void FillAirChart(ChartPanel& panel, AirChartForm form, const std::vector<const RunEntry*>& runs);

}  // namespace lamvero
