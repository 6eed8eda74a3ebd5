#include "run/runview.h"

#include "run/dryingperiods.h"

#include <cmath>

#include "text/numberformat.h"

namespace lamvero {

namespace {

// Time (s) as the window shows it, to the whole second.
std::string Clock(double t) { return FormatDuration(std::floor(t + 0.5)); }

// Mean moisture in the second period: below half a hundredth it reads "<0,01".
std::string MeanMoistureText(double xmom) { return xmom < 0.005 ? std::string("<0,01") : Format(xmom, "#0.00"); }

// Evaporation rate of the face (mRand is negative while drying), kg/(m² h).
double RatePerHour(double mRand) { return 3600 * (-mRand); }

}  // namespace

void RunView::setText(const char* control, const std::string& text) {
  controls_.at(control).text = text;
  d_.setText(control, text);
}

void RunView::setVisible(const char* control, bool visible) {
  controls_.at(control).visible = visible;
  d_.setVisible(control, visible);
}

void RunView::setColor(const char* control, Rgb color) {
  controls_.at(control).color = color;
  d_.setColor(control, color);
}

void RunView::show(const char* box, const std::string& text) {
  setText(box, text);
  d_.repaint(box);
}

void RunView::beginRun() {
  setVisible("cmd_Start", false);
  setVisible("cmd_Stop", true);
  setVisible("cmd_Pause", true);
  for (const char* label : {"lbl_Zeit", "lbl_Waermestromdichte", "lbl_Wasserdampf", "lbl_thetaOb", "lbl_Kerntemp",
                            "lbl_Xmom", "lbl_KapGeschw", "lbl_DampfGeschw", "lbl_SchwindEnde", "lbl_offPoren",
                            "lbl_Ortsschrittzahl", "lbl_LuftRohlingVerh", "lbl_LuftWasserVerh", "lbl_momLuftTemp",
                            "lbl_momXLuft", "lbl_SchwindDiff", "lbl_SchwindGradient"}) {
    setVisible(label, true);
  }
  for (const char* box :
       {"txt_Zeit", "txt_qrand", "txt_Wasserdampf", "txt_thetaOb", "txt_thetaK", "txt_xmom", "txt_KapGeschw",
        "txt_Dampfgeschw", "txt_XSchwEnde", "txt_offPoren", "txt_AnzOS", "txt_LuftRohlingVerh", "txt_LuftWasserVerh",
        "txt_momLuftTemp", "txt_momXLuft", "txt_schwinddiff", "txt_schwindgrad"}) {
    setVisible(box, true);
  }
  setText("txt_Dampfgeschw", "-");
  // The maximum shrinkage difference and gradient start from nothing, so no
  // earlier run's values stand there until this run finds its own.
  setText("txt_schwinddiff", "0,00");
  setText("txt_schwindgrad", "0,00");
  d_.repaintWindow();
  d_.fillWhite(Area::Ausgabe, 0, 0, 10500, 5000);
}

void RunView::setUpDone(const RunState& s, const std::string& anzOSText) {
  const StepState& now = s.now;
  const RunConstants& run = s.run;
  show("txt_AnzOS", anzOSText);
  // The limit-moisture line of the profile plot only for a shrinking body.
  setVisible("Image7", s.in.linTrSchwind >= kNoShrinkage);
  d_.repaintWindow();
  // Written without a repaint: the next repaint shows them.
  setText("txt_LuftRohlingVerh", Format(run.LuftRohlingVerh, "#0.00"));
  setText("txt_LuftWasserVerh", Format(run.LuftRohlingVerh / s.in.XAnf, "#0.00"));
  show("txt_XSchwEnde", Format(run.body.XSchwEnde, "#0.000"));
  show("txt_offPoren", Format(100 * run.body.offPoren, "#0.0"));
  show("txt_thetaOb", Format(now.ThetaOb, "#0.0"));
  show("txt_thetaK", Format(now.ThetaOb, "#0.0"));
  d_.drawShrinkageScale(s);
  show("txt_Wasserdampf", Format(RatePerHour(now.mRand), "#0.000"));
}

void RunView::counterCurrentEnded(const RunState& s) {
  setVisible("lbl_DauerGegenstrom", true);
  d_.repaint("lbl_DauerGegenstrom");
  setVisible("txt_DauerGegenstrom", true);
  show("txt_DauerGegenstrom", FormatDuration(s.now.Zeit));
  setVisible("lbl_XGegen", true);
  d_.repaint("lbl_XGegen");
  setVisible("txt_XGegen", true);
  show("txt_XGegen", Format(s.record.results.XGegen, "#0.00"));
}

void RunView::showShrinkageEnd(const char* label, const char* box, double t) {
  setVisible(label, true);
  setVisible(box, true);
  setText(box, FormatDuration(t));
  d_.repaint(label);
  d_.repaint(box);
}

void RunView::surfaceShrinkageEnded(double t) { showShrinkageEnd("lbl_OberflSchwind", "txt_t1xse", t); }

void RunView::coreShrinkageEnded(double t) { showShrinkageEnd("lbl_KernSchwind", "txt_t2xse", t); }

void RunView::shrinkageGradient(double schwinddiff, double schwindgrad) {
  // Shown in % and in % per mm.
  show("txt_schwinddiff", Format(100 * schwinddiff, "#0.00"));
  show("txt_schwindgrad", Format(0.1 * schwindgrad, "#0.00"));
}

// In the first period the surface and the core share the wet-bulb temperature.
void RunView::showWetTemperatures(const RunState& s) {
  show("txt_thetaOb", Format(s.now.ThetaObTr, "#0.0"));
  show("txt_thetaK", Format(s.now.ThetaK, "#0.0"));
}

void RunView::firstPeriodLive(const RunState& s) {
  const StepState& now = s.now;
  show("txt_Zeit", Clock(now.Zeit));
  show("txt_qrand", Format(now.qrand, "#0.00"));
  show("txt_xmom", Format(now.xmom, "#0.00"));
  show("txt_Wasserdampf", Format(RatePerHour(now.mRand), "#0.00"));
  showWetTemperatures(s);
  // Capillary flow towards the surface, mm/h: the evaporating water per
  // volume of water held at the surface.
  const double KapGeschw = 3600000 * (-now.mRand) / (s.run.body.rhos * (now.X[0] + now.X[1]) / 2);
  show("txt_KapGeschw", Format(KapGeschw, "#0.0"));
  show("txt_momLuftTemp", Format(now.ThetaLuft, "#0.0"));
  show("txt_momXLuft", Format(now.XLuft, "#0.000"));
}

void RunView::firstPeriodCurve(const RunState& s, CurveStyle style) {
  const StepState& now = s.now;
  d_.drawProfile(s, style);
  d_.refresh(Area::Ausgabe);
  show("txt_Zeit", Clock(now.Zeit));
  show("txt_qrand", Format(now.qrand, "#0.00"));
  show("txt_xmom", Format(now.xmom, "#0.00"));
  show("txt_Wasserdampf", Format(RatePerHour(now.mRand), "#0.00"));
  showWetTemperatures(s);
}

void RunView::firstPeriodEnded(const RunState& s) {
  const RunResults& results = s.record.results;
  for (const char* label : {"lbl_Dauer1TA", "lbl_X1TA", "lbl_Anfangsrate"}) {
    setVisible(label, true);
    d_.repaint(label);
  }
  for (const char* box : {"txt_Dauer1TA", "txt_X1TA", "txt_Anfangsrate"}) setVisible(box, true);
  show("txt_Dauer1TA", Clock(results.Dauer1TA));
  show("txt_X1TA", Format(results.X1TA, "#0.0000"));
  show("txt_Anfangsrate", Format(results.Anfangsrate, "#0.000"));
  show("txt_KapGeschw", "-");
  // The shrinkage scale goes on top of the final (red) profile.
  d_.drawShrinkageScale(s);
}

void RunView::frontIterations(int nIter) {
  if (nIter > kPoorFrontIterations) setVisible("lbl_Achtung", true);
  if (nIter < kGoodFrontIterations) setVisible("lbl_Achtung", false);
  d_.repaint("lbl_Achtung");
}

void RunView::showDryTemperatures(const RunState& s) {
  const StepState& now = s.now;
  show("txt_Wasserdampf", Format(RatePerHour(now.mRand), "#0.00"));
  show("txt_thetaOb", Format(now.ThetaObTr, "#0.0"));
  show("txt_thetaK", Format(now.ThetaK, "#0.0"));
  show("txt_xmom", MeanMoistureText(now.xmom));
}

void RunView::secondPeriodLive(const RunState& s) {
  const StepState& now = s.now;
  showDryTemperatures(s);
  show("txt_Zeit", Clock(now.Zeit));
  show("txt_qrand", Format(now.qrand, "#0.00"));
  // Volume flow of vapour per open pore area, m/h; 219.492 / T is the vapour density.
  show("txt_Dampfgeschw",
       Format(RatePerHour(now.mRand / s.run.body.offPoren) * (273 + now.ThetaObTr) / 219.492, "#0.000"));
  show("txt_momLuftTemp", Format(now.ThetaLuft, "#0.0"));
  show("txt_momXLuft", Format(now.XLuft, "#0.000"));
}

void RunView::secondPeriodCurve(const RunState& s) {
  d_.drawProfile(s, CurveStyle::Running);
  // At a curve's end the warning stays only above the limit, on either side of 45.
  if (s.now.nIter > kPoorFrontIterations) setVisible("lbl_Achtung", true);
  if (s.now.nIter < kPoorFrontIterations) setVisible("lbl_Achtung", false);
  d_.repaint("lbl_Achtung");
  d_.refresh(Area::Zeit);
  secondPeriodValues(s);
}

void RunView::secondPeriodValues(const RunState& s) {
  showDryTemperatures(s);
  d_.refresh(Area::Ausgabe);
  show("txt_Zeit", Clock(s.now.Zeit));
  show("txt_qrand", Format(s.now.qrand, "#0.00"));
}

void RunView::showEnergyBalance(const RunState& s) {
  const RunResults& results = s.record.results;
  setVisible("lbl_ThetaZuluft", true);
  setVisible("txt_ThetaZuluft", true);
  setText("txt_ThetaZuluft", Format(results.ThetaZuluft, "#0.0"));
  d_.repaint("lbl_ThetaZuluft");
  d_.repaint("txt_ThetaZuluft");
  setVisible("lbl_spezEnergie", true);
  setVisible("txt_spezEnergie", true);
  setVisible("lbl_relEnergie", true);
  setVisible("txt_relEnergie", true);
  setText("txt_spezEnergie", Format(results.spezEnergie, "#0.0"));
  setText("txt_relEnergie", Format(results.relEnergie, "#0.000"));
  d_.repaint("lbl_spezEnergie");
  d_.repaint("txt_spezEnergie");
  d_.repaint("lbl_relEnergie");
  d_.repaint("txt_relEnergie");
}

void RunView::showWaterError(const RunState& s) {
  const RunResults& results = s.record.results;
  const Rgb darkBlue{0, 0, 192};
  const Rgb red{255, 0, 0};
  setVisible("lbl_Wasserfehler", true);
  setVisible("txt_Wasserfehler", true);
  setColor("lbl_Wasserfehler", darkBlue);
  setColor("txt_Wasserfehler", darkBlue);
  if (results.WasserfehlerProzent > kWaterErrorNoticeable) {
    setColor("lbl_Wasserfehler", red);
    setColor("txt_Wasserfehler", red);
  }
  if (results.WasserfehlerProzent > kWaterErrorInaccurate) {
    // Measured over time step, spatial step and conductivity on several
    // plates: above the grid number's best range a smaller time step or a
    // larger spatial step lowers the error, below it a smaller spatial step
    // or a larger time step does.
    const bool coarseGrid = MoistureGridNumber(s.in.Feuchteleit, s.in.deltaT, s.run.dx) < kBestGridNumberMin;
    setText("lbl_ungenau3", coarseGrid ? "Ortsschrittweite verkleinern od." : "Zeitschrittweite verkleinern od.");
    setText("lbl_ungenau2", coarseGrid ? "Zeitschrittweite vergrößern!" : "Ortsschrittweite vergrößern!");
    setVisible("lbl_ungenau1", true);
    setVisible("lbl_ungenau2", true);
    setVisible("lbl_ungenau3", true);
  }
  setText("txt_Wasserfehler", Format(results.WasserfehlerProzent, "#0.0"));
  d_.repaint("lbl_Wasserfehler");
  d_.repaint("txt_Wasserfehler");
}

void RunView::runEvaluated(const RunState& s) {
  show("txt_X1TA", Format(s.record.results.X1TA, "#0.0000"));
  show("txt_xmom", "0");
  showEnergyBalance(s);
  if (s.now.nIter > kPoorFrontIterations) setVisible("lbl_Achtung", true);
  d_.repaint("lbl_Achtung");
  d_.drawResultPlots(s);
  showWaterError(s);
}

void RunView::runEnded() {
  // However the run ended, Pause and Stop have nothing left to act on: only
  // "Nochmal !" stays, and no idle pause can be started from a leftover button.
  setVisible("cmd_Pause", false);
  setVisible("cmd_Stop", false);
  setVisible("cmd_Neustart", true);
}

}  // namespace lamvero
