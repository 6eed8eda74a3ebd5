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

std::string MeanMoistureText(double xmom) {
  return xmom < 0.005 ? std::string("<0,01") : Format(xmom, "#0.00");
}

enum class Front { Found, Dry, Lost };

// The front as it is shown and stored. Interpolated between the last layer and
// its mirror, sSpiegel may pass the centre plane by up to a spatial step; the
// front itself never lies beyond the centre.
double FrontDepth(const RunState& s) { return std::min(s.sSpiegel, s.DickeTr / 2); }

// The drying front lies where the profile crosses zero: iSpiegel is the last
// dry node. A centre layer holding less than 0.001 counts as dry once every
// other layer is.
Front FindFront(RunState& s, int N) {
  int i = 0;
  // Each pass either ends the search or moves i on; a profile that is not
  // finite could do neither, hence the bound.
  for (int pass = 0; pass <= N + 1; ++pass) {
    if (s.X[1] >= 0) {
      s.iSpiegel = 0;
      return Front::Found;
    }
    if (s.X[i] < 0 && s.X[i + 1] >= 0) {
      s.iSpiegel = i;
      return Front::Found;
    }
    if (s.X[i + 1] < 0) i = i + 1;
    if (i + 1 == N && s.X[i + 1] < 0.001) i = i + 1;
    if (i == N) return Front::Dry;
  }
  return Front::Lost;
}

// Front temperature by bisection: the heat that crosses the boundary layer and
// the dry layer, less what warms the half plate, must evaporate as much water
// as can diffuse out through the pores of the dry layer.
void SolveFrontTemperature(RunState& s) {
  s.ThetaUnten = s.ThetaOb;
  s.ThetaOben = 101;
  s.nIter = 0;
  for (;;) {
    s.nIter = s.nIter + 1;
    s.ThetaK = (s.ThetaUnten + s.ThetaOben) / 2;
    s.qrand = (s.ThetaLuft - s.ThetaK) / (1 / s.Waermeuebergang + s.sSpiegel / s.lambda);
    s.ThetaObTr = s.ThetaLuft - s.qrand / s.Waermeuebergang;
    s.mWaerme = (s.qrand - (0.9 + 4.1868 * s.xmom) * s.rhos * s.DickeTr * (s.ThetaK - s.ThetaKAlt) /
                               (2 * s.deltaT)) /
                LatentHeat(s.ThetaK);
    // Stefan diffusion of vapour through the dry layer against 1 bar, at the
    // layer's mean temperature in kelvin.
    const double T = 273 + (s.ThetaObTr + s.ThetaK) / 2;
    s.DDampf = 2.23e-5 / (s.mue * s.sSpiegel) * std::pow(T / 273, 1.74);
    s.mDampf = 100 / (0.461 * T) * s.DDampf *
               std::log((1 - s.pDLuft) / (1 - SaturationPressure(s.ThetaK)));
    if ((std::fabs((s.mWaerme - s.mDampf) / s.mWaerme) < 0.02 && s.nIter > 10) || s.nIter > 50) return;
    if (s.mWaerme > s.mDampf) {
      s.ThetaUnten = s.ThetaK;
    } else {
      s.ThetaOben = s.ThetaK;
    }
  }
}

void ShowLiveValues(RunState& s, Display& d) {
  Show(d, "txt_Wasserdampf", Format(-s.mRand * 3600, "#0.00"));
  Show(d, "txt_thetaOb", Format(s.ThetaObTr, "#0.0"));
  Show(d, "txt_thetaK", Format(s.ThetaK, "#0.0"));
  Show(d, "txt_xmom", MeanMoistureText(s.xmom));
  Show(d, "txt_Zeit", FormatDuration(std::floor(s.Zeit + 0.5)));
  Show(d, "txt_qrand", Format(s.qrand, "#0.00"));
  // Volume flow of vapour per open pore area; 219.492 / T is the vapour density.
  Show(d, "txt_Dampfgeschw",
       Format(3600 * (-s.mRand / s.offPoren) * (273 + s.ThetaObTr) / 219.492, "#0.000"));
  Show(d, "txt_momLuftTemp", Format(s.ThetaLuft, "#0.0"));
  Show(d, "txt_momXLuft", Format(s.XLuft, "#0.000"));
}

void ShowIntervalEnd(RunState& s, Display& d) {
  Show(d, "txt_Wasserdampf", Format(-s.mRand * 3600, "#0.00"));
  Show(d, "txt_thetaOb", Format(s.ThetaObTr, "#0.0"));
  Show(d, "txt_thetaK", Format(s.ThetaK, "#0.0"));
  Show(d, "txt_xmom", MeanMoistureText(s.xmom));
  d.refresh(Area::Ausgabe);
  Show(d, "txt_Zeit", FormatDuration(std::floor(s.Zeit + 0.5)));
  Show(d, "txt_qrand", Format(s.qrand, "#0.00"));
}

