#pragma once
// The drawing operations the plots need of a drawing area. Coordinates are in
// the area's user scale and handed over in single precision; pen widths are in
// pixels. A window draws through it, an image renderer too, and a test records it.

#include "run/controlstate.h"

namespace lamvero {

enum class LineStyle { Solid, DashDotDot };

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void setPenWidth(int pixels) = 0;
  virtual void setLineStyle(LineStyle style) = 0;
  virtual void line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
  virtual void fillRect(double x1, double y1, double x2, double y2, Rgb colour) = 0;
  // Show what has been drawn so far.
  virtual void refresh() = 0;
};

}  // namespace lamvero
