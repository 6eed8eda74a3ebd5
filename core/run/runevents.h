#pragma once
// What a run tells whoever follows it: the set-up, both drying periods, the
// air model and the evaluation send these events as they happen, each with a
// copy of the numbers that belong to it. A listener never sees the run's
// state and cannot change it; the window's presenter turns the events into
// texts and drawings, a study listens to none of them.
//
// The order of a run: runBegun, setUpDone, then per time step stepBegins
// (where the user's clicks are handled) and whatever the step brought;
// firstPeriodEnded once the surface is dry, secondPeriodEnded once the front
// has reached the centre, runEvaluated, and runEnded however the run ended.

#include <string>
#include <vector>

#include "physics/claybody.h"
#include "run/runrecord.h"

namespace lamvero {

enum class DryingPeriod { First, Second };

// A step whose front temperature needed this many bisection steps or more is
// poorly converged.
constexpr int kPoorFrontIterations = 45;

// What the set-up derived that a listener shows, and what the shrinkage
// scale of the profile plot is drawn from.
struct SetUpValues {
  std::string anzOSText;       // the spatial step count as written into its box
  ClayBody body;               // the clay body of the run
  double XAnf = 0;             // initial moisture, kg/kg
  double linTrSchwind = 0;     // total linear shrinkage as entered, %
  double LuftRohlingVerh = 0;  // dry air per dry body, kg/kg
  double ThetaOb = 0;          // wet-bulb temperature the plate enters at, °C
  double mRand = 0;            // initial evaporation flux, kg/(m² s)
};

// The live values of a drying period after a time step.
struct LiveValues {
  double Zeit = 0;       // time since the start, s
  double qrand = 0;      // heat-flux density into the face, kW/m²
  double mRand = 0;      // evaporation flux, kg/(m² s), negative while drying
  double xmom = 0;       // mean moisture content, kg/kg
  double ThetaObTr = 0;  // surface temperature, °C
  double ThetaK = 0;     // core (first period) or drying-front temperature, °C
  double ThetaLuft = 0;  // air temperature at the plate, °C
  double XLuft = 0;      // humidity ratio of the air at the plate, kg/kg
  double XSurface = 0;   // moisture of the surface node, kg/kg
  double XLayer1 = 0;    // moisture of the first layer below it, kg/kg
  double rhos = 0;       // density of the dried body, kg/m³
  double offPoren = 0;   // open porosity of the dry body, m³/m³
  int nIter = 0;         // bisection steps of the front temperature in this step (second period)
};

// The end of a curve interval: the moisture profile as it stands.
struct CurveEnd {
  DryingPeriod period = DryingPeriod::First;
  bool finalOfFirst = false;  // the last profile of the first drying period
  // Surface node, AnzOS layers and the mirror node; empty for a grid beyond
  // the profile array.
  std::vector<double> X;
  double XAnf = 0;  // initial moisture, kg/kg: the top of the profile plot
  LiveValues values;
};

struct CounterCurrentEnd {
  double Zeit = 0;    // time of the switch, s
  double XGegen = 0;  // mean moisture at the switch, kg/kg
};

struct FirstPeriodResults {
  double Dauer1TA = 0;     // duration, s
  double X1TA = 0;         // mean moisture at its end, kg/kg
  double Anfangsrate = 0;  // initial evaporation rate, kg/(m² h)
};

// The evaluated run: its record holds the results and the series.
struct Evaluation {
  const RunRecord& record;
  int nIter = 0;            // bisection steps of the front temperature in the last step
  bool coarseGrid = false;  // the grid number lies below its best range (see MoistureGridNumber)
};

class RunEvents {
 public:
  virtual ~RunEvents() = default;

  // The input check passed: the run starts.
  virtual void runBegun() = 0;
  virtual void setUpDone(const SetUpValues& v) = 0;
  // The top of every time step, before the stop request is read: the user's clicks are handled here.
  virtual void stepBegins() = 0;
  // The air at the plate reached the end temperature of the counter-current section (once per run).
  virtual void counterCurrentEnded(const CounterCurrentEnd& e) = 0;
  // The surface or the centre reached the limit moisture at time t (s), once per run each.
  virtual void surfaceShrinkageEnded(double t) = 0;
  virtual void coreShrinkageEnded(double t) = 0;
  // A new largest shrinkage gradient at the surface: difference (fraction) and gradient (fraction per m).
  virtual void shrinkageGradient(double schwinddiff, double schwindgrad) = 0;
  // Every Int(rund / 50) steps of a period.
  virtual void liveValues(DryingPeriod period, const LiveValues& v) = 0;
  virtual void curveEnded(const CurveEnd& e) = 0;
  // After every step of the second period: how hard the front temperature was to find.
  virtual void frontIterations(int nIter) = 0;
  virtual void firstPeriodEnded(const FirstPeriodResults& r) = 0;
  // The front has reached the centre: the values of the last step.
  virtual void secondPeriodEnded(const LiveValues& v) = 0;
  virtual void runEvaluated(const Evaluation& e) = 0;
  // However the run ended: completed, stopped or failed.
  virtual void runEnded() = 0;
};

// A listener that ignores every event (studies, benchmarks).
class NoRunEvents : public RunEvents {
 public:
  void runBegun() override {}
  void setUpDone(const SetUpValues&) override {}
  void stepBegins() override {}
  void counterCurrentEnded(const CounterCurrentEnd&) override {}
  void surfaceShrinkageEnded(double) override {}
  void coreShrinkageEnded(double) override {}
  void shrinkageGradient(double, double) override {}
  void liveValues(DryingPeriod, const LiveValues&) override {}
  void curveEnded(const CurveEnd&) override {}
  void frontIterations(int) override {}
  void firstPeriodEnded(const FirstPeriodResults&) override {}
  void secondPeriodEnded(const LiveValues&) override {}
  void runEvaluated(const Evaluation&) override {}
  void runEnded() override {}
};

}  // namespace lamvero
