#include "run/runstate.h"

namespace lamvero {

void RecordRun(RunState& s) {
  s.record.values = s.in;

  const RunConstants& run = s.run;
  DerivedValues& d = s.record.derived;
  d.AnzOS = run.AnzOS;
  d.DickeTr = run.DickeTr;
  d.dx = run.dx;
  d.pDAb = run.pDAb;
  d.XAbluft = run.XAbluft;
  d.ThetaKgr = run.ThetaKgr;
  d.pDAu = run.pDAu;
  d.XAussen = run.XAussen;
  d.LuftRohlingVerh = run.LuftRohlingVerh;
  d.LuftWasserVerh = run.LuftRohlingVerh / s.in.XAnf;
  d.SchwindTot = run.body.SchwindTot;
  d.rho0 = run.body.rho0;
  d.PhiAnf = run.body.PhiAnf;
  d.offPoren = run.body.offPoren;
  d.XSchwEnde = run.body.XSchwEnde;
  d.KappaGr = run.body.KappaGr;

  // The milestones and results are written at their events; the live values
  // are taken as the run leaves them.
  const StepState& now = s.now;
  RunResults& r = s.record.results;
  r.Zeit = now.Zeit;
  r.nIter = now.nIter;
  r.XBilanz = now.XBilanz;
  r.xmom = now.xmom;
  r.qrand = now.qrand;
  r.Wasserdampf = 3600 * (-now.mRand);
  r.ThetaOb = now.ThetaObTr;
  r.ThetaK = now.ThetaK;
  r.ThetaLuft = now.ThetaLuft;
  r.XLuft = now.XLuft;
  r.sSpiegel = now.sSpiegel;
}

}  // namespace lamvero
