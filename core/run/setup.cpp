#include "run/setup.h"

#include "physics/claybody.h"
#include "inputs/inputreading.h"
#include "physics/moistair.h"

namespace lamvero {

void SetUpRun(RunState& s, const InputValues& v, RunEvents& events) {
  // Nothing of an earlier run in the same state stands for this one, except
  // the counter-current duration (see RunState).
  s.in = v;
  s.run = RunConstants{};
  s.now = StepState{};
  s.record.results = RunResults{};
  s.record.series.nReihe1TA = 0;
  s.StopFlag = 0;
  RunConstants& run = s.run;
  StepState& now = s.now;

  // Number of spatial steps per half plate, from the green thickness and the
  // requested step as entered; the box is then read back like every input.
  const std::string anzOSText = SpatialStepsText(v.Dicke, v.Ortsschrittweite);
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

  const int N = run.AnzOS;
  run.dx = run.DickeTr / (2 * run.AnzOS);

  // The plate enters at the wet-bulb temperature of the exhaust air.
  now.ThetaLuft = v.Lufttemp;
  now.XLuft = HumidityFromWetBulb(v.Lufttemp, run.ThetaKgr);
  now.ThetaOb = run.ThetaKgr;
  now.pDLuft = VapourPressureFromWetBulb(now.ThetaLuft, now.ThetaOb);
  now.qrand = v.Waermeuebergang * (now.ThetaLuft - now.ThetaOb);
  now.mRand = -now.qrand / LatentHeat(now.ThetaOb);
  for (int i = 0; i <= N + 1; ++i) now.X[i] = v.XAnf;
  now.xmom = v.XAnf;
  now.XBilanz = v.XAnf;
  s.record.results.Anfangsrate = 3600 * (-now.mRand);

  // The first stored point: the state as the plate enters.
  RunSeries& r = s.record.series;
  r.nReihe = 0;
  r.tReihe[0] = 0;
  r.XReihe[0] = v.XAnf;
  // The whole plate holds its initial moisture, surface and centre alike.
  r.XOberflReihe[0] = v.XAnf;
  r.XKernReihe[0] = v.XAnf;
  r.SpiegelReihe[0] = 0;
  r.ThetaLuftReihe[0] = now.ThetaLuft;
  r.ThetaObReihe[0] = now.ThetaOb;
  r.ThetaKReihe[0] = now.ThetaOb;
  r.WasserdampfReihe[0] = s.record.results.Anfangsrate;
  r.SchwOberflReihe[0] = 0;
  r.SchwKernReihe[0] = 0;

  SetUpValues shown;
  shown.anzOSText = anzOSText;
  shown.body = run.body;
  shown.XAnf = v.XAnf;
  shown.linTrSchwind = v.linTrSchwind;
  shown.LuftRohlingVerh = run.LuftRohlingVerh;
  shown.ThetaOb = now.ThetaOb;
  shown.mRand = now.mRand;
  events.setUpDone(shown);
}

}  // namespace lamvero
