#include <cmath>
#include <utility>

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
  for (int k = 10; k <= s.record.series.nReihe; ++k) {
    s.record.series.ThetaLuftReihe[k] = (s.record.series.ThetaLuftReihe[k] + (W / 3) * s.record.series.ThetaLuftReihe[k - 1]) / (W / 3 + 1);
    s.record.series.ThetaObReihe[k] = (s.record.series.ThetaObReihe[k] + W * s.record.series.ThetaObReihe[k - 1]) / (W + 1);
    s.record.series.ThetaKReihe[k] = (s.record.series.ThetaKReihe[k] + W * s.record.series.ThetaKReihe[k - 1]) / (W + 1);
    if (s.record.series.WasserdampfReihe[k] < 0) s.record.series.WasserdampfReihe[k] = s.record.series.WasserdampfReihe[k - 1];
    s.record.series.WasserdampfReihe[k] = (s.record.series.WasserdampfReihe[k] + W * s.record.series.WasserdampfReihe[k - 1]) / (W + 1);
    if (s.record.series.WasserdampfReihe[k] > s.WasserdampfMax) s.WasserdampfMax = s.record.series.WasserdampfReihe[k];
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
    // Measured over time step, spatial step and conductivity on several
    // plates: above the grid number's best range a smaller time step or a
    // larger spatial step lowers the error, below it a smaller spatial step
    // or a larger time step does.
    const bool coarseGrid = MoistureGridNumber(s.Feuchteleit, s.deltaT, s.dx) < kBestGridNumberMin;
    d.setText("lbl_ungenau3", coarseGrid ? "Ortsschrittweite verkleinern od." : "Zeitschrittweite verkleinern od.");
    d.setText("lbl_ungenau2", coarseGrid ? "Zeitschrittweite vergrößern!" : "Ortsschrittweite vergrößern!");
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

  for (int k = 1; k <= s.record.series.nReihe; ++k) {
    s.record.series.XReihe[k] = WithoutResidual(s.record.series.XReihe[k], s.XEnde, s.XAnf);
    s.record.series.XKernReihe[k] = WithoutResidual(s.record.series.XKernReihe[k], s.XEnde, s.XAnf);
  }
  SmoothSeries(s);

  ComputeEnergyBalance(s, d);
  if (s.nIter > 45) d.setVisible("lbl_Achtung", true);
  d.repaint("lbl_Achtung");
  RecordRun(s);  // the result plots draw from the record
  d.drawResultPlots(s);
  ShowWaterError(s, d);
}

double MoistureGridNumber(double Feuchteleit, double deltaT, double dx) { return Feuchteleit * deltaT / (dx * dx); }

std::vector<std::string> NonFiniteResults(const RunState& s) {
  const std::pair<double, const char*> scalars[] = {
      {s.Dauer1TA, "Dauer des 1. Trocknungsabschnitts"},
      {s.X1TA, "Wasserbeladung nach dem 1. Trocknungsabschnitt"},
      {s.t1xse, "Dauer der Oberflächenschwindung"},
      {s.t2xse, "Dauer der Kernschwindung"},
      {s.schwindgrad, "max. Schwindungsgradient"},
      {s.ThetaZuluft, "Temperatur der Trocknerzuluft"},
      {s.spezEnergie, "spez. Energiebedarf"},
      {s.relEnergie, "Energie / Verdampfungsenthalpie"},
      {s.WasserfehlerProzent, "relativer Wasserfehler"},
  };
  std::vector<std::string> names;
  for (const auto& [value, name] : scalars) {
    if (!std::isfinite(value)) names.emplace_back(name);
  }
  const std::pair<const Series*, const char*> series[] = {
      {&s.record.series.tReihe, "Zeit"},
      {&s.record.series.XReihe, "Verlauf der mittleren Wasserbeladung"},
      {&s.record.series.XOberflReihe, "Verlauf der Oberflächenfeuchte"},
      {&s.record.series.XKernReihe, "Verlauf der Kernfeuchte"},
      {&s.record.series.SchwOberflReihe, "Verlauf der Oberflächenschwindung"},
      {&s.record.series.SchwKernReihe, "Verlauf der Kernschwindung"},
      {&s.record.series.ThetaLuftReihe, "Verlauf der Lufttemperatur"},
      {&s.record.series.ThetaObReihe, "Verlauf der Oberflächentemperatur"},
      {&s.record.series.ThetaKReihe, "Verlauf der Kerntemperatur"},
      {&s.record.series.WasserdampfReihe, "Verlauf der Verdunstungsrate"},
      {&s.record.series.SpiegelReihe, "Verlauf des Trocknungsspiegels"},
  };
  for (const auto& [values, name] : series) {
    for (int k = 0; k <= s.record.series.nReihe; ++k) {
      if (!std::isfinite((*values)[static_cast<std::size_t>(k)])) {
        names.emplace_back(name);
        break;
      }
    }
  }
  return names;
}

}  // namespace lamvero
