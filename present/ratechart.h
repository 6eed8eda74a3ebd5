#pragma once
// The drying-rate chart as a dryer engineer reads it: the evaporation rate
// over the mean moisture of the plate, and what that curve says for the kind
// of run. In the dryer the air heats up along the counter-current section,
// so the rate rises through the first drying period; a laboratory test at
// constant air gives the textbook drying curve after Krischer, a constant
// rate up to the knee, a falling one after it, drawn with the moisture
// falling to the right so that the drying proceeds from left to right.
// Qt-free: the Diagramme window and the report take the chart's title,
// explanation and marks from here.

#include <string>
#include <vector>

#include "run/runrecord.h"

namespace lamvero {

// What the runs in a rate chart are.
enum class RateChartForm {
  Dryer,     // runs in the dryer only (or none)
  Krischer,  // laboratory tests at constant air only
  Mixed,     // both kinds
};
RateChartForm RateChartFormOf(int dryerRuns, int laboratoryRuns);

// Whether the moisture axis falls to the right (the Krischer form).
bool MoistureFallsToTheRight(RateChartForm form);
// The chart's title for that form, in German: the reader sees Tr("Diagramme", title).
const char* RateChartTitle(RateChartForm form);
// The explanation under the chart: what is plotted over what, why the curve
// runs as it does, and, for both kinds together, what each shows (German, as
// the title).
const char* RateChartNote(RateChartForm form);

// A point the Krischer form marks on a run's curve.
struct RateMark {
  std::string name;   // "Knickpunkt = Ende 1. TA", in the reader's language
  std::size_t index;  // the stored point
  double X;           // mean moisture there, kg/kg
  double rate;        // evaporation rate there, kg/(m² h)
};
// The marks of a run at constant air: the end of the first drying period
// (its last stored point, where the model's X1TA is taken) once that period
// ended, and the knee, where the curve begins its last uninterrupted fall:
// one mark where both are the same point. None for a run without curves.
std::vector<RateMark> KrischerMarks(const RunRecord& r);

}  // namespace lamvero
