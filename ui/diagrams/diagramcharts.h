#pragma once
// What each diagram of the diagrams window shows: its axes, and for every
// run the curves it draws from the run's series, in the run's colour, one
// line style per quantity. The same table gives a diagram's data as CSV.

#include <QString>
#include <string>
#include <vector>

#include "run/measuredcurve.h"
#include "text/csvformat.h"
#include "ui/diagrams/airchartform.h"
#include "ui/diagrams/runlist.h"

namespace lamvero {

class ChartPanel;

enum class ChartKind {
  Moisture,     // mean, surface and core moisture over time
  Rate,         // evaporation rate over mean moisture: the drying-rate curve
  Temperature,  // air, surface and core temperature over time
  Shrinkage,    // surface and core shrinkage over time
  AirStates,    // the dryer air in the enthalpy-humidity chart
};

struct ChartInfo {
  ChartKind kind;
  const char* name;    // tab and file name, "Feuchte"
  const char* title;   // chart title
  const char* xTitle;  // axis titles with units
  const char* yTitle;
  const char* xName;   // symbols and units for the read-out
  const char* xUnit;
  const char* yName;
  const char* yUnit;
};

// Every diagram, in tab order.
const std::vector<ChartInfo>& Charts();

// A panel for that diagram, empty.
ChartPanel* MakeChartPanel(const ChartInfo& info);

// Replaces the panel's curves by those of the runs that hold series, and
// shows them whole; the air states in the given form of the h,X chart. The
// points of a measured curve join them as markers in the charts of the
// quantities it has (moisture, temperatures, shrinkage over time).
void FillChart(ChartPanel& panel, ChartKind kind, const std::vector<const RunEntry*>& runs,
               AirChartForm form = AirChartForm::ThetaX, const MeasuredCurve* measured = nullptr);

// The diagram of that kind.
const ChartInfo& InfoOf(ChartKind kind);

// The full data behind the diagram, headed as every table Lamvero writes
// (CsvHeader: captions with units, then machine names): the run's label, then
// the horizontal axis in the chart's unit (time in h) and the curves; every
// stored point of every run that holds series, run after run; with `every`
// above 1 every n-th point of each run and its last one. For the air states:
// one line per state of every run, X in the chart's g/kg.
std::string ChartCsv(ChartKind kind, const std::vector<const RunEntry*>& runs, CsvDialect dialect, int every = 1);

}  // namespace lamvero
