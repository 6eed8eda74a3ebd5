#pragma once
// The live moisture-profile plot (pic_Ausgabe, user scale 10500 x 6000): the
// shrinkage scale at both edges with the limit-moisture line, and one profile
// curve per curve interval.

#include "run/runrecord.h"
#include "run/runstate.h"
#include "present/canvas.h"

namespace lamvero {

// Moisture content (kg/kg) to the vertical coordinate: XAnf at the top, 0 at the bottom.
double ProfileY(const RunState& s, double X);

// Blue marks of every whole and half percent of linear shrinkage at both edges
// and the end-of-shrinkage line across the whole width; then refresh.
void DrawShrinkageScale(const RunState& s, Canvas& c);

// The profile X(0..AnzOS+1) as line segments: black in the current pen width
// for style CurveStyle::Running, red and 3 px wide for style CurveStyle::Final (the last profile of
// the first drying period). Ends with pen width 1; the caller refreshes the area.
void DrawProfileCurve(const RunState& s, CurveStyle style, Canvas& c);

// The profile plot of a run drawn again from its record: the shrinkage scale
// and every profile the run drew, in the order the run drew them (the scale
// again on top of the final profile of the first drying period). Nothing for
// a refused input.
void DrawProfilePlot(const RunRecord& r, Canvas& c);

}  // namespace lamvero
