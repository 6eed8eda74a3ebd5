#include <cmath>

#include "model/airmodel.h"
#include "model/dryingperiods.h"
#include "model/numberformat.h"

namespace lamvero {

namespace {

// The numerical profile keeps a small residual moisture when the front has
// reached the centre; this maps XEnde to 0 and leaves XAnf fixed.
double WithoutResidual(double X, double XEnde, double XAnf) {
  return (X - XEnde) * XAnf / (XAnf - XEnde);
}

void SmoothSeries(RunState& s) {
  const double W = s.nGlatt;
  s.WasserdampfMax = 0;
  // First-order recursive smoothing: entry k-1 is already smoothed.
  for (int k = 10; k <= s.nReihe; ++k) {
    s.ThetaLuftReihe[k] = (s.ThetaLuftReihe[k] + (W / 3) * s.ThetaLuftReihe[k - 1]) / (W / 3 + 1);
    s.ThetaObReihe[k] = (s.ThetaObReihe[k] + W * s.ThetaObReihe[k - 1]) / (W + 1);
    s.ThetaKReihe[k] = (s.ThetaKReihe[k] + W * s.ThetaKReihe[k - 1]) / (W + 1);
    if (s.WasserdampfReihe[k] < 0) s.WasserdampfReihe[k] = s.WasserdampfReihe[k - 1];
    s.WasserdampfReihe[k] = (s.WasserdampfReihe[k] + W * s.WasserdampfReihe[k - 1]) / (W + 1);
    if (s.WasserdampfReihe[k] > s.WasserdampfMax) s.WasserdampfMax = s.WasserdampfReihe[k];
  }
}

void ShowWaterError(RunState& s, Display& d) {
  const Rgb darkBlue{0, 0, 192};
  const Rgb red{255, 0, 0};
  d.setVisible("lbl_Wasserfehler", true);
  d.setVisible("txt_Wasserfehler", true);
  d.setColor("lbl_Wasserfehler", darkBlue);
  d.setColor("txt_Wasserfehler", darkBlue);
  // What the integrated surface flux has not accounted for, while the profile is dry.
  s.WasserfehlerProzent = std::fabs(s.XBilanz / s.XAnf * 100);
  if (s.WasserfehlerProzent > 3) {
    d.setColor("lbl_Wasserfehler", red);
    d.setColor("txt_Wasserfehler", red);
  }
  if (s.WasserfehlerProzent > 6) {
    d.setVisible("lbl_ungenau1", true);
    d.setVisible("lbl_ungenau2", true);
    d.setVisible("lbl_ungenau3", true);
  }
  d.setText("txt_Wasserfehler", Format(s.WasserfehlerProzent, "#0.0"));
  d.repaint("lbl_Wasserfehler");
  d.repaint("txt_Wasserfehler");
}

}  // namespace

void EvaluateRun(RunState& s, Display& d) {
  s.XEnde = s.xmom;
  s.X1TA = WithoutResidual(s.X1TA, s.XEnde, s.XAnf);
  d.setText("txt_X1TA", Format(s.X1TA, "#0.0000"));
  d.repaint("txt_X1TA");
  d.setText("txt_xmom", "0");
  d.repaint("txt_xmom");

  for (int k = 1; k <= s.nReihe; ++k) {
    s.XReihe[k] = WithoutResidual(s.XReihe[k], s.XEnde, s.XAnf);
    s.XKernReihe[k] = WithoutResidual(s.XKernReihe[k], s.XEnde, s.XAnf);
  }
  SmoothSeries(s);

  ComputeEnergyBalance(s, d);
  if (s.nIter > 45) d.setVisible("lbl_Achtung", true);
  d.repaint("lbl_Achtung");
  d.drawResultPlots(s);
  ShowWaterError(s, d);
}

}  // namespace lamvero
