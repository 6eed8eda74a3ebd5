#include <cmath>

#include "model/airmodel.h"
#include "model/claybody.h"
#include "model/dryingperiods.h"
#include "model/moistair.h"
#include "model/moisturestep.h"

namespace lamvero {

namespace {

enum class Front { Found, Dry, Lost };

// Moisture (kg/kg) below which the centre layer counts as dry.
constexpr double kDryCentreMoisture = 0.001;

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
    if (i + 1 == N && s.X[i + 1] < kDryCentreMoisture) i = i + 1;
    if (i == N) return Front::Dry;
  }
  return Front::Lost;
}

// Front temperature by bisection: the heat that crosses the boundary layer and
// the dry layer, less what warms the half plate, must evaporate as much water
// as can diffuse out through the pores of the dry layer.
void SolveFrontTemperature(RunState& s) {
  s.ThetaUnten = s.ThetaOb;
  s.ThetaOben = kFrontTemperatureAbove;
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
    s.DDampf = kVapourDiffusivity273 / (s.mue * s.sSpiegel) * std::pow(T / 273, kVapourDiffusivityExponent);
    // Vapour density per bar: p / (R T) with p in kPa.
    s.mDampf = 100 / (kVapourGasConstant * T) * s.DDampf *
               std::log((1 - s.pDLuft) / (1 - SaturationPressure(s.ThetaK)));
    const bool balanced = std::fabs((s.mWaerme - s.mDampf) / s.mWaerme) < kFrontBalanceTolerance;
    if ((balanced && s.nIter > kMinFrontIterations) || s.nIter > kMaxFrontIterations) return;
    if (s.mWaerme > s.mDampf) {
      s.ThetaUnten = s.ThetaK;
    } else {
      s.ThetaOben = s.ThetaK;
    }
  }
}

void StorePoint(RunState& s, int N) {
  RunSeries& r = s.record.series;
  const int k = ++r.nReihe;
  r.tReihe[k] = s.Zeit;
  r.XReihe[k] = s.xmom;
  r.XOberflReihe[k] = 0;
  r.XKernReihe[k] = s.X[N];
  if (s.linTrSchwind > kNoShrinkage) {
    r.SchwKernReihe[k] = s.linTrSchwind * (s.XAnf - s.X[N]) / (s.XAnf - s.XSchwEnde);
  } else {
    r.SchwKernReihe[k] = 0;
  }
  // The dry surface does not shrink any more.
  r.SchwOberflReihe[k] = r.SchwOberflReihe[k - 1];
  r.ThetaLuftReihe[k] = s.ThetaLuft;
  r.ThetaObReihe[k] = s.ThetaObTr;
  r.ThetaKReihe[k] = s.ThetaK;
  // -100 marks a poorly converged front temperature; the evaluation replaces it.
  r.WasserdampfReihe[k] = s.nIter < kPoorFrontIterations ? -s.mRand * 3600 : kPoorRateMarker;
  if (r.WasserdampfReihe[k] > s.WasserdampfMax) s.WasserdampfMax = r.WasserdampfReihe[k];
  r.SpiegelReihe[k] = s.sSpiegel;
}

}  // namespace

PeriodEnd RunSecondPeriod(RunState& s, RunView& view) {
  const int N = static_cast<int>(s.AnzOS);
  const long long displayEvery = static_cast<long long>(std::floor(s.rund / kLiveValuesPerCurve));
  // The rate is relaxed over about 5 % of the first period's steps.
  s.nGlatt = static_cast<std::int16_t>(std::floor(0.05 * s.Dauer1TA / s.deltaT));
  s.ThetaKAlt = s.ThetaOb;

  for (;;) {
    view.yield();
    if (StopRequested(s)) return PeriodEnd::Stopped;
    s.nSchritt = s.nSchritt + 1;
    s.Zeit = s.Zeit + s.deltaT;

    CheckCounterCurrentEnd(s, view);
    UpdateAirSecondPeriod(s);
    s.ThetaOb = WetBulbOfAir(s);
    s.pDLuft = VapourPressureOfAir(s);

    const Front front = FindFront(s, N);
    if (front == Front::Lost) return PeriodEnd::Failed;
    if (front == Front::Dry) {
      s.nSchritt = static_cast<int>(s.rund) + 1;
      view.secondPeriodValues(s);
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

    view.frontIterations(s.nIter);

    s.ThetaKAlt = s.ThetaK;

    WetCoreMoistureStep(s, s.X, N, iSp, s.dx, s.deltaT, s.mRand, s.ThetaK, s.grid);
    if (!std::isfinite(s.X[N])) return PeriodEnd::Failed;

    CheckShrinkageEnds(s, view, N, CoreLimit::Below);

    s.XBilanz = s.XBilanz + 2 * s.mRand * s.deltaT / (s.rhos * s.DickeTr);
    // Only the wet layers hold water; the dry ones carry negative values.
    double sum = 0;
    for (int j = 1; j <= N; ++j) {
      if (s.X[j] > 0) sum += s.rhos * s.X[j] * s.dx;
    }
    s.xmom = sum / ((s.DickeTr / 2) * s.rhos);

    if (s.record.series.nReihe >= kMaxSeriesIndex) return PeriodEnd::SeriesFull;
    StorePoint(s, N);

    if (s.nSchritt % displayEvery == 0) view.secondPeriodLive(s);
    if (s.nSchritt >= s.rund) {
      view.secondPeriodCurve(s);
      // nSchritt equals rund here: the next curve interval begins.
      s.nSchritt = 0;
    }
  }
}

}  // namespace lamvero
