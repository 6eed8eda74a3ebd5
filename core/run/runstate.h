#pragma once
// The state of a run, in four parts: the inputs in model units, the constants
// the set-up derives once per run, the state that changes from step to step,
// and the run's record (model/runrecord.h), which the run fills as it goes
// and which outlives it. The window owns one state for the program's
// lifetime; each set-up overwrites what a run needs.
//
// Names follow the dryer engineer's German; the parts of compound names:
//   TA       Trocknungsabschnitt, drying period (1TA: the first, wet-surface one)
//   xse      X at Schwindungsende: the limit moisture, below which the body no
//            longer shrinks (XSchwEnde); t1xse/t2xse: surface/centre reach it
//   Kgr      Kühlgrenze, the wet-bulb temperature
//   Ob, Oberfl   Oberfläche, the plate's surface; K, Kern: its centre, or in
//            the second period the drying front
//   Tr       trocken, dry (DickeTr: dry thickness; ThetaObTr: surface
//            temperature over the dry layer)
//   Spiegel  Trocknungsspiegel, the drying front; sSpiegel its depth
//   atro     absolut trocken: moisture per mass of dry body (kg/kg)
//   Schwind  Schwindung, shrinkage; Schwindgrad: its gradient
//   Luft, Abluft, Aussenluft, Zuluft   air at the plate, exhaust, outside, supply air
//   Gegenstrom  the counter-current section; after it the chamber section
//   X        moisture content of the body (kg/kg) or humidity ratio of air
//            (kg water per kg dry air); Theta: temperature (°C); pD: vapour
//            pressure (bar); m: mass flux density (kg/(m² s)); q: heat flux
//            density (kW/m²); Reihe: time series; AnzOS: Anzahl Ortsschritte
//   mom      momentan, the current value; Anf: Anfang, initial
// Single precision (float) appears where the dryer's balance was defined with
// it: the outside air's humidity ratio XAussen, the front temperature change
// dThetaK of one step and the counter-current duration. Their roundings are
// part of the results and are kept.


#include "physics/claybody.h"
#include "physics/moisturestep.h"
#include "run/runlimits.h"
#include "run/runrecord.h"
#include "run/seriesthinning.h"

namespace lamvero {

class StopRequest;

// The value of a pure function of two numbers for the arguments it was last
// computed for; computed again only when an argument changes.
struct LastValue {
  template <class Function>
  double of(double a, double b, Function f) {
    if (!valid_ || a_ != a || b_ != b) {
      a_ = a;
      b_ = b;
      value_ = f(a, b);
      valid_ = true;
    }
    return value_;
  }

 private:
  bool valid_ = false;
  double a_ = 0, b_ = 0, value_ = 0;
};

// The live values are shown this many times per curve interval (every
// Int(rund / 50) steps).
constexpr double kLiveValuesPerCurve = 50;

// Bisection of the front temperature: it ends when the heat and the vapour
// balance agree within kFrontBalanceTolerance after more than
// kMinFrontIterations steps, and in any case after more than
// kMaxFrontIterations. The bracket starts at the wet-bulb temperature and
// kFrontTemperatureAbove (°C, above boiling at 1 bar).
constexpr int kMinFrontIterations = 10;
constexpr int kMaxFrontIterations = 50;
constexpr double kFrontBalanceTolerance = 0.02;
constexpr double kFrontTemperatureAbove = 101;
// A poorly converged step (kPoorFrontIterations, run/runevents.h) stores its
// rate as kPoorRateMarker, which the evaluation replaces.
constexpr double kPoorRateMarker = -100;

// Vapour diffusion through the dry layer: diffusivity of water vapour in air
// at 273 K and 1 bar (m²/s), its temperature exponent, and the gas constant of
// water vapour (kJ/(kg K)).
constexpr double kVapourDiffusivity273 = 2.23e-5;
constexpr double kVapourDiffusivityExponent = 1.74;
constexpr double kVapourGasConstant = 0.461;

// Derived once per run by the set-up.
struct RunConstants {
  ClayBody body;                  // the clay body (rhos and KappaSteig as entered)
  BodyAt25 at25;                  // the body at 0.25 kg/kg
  int AnzOS = 0;                  // spatial steps per half plate, read back from its box
  double DickeTr = 0;             // dry plate thickness, m
  double FlaechenmasseInv = 0;    // 2 / (rhos DickeTr): faces per dry mass, m²/kg
  double pDAb = 0;                // vapour pressure of the exhaust air, bar
  double XAbluft = 0;             // humidity ratio of the exhaust air, kg/kg
  double ThetaKgr = 0;            // wet-bulb temperature of the exhaust air, °C
  double pDAu = 0;                // vapour pressure of the outside air, bar
  float XAussen = 0;              // humidity ratio of the outside air, kg/kg (single precision)
  double LuftRohlingVerh = 0;     // dry air per dry body, kg/kg
  double dx = 0;                  // model spatial step, m
};

// What changes from time step to time step.
struct StepState {
  // Time.
  double Zeit = 0;   // time since the start, s
  int nSchritt = 0;  // step within the current curve interval

