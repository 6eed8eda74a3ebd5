#include "model/runstate.h"

#include <limits>

namespace lamvero {

void RecordRun(RunState& s) {
  InputValues& v = s.record.values;
  v.Dicke = s.Dicke;
  v.rhos = s.rhos;
  v.XAnf = s.XAnf;
  v.linTrSchwind = s.linTrSchwind;
  v.Feuchteleit = s.Feuchteleit;
  v.lambda = s.lambda;
  v.mue = s.mue;
  v.Waermeuebergang = s.Waermeuebergang;
  v.ThetaEinf = s.ThetaEinf;
  v.AussenluftTemp = s.AussenluftTemp;
  v.AussenluftFeuchte = s.AussenluftFeuchte;
  v.Lufttemp = s.Lufttemp;
  v.AbluftFeuchte = s.AbluftFeuchte;
  v.ThetaGegenstromende = s.ThetaGegenstromende;
  v.Ortsschrittweite = s.Ortsschrittweite;
  v.deltaT = s.deltaT;
  v.rund = s.rund;
  v.KappaSteig = s.KappaSteig;

  DerivedValues& d = s.record.derived;
  d.AnzOS = static_cast<int>(s.AnzOS);
  d.DickeTr = s.DickeTr;
  d.dx = s.dx;
  d.pDAb = s.pDAb;
  d.XAbluft = s.XAbluft;
  d.ThetaKgr = s.ThetaKgr;
  d.pDAu = s.pDAu;
  d.XAussen = s.XAussen;
  d.LuftRohlingVerh = s.LuftRohlingVerh;
  d.LuftWasserVerh = s.LuftRohlingVerh / s.XAnf;
  d.SchwindTot = s.SchwindTot;
  d.rho0 = s.rho0;
  d.PhiAnf = s.PhiAnf;
  d.offPoren = s.offPoren;
  d.XSchwEnde = s.XSchwEnde;
  d.KappaGr = s.KappaGr;

  RunResults& r = s.record.results;
  const bool switched = s.GegenstromAktiv == 0;
  r.Zeit = s.Zeit;
  r.Dauer1TA = s.Dauer1TA;
  r.X1TA = s.X1TA;
  r.Anfangsrate = s.Anfangsrate;
  r.t1xse = s.t1xse;
  r.t2xse = s.t2xse;
  r.DauerGegenstrom = switched ? s.DauerGegenstrom : std::numeric_limits<double>::quiet_NaN();
  r.XGegen = switched ? s.XGegen : std::numeric_limits<double>::quiet_NaN();
  r.schwindgrad = s.schwindgrad;
  r.schwinddiff = s.schwinddiff;
  r.nGlatt = s.nGlatt;
  r.nIter = s.nIter;
  r.ThetaZuluft = s.ThetaZuluft;
  r.spezEnergie = s.spezEnergie;
  r.relEnergie = s.relEnergie;
  r.WasserfehlerProzent = s.WasserfehlerProzent;
  r.WasserdampfMax = s.WasserdampfMax;
  r.XEnde = s.XEnde;
  r.XBilanz = s.XBilanz;
  r.xmom = s.xmom;
  r.qrand = s.qrand;
  r.Wasserdampf = 3600 * (-s.mRand);
  r.ThetaOb = s.ThetaObTr;
  r.ThetaK = s.ThetaK;
  r.ThetaLuft = s.ThetaLuft;
  r.XLuft = s.XLuft;
  r.sSpiegel = s.sSpiegel;
}

}  // namespace lamvero
