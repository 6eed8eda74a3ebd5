#pragma once
// Clipping of a line segment to a rectangle, for drawing surfaces that must
// not see huge or far-away coordinates.

namespace lamvero {

// Clips the segment to the rectangle [lo, hi] (Liang-Barsky); false if nothing
// of it is inside.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double loX, double loY, double hiX, double hiY);

}  // namespace lamvero
