#include <algorithm>
#include <cmath>

#include "model/airmodel.h"
#include "model/claybody.h"
#include "model/dryingperiods.h"
#include "model/moistair.h"
#include "model/moisturestep.h"
#include "model/numberformat.h"

namespace lamvero {

namespace {

void Show(Display& d, const char* box, const std::string& text) {
  d.setText(box, text);
  d.repaint(box);
}

// Shrinkage of a node for the shrinkage-difference and gradient displays.
// Below the limit moisture the body keeps its dry dimensions, so the shrinkage
// never exceeds SchwindTot there.
double ShownShrinkage(const RunState& s, double X) {
  return std::min(ShrinkageAtMoisture(s, X), s.SchwindTot);
}

// The surface and the core share the wet-bulb temperature in this period.
void ShowTemperatures(RunState& s, Display& d) {
  s.ThetaObTr = s.ThetaOb;
  s.ThetaK = s.ThetaOb;
  Show(d, "txt_thetaOb", Format(s.ThetaObTr, "#0.0"));
  Show(d, "txt_thetaK", Format(s.ThetaK, "#0.0"));
}

void ShowLiveValues(RunState& s, Display& d) {
  Show(d, "txt_Zeit", FormatDuration(std::floor(s.Zeit + 0.5)));
  Show(d, "txt_qrand", Format(s.qrand, "#0.00"));
  Show(d, "txt_xmom", Format(s.xmom, "#0.00"));
  Show(d, "txt_Wasserdampf", Format(3600 * (-s.mRand), "#0.00"));
  ShowTemperatures(s, d);
  // Capillary flow towards the surface: the evaporating water per volume of
  // water held at the surface.
  s.KapGeschw = 3600000 * (-s.mRand) / (s.rhos * (s.X[0] + s.X[1]) / 2);
  Show(d, "txt_KapGeschw", Format(s.KapGeschw, "#0.0"));
  Show(d, "txt_momLuftTemp", Format(s.ThetaLuft, "#0.0"));
  Show(d, "txt_momXLuft", Format(s.XLuft, "#0.000"));
}

void StorePoint(RunState& s, int N) {
  s.XBilanz = s.XBilanz + 2 * s.mRand * s.deltaT / (s.DickeTr * s.rhos);
  double sum = 0;
  for (int i = 1; i <= N; ++i) sum += s.dx * s.rhos * s.X[i];
  s.xmom = sum / ((s.DickeTr / 2) * s.rhos);

  const int k = ++s.record.series.nReihe;
  s.record.series.WasserdampfReihe[k] = 3600 * (-s.mRand);
  if (s.record.series.WasserdampfReihe[k] > s.WasserdampfMax) s.WasserdampfMax = s.record.series.WasserdampfReihe[k];
  s.record.series.tReihe[k] = s.Zeit;
  if (s.linTrSchwind > 0.001) {
    s.record.series.SchwOberflReihe[k] = s.linTrSchwind * (s.XAnf - s.X[0]) / (s.XAnf - s.XSchwEnde);
    s.record.series.SchwKernReihe[k] = s.linTrSchwind * (s.XAnf - s.X[N]) / (s.XAnf - s.XSchwEnde);
  } else {
    s.record.series.SchwOberflReihe[k] = 0;
    s.record.series.SchwKernReihe[k] = 0;
  }
}

// The largest shrinkage gradient at the surface is sought only at the start of
// drying, while the surface has not yet reached the limit moisture.
void TrackShrinkageGradient(RunState& s, Display& d, int N) {
  if (s.t1xse > 1) return;
  const double surface = ShownShrinkage(s, s.X[0]);
  s.schwindgradAkt = (surface - ShownShrinkage(s, s.X[1])) / s.dx;
  if (s.schwindgradAkt > s.schwindgrad) {
    s.schwindgrad = s.schwindgradAkt;
    s.schwinddiff = surface - ShownShrinkage(s, s.X[N]);
    Show(d, "txt_schwinddiff", Format(100 * s.schwinddiff, "#0.00"));
    Show(d, "txt_schwindgrad", Format(0.1 * s.schwindgradAkt, "#0.00"));
  }
}

void StoreSeries(RunState& s, int N) {
  const int k = s.record.series.nReihe;
  s.record.series.XReihe[k] = s.xmom;
  s.record.series.XOberflReihe[k] = s.X[0];
  s.record.series.XKernReihe[k] = s.X[N];
  s.record.series.ThetaLuftReihe[k] = s.ThetaLuft;
  s.record.series.ThetaObReihe[k] = s.ThetaOb;
  s.record.series.ThetaKReihe[k] = s.ThetaOb;
  s.record.series.SpiegelReihe[k] = 0;
}

void ShowFirstPeriodResults(RunState& s, Display& d) {
  for (const char* label : {"lbl_Dauer1TA", "lbl_X1TA", "lbl_Anfangsrate"}) {
    d.setVisible(label, true);
    d.repaint(label);
  }
  for (const char* box : {"txt_Dauer1TA", "txt_X1TA", "txt_Anfangsrate"}) d.setVisible(box, true);
  Show(d, "txt_Dauer1TA", FormatDuration(std::floor(s.Zeit + 0.5)));
  Show(d, "txt_X1TA", Format(s.xmom, "#0.0000"));
  Show(d, "txt_Anfangsrate", Format(s.Anfangsrate, "#0.000"));
  Show(d, "txt_KapGeschw", "-");
  // The shrinkage scale goes on top of the final (red) profile.
  d.drawShrinkageScale(s);
}

}  // namespace

namespace {

// The moment a layer reaches the limit moisture: its label and duration appear.
void ShowShrinkageEnd(Display& d, const char* label, const char* box, double t) {
  d.setVisible(label, true);
  d.setVisible(box, true);
  d.setText(box, FormatDuration(t));
  d.repaint(label);
  d.repaint(box);
}

}  // namespace

void ShowSurfaceShrinkageEnd(RunState& s, Display& d) {
  ShowShrinkageEnd(d, "lbl_OberflSchwind", "txt_t1xse", s.t1xse);
}

void ShowCoreShrinkageEnd(RunState& s, Display& d) { ShowShrinkageEnd(d, "lbl_KernSchwind", "txt_t2xse", s.t2xse); }

PeriodEnd RunFirstPeriod(RunState& s, Display& d) {
  const int N = static_cast<int>(s.AnzOS);
  const long long displayEvery = static_cast<long long>(std::floor(s.rund / 50));
  s.GegenstromAktiv = 1;

  for (;;) {
    d.yield();
    if (StopRequested(s)) return PeriodEnd::Stopped;
    s.nSchritt = s.nSchritt + 1;
    s.Zeit = s.Zeit + s.deltaT;

    s.ThetaOb = WetBulbOfAir(s);
    CheckCounterCurrentEnd(s, d);
    // The first step of every curve interval leaves the air where it is.
    if (s.nSchritt != 1) {
      UpdateAirFirstPeriod(s);
      s.ThetaOb = WetBulbOfAir(s);
    }

    // The wet surface sits at the wet-bulb temperature; the heat that reaches
    // it evaporates the water.
    s.qrand = s.Waermeuebergang * (s.ThetaLuft - s.ThetaOb);
    s.mRand = -s.qrand / LatentHeat(s.ThetaOb);
    // Once the surface has passed the limit moisture the rate may not fall.
    if (s.t1xse > 1e-5 && s.mRand > s.mRandAlt) s.mRand = s.mRandAlt;
    s.mRandAlt = s.mRand;

    MoistureStep(s, s.X, N, s.dx, s.deltaT, s.mRand, s.ThetaOb, s.grid);
    if (!std::isfinite(s.X[0]) || !std::isfinite(s.X[N])) return PeriodEnd::Failed;
    s.Kurvenstil = s.StilEins;

    if (s.X[0] < s.XSchwEnde && s.t1xse == 0) {
      s.t1xse = s.Zeit;
      ShowSurfaceShrinkageEnd(s, d);
    }
    if (s.X[N] <= s.XSchwEnde && s.t2xse == 0) {
      s.t2xse = s.Zeit;
      ShowCoreShrinkageEnd(s, d);
    }

    if (s.X[0] < 0) {
      // The surface has dried out: this step stores nothing and closes the
      // period with the final profile.
      s.Kurvenstil = s.StilNull;
    } else {
      if (s.record.series.nReihe >= kMaxSeriesIndex) return PeriodEnd::SeriesFull;
      StorePoint(s, N);
      TrackShrinkageGradient(s, d, N);
      StoreSeries(s, N);
      if (s.nSchritt % displayEvery == 0) ShowLiveValues(s, d);
      if (s.nSchritt < s.rund) continue;
    }

    d.drawProfile(s, s.Kurvenstil);
    d.refresh(Area::Ausgabe);
    Show(d, "txt_Zeit", FormatDuration(std::floor(s.Zeit + 0.5)));
    Show(d, "txt_qrand", Format(s.qrand, "#0.00"));
    Show(d, "txt_xmom", Format(s.xmom, "#0.00"));
    Show(d, "txt_Wasserdampf", Format(3600 * (-s.mRand), "#0.00"));
    ShowTemperatures(s, d);

    if (s.nSchritt == s.rund) {
      s.nSchritt = 0;
      continue;
    }
    break;
  }

  s.Dauer1TA = s.Zeit;
  s.X1TA = s.xmom;
  s.record.series.nReihe1TA = s.record.series.nReihe;
  ShowFirstPeriodResults(s, d);
  return PeriodEnd::Done;
}

}  // namespace lamvero
