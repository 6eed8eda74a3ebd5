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

enum class Front { Found, Dry, Lost };

// Moisture (kg/kg) below which the centre layer counts as dry.
constexpr double kDryCentreMoisture = 0.001;

// The front as it is shown and stored. Interpolated between the last layer and
// its mirror, sSpiegel may pass the centre plane by up to a spatial step; the
// front itself never lies beyond the centre.
double FrontDepth(const RunState& s) { return std::min(s.now.sSpiegel, s.run.DickeTr / 2); }

// The drying front lies where the profile crosses zero: iSpiegel is the last
// dry node. A centre layer holding less than kDryCentreMoisture counts as dry
// once every other layer is.
Front FindFront(const RunState& s, int N, int& iSpiegel) {
  const StepState& now = s.now;
  int i = 0;
  // Each pass either ends the search or moves i on; a profile that is not
  // finite could do neither, hence the bound.
  for (int pass = 0; pass <= N + 1; ++pass) {
    if (now.X[1] >= 0) {
      iSpiegel = 0;
      return Front::Found;
    }
    if (now.X[i] < 0 && now.X[i + 1] >= 0) {
      iSpiegel = i;
      return Front::Found;
    }
    if (now.X[i + 1] < 0) i = i + 1;
    if (i + 1 == N && now.X[i + 1] < kDryCentreMoisture) i = i + 1;
    if (i == N) return Front::Dry;
  }
  return Front::Lost;
}

// The heat flux from the air through the boundary layer and the dry layer to
// the front at ThetaK, and the temperature of the surface between them.
void HeatThroughDryLayer(RunState& s) {
  StepState& now = s.now;
  now.qrand = (now.ThetaLuft - now.ThetaK) / (1 / s.in.Waermeuebergang + now.sSpiegel / s.in.lambda);
  now.ThetaObTr = now.ThetaLuft - now.qrand / s.in.Waermeuebergang;
}

// Front temperature by bisection: the heat that crosses the boundary layer and
// the dry layer, less what warms the half plate, must evaporate as much water
// as can diffuse out through the pores of the dry layer.
void SolveFrontTemperature(RunState& s) {
  StepState& now = s.now;
  double ThetaUnten = now.ThetaOb;  // bracket of the front temperature, °C
  double ThetaOben = kFrontTemperatureAbove;
  now.nIter = 0;
  for (;;) {
    now.nIter = now.nIter + 1;
    now.ThetaK = (ThetaUnten + ThetaOben) / 2;
    HeatThroughDryLayer(s);
    // Evaporation the heat allows, kg/(m² s): specific heats 0.9 (dry body)
    // and 4.1868 (water) per kJ/(kg K).
    const double mWaerme = (now.qrand - (0.9 + 4.1868 * now.xmom) * s.run.body.rhos * s.run.DickeTr *
                                            (now.ThetaK - now.ThetaKAlt) / (2 * s.in.deltaT)) /
                           LatentHeat(now.ThetaK);
    // Stefan diffusion of vapour through the dry layer against 1 bar, at the
    // layer's mean temperature in kelvin.
    const double T = 273 + (s.now.ThetaObTr + s.now.ThetaK) / 2;
    // Vapour diffusion coefficient of the dry layer divided by its depth, m/s.
    const double DDampf =
        kVapourDiffusivity273 / (s.in.mue * now.sSpiegel) * std::pow(T / 273, kVapourDiffusivityExponent);
    // Vapour density per bar: p / (R T) with p in kPa.
    now.mDampf =
        100 / (kVapourGasConstant * T) * DDampf * std::log((1 - now.pDLuft) / (1 - SaturationPressure(now.ThetaK)));
    const bool balanced = std::fabs((mWaerme - now.mDampf) / mWaerme) < kFrontBalanceTolerance;
    if ((balanced && now.nIter > kMinFrontIterations) || now.nIter > kMaxFrontIterations) return;
    if (mWaerme > now.mDampf) {
      ThetaUnten = now.ThetaK;
    } else {
      ThetaOben = now.ThetaK;
    }
  }
}

// The front's depth between the last dry node iSp and the next one, its
// temperature, and the evaporation rate relaxed over nGlatt steps.
void FrontAndRate(RunState& s, int iSp) {
  StepState& now = s.now;
  const RunResults& results = s.record.results;
  now.sSpiegel = s.run.dx * (iSp + 0.5 - now.X[iSp] / (now.X[iSp + 1] - now.X[iSp]));

  if (now.sSpiegel < 0.0001 * s.run.dx) {
    // A dry layer this thin does not limit the drying: the front is at the
    // wet-bulb temperature.
    now.ThetaK = now.ThetaOb;
    HeatThroughDryLayer(s);
    now.mRand = -now.qrand / LatentHeat(now.ThetaOb);
  } else {
    SolveFrontTemperature(s);
  }
  now.mRand = (now.mRand * results.nGlatt - now.mDampf) / (results.nGlatt + 1);
}

