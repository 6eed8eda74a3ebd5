#include <cmath>
#include <utility>

#include "run/airmodel.h"
#include "run/dryingperiods.h"
#include "text/language.h"

namespace lamvero {

namespace {

// The numerical profile keeps a small residual moisture when the front has
// reached the centre; this maps XEnde to 0 and leaves XAnf fixed.
double WithoutResidual(double X, double XEnde, double XAnf) {
  return (X - XEnde) * XAnf / (XAnf - XEnde);
}

// First-order recursive smoothing with weight w of entry x, whose entry before
// lies `gap` stored steps back: xBefore as stored, yBefore already smoothed.
// Every run's series hold one point per step (gap 1). In thinned series
// (run/seriesthinning.h) the steps in between are smoothed as if they had
// held the straight line from xBefore to x: with a = w / (w + 1) the filter
// y(n) = a y(n-1) + (1 - a) x(n) over g steps of such a line gives
// y(g) = a^g yBefore + (1 - a^g) xBefore + (x - xBefore) S / g, where
// S = g (1 - a^g) - w (1 - g a^(g-1) + (g-1) a^g).
double Smoothed(double x, double xBefore, double yBefore, double w, int gap) {
  if (gap == 1) return (x + w * yBefore) / (w + 1);
  const double a = w / (w + 1), g = gap;
  const double ag = std::pow(a, g), ag1 = std::pow(a, g - 1);
  const double S = g * (1 - ag) - w * (1 - g * ag1 + (g - 1) * ag);
  return ag * yBefore + (1 - ag) * xBefore + (x - xBefore) * S / g;
}

void SmoothSeries(RunState& s) {
  RunResults& results = s.record.results;
  RunSeries& r = s.record.series;
  const double W = results.nGlatt;
  results.WasserdampfMax = 0;
  if (r.nReihe < kUnsmoothedPoints) return;
  // Each series' entry before as stored, before the smoothing replaced it.
  double luft = r.ThetaLuftReihe[kUnsmoothedPoints - 1], ob = r.ThetaObReihe[kUnsmoothedPoints - 1];
  double kern = r.ThetaKReihe[kUnsmoothedPoints - 1], dampf = r.WasserdampfReihe[kUnsmoothedPoints - 1];
  // The air's humidity ratio as its temperature, so that the two stay one state of the air.
  double feuchte = r.XLuftReihe[kUnsmoothedPoints - 1];
  for (int k = kUnsmoothedPoints; k <= r.nReihe; ++k) {
    const int gap = s.thinning.ordinal(k) - s.thinning.ordinal(k - 1);
    const double luftNow = r.ThetaLuftReihe[k], obNow = r.ThetaObReihe[k], kernNow = r.ThetaKReihe[k];
    r.ThetaLuftReihe[k] = Smoothed(luftNow, luft, r.ThetaLuftReihe[k - 1], W / 3, gap);
    r.ThetaObReihe[k] = Smoothed(obNow, ob, r.ThetaObReihe[k - 1], W, gap);
    r.ThetaKReihe[k] = Smoothed(kernNow, kern, r.ThetaKReihe[k - 1], W, gap);
    const double feuchteNow = r.XLuftReihe[k];
    r.XLuftReihe[k] = Smoothed(feuchteNow, feuchte, r.XLuftReihe[k - 1], W / 3, gap);
    feuchte = feuchteNow;
    if (r.WasserdampfReihe[k] < 0) r.WasserdampfReihe[k] = r.WasserdampfReihe[k - 1];
    const double dampfNow = r.WasserdampfReihe[k];
    r.WasserdampfReihe[k] = Smoothed(dampfNow, dampf, r.WasserdampfReihe[k - 1], W, gap);
    luft = luftNow;
    ob = obNow;
    kern = kernNow;
    dampf = dampfNow;
    if (r.WasserdampfReihe[k] > results.WasserdampfMax) results.WasserdampfMax = r.WasserdampfReihe[k];
  }
}

}  // namespace

void EvaluateRun(RunState& s, RunEvents& events) {
  RunResults& results = s.record.results;
  RunSeries& r = s.record.series;
  results.XEnde = s.now.xmom;
  results.X1TA = WithoutResidual(results.X1TA, results.XEnde, s.in.XAnf);
  for (int k = 1; k <= r.nReihe; ++k) {
    r.XReihe[k] = WithoutResidual(r.XReihe[k], results.XEnde, s.in.XAnf);
    r.XKernReihe[k] = WithoutResidual(r.XKernReihe[k], results.XEnde, s.in.XAnf);
  }
  SmoothSeries(s);

  ComputeEnergyBalance(s);
  // What the integrated surface flux has not accounted for, while the profile is dry.
  results.WasserfehlerProzent = std::fabs(s.now.XBilanz / s.in.XAnf * 100);
  RecordRun(s);  // the listener reads the results and series from the record
  const bool coarseGrid = MoistureGridNumber(s.in.Feuchteleit, s.in.deltaT, s.run.dx) < kBestGridNumberMin;
  events.runEvaluated(Evaluation{s.record, s.now.nIter, coarseGrid});
}

double MoistureGridNumber(double Feuchteleit, double deltaT, double dx) { return Feuchteleit * deltaT / (dx * dx); }

std::vector<std::string> NonFiniteResults(const RunState& s) {
  const std::pair<double, const char*> scalars[] = {
      {s.record.results.Dauer1TA, LV_TR_NOOP("Lauf", "Dauer des 1. Trocknungsabschnitts")},
      {s.record.results.X1TA, LV_TR_NOOP("Lauf", "Wasserbeladung nach dem 1. Trocknungsabschnitt")},
      {s.record.results.t1xse, LV_TR_NOOP("Lauf", "Dauer der Oberflächenschwindung")},
      {s.record.results.t2xse, LV_TR_NOOP("Lauf", "Dauer der Kernschwindung")},
      {s.record.results.schwindgrad, LV_TR_NOOP("Lauf", "max. Schwindungsgradient")},
      {s.record.results.ThetaZuluft, LV_TR_NOOP("Lauf", "Temperatur der Trocknerzuluft")},
      {s.record.results.spezEnergie, LV_TR_NOOP("Lauf", "spez. Energiebedarf")},
      {s.record.results.relEnergie, LV_TR_NOOP("Lauf", "Energie / Verdampfungsenthalpie")},
      {s.record.results.WasserfehlerProzent, LV_TR_NOOP("Lauf", "relativer Wasserfehler")},
  };
  std::vector<std::string> names;
  for (const auto& [value, name] : scalars) {
    if (!std::isfinite(value)) names.push_back(Tr("Lauf", name));
  }
  for (const SeriesColumn& c : SeriesColumns()) {
    const Series& values = s.record.series.*c.member;
    for (int k = 0; k <= s.record.series.nReihe; ++k) {
      if (!std::isfinite(values[static_cast<std::size_t>(k)])) {
        names.push_back(Tr("Ergebnisse", c.course));
        break;
      }
    }
  }
  return names;
}

}  // namespace lamvero
