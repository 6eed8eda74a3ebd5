#include "run/airmodel.h"
#include "physics/energybalance.h"

#include "physics/moistair.h"

namespace lamvero {

void CheckCounterCurrentEnd(RunState& s, RunEvents& events) {
  if (!s.now.GegenstromAktiv || s.now.ThetaLuft < s.in.ThetaGegenstromende) return;
  // The air at the plate has reached the set temperature: from now on the
  // plate sits in the chamber section, in air of constant state.
  s.now.GegenstromAktiv = false;
  s.DauerGegenstrom = static_cast<float>(s.now.Zeit);
  s.record.results.DauerGegenstrom = s.DauerGegenstrom;
  s.record.results.XGegen = s.now.xmom;
  events.counterCurrentEnded(CounterCurrentEnd{s.now.Zeit, s.record.results.XGegen});
}

namespace {

// Enthalpy balance of the air over one step, per kg dry air, with specific
// heats 1 (dry air) and 1.86 (vapour) and the water leaving as liquid at
// ThetaOb: what the air upstream carries, before division by its heat
// capacity 1 + 1.86 XNeu.
double AirHeatUpstream(double ThetaAlt, double XAlt, double XNeu, double ThetaOb) {
  return ThetaAlt * (1 + 1.86 * XAlt) + 2500 * (XAlt - XNeu) - 4.19 * ThetaOb * (XAlt - XNeu);
}

}  // namespace

// Upstream the air holds less water (the plate's evaporation of one step,
// both faces, per kg of air) and is hotter. In the chamber section the air
// stays as it is.
void UpdateAirFirstPeriod(RunState& s) {
  StepState& now = s.now;
  if (!now.GegenstromAktiv) return;
  const double XAlt = now.XLuft;
  const double XNeu = XAlt + s.in.deltaT * now.mRand * s.run.FlaechenmasseInv / s.run.LuftRohlingVerh;
  now.ThetaLuft = AirHeatUpstream(now.ThetaLuft, XAlt, XNeu, now.ThetaOb) / (1 + 1.86 * XNeu);
  now.XLuft = XNeu;
}

// As in the first period, plus the heat that warms the dry body (0.9) and its
// water (4.19) by the change of the front temperature in this step. The
// operations keep their order: the results are pinned to the bit.
void UpdateAirSecondPeriod(RunState& s) {
  StepState& now = s.now;
  RunConstants& run = s.run;
  now.dThetaK = static_cast<float>(now.ThetaK - now.ThetaKLuftAlt);
  now.ThetaKLuftAlt = now.ThetaK;
  if (!now.GegenstromAktiv) return;
  const double XAlt = now.XLuft;
  const double XNeu = XAlt + now.mRand * run.FlaechenmasseInv / run.LuftRohlingVerh * s.in.deltaT;
  // The standard balance takes the body's heat of one step times the step
  // once more; the consistent one takes it once.
  const double bodyHeatFactor = s.record.airIntegration == AirIntegration::Consistent ? 1.0 : s.in.deltaT;
  now.ThetaLuft = (AirHeatUpstream(now.ThetaLuft, XAlt, XNeu, now.ThetaOb) +
                   bodyHeatFactor * (0.9 + 4.19 * now.xmom) * now.dThetaK / run.LuftRohlingVerh) /
                  (1 + 1.86 * XNeu);
  now.XLuft = XNeu;
}

void BeginAirSecondPeriod(RunState& s) {
  if (s.record.airIntegration == AirIntegration::Consistent) s.now.ThetaKLuftAlt = s.now.ThetaK;
}

double WetBulbOfAir(RunState& s) {
  return s.now.airMemo.wetBulb.of(s.now.ThetaLuft, s.now.XLuft,
                                  [](double theta, double X) { return WetBulbTemperature(theta, X); });
}

double VapourPressureOfAir(RunState& s) {
  return s.now.airMemo.vapourPressure.of(s.now.ThetaLuft, s.now.ThetaOb, VapourPressureFromWetBulb);
}

void ComputeEnergyBalance(RunState& s) {
  RunResults& results = s.record.results;
  RunConstants& run = s.run;
  // The bodies leave at the final front temperature.
  results.ThetaZuluft = SupplyAirTemperature(s.in.Lufttemp, run.XAbluft, run.XAussen, s.now.ThetaK, s.in.ThetaEinf,
                                             s.in.XAnf, run.LuftRohlingVerh);
  results.spezEnergie = SpecificEnergy(results.ThetaZuluft, s.in.AussenluftTemp, run.LuftRohlingVerh, s.in.XAnf);
  results.relEnergie = results.spezEnergie / 2500;  // heat of evaporation at 0 °C, kJ/kg
}

}  // namespace lamvero
