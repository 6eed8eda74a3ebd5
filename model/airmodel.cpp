#include "model/airmodel.h"

#include "model/moistair.h"

namespace lamvero {

void CheckCounterCurrentEnd(RunState& s, RunView& view) {
  if (s.GegenstromAktiv != 1 || s.ThetaLuft < s.ThetaGegenstromende) return;
  // The air at the plate has reached the set temperature: from now on the
  // plate sits in the chamber section, in air of constant state.
  s.GegenstromAktiv = 0;
  s.DauerGegenstrom = static_cast<float>(s.Zeit);
  s.XGegen = s.xmom;
  view.counterCurrentEnded(s);
}

// Upstream the air holds less water (the plate's evaporation of one step,
// both faces, per kg of air) and, by the enthalpy balance with specific heats
// 1 (dry air) and 1.86 (vapour) and the water leaving as liquid at ThetaOb,
// is hotter.
void UpdateAirFirstPeriod(RunState& s) {
  s.XLuftAlt = s.XLuft;
  if (s.GegenstromAktiv == 1) {
    s.XLuftNeu = s.XLuftAlt + s.deltaT * s.mRand * s.FlaechenmasseInv / s.LuftRohlingVerh;
  } else {
    s.XLuftNeu = s.XLuftAlt;
  }
  s.ThetaLuftAlt = s.ThetaLuft;
  if (s.GegenstromAktiv == 1) {
    s.ThetaLuftNeu = (s.ThetaLuftAlt * (1 + 1.86 * s.XLuftAlt) + 2500 * (s.XLuftAlt - s.XLuftNeu) -
                      4.19 * s.ThetaOb * (s.XLuftAlt - s.XLuftNeu)) /
                     (1 + 1.86 * s.XLuftNeu);
  } else {
    s.ThetaLuftNeu = s.ThetaLuftAlt;
  }
  s.XLuft = s.XLuftNeu;
  s.ThetaLuft = s.ThetaLuftNeu;
}

// As in the first period, plus the heat that warms the dry body (0.9) and its
// water (4.19) by the change of the front temperature in this step.
void UpdateAirSecondPeriod(RunState& s) {
  s.dThetaK = static_cast<float>(s.ThetaK - s.ThetaKLuftAlt);
  s.ThetaKLuftAlt = s.ThetaK;
  s.XLuftAlt = s.XLuft;
  s.ThetaLuftAlt = s.ThetaLuft;
  if (s.GegenstromAktiv == 1) {
    s.XLuftNeu = s.XLuftAlt + s.mRand * s.FlaechenmasseInv / s.LuftRohlingVerh * s.deltaT;
    s.ThetaLuftNeu = (s.ThetaLuftAlt * (1 + 1.86 * s.XLuftAlt) + 2500 * (s.XLuftAlt - s.XLuftNeu) -
                      4.19 * s.ThetaOb * (s.XLuftAlt - s.XLuftNeu) +
                      s.deltaT * (0.9 + 4.19 * s.xmom) * s.dThetaK / s.LuftRohlingVerh) /
                     (1 + 1.86 * s.XLuftNeu);
  } else {
    s.XLuftNeu = s.XLuftAlt;
    s.ThetaLuftNeu = s.ThetaLuftAlt;
  }
  s.XLuft = s.XLuftNeu;
  s.ThetaLuft = s.ThetaLuftNeu;
}

double WetBulbOfAir(RunState& s) {
  RunState::AirMemo& m = s.airMemo;
  if (!m.wetBulbValid || m.theta != s.ThetaLuft || m.X != s.XLuft) {
    m.theta = s.ThetaLuft;
    m.X = s.XLuft;
    m.wetBulb = WetBulbTemperature(s.ThetaLuft, s.XLuft);
    m.wetBulbValid = true;
  }
  return m.wetBulb;
}

double VapourPressureOfAir(RunState& s) {
  RunState::AirMemo& m = s.airMemo;
  if (!m.vapourValid || m.vpTheta != s.ThetaLuft || m.vpWetBulb != s.ThetaOb) {
    m.vpTheta = s.ThetaLuft;
    m.vpWetBulb = s.ThetaOb;
    m.pD = VapourPressureFromWetBulb(s.ThetaLuft, s.ThetaOb);
    m.vapourValid = true;
  }
  return m.pD;
}

double SupplyAirTemperature(double Lufttemp, double XAbluft, float XAussen, double ThetaK, double ThetaEinf,
                            double XAnf, double LuftRohlingVerh) {
  // Specific heats: dry air 1, vapour 1.86, dry body 0.9, liquid water 4.19.
  return (Lufttemp * (1 + 1.86 * XAbluft) + 2500 * (XAbluft - XAussen) +
          (0.9 * (ThetaK - ThetaEinf) - 4.19 * XAnf * ThetaEinf) / LuftRohlingVerh) /
         (1 + 1.86 * XAussen);
}

double SpecificEnergy(double ThetaZuluft, double AussenluftTemp, double LuftRohlingVerh, double XAnf) {
  return (ThetaZuluft - AussenluftTemp) * LuftRohlingVerh / XAnf;
}

void ComputeEnergyBalance(RunState& s) {
  // The bodies leave at the final front temperature.
  s.ThetaZuluft =
      SupplyAirTemperature(s.Lufttemp, s.XAbluft, s.XAussen, s.ThetaK, s.ThetaEinf, s.XAnf, s.LuftRohlingVerh);
  s.spezEnergie = SpecificEnergy(s.ThetaZuluft, s.AussenluftTemp, s.LuftRohlingVerh, s.XAnf);
  s.relEnergie = s.spezEnergie / 2500;  // heat of evaporation at 0 °C, kJ/kg
}

}  // namespace lamvero
