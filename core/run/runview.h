#pragma once
// The presenter of a run: everything a run shows, in the order the window
// shows it. The set-up, both drying periods, the air model and the
// evaluation call it at their events with the state that changed; it turns
// that into texts, visibilities, colours and drawings of the display.

#include <map>
#include <string>

#include "run/controlstates.h"
#include "run/display.h"
#include "run/runstate.h"

namespace lamvero {

class RunView {
 public:
  // defaults: how a control looks before the run touches it (blank and hidden if empty).
  explicit RunView(Display& d, ControlDefaults defaults = {}) : d_(d), controls_(std::move(defaults)) {}

  // Every control the run has set so far, as it left it.
  std::map<std::string, ControlState> controls() const { return controls_.all(); }

  // Start: the run buttons and the live rows appear, the profile area is cleared.
  void beginRun();
  // The set-up has derived the run's constants; anzOSText is the step count as written into its box.
  void setUpDone(const RunState& s, const std::string& anzOSText);
  // The top of every time step: the user's clicks are handled here.
  void yield() { d_.yield(); }

  // The air at the plate reached the end temperature of the counter-current section.
  void counterCurrentEnded(const RunState& s);
  // The surface or the centre reached the limit moisture at time t (s).
  void surfaceShrinkageEnded(double t);
  void coreShrinkageEnded(double t);
  // A new largest shrinkage gradient at the surface: difference (fraction) and gradient (fraction per m).
  void shrinkageGradient(double schwinddiff, double schwindgrad);

  // First drying period: the live values, the end of a curve interval (its
  // profile curve in that style) and the end of the period.
  void firstPeriodLive(const RunState& s);
  void firstPeriodCurve(const RunState& s, CurveStyle style);
  void firstPeriodEnded(const RunState& s);

  // Second drying period: the convergence warning after every step, the live
  // values, the end of a curve interval and the last values when the plate is dry.
  void frontIterations(int nIter);
  void secondPeriodLive(const RunState& s);
  void secondPeriodCurve(const RunState& s);
  void secondPeriodValues(const RunState& s);

  // The evaluated run: its results, the energy balance, the result curves
  // (drawn from s.record) and the water-balance error.
  void runEvaluated(const RunState& s);
  // The run is over, however it ended.
  void runEnded();

 private:
  // The display's setters, keeping the controls' states.
  void setText(const char* control, const std::string& text);
  void setVisible(const char* control, bool visible);
  void setColor(const char* control, Rgb color);
  void show(const char* box, const std::string& text);
  void showShrinkageEnd(const char* label, const char* box, double t);
  void showWetTemperatures(const RunState& s);
  void showDryTemperatures(const RunState& s);
  void showEnergyBalance(const RunState& s);
  void showWaterError(const RunState& s);

  Display& d_;
  ControlStates controls_;
};

}  // namespace lamvero
