#include <cmath>
#include <utility>

#include "run/airmodel.h"
#include "run/dryingperiods.h"

namespace lamvero {

namespace {

// The numerical profile keeps a small residual moisture when the front has
// reached the centre; this maps XEnde to 0 and leaves XAnf fixed.
double WithoutResidual(double X, double XEnde, double XAnf) {
  return (X - XEnde) * XAnf / (XAnf - XEnde);
}

void SmoothSeries(RunState& s) {
  RunResults& results = s.record.results;
  RunSeries& r = s.record.series;
  const double W = results.nGlatt;
  results.WasserdampfMax = 0;
  // First-order recursive smoothing: entry k-1 is already smoothed.
  for (int k = 10; k <= r.nReihe; ++k) {
    r.ThetaLuftReihe[k] = (r.ThetaLuftReihe[k] + (W / 3) * r.ThetaLuftReihe[k - 1]) / (W / 3 + 1);
    r.ThetaObReihe[k] = (r.ThetaObReihe[k] + W * r.ThetaObReihe[k - 1]) / (W + 1);
    r.ThetaKReihe[k] = (r.ThetaKReihe[k] + W * r.ThetaKReihe[k - 1]) / (W + 1);
    if (r.WasserdampfReihe[k] < 0) r.WasserdampfReihe[k] = r.WasserdampfReihe[k - 1];
    r.WasserdampfReihe[k] = (r.WasserdampfReihe[k] + W * r.WasserdampfReihe[k - 1]) / (W + 1);
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
      {s.record.results.Dauer1TA, "Dauer des 1. Trocknungsabschnitts"},
      {s.record.results.X1TA, "Wasserbeladung nach dem 1. Trocknungsabschnitt"},
      {s.record.results.t1xse, "Dauer der Oberflächenschwindung"},
      {s.record.results.t2xse, "Dauer der Kernschwindung"},
      {s.record.results.schwindgrad, "max. Schwindungsgradient"},
      {s.record.results.ThetaZuluft, "Temperatur der Trocknerzuluft"},
      {s.record.results.spezEnergie, "spez. Energiebedarf"},
      {s.record.results.relEnergie, "Energie / Verdampfungsenthalpie"},
      {s.record.results.WasserfehlerProzent, "relativer Wasserfehler"},
  };
  std::vector<std::string> names;
  for (const auto& [value, name] : scalars) {
    if (!std::isfinite(value)) names.emplace_back(name);
  }
  for (const SeriesColumn& c : SeriesColumns()) {
    const Series& values = s.record.series.*c.member;
    for (int k = 0; k <= s.record.series.nReihe; ++k) {
      if (!std::isfinite(values[static_cast<std::size_t>(k)])) {
        names.emplace_back(c.course);
        break;
      }
    }
  }
  return names;
}

}  // namespace lamvero