  // Air at the plate.
  double ThetaLuft = 0;              // air temperature, °C
  double XLuft = 0;                  // humidity ratio, kg/kg
  double pDLuft = 0;                 // vapour pressure, bar
  bool GegenstromAktiv = false;      // while the plate is in the counter-current section
  // The wet-bulb temperature (of ThetaLuft, XLuft) and the vapour pressure
  // (of ThetaLuft, ThetaOb) of the last air state they were computed for, so
  // that an unchanged air state is not solved for again.
  struct AirMemo {
    LastValue wetBulb, vapourPressure;
  } airMemo;

  // Surface, fluxes and profile.
  double ThetaOb = 0;             // wet-bulb temperature of the current air, °C
  double qrand = 0;               // heat-flux density into the face, kW/m²
  double mRand = 0;               // evaporation flux, kg/(m² s), negative while drying
  double mRandAlt = 0;            // the same in the step before
  GridArray X;                    // moisture profile, kg/kg: 0 surface, 1..AnzOS layers, AnzOS+1 mirror
  MoistureStepWork grid;          // the moisture step's work storage (both sized AnzOS + 2 by the set-up)
  double xmom = 0;                // mean moisture content, kg/kg
  double XBilanz = 0;             // initial moisture less the integrated surface flux, kg/kg

  // Temperatures of the plate; the second period's drying front.
  double ThetaObTr = 0;      // surface temperature, °C (over the dry layer in the second period)
  double ThetaK = 0;         // core, then drying-front temperature, °C
  double ThetaKAlt = 0;      // front temperature of the step before, °C (heat stored in the plate)
  double ThetaKLuftAlt = 0;  // front temperature the air balance saw last, °C
  float dThetaK = 0;         // change of the front temperature in one step, K (single precision)
  double sSpiegel = 0;       // depth of the drying front, m
  int nIter = 0;             // bisection steps of the front temperature in this step
  double mDampf = 0;         // vapour flux through the dry layer, kg/(m² s)
};

struct RunState {
  RunState() { record.series = RunSeries::WithFullCapacity(); }

  InputValues in;    // the inputs in model units
  RunConstants run;  // derived once per run
  StepState now;     // the current time step
  // The run's record: the series and results are written there as the run
  // goes (results at their events), the rest at its end.
  RunRecord record;
  // What this run may hold (set by RunSimulation), and the thinning of its
  // series when they fill under extended limits.
  RunLimits limits;
  SeriesThinning thinning;

  // Duration of the counter-current section, s (single precision). Written
  // only at the switch and kept from run to run, as long as the window's
  // state lives: a run that never reaches the chamber section leaves the
  // duration of an earlier run here, and its record holds NaN instead.
  float DauerGegenstrom = 0;

  // Run control: set by Stop, read right after each yield, together
  // with the caller's stop request (if any).
  bool StopFlag = false;
  const StopRequest* stopRequest = nullptr;
};

// Completes s.record with the inputs in model units, the derived values and
// the live values as they stand (the series and the milestones are written
// there as the run goes).
void RecordRun(RunState& s);

}  // namespace lamvero
