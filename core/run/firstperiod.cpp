#include <algorithm>
#include <cmath>

#include "run/airmodel.h"
#include "physics/claybody.h"
#include "run/dryingperiods.h"
#include "run/eventvalues.h"
#include "physics/moistair.h"
#include "physics/moisturestep.h"

namespace lamvero {

namespace {

// Shrinkage of a node for the shrinkage-difference and gradient displays.
// Below the limit moisture the body keeps its dry dimensions, so the shrinkage
// never exceeds SchwindTot there.
double ShownShrinkage(const RunState& s, double X) {
  return std::min(ShrinkageAtMoisture(s.run.body, X), s.run.body.SchwindTot);
}

// The surface and the core share the wet-bulb temperature in this period;
// they are taken over whenever the window shows them.
void CoreAtWetBulb(RunState& s) {
  StepState& now = s.now;
  now.ThetaObTr = now.ThetaOb;
  now.ThetaK = now.ThetaOb;
}

// One time step of the wet plate: the air at the plate, the evaporation the
// heat reaching the surface drives, and the moisture profile.
// False if the moisture step could not be solved.
bool TakeStep(RunState& s, RunEvents& events, int N) {
  StepState& now = s.now;
  now.ThetaOb = WetBulbOfAir(s);
  CheckCounterCurrentEnd(s, events);
  // The first step of every curve interval leaves the air where it is.
  if (now.nSchritt != 1) {
    UpdateAirFirstPeriod(s);
    now.ThetaOb = WetBulbOfAir(s);
  }

  // The wet surface sits at the wet-bulb temperature; the heat that reaches
  // it evaporates the water.
  now.qrand = s.in.Waermeuebergang * (now.ThetaLuft - now.ThetaOb);
  now.mRand = -now.qrand / LatentHeat(now.ThetaOb);
  // Once the surface has passed the limit moisture the rate may not fall.
  if (s.record.results.t1xse > 1e-5 && now.mRand > now.mRandAlt) now.mRand = now.mRandAlt;
  now.mRandAlt = now.mRand;

  return MoistureStep(s.run.body, now.X, N, s.run.dx, s.in.deltaT, now.mRand, now.ThetaOb, now.grid);
}

void StorePoint(RunState& s, int N) {
  StepState& now = s.now;
  now.XBilanz = now.XBilanz + 2 * now.mRand * s.in.deltaT / (s.run.DickeTr * s.run.body.rhos);
  double sum = 0;
  for (int i = 1; i <= N; ++i) sum += s.run.dx * s.run.body.rhos * now.X[i];
  now.xmom = sum / ((s.run.DickeTr / 2) * s.run.body.rhos);

  RunSeries& r = s.record.series;
  const int k = ++r.nReihe;
  r.WasserdampfReihe[k] = 3600 * (-now.mRand);
  if (r.WasserdampfReihe[k] > s.record.results.WasserdampfMax) s.record.results.WasserdampfMax = r.WasserdampfReihe[k];
  r.tReihe[k] = now.Zeit;
  if (s.in.linTrSchwind > kNoShrinkage) {
    r.SchwOberflReihe[k] = s.in.linTrSchwind * (s.in.XAnf - now.X[0]) / (s.in.XAnf - s.run.body.XSchwEnde);
    r.SchwKernReihe[k] = s.in.linTrSchwind * (s.in.XAnf - now.X[N]) / (s.in.XAnf - s.run.body.XSchwEnde);
  } else {
    r.SchwOberflReihe[k] = 0;
    r.SchwKernReihe[k] = 0;
  }
}

// The largest shrinkage gradient at the surface is sought only at the start of
// drying, while the surface has not yet reached the limit moisture.
void TrackShrinkageGradient(RunState& s, RunEvents& events, int N) {
  StepState& now = s.now;
  RunResults& results = s.record.results;
  if (results.t1xse > 1) return;
  const double surface = ShownShrinkage(s, now.X[0]);
  const double gradient = (surface - ShownShrinkage(s, now.X[1])) / s.run.dx;
  if (gradient > results.schwindgrad) {
    results.schwindgrad = gradient;
    results.schwinddiff = surface - ShownShrinkage(s, now.X[N]);
    events.shrinkageGradient(results.schwinddiff, results.schwindgrad);
  }
}

void StoreSeries(RunState& s, int N) {
  StepState& now = s.now;
  RunSeries& r = s.record.series;
  const int k = r.nReihe;
  r.XReihe[k] = now.xmom;
  r.XOberflReihe[k] = now.X[0];
  r.XKernReihe[k] = now.X[N];
  r.ThetaLuftReihe[k] = now.ThetaLuft;
  r.XLuftReihe[k] = now.XLuft;
  r.ThetaObReihe[k] = now.ThetaOb;
  r.ThetaKReihe[k] = now.ThetaOb;
  r.SpiegelReihe[k] = 0;
}

}  // namespace

void CheckShrinkageEnds(RunState& s, RunEvents& events, int N, CoreLimit coreLimit) {
  StepState& now = s.now;
  RunResults& results = s.record.results;
  if (now.X[0] < s.run.body.XSchwEnde && results.t1xse == 0) {
    results.t1xse = now.Zeit;
    events.surfaceShrinkageEnded(results.t1xse);
  }
  const bool coreAtLimit =
      coreLimit == CoreLimit::AtOrBelow ? now.X[N] <= s.run.body.XSchwEnde : now.X[N] < s.run.body.XSchwEnde;
  if (coreAtLimit && results.t2xse == 0) {
    results.t2xse = now.Zeit;
    events.coreShrinkageEnded(results.t2xse);
  }
}

PeriodEnd RunFirstPeriod(RunState& s, RunEvents& events) {
  StepState& now = s.now;
  const int N = s.run.AnzOS;
  const long long displayEvery = static_cast<long long>(std::floor(s.in.rund / kLiveValuesPerCurve));
  now.GegenstromAktiv = true;

  for (bool periodOver = false; !periodOver;) {
    events.stepBegins();
    if (StopRequested(s)) return PeriodEnd::Stopped;
    now.nSchritt = now.nSchritt + 1;
    now.Zeit = now.Zeit + s.in.deltaT;

    const bool solved = TakeStep(s, events, N);
    if (!solved || !std::isfinite(now.X[0]) || !std::isfinite(now.X[N])) return PeriodEnd::Failed;
    CheckShrinkageEnds(s, events, N, CoreLimit::AtOrBelow);

    // The step that dries the surface stores nothing; its profile is the last one.
    const bool surfaceDry = now.X[0] < 0;
    if (!surfaceDry) {
      if (!RoomForPoint(s)) return PeriodEnd::SeriesFull;
      StorePoint(s, N);
      TrackShrinkageGradient(s, events, N);
      StoreSeries(s, N);
      s.thinning.settle(s.record.series);
      if (now.nSchritt % displayEvery == 0) {
        CoreAtWetBulb(s);
        events.liveValues(DryingPeriod::First, LiveValuesOf(s));
      }
    }

    const bool curveDone = now.nSchritt == s.in.rund;
    if (surfaceDry || curveDone) {
      CoreAtWetBulb(s);
      events.curveEnded(CurveEndOf(s, DryingPeriod::First, surfaceDry));
    }
    if (curveDone) now.nSchritt = 0;
    // A surface that dries in the last step of a curve interval ends the
    // period only with the next step, which begins a new interval.
    periodOver = surfaceDry && !curveDone;
  }

  s.record.results.Dauer1TA = now.Zeit;
  s.record.results.X1TA = now.xmom;
  s.thinning.keepLatest(s.record.series);
  s.record.series.nReihe1TA = s.record.series.nReihe;
  events.firstPeriodEnded(FirstPeriodResults{s.record.results.Dauer1TA, s.record.results.X1TA,
                                             s.record.results.Anfangsrate});
  return PeriodEnd::Done;
}

}  // namespace lamvero
