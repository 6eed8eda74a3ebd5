#pragma once
// The live moisture-profile plot (pic_Ausgabe, user scale 10500 x 6000): the
// shrinkage scale at both edges with the limit-moisture line, and one profile
// curve per curve interval.

#include <vector>

#include "physics/claybody.h"
#include "present/canvas.h"
#include "run/runrecord.h"

namespace lamvero {

// The plot's user scale.
constexpr double kProfilePlotWidth = 10500;
constexpr double kProfilePlotHeight = 6000;

// A profile curve: drawn while a drying period runs ("StilEins", black), or
// the last one of the first period ("StilNull", red).
enum class CurveStyle { Running = 1, Final = 0 };

// What the shrinkage scale is drawn from.
struct ShrinkageScale {
  ClayBody body;
  double XAnf = 0;          // initial moisture, kg/kg: the top edge
  double linTrSchwind = 0;  // total linear shrinkage, %
};

// Moisture content (kg/kg) to the vertical coordinate: XAnf at the top, 0 at the bottom.
double ProfileY(double XAnf, double X);

// Blue marks of every whole and half percent of linear shrinkage at both edges
// and the end-of-shrinkage line across the whole width; then refresh.
void DrawShrinkageScale(const ShrinkageScale& scale, Canvas& c);

// The profile X(0..N+1) of a grid of N spatial steps across the width, as
// line segments: black in the current pen width for CurveStyle::Running, red
// and 3 px wide for CurveStyle::Final (the last profile of the first drying
// period). Nothing for an empty profile. Ends with pen width 1; the caller
// refreshes the area.
void DrawProfileCurve(const std::vector<double>& X, double XAnf, CurveStyle style, Canvas& c);

// The profile plot of a run drawn again from its record: the shrinkage scale
// and every profile the run drew, in the order the run drew them (the scale
// again on top of the final profile of the first drying period). Nothing for
// a refused input.
void DrawProfilePlot(const RunRecord& r, Canvas& c);

}  // namespace lamvero