// The water balance of the step and the mean moisture of the wet layers.
void BalanceWater(RunState& s, int N) {
  StepState& now = s.now;
  now.XBilanz = now.XBilanz + 2 * now.mRand * s.in.deltaT / (s.run.body.rhos * s.run.DickeTr);
  // Only the wet layers hold water; the dry ones carry negative values.
  double sum = 0;
  for (int j = 1; j <= N; ++j) {
    if (now.X[j] > 0) sum += s.run.body.rhos * now.X[j] * s.run.dx;
  }
  now.xmom = sum / ((s.run.DickeTr / 2) * s.run.body.rhos);
}

void StorePoint(RunState& s, int N) {
  StepState& now = s.now;
  RunSeries& r = s.record.series;
  const int k = ++r.nReihe;
  r.tReihe[k] = now.Zeit;
  r.XReihe[k] = now.xmom;
  r.XOberflReihe[k] = 0;
  r.XKernReihe[k] = now.X[N];
  if (s.in.linTrSchwind > kNoShrinkage) {
    r.SchwKernReihe[k] = s.in.linTrSchwind * (s.in.XAnf - now.X[N]) / (s.in.XAnf - s.run.body.XSchwEnde);
  } else {
    r.SchwKernReihe[k] = 0;
  }
  // The dry surface does not shrink any more.
  r.SchwOberflReihe[k] = r.SchwOberflReihe[k - 1];
  r.ThetaLuftReihe[k] = now.ThetaLuft;
  r.XLuftReihe[k] = now.XLuft;
  r.ThetaObReihe[k] = now.ThetaObTr;
  r.ThetaKReihe[k] = now.ThetaK;
  // -100 marks a poorly converged front temperature; the evaluation replaces it.
  r.WasserdampfReihe[k] = now.nIter < kPoorFrontIterations ? -now.mRand * 3600 : kPoorRateMarker;
  if (r.WasserdampfReihe[k] > s.record.results.WasserdampfMax) s.record.results.WasserdampfMax = r.WasserdampfReihe[k];
  r.SpiegelReihe[k] = FrontDepth(s);
}

}  // namespace

PeriodEnd RunSecondPeriod(RunState& s, RunEvents& events) {
  StepState& now = s.now;
  RunResults& results = s.record.results;
  const int N = s.run.AnzOS;
  const long long displayEvery = static_cast<long long>(std::floor(s.in.rund / kLiveValuesPerCurve));
  // The rate is relaxed over about 5 % of the first period's steps.
  results.nGlatt = static_cast<std::int16_t>(std::floor(0.05 * results.Dauer1TA / s.in.deltaT));
  now.ThetaKAlt = now.ThetaOb;
  BeginAirSecondPeriod(s);

  for (;;) {
    events.stepBegins();
    if (StopRequested(s)) return PeriodEnd::Stopped;
    now.nSchritt = now.nSchritt + 1;
    now.Zeit = now.Zeit + s.in.deltaT;

    CheckCounterCurrentEnd(s, events);
    UpdateAirSecondPeriod(s);
    now.ThetaOb = WetBulbOfAir(s);
    now.pDLuft = VapourPressureOfAir(s);

    int iSp = 0;  // the last dry node
    const Front front = FindFront(s, N, iSp);
    if (front == Front::Lost) return PeriodEnd::Failed;
    if (front == Front::Dry) {
      events.secondPeriodEnded(LiveValuesOf(s));
      return PeriodEnd::Done;
    }

    FrontAndRate(s, iSp);
    events.frontIterations(now.nIter);

    now.ThetaKAlt = now.ThetaK;

    const bool solved = WetCoreMoistureStep(s.run.body, now.X, N, iSp, s.run.dx, s.in.deltaT, now.mRand, now.ThetaK, now.grid);
    if (!solved || !std::isfinite(now.X[N])) return PeriodEnd::Failed;

    CheckShrinkageEnds(s, events, N, CoreLimit::Below);

    BalanceWater(s, N);

    if (!RoomForPoint(s)) return PeriodEnd::SeriesFull;
    StorePoint(s, N);
    s.thinning.settle(s.record.series);

    if (now.nSchritt % displayEvery == 0) events.liveValues(DryingPeriod::Second, LiveValuesOf(s));
    if (now.nSchritt >= s.in.rund) {
      events.curveEnded(CurveEndOf(s, DryingPeriod::Second, false));
      // nSchritt equals rund here: the next curve interval begins.
      now.nSchritt = 0;
    }
  }
}

}  // namespace lamvero
