#pragma once
// The presenter of a run: listens to the run's events and turns them into
// texts, visibilities, colours and drawings of the display, in the order the
// window shows them.

#include <map>
#include <string>

#include "present/controlstates.h"
#include "present/display.h"
#include "run/runevents.h"

namespace lamvero {

class RunView : public RunEvents {
 public:
  // defaults: how a control looks before the run touches it (blank and hidden if empty).
  explicit RunView(Display& d, ControlDefaults defaults = {}) : d_(d), controls_(std::move(defaults)) {}

  // Every control the run has set so far, as it left it.
  std::map<std::string, ControlState> controls() const { return controls_.all(); }

  // The run buttons and the live rows appear, the profile area is cleared.
  void runBegun() override;
  void setUpDone(const SetUpValues& v) override;
  void stepBegins() override { d_.yield(); }
  void counterCurrentEnded(const CounterCurrentEnd& e) override;
  void surfaceShrinkageEnded(double t) override;
  void coreShrinkageEnded(double t) override;
  void shrinkageGradient(double schwinddiff, double schwindgrad) override;
  void liveValues(DryingPeriod period, const LiveValues& v) override;
  // The profile curve, then the values of the moment.
  void curveEnded(const CurveEnd& e) override;
  // The convergence warning, with a little hysteresis.
  void frontIterations(int nIter) override;
  // The period's results, and the shrinkage scale on top of the final profile.
  void firstPeriodEnded(const FirstPeriodResults& r) override;
  void secondPeriodEnded(const LiveValues& v) override { secondPeriodValues(v); }
  // The results, the energy balance, the result curves and the water-balance error.
  void runEvaluated(const Evaluation& e) override;
  void runEnded() override;

 private:
  // The display's setters, keeping the controls' states.
  void setText(RunControl control, const std::string& text);
  void setVisible(RunControl control, bool visible);
  void setColor(RunControl control, Rgb color);
  void show(RunControl box, const std::string& text);
  void showShrinkageEnd(RunControl label, RunControl box, double t);
  void firstPeriodLive(const LiveValues& v);
  void secondPeriodLive(const LiveValues& v);
  void showWetValues(const LiveValues& v);
  void showDryTemperatures(const LiveValues& v);
  void secondPeriodValues(const LiveValues& v);
  void showEnergyBalance(const RunResults& results);
  void showWaterError(const RunResults& results, bool coarseGrid);

  Display& d_;
  ControlStates controls_;
  ShrinkageScale scale_;  // from the set-up, drawn again when the first period ends
};

}  // namespace lamvero
