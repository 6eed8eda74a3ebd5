#pragma once
// The result diagram of a completed run (pic_Zeit, user scale 10500 x 4300):
// moisture, drying front, temperatures, evaporation rate and shrinkage over
// the whole drying time, with bands and markers.

#include "run/runrecord.h"
#include "present/canvas.h"

namespace lamvero {

// Time axis: a of b mapped onto 0..10500 (stored point k of nReihe, or t of Zeit).
double TimeX(double a, double b);
// Moisture content (kg/kg): XAnf at the top, 0 at the bottom.
double MoistureY(const RunRecord& s, double X);
// Temperature (°C): outside air at the bottom, supply air at the top.
double TemperatureY(const RunRecord& s, double theta);
// Depth of the drying front (m): the surface at the top, the centre plane near the bottom.
double FrontY(const RunRecord& s, double sSpiegel);
// Evaporation rate (kg/(m² h)): 0 at the bottom, the largest rate at y = 660.
double RateY(const RunRecord& s, double m);
// Linear shrinkage (%): 0 at the bottom, the total shrinkage at the top.
double ShrinkageY(const RunRecord& s, double S);

// Whether the record holds what the diagram needs: a completed run with its
// series and non-zero, finite scales (a record read from a file may not).
bool CanDrawResultPlots(const RunRecord& s);

// Draws every curve of the result diagram, bands and markers first, the air
// temperature last. Only for a completed run (all divisors non-zero).
void DrawResultPlots(const RunRecord& s, Canvas& c);

}  // namespace lamvero
