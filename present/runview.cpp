#include "present/runview.h"

#include <cmath>

#include "present/controltable.h"
#include "text/language.h"
#include "text/numberformat.h"

namespace lamvero {

namespace {

using C = RunControl;

// The warning lbl_Achtung appears above kPoorFrontIterations and goes below
// kGoodFrontIterations after a step (a little hysteresis), below
// kPoorFrontIterations at the end of a curve interval.
constexpr int kGoodFrontIterations = 44;

// A water-balance error above kWaterErrorNoticeable % shows in red; above
// kWaterErrorInaccurate % the result is marked inaccurate.
constexpr double kWaterErrorNoticeable = 3;
constexpr double kWaterErrorInaccurate = 6;

// Mean moisture in the second period: below half a hundredth it reads "<0,01".
std::string MeanMoistureText(double xmom) { return xmom < 0.005 ? "<" + Format(0.01, "#0.00") : Format(xmom, "#0.00"); }

bool IsTextBox(RunControl control) { return std::string(ControlName(control)).rfind("txt_", 0) == 0; }

// Evaporation rate of the face (mRand is negative while drying), kg/(m² h).
double RatePerHour(double mRand) { return 3600 * (-mRand); }

}  // namespace

// A box's text comes as the reader sees it (the language's decimal separator),
// a label's as its German caption: the record keeps the label's German, which
// files keep as it is, and the display shows it in the reader's language.
void RunView::setText(RunControl control, const std::string& text) {
  controls_.at(control).text = text;
  d_.setText(control, IsTextBox(control) ? text : Tr(kControlContext, text));
}

void RunView::setVisible(RunControl control, bool visible) {
  controls_.at(control).visible = visible;
  d_.setVisible(control, visible);
}

void RunView::setColor(RunControl control, Rgb color) {
  controls_.at(control).color = color;
  d_.setColor(control, color);
}

void RunView::show(RunControl box, const std::string& text) {
  setText(box, text);
  d_.repaint(box);
}

void RunView::runBegun() {
  setVisible(C::cmd_Start, false);
  setVisible(C::cmd_Stop, true);
  setVisible(C::cmd_Pause, true);
  for (RunControl label : {C::lbl_Zeit, C::lbl_Waermestromdichte, C::lbl_Wasserdampf, C::lbl_thetaOb,
                           C::lbl_Kerntemp, C::lbl_Xmom, C::lbl_KapGeschw, C::lbl_DampfGeschw, C::lbl_SchwindEnde,
                           C::lbl_offPoren, C::lbl_Ortsschrittzahl, C::lbl_LuftRohlingVerh, C::lbl_LuftWasserVerh,
                           C::lbl_momLuftTemp, C::lbl_momXLuft, C::lbl_SchwindDiff, C::lbl_SchwindGradient}) {
    setVisible(label, true);
  }
  for (RunControl box : {C::txt_Zeit, C::txt_qrand, C::txt_Wasserdampf, C::txt_thetaOb, C::txt_thetaK, C::txt_xmom,
                         C::txt_KapGeschw, C::txt_Dampfgeschw, C::txt_XSchwEnde, C::txt_offPoren, C::txt_AnzOS,
                         C::txt_LuftRohlingVerh, C::txt_LuftWasserVerh, C::txt_momLuftTemp, C::txt_momXLuft,
                         C::txt_schwinddiff, C::txt_schwindgrad}) {
    setVisible(box, true);
  }
  setText(C::txt_Dampfgeschw, "-");
  // The maximum shrinkage difference and gradient start from nothing, so no
  // earlier run's values stand there until this run finds its own.
  setText(C::txt_schwinddiff, Format(0, "#0.00"));
  setText(C::txt_schwindgrad, Format(0, "#0.00"));
  d_.repaintWindow();
  // The upper part of the profile plot.
  d_.fillWhite(Area::Ausgabe, 0, 0, kProfilePlotWidth, 5000);
}

void RunView::setUpDone(const SetUpValues& v) {
  scale_ = ShrinkageScale{v.body, v.XAnf, v.linTrSchwind};
  show(C::txt_AnzOS, v.anzOSText);
  // The limit-moisture line of the profile plot only for a shrinking body.
  setVisible(C::Image7, v.linTrSchwind >= kNoShrinkage);
  d_.repaintWindow();
  // Written without a repaint: the next repaint shows them.
  setText(C::txt_LuftRohlingVerh, Format(v.LuftRohlingVerh, "#0.00"));
  setText(C::txt_LuftWasserVerh, Format(v.LuftRohlingVerh / v.XAnf, "#0.00"));
  show(C::txt_XSchwEnde, Format(v.body.XSchwEnde, "#0.000"));
  show(C::txt_offPoren, Format(100 * v.body.offPoren, "#0.0"));
  show(C::txt_thetaOb, Format(v.ThetaOb, "#0.0"));
  show(C::txt_thetaK, Format(v.ThetaOb, "#0.0"));
  d_.drawShrinkageScale(scale_);
  show(C::txt_Wasserdampf, Format(RatePerHour(v.mRand), "#0.000"));
}

void RunView::counterCurrentEnded(const CounterCurrentEnd& e) {
  setVisible(C::lbl_DauerGegenstrom, true);
  d_.repaint(C::lbl_DauerGegenstrom);
  setVisible(C::txt_DauerGegenstrom, true);
  show(C::txt_DauerGegenstrom, FormatDuration(e.Zeit));
  setVisible(C::lbl_XGegen, true);
  d_.repaint(C::lbl_XGegen);
  setVisible(C::txt_XGegen, true);
  show(C::txt_XGegen, Format(e.XGegen, "#0.00"));
}

void RunView::showShrinkageEnd(RunControl label, RunControl box, double t) {
  setVisible(label, true);
  setVisible(box, true);
  setText(box, FormatDuration(t));
  d_.repaint(label);
  d_.repaint(box);
}

void RunView::surfaceShrinkageEnded(double t) { showShrinkageEnd(C::lbl_OberflSchwind, C::txt_t1xse, t); }

void RunView::coreShrinkageEnded(double t) { showShrinkageEnd(C::lbl_KernSchwind, C::txt_t2xse, t); }

void RunView::shrinkageGradient(double schwinddiff, double schwindgrad) {
  // Shown in % and in % per mm.
  show(C::txt_schwinddiff, Format(100 * schwinddiff, "#0.00"));
  show(C::txt_schwindgrad, Format(0.1 * schwindgrad, "#0.00"));
}

void RunView::liveValues(DryingPeriod period, const LiveValues& v) {
  if (period == DryingPeriod::First) {
    firstPeriodLive(v);
  } else {
    secondPeriodLive(v);
  }
}

// In the first period the surface and the core share the wet-bulb temperature.
void RunView::showWetValues(const LiveValues& v) {
  show(C::txt_Zeit, FormatClock(v.Zeit));
  show(C::txt_qrand, Format(v.qrand, "#0.00"));
  show(C::txt_xmom, Format(v.xmom, "#0.00"));
  show(C::txt_Wasserdampf, Format(RatePerHour(v.mRand), "#0.00"));
  show(C::txt_thetaOb, Format(v.ThetaObTr, "#0.0"));
  show(C::txt_thetaK, Format(v.ThetaK, "#0.0"));
}

void RunView::firstPeriodLive(const LiveValues& v) {
  showWetValues(v);
  // Capillary flow towards the surface, mm/h: the evaporating water per
  // volume of water held at the surface.
  const double KapGeschw = 3600000 * (-v.mRand) / (v.rhos * (v.XSurface + v.XLayer1) / 2);
  show(C::txt_KapGeschw, Format(KapGeschw, "#0.0"));
  show(C::txt_momLuftTemp, Format(v.ThetaLuft, "#0.0"));
  show(C::txt_momXLuft, Format(v.XLuft, "#0.000"));
}

void RunView::curveEnded(const CurveEnd& e) {
  d_.drawProfile(e.X, e.XAnf, e.finalOfFirst ? CurveStyle::Final : CurveStyle::Running);
  if (e.period == DryingPeriod::First) {
    d_.refresh(Area::Ausgabe);
    showWetValues(e.values);
    return;
  }
  // At a curve's end the warning stays only above the limit, on either side of 45.
  if (e.values.nIter > kPoorFrontIterations) setVisible(C::lbl_Achtung, true);
  if (e.values.nIter < kPoorFrontIterations) setVisible(C::lbl_Achtung, false);
  d_.repaint(C::lbl_Achtung);
  d_.refresh(Area::Zeit);
  secondPeriodValues(e.values);
}

void RunView::firstPeriodEnded(const FirstPeriodResults& r) {
  for (RunControl label : {C::lbl_Dauer1TA, C::lbl_X1TA, C::lbl_Anfangsrate}) {
    setVisible(label, true);
    d_.repaint(label);
  }
  for (RunControl box : {C::txt_Dauer1TA, C::txt_X1TA, C::txt_Anfangsrate}) setVisible(box, true);
  show(C::txt_Dauer1TA, FormatClock(r.Dauer1TA));
  show(C::txt_X1TA, Format(r.X1TA, "#0.0000"));
  show(C::txt_Anfangsrate, Format(r.Anfangsrate, "#0.000"));
  show(C::txt_KapGeschw, "-");
  // The shrinkage scale goes on top of the final (red) profile.
  d_.drawShrinkageScale(scale_);
}

void RunView::frontIterations(int nIter) {
  if (nIter > kPoorFrontIterations) setVisible(C::lbl_Achtung, true);
  if (nIter < kGoodFrontIterations) setVisible(C::lbl_Achtung, false);
  d_.repaint(C::lbl_Achtung);
}

void RunView::showDryTemperatures(const LiveValues& v) {
  show(C::txt_Wasserdampf, Format(RatePerHour(v.mRand), "#0.00"));
  show(C::txt_thetaOb, Format(v.ThetaObTr, "#0.0"));
  show(C::txt_thetaK, Format(v.ThetaK, "#0.0"));
  show(C::txt_xmom, MeanMoistureText(v.xmom));
}

void RunView::secondPeriodLive(const LiveValues& v) {
  showDryTemperatures(v);
  show(C::txt_Zeit, FormatClock(v.Zeit));
  show(C::txt_qrand, Format(v.qrand, "#0.00"));
  // Volume flow of vapour per open pore area, m/h; 219.492 / T is the vapour density.
  show(C::txt_Dampfgeschw, Format(RatePerHour(v.mRand / v.offPoren) * (273 + v.ThetaObTr) / 219.492, "#0.000"));
  show(C::txt_momLuftTemp, Format(v.ThetaLuft, "#0.0"));
  show(C::txt_momXLuft, Format(v.XLuft, "#0.000"));
}

void RunView::secondPeriodValues(const LiveValues& v) {
  showDryTemperatures(v);
  d_.refresh(Area::Ausgabe);
  show(C::txt_Zeit, FormatClock(v.Zeit));
  show(C::txt_qrand, Format(v.qrand, "#0.00"));
}

void RunView::showEnergyBalance(const RunResults& results) {
  setVisible(C::lbl_ThetaZuluft, true);
  setVisible(C::txt_ThetaZuluft, true);
  setText(C::txt_ThetaZuluft, Format(results.ThetaZuluft, "#0.0"));
  d_.repaint(C::lbl_ThetaZuluft);
  d_.repaint(C::txt_ThetaZuluft);
  setVisible(C::lbl_spezEnergie, true);
  setVisible(C::txt_spezEnergie, true);
  setVisible(C::lbl_relEnergie, true);
  setVisible(C::txt_relEnergie, true);
  setText(C::txt_spezEnergie, Format(results.spezEnergie, "#0.0"));
  setText(C::txt_relEnergie, Format(results.relEnergie, "#0.000"));
  d_.repaint(C::lbl_spezEnergie);
  d_.repaint(C::txt_spezEnergie);
  d_.repaint(C::lbl_relEnergie);
  d_.repaint(C::txt_relEnergie);
}

void RunView::showWaterError(const RunResults& results, bool coarseGrid) {
  const Rgb darkBlue{0, 0, 192};
  const Rgb red{255, 0, 0};
  setVisible(C::lbl_Wasserfehler, true);
  setVisible(C::txt_Wasserfehler, true);
  setColor(C::lbl_Wasserfehler, darkBlue);
  setColor(C::txt_Wasserfehler, darkBlue);
  if (results.WasserfehlerProzent > kWaterErrorNoticeable) {
    setColor(C::lbl_Wasserfehler, red);
    setColor(C::txt_Wasserfehler, red);
  }
  if (results.WasserfehlerProzent > kWaterErrorInaccurate) {
    // Measured over time step, spatial step and conductivity on several
    // plates: above the grid number's best range a smaller time step or a
    // larger spatial step lowers the error, below it a smaller spatial step
    // or a larger time step does.
    setText(C::lbl_ungenau3, coarseGrid ? LV_TR_NOOP("Rechnerfenster", "Ortsschrittweite verkleinern od.")
                                        : LV_TR_NOOP("Rechnerfenster", "Zeitschrittweite verkleinern od."));
    setText(C::lbl_ungenau2, coarseGrid ? LV_TR_NOOP("Rechnerfenster", "Zeitschrittweite vergrößern!")
                                        : LV_TR_NOOP("Rechnerfenster", "Ortsschrittweite vergrößern!"));
    setVisible(C::lbl_ungenau1, true);
    setVisible(C::lbl_ungenau2, true);
    setVisible(C::lbl_ungenau3, true);
  }
  setText(C::txt_Wasserfehler, Format(results.WasserfehlerProzent, "#0.0"));
  d_.repaint(C::lbl_Wasserfehler);
  d_.repaint(C::txt_Wasserfehler);
}

void RunView::runEvaluated(const Evaluation& e) {
  const RunResults& results = e.record.results;
  show(C::txt_X1TA, Format(results.X1TA, "#0.0000"));
  show(C::txt_xmom, "0");
  showEnergyBalance(results);
  if (e.nIter > kPoorFrontIterations) setVisible(C::lbl_Achtung, true);
  d_.repaint(C::lbl_Achtung);
  d_.drawResultPlots(e.record);
  showWaterError(results, e.coarseGrid);
}

void RunView::runEnded() {
  // However the run ended, Pause and Stop have nothing left to act on: only
  // "Nochmal !" stays, and no idle pause can be started from a leftover button.
  setVisible(C::cmd_Pause, false);
  setVisible(C::cmd_Stop, false);
  setVisible(C::cmd_Neustart, true);
}

}  // namespace lamvero
