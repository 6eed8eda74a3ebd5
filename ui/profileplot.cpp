#include "ui/profileplot.h"

#include <cmath>

namespace lamvero {

namespace {

constexpr Rgb kScaleBlue{0, 0, 255};

// Linear shrinkage cannot exceed 100 %: no more marks than that, whatever was typed.
constexpr int kMaxMarks = 100;

int MarkCount(double wholePart) {
  if (!(wholePart >= 1)) return 0;  // also false for NaN
  return wholePart > kMaxMarks ? kMaxMarks : static_cast<int>(wholePart);
}

// The marks at both edges for a linear shrinkage (fraction): the moisture at
// which the body has shrunk that far, per kg of dry body.
void DrawMark(const RunState& s, double SchwindTick, Canvas& c) {
  const double XTick = 1000 * VolumetricWaterFromShrinkage(s, SchwindTick) / DryDensityAtShrinkage(s, SchwindTick);
  const float y = static_cast<float>(ProfileY(s, XTick));
  c.line(0, y, 150, y, kScaleBlue);
  c.line(10350, y, 10500, y, kScaleBlue);
}

}  // namespace

double ProfileY(const RunState& s, double X) { return 6000 - 6000 * X / s.XAnf; }

void DrawShrinkageScale(const RunState& s, Canvas& c) {
  c.setPenWidth(2);
  const int whole = MarkCount(std::floor(s.linTrSchwind + 0.001));
  for (int k = 1; k <= whole; ++k) DrawMark(s, k / 100.0, c);
  const float yEnde = static_cast<float>(ProfileY(s, s.XSchwEnde));
  c.line(0, yEnde, 10500, yEnde, kScaleBlue);
  c.setPenWidth(1);
  const int half = MarkCount(std::floor(s.linTrSchwind + 0.499));
  for (int k = 1; k <= half; ++k) DrawMark(s, (k - 0.5) / 100, c);
  c.refresh();
}

void DrawProfileCurve(const RunState& s, int style, Canvas& c) {
  if (!(s.AnzOS >= 0 && s.AnzOS <= kMaxAnzOS)) return;  // beyond the profile array
  const int N = static_cast<int>(s.AnzOS);
  for (int i = 0; i <= N; ++i) {
    const float x1 = static_cast<float>(s.dxTwips * i);
    const float y1 = static_cast<float>(ProfileY(s, s.X[i]));
    const float x2 = static_cast<float>(s.dxTwips * (i + 1));
    const float y2 = static_cast<float>(ProfileY(s, s.X[i + 1]));
    if (style == s.StilEins) {
      c.line(x1, y1, x2, y2, Rgb{0, 0, 0});
    }
    if (style == s.StilNull) {
      c.setPenWidth(3);
      c.line(x1, y1, x2, y2, Rgb{255, 0, 0});
    }
  }
  c.setPenWidth(1);
}

}  // namespace lamvero
