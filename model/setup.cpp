#include "model/setup.h"


#include "model/claybody.h"
#include "model/moistair.h"
#include "model/inputreading.h"

namespace lamvero {

void SetUpRun(RunState& s, const InputValues& v, RunView& view) {
  s.Dicke = v.Dicke;
  s.Ortsschrittweite = v.Ortsschrittweite;
  // Number of spatial steps per half plate, from the green thickness and the
  // requested step as entered; the box is then read back like every input.
  const std::string anzOSText = SpatialStepsText(s.Dicke, s.Ortsschrittweite);
  s.DickeTr = v.Dicke / 1000;

  s.rhos = v.rhos;
  s.XAnf = v.XAnf;
  s.Lufttemp = v.Lufttemp;
  s.AbluftFeuchte = v.AbluftFeuchte;
  s.Waermeuebergang = v.Waermeuebergang;
  s.lambda = v.lambda;
  s.AussenluftTemp = v.AussenluftTemp;
  s.AussenluftFeuchte = v.AussenluftFeuchte;
  s.mue = v.mue;
  s.AnzOS = SpatialStepsFrom(anzOSText);
  s.deltaT = v.deltaT;
  s.rund = v.rund;
  s.linTrSchwind = v.linTrSchwind;
  s.Feuchteleit = v.Feuchteleit;
  s.ThetaGegenstromende = v.ThetaGegenstromende;
  s.ThetaEinf = v.ThetaEinf;
  s.KappaSteig = v.KappaSteig;

  s.XEnde = 0;
  // Results of an earlier run in the same state do not stand for this one.
  s.Dauer1TA = 0;
  s.X1TA = 0;
  s.record.series.nReihe1TA = 0;
  s.nGlatt = 0;
  s.ThetaZuluft = 0;
  s.spezEnergie = 0;
  s.relEnergie = 0;
  s.WasserfehlerProzent = 0;
  s.schwinddiff = 0;
  s.XGegen = 0;
  s.sSpiegel = 0;
  s.ThetaKLuftAlt = 0;
  s.dThetaK = 0;
  s.schwindgrad = 0;
  // Not carried over from an earlier run: a second period that finds the
  // plate dry at once runs no bisection and must not report an old one.
  s.nIter = 0;
  s.mDampf = 0;

  // Dry geometry: the model plate is the green plate after its linear shrinkage.
  s.DickeTr = s.DickeTr * (1 - s.linTrSchwind / 100);
  s.FlaechenmasseInv = 2 / (s.rhos * s.DickeTr);

  // Exhaust and outside air at a total pressure of 1 bar.
  s.pDAb = SaturationPressure(s.Lufttemp) * s.AbluftFeuchte;
  s.XAbluft = HumidityRatio(s.pDAb);
  s.XLuft = s.XAbluft;
  s.ThetaKgr = WetBulbTemperature(s.Lufttemp, s.XAbluft);
  s.pDAu = SaturationPressure(s.AussenluftTemp) * s.AussenluftFeuchte;
  s.XAussen = static_cast<float>(HumidityRatio(s.pDAu));

  // All initial water is carried off by air humidified from outside to exhaust state.
  s.LuftRohlingVerh = s.XAnf / (s.XAbluft - s.XAussen);

  // Ideal volumetric shrinkage down to the limit moisture XSchwEnde, and the
  // conductivity KappaGr that gives Feuchteleit at 0.25 kg/kg.
  const BodyAt25 at25 = DeriveClayBody(s, s.XAnf, s.linTrSchwind, s.Feuchteleit);
  s.Schwind25 = at25.Schwind25;
  s.rho25 = at25.rho25;
  s.Phi25 = at25.Phi25;

  // The plate enters at the wet-bulb temperature of the exhaust air.
  s.ThetaLuft = s.Lufttemp;
  s.XLuft = HumidityFromWetBulb(s.Lufttemp, s.ThetaKgr);
  s.ThetaOb = s.ThetaKgr;
  s.pDLuft = VapourPressureFromWetBulb(s.ThetaLuft, s.ThetaOb);

  s.t1xse = 0;
  s.t2xse = 0;

  const int N = static_cast<int>(s.AnzOS);
  s.dx = s.DickeTr / (2 * s.AnzOS);
  s.dxTwips = 10500 / s.AnzOS;

  s.qrand = s.Waermeuebergang * (s.ThetaLuft - s.ThetaOb);
  s.mRand = -s.qrand / LatentHeat(s.ThetaOb);

  for (int i = 0; i <= N + 1; ++i) s.X[i] = s.XAnf;

  s.Zeit = 0;
  s.nSchritt = 0;
  s.record.series.nReihe = 0;
  s.record.series.tReihe[0] = 0;
  s.xmom = s.XAnf;
  s.XBilanz = s.XAnf;
  s.record.series.XReihe[0] = s.XAnf;
  // The whole plate holds its initial moisture, surface and centre alike.
  s.record.series.XOberflReihe[0] = s.XAnf;
  s.record.series.XKernReihe[0] = s.XAnf;
  s.record.series.SpiegelReihe[0] = 0;
  s.record.series.ThetaLuftReihe[0] = s.ThetaLuft;
  s.record.series.ThetaObReihe[0] = s.ThetaOb;
  s.record.series.ThetaKReihe[0] = s.ThetaOb;
  s.Anfangsrate = 3600 * (-s.mRand);
  s.record.series.WasserdampfReihe[0] = s.Anfangsrate;
  s.record.series.SchwOberflReihe[0] = 0;
  s.record.series.SchwKernReihe[0] = 0;
  s.mRandAlt = 0;
  s.WasserdampfMax = 0;
  s.airMemo = RunState::AirMemo{};
  s.StopFlag = 0;
  view.setUpDone(s, anzOSText);
}

}  // namespace lamvero
