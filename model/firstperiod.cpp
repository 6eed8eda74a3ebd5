#include <algorithm>
#include <cmath>

#include "model/airmodel.h"
#include "model/claybody.h"
#include "model/dryingperiods.h"
#include "model/moistair.h"
#include "model/moisturestep.h"

namespace lamvero {

namespace {

// Shrinkage of a node for the shrinkage-difference and gradient displays.
// Below the limit moisture the body keeps its dry dimensions, so the shrinkage
// never exceeds SchwindTot there.
double ShownShrinkage(const RunState& s, double X) {
  return std::min(ShrinkageAtMoisture(s, X), s.SchwindTot);
}

// The surface and the core share the wet-bulb temperature in this period;
// they are taken over whenever the window shows them.
void CoreAtWetBulb(RunState& s) {
  s.ThetaObTr = s.ThetaOb;
  s.ThetaK = s.ThetaOb;
}

// One time step of the wet plate: the air at the plate, the evaporation the
// heat reaching the surface drives, and the moisture profile.
void TakeStep(RunState& s, RunView& view, int N) {
  s.ThetaOb = WetBulbOfAir(s);
  CheckCounterCurrentEnd(s, view);
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
}

void StorePoint(RunState& s, int N) {
  s.XBilanz = s.XBilanz + 2 * s.mRand * s.deltaT / (s.DickeTr * s.rhos);
  double sum = 0;
  for (int i = 1; i <= N; ++i) sum += s.dx * s.rhos * s.X[i];
  s.xmom = sum / ((s.DickeTr / 2) * s.rhos);

  RunSeries& r = s.record.series;
  const int k = ++r.nReihe;
  r.WasserdampfReihe[k] = 3600 * (-s.mRand);
  if (r.WasserdampfReihe[k] > s.WasserdampfMax) s.WasserdampfMax = r.WasserdampfReihe[k];
  r.tReihe[k] = s.Zeit;
  if (s.linTrSchwind > kNoShrinkage) {
    r.SchwOberflReihe[k] = s.linTrSchwind * (s.XAnf - s.X[0]) / (s.XAnf - s.XSchwEnde);
    r.SchwKernReihe[k] = s.linTrSchwind * (s.XAnf - s.X[N]) / (s.XAnf - s.XSchwEnde);
  } else {
    r.SchwOberflReihe[k] = 0;
    r.SchwKernReihe[k] = 0;
  }
}

// The largest shrinkage gradient at the surface is sought only at the start of
// drying, while the surface has not yet reached the limit moisture.
void TrackShrinkageGradient(RunState& s, RunView& view, int N) {
  if (s.t1xse > 1) return;
  const double surface = ShownShrinkage(s, s.X[0]);
  const double gradient = (surface - ShownShrinkage(s, s.X[1])) / s.dx;
  if (gradient > s.schwindgrad) {
    s.schwindgrad = gradient;
    s.schwinddiff = surface - ShownShrinkage(s, s.X[N]);
    view.shrinkageGradient(s.schwinddiff, s.schwindgrad);
  }
}

void StoreSeries(RunState& s, int N) {
  RunSeries& r = s.record.series;
  const int k = r.nReihe;
  r.XReihe[k] = s.xmom;
  r.XOberflReihe[k] = s.X[0];
  r.XKernReihe[k] = s.X[N];
  r.ThetaLuftReihe[k] = s.ThetaLuft;
  r.ThetaObReihe[k] = s.ThetaOb;
  r.ThetaKReihe[k] = s.ThetaOb;
  r.SpiegelReihe[k] = 0;
}

}  // namespace

void CheckShrinkageEnds(RunState& s, RunView& view, int N, CoreLimit coreLimit) {
  if (s.X[0] < s.XSchwEnde && s.t1xse == 0) {
    s.t1xse = s.Zeit;
    view.surfaceShrinkageEnded(s.t1xse);
  }
  const bool coreAtLimit = coreLimit == CoreLimit::AtOrBelow ? s.X[N] <= s.XSchwEnde : s.X[N] < s.XSchwEnde;
  if (coreAtLimit && s.t2xse == 0) {
    s.t2xse = s.Zeit;
    view.coreShrinkageEnded(s.t2xse);
  }
}

PeriodEnd RunFirstPeriod(RunState& s, RunView& view) {
  const int N = static_cast<int>(s.AnzOS);
  const long long displayEvery = static_cast<long long>(std::floor(s.rund / kLiveValuesPerCurve));
  s.GegenstromAktiv = 1;

  for (bool periodOver = false; !periodOver;) {
    view.yield();
    if (StopRequested(s)) return PeriodEnd::Stopped;
    s.nSchritt = s.nSchritt + 1;
    s.Zeit = s.Zeit + s.deltaT;

    TakeStep(s, view, N);
    if (!std::isfinite(s.X[0]) || !std::isfinite(s.X[N])) return PeriodEnd::Failed;
    CheckShrinkageEnds(s, view, N, CoreLimit::AtOrBelow);

    // The step that dries the surface stores nothing; its profile is the last one.
    const bool surfaceDry = s.X[0] < 0;
    if (!surfaceDry) {
      if (s.record.series.nReihe >= kMaxSeriesIndex) return PeriodEnd::SeriesFull;
      StorePoint(s, N);
      TrackShrinkageGradient(s, view, N);
      StoreSeries(s, N);
      if (s.nSchritt % displayEvery == 0) {
        CoreAtWetBulb(s);
        view.firstPeriodLive(s);
      }
    }

    const bool curveDone = s.nSchritt == s.rund;
    if (surfaceDry || curveDone) {
      CoreAtWetBulb(s);
      view.firstPeriodCurve(s, surfaceDry ? CurveStyle::Final : CurveStyle::Running);
    }
    if (curveDone) s.nSchritt = 0;
    // A surface that dries in the last step of a curve interval ends the
    // period only with the next step, which begins a new interval.
    periodOver = surfaceDry && !curveDone;
  }

  s.Dauer1TA = s.Zeit;
  s.X1TA = s.xmom;
  s.record.series.nReihe1TA = s.record.series.nReihe;
  view.firstPeriodEnded(s);
  return PeriodEnd::Done;
}

}  // namespace lamvero
