#include "run/eventvalues.h"

namespace lamvero {

LiveValues LiveValuesOf(const RunState& s) {
  const StepState& now = s.now;
  LiveValues v;
  v.Zeit = now.Zeit;
  v.qrand = now.qrand;
  v.mRand = now.mRand;
  v.xmom = now.xmom;
  v.ThetaObTr = now.ThetaObTr;
  v.ThetaK = now.ThetaK;
  v.ThetaLuft = now.ThetaLuft;
  v.XLuft = now.XLuft;
  v.XSurface = now.X[0];
  v.XLayer1 = now.X[1];
  v.rhos = s.run.body.rhos;
  v.offPoren = s.run.body.offPoren;
  v.nIter = now.nIter;
  return v;
}

CurveEnd CurveEndOf(const RunState& s, DryingPeriod period, bool finalOfFirst) {
  CurveEnd e;
  e.period = period;
  e.finalOfFirst = finalOfFirst;
  // The grid is fixed for a run; a grid beyond the profile array has no profile to show.
  if (s.run.AnzOS >= 0 && s.run.AnzOS + 2 <= s.now.X.size()) {
    e.X.assign(s.now.X.begin(), s.now.X.begin() + s.run.AnzOS + 2);
  }
  e.XAnf = s.in.XAnf;
  e.values = LiveValuesOf(s);
  return e;
}

}  // namespace lamvero