void StorePoint(RunState& s, int N) {
  const int k = ++s.record.series.nReihe;
  s.record.series.tReihe[k] = s.Zeit;
  s.record.series.XReihe[k] = s.xmom;
  s.record.series.XOberflReihe[k] = 0;
  s.record.series.XKernReihe[k] = s.X[N];
  if (s.linTrSchwind > 0.001) {
    s.record.series.SchwKernReihe[k] = s.linTrSchwind * (s.XAnf - s.X[N]) / (s.XAnf - s.XSchwEnde);
  } else {
    s.record.series.SchwKernReihe[k] = 0;
  }
  // The dry surface does not shrink any more.
  s.record.series.SchwOberflReihe[k] = s.record.series.SchwOberflReihe[k - 1];
  s.record.series.ThetaLuftReihe[k] = s.ThetaLuft;
  s.record.series.ThetaObReihe[k] = s.ThetaObTr;
  s.record.series.ThetaKReihe[k] = s.ThetaK;
  // -100 marks a poorly converged front temperature; the evaluation replaces it.
  s.record.series.WasserdampfReihe[k] = s.nIter < 45 ? -s.mRand * 3600 : -100;
  if (s.record.series.WasserdampfReihe[k] > s.WasserdampfMax) s.WasserdampfMax = s.record.series.WasserdampfReihe[k];
  s.record.series.SpiegelReihe[k] = FrontDepth(s);
}

}  // namespace

PeriodEnd RunSecondPeriod(RunState& s, Display& d) {
  const int N = static_cast<int>(s.AnzOS);
  const long long displayEvery = static_cast<long long>(std::floor(s.rund / 50));
  // The rate is relaxed over about 5 % of the first period's steps.
  s.nGlatt = static_cast<std::int16_t>(std::floor(0.05 * s.Dauer1TA / s.deltaT));
  s.ThetaKAlt = s.ThetaOb;

  for (;;) {
    d.yield();
    if (StopRequested(s)) return PeriodEnd::Stopped;
    s.nSchritt = s.nSchritt + 1;
    s.Zeit = s.Zeit + s.deltaT;

    CheckCounterCurrentEnd(s, d);
    UpdateAirSecondPeriod(s);
    s.ThetaOb = WetBulbOfAir(s);
    s.pDLuft = VapourPressureOfAir(s);

    const Front front = FindFront(s, N);
    if (front == Front::Lost) return PeriodEnd::Failed;
    if (front == Front::Dry) {
      s.nSchritt = static_cast<int>(s.rund) + 1;
      ShowIntervalEnd(s, d);
      return PeriodEnd::Done;
    }

    const int iSp = s.iSpiegel;
    s.sSpiegel = s.dx * (iSp + 0.5 - s.X[iSp] / (s.X[iSp + 1] - s.X[iSp]));

    if (s.sSpiegel < 0.0001 * s.dx) {
      // A dry layer this thin does not limit the drying: the front is at the
      // wet-bulb temperature.
      s.ThetaK = s.ThetaOb;
      s.qrand = (s.ThetaLuft - s.ThetaK) / (1 / s.Waermeuebergang + s.sSpiegel / s.lambda);
      s.ThetaObTr = s.ThetaLuft - s.qrand / s.Waermeuebergang;
      s.mRand = -s.qrand / LatentHeat(s.ThetaOb);
    } else {
      SolveFrontTemperature(s);
    }
    s.mRand = (s.mRand * s.nGlatt - s.mDampf) / (s.nGlatt + 1);

    if (s.nIter > 45) d.setVisible("lbl_Achtung", true);
    if (s.nIter < 44) d.setVisible("lbl_Achtung", false);
    d.repaint("lbl_Achtung");

    s.ThetaKAlt = s.ThetaK;

    WetCoreMoistureStep(s, s.X, N, iSp, s.dx, s.deltaT, s.mRand, s.ThetaK, s.grid);
    if (!std::isfinite(s.X[N])) return PeriodEnd::Failed;

    if (s.X[0] < s.XSchwEnde && s.t1xse == 0) {
      s.t1xse = s.Zeit;
      ShowSurfaceShrinkageEnd(s, d);
    }
    if (s.X[N] < s.XSchwEnde && s.t2xse == 0) {
      s.t2xse = s.Zeit;
      ShowCoreShrinkageEnd(s, d);
    }

    s.XBilanz = s.XBilanz + 2 * s.mRand * s.deltaT / (s.rhos * s.DickeTr);
    // Only the wet layers hold water; the dry ones carry negative values.
    double sum = 0;
    for (int j = 1; j <= N; ++j) {
      if (s.X[j] > 0) sum += s.rhos * s.X[j] * s.dx;
    }
    s.xmom = sum / ((s.DickeTr / 2) * s.rhos);

    if (s.record.series.nReihe >= kMaxSeriesIndex) return PeriodEnd::SeriesFull;
    StorePoint(s, N);

    if (s.nSchritt % displayEvery == 0) ShowLiveValues(s, d);
    if (s.nSchritt < s.rund) continue;

    d.drawProfile(s, s.StilEins);
    if (s.nIter > 45) d.setVisible("lbl_Achtung", true);
    if (s.nIter < 45) d.setVisible("lbl_Achtung", false);
    d.repaint("lbl_Achtung");
    d.refresh(Area::Zeit);
    ShowIntervalEnd(s, d);
    // nSchritt equals rund here: the next curve interval begins.
    s.nSchritt = 0;
  }
}

}  // namespace lamvero
