#include "run/setup.h"

#include "physics/claybody.h"
#include "inputs/inputreading.h"
#include "physics/moistair.h"

namespace lamvero {

namespace {

// Nothing of an earlier run in the same state stands for this one, except
// the counter-current duration (see RunState).
void ForgetEarlierRun(RunState& s, const InputValues& v) {
  s.in = v;
  s.run = RunConstants{};
  s.now = StepState{};
  s.record.results = RunResults{};
  s.record.series.nReihe1TA = 0;
  s.thinning = SeriesThinning{};
  s.StopFlag = false;
}

// The run's constants; returns the step count as written into its box.
std::string DeriveConstants(RunConstants& run, const InputValues& v) {
  // Number of spatial steps per half plate, from the green thickness and the
  // requested step as entered; the box is then read back like every input.
  std::string anzOSText = SpatialStepsText(v.Dicke, v.Ortsschrittweite);
  run.AnzOS = SpatialStepCount(anzOSText);

  // Dry geometry: the model plate is the green plate after its linear shrinkage.
  run.DickeTr = v.Dicke / 1000;
  run.DickeTr = run.DickeTr * (1 - v.linTrSchwind / 100);
  run.FlaechenmasseInv = 2 / (v.rhos * run.DickeTr);

  // Exhaust and outside air at a total pressure of 1 bar.
  run.pDAb = SaturationPressure(v.Lufttemp) * v.AbluftFeuchte;
  run.XAbluft = HumidityRatio(run.pDAb);
  run.ThetaKgr = WetBulbTemperature(v.Lufttemp, run.XAbluft);
  run.pDAu = SaturationPressure(v.AussenluftTemp) * v.AussenluftFeuchte;
  run.XAussen = static_cast<float>(HumidityRatio(run.pDAu));

  // All initial water is carried off by air humidified from outside to exhaust state.
  run.LuftRohlingVerh = v.XAnf / (run.XAbluft - run.XAussen);

  // Ideal volumetric shrinkage down to the limit moisture XSchwEnde, and the
  // conductivity KappaGr that gives Feuchteleit at 0.25 kg/kg.
  run.body.rhos = v.rhos;
  run.body.KappaSteig = v.KappaSteig;
  run.at25 = DeriveClayBody(run.body, v.XAnf, v.linTrSchwind, v.Feuchteleit);

  run.dx = run.DickeTr / (2 * run.AnzOS);
  return anzOSText;
}

// The plate enters at the wet-bulb temperature of the exhaust air.
void EnterPlate(StepState& now, const RunConstants& run, const InputValues& v) {
  now.ThetaLuft = v.Lufttemp;
  now.XLuft = HumidityFromWetBulb(v.Lufttemp, run.ThetaKgr);
  now.ThetaOb = run.ThetaKgr;
  now.pDLuft = VapourPressureFromWetBulb(now.ThetaLuft, now.ThetaOb);
  now.qrand = v.Waermeuebergang * (now.ThetaLuft - now.ThetaOb);
  now.mRand = -now.qrand / LatentHeat(now.ThetaOb);
  // The profile and the solver's storage are sized for this grid once, here.
  now.X.resize(run.AnzOS + 2);
  now.grid.resize(run.AnzOS + 2);
  for (int i = 0; i <= run.AnzOS + 1; ++i) now.X[i] = v.XAnf;
  now.xmom = v.XAnf;
  now.XBilanz = v.XAnf;
}

// The first stored point: the state as the plate enters.
void StoreEntry(RunSeries& r, const StepState& now, const InputValues& v, double Anfangsrate) {
  r.nReihe = 0;
  r.tReihe[0] = 0;
  r.XReihe[0] = v.XAnf;
  // The whole plate holds its initial moisture, surface and centre alike.
  r.XOberflReihe[0] = v.XAnf;
  r.XKernReihe[0] = v.XAnf;
  r.SpiegelReihe[0] = 0;
  r.ThetaLuftReihe[0] = now.ThetaLuft;
  r.XLuftReihe[0] = now.XLuft;
  r.ThetaObReihe[0] = now.ThetaOb;
  r.ThetaKReihe[0] = now.ThetaOb;
  r.WasserdampfReihe[0] = Anfangsrate;
  r.SchwOberflReihe[0] = 0;
  r.SchwKernReihe[0] = 0;
}

}  // namespace

void SetUpRun(RunState& s, const InputValues& v, RunEvents& events) {
  ForgetEarlierRun(s, v);
  const std::string anzOSText = DeriveConstants(s.run, v);
  EnterPlate(s.now, s.run, v);
  s.record.results.Anfangsrate = 3600 * (-s.now.mRand);
  StoreEntry(s.record.series, s.now, v, s.record.results.Anfangsrate);

  SetUpValues shown;
  shown.anzOSText = anzOSText;
  shown.body = s.run.body;
  shown.XAnf = v.XAnf;
  shown.linTrSchwind = v.linTrSchwind;
  shown.LuftRohlingVerh = s.run.LuftRohlingVerh;
  shown.ThetaOb = s.now.ThetaOb;
  shown.mRand = s.now.mRand;
  events.setUpDone(shown);
}

}  // namespace lamvero
