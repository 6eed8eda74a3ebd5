#include "present/profileplot.h"

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
void DrawMark(const ShrinkageScale& s, double SchwindTick, Canvas& c) {
  const double XTick =
      1000 * VolumetricWaterFromShrinkage(s.body, SchwindTick) / DryDensityAtShrinkage(s.body, SchwindTick);
  const float y = static_cast<float>(ProfileY(s.XAnf, XTick));
  c.line(0, y, 150, y, kScaleBlue);
  c.line(10350, y, 10500, y, kScaleBlue);
}

void DrawScale(const ShrinkageScale& s, Canvas& c) {
  c.setPenWidth(2);
  const int whole = MarkCount(std::floor(s.linTrSchwind + 0.001));
  for (int k = 1; k <= whole; ++k) DrawMark(s, k / 100.0, c);
  const float yEnde = static_cast<float>(ProfileY(s.XAnf, s.body.XSchwEnde));
  c.line(0, yEnde, 10500, yEnde, kScaleBlue);
  c.setPenWidth(1);
  const int half = MarkCount(std::floor(s.linTrSchwind + 0.499));
  for (int k = 1; k <= half; ++k) DrawMark(s, (k - 0.5) / 100, c);
  c.refresh();
}

enum class Curve { Black, Red, None };

// Nodes 0..N+1 of X: lines from node i to node i + 1 for i = 0..N, one
// spatial step dxTwips wide each.
void DrawCurve(const double* X, int N, double XAnf, Curve curve, Canvas& c) {
  const double dxTwips = kProfilePlotWidth / static_cast<double>(N);
  for (int i = 0; i <= N; ++i) {
    const float x1 = static_cast<float>(dxTwips * i);
    const float y1 = static_cast<float>(ProfileY(XAnf, X[i]));
    const float x2 = static_cast<float>(dxTwips * (i + 1));
    const float y2 = static_cast<float>(ProfileY(XAnf, X[i + 1]));
    if (curve == Curve::Black) {
      c.line(x1, y1, x2, y2, Rgb{0, 0, 0});
    }
    if (curve == Curve::Red) {
      c.setPenWidth(3);
      c.line(x1, y1, x2, y2, Rgb{255, 0, 0});
    }
  }
  c.setPenWidth(1);
}

}  // namespace

double ProfileY(double XAnf, double X) { return kProfilePlotHeight - kProfilePlotHeight * X / XAnf; }

void DrawShrinkageScale(const ShrinkageScale& scale, Canvas& c) { DrawScale(scale, c); }

void DrawProfileCurve(const std::vector<double>& X, double XAnf, CurveStyle style, Canvas& c) {
  if (X.size() < 2) return;  // no profile: a grid beyond the profile array
  const Curve curve = style == CurveStyle::Running ? Curve::Black : Curve::Red;
  DrawCurve(X.data(), static_cast<int>(X.size()) - 2, XAnf, curve, c);
}

void DrawProfilePlot(const RunRecord& r, Canvas& c) {
  if (r.outcome == RunOutcome::Refused) return;
  ClayBody body;
  body.rhos = r.values.rhos;
  body.SchwindTot = r.derived.SchwindTot;
  body.rho0 = r.derived.rho0;
  body.PhiAnf = r.derived.PhiAnf;
  body.offPoren = r.derived.offPoren;
  body.XSchwEnde = r.derived.XSchwEnde;
  body.KappaGr = r.derived.KappaGr;
  body.KappaSteig = r.values.KappaSteig;
  const ShrinkageScale scale{body, r.values.XAnf, r.values.linTrSchwind};

  const ProfileCurves& p = r.profiles;
  const int N = p.nodes - 2;
  const bool whole = N >= 0 && p.X.size() == p.count() * static_cast<std::size_t>(p.nodes);
  const std::size_t curves = whole ? p.count() : 0;
  std::size_t nextScale = 0;
  for (std::size_t k = 0; k <= curves; ++k) {
    // The scale lies on top of the profiles drawn before it.
    for (; nextScale < p.scaleAfter.size() && p.scaleAfter[nextScale] == k; ++nextScale) DrawScale(scale, c);
    if (k == curves) break;
    DrawCurve(p.profile(k), N, r.values.XAnf, p.endOfFirst[k] ? Curve::Red : Curve::Black, c);
  }
  c.refresh();
}

}  // namespace lamvero
