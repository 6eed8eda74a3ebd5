#pragma once
// The state of a run: every quantity of one run, shared by the set-up, both
// drying periods, the air model and the evaluation, and the run's record
// (model/runrecord.h), which the run fills as it goes and which outlives it.
// The window owns one state for the program's lifetime; each set-up
// overwrites what a run needs.

#include <cstdint>

#include "model/claybody.h"
#include "model/moisturestep.h"
#include "model/runrecord.h"

namespace lamvero {

// The profile uses indices 0..AnzOS+1 of 0..501.
constexpr int kMaxAnzOS = kGridSize - 2;

class StopRequest;

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
// A step that needs kPoorFrontIterations or more is poorly converged: its rate
// is stored as kPoorRateMarker, which the evaluation replaces. The warning
// lbl_Achtung appears above kPoorFrontIterations and goes below
// kGoodFrontIterations after a step (a little hysteresis), below
// kPoorFrontIterations at the end of a curve interval.
constexpr int kPoorFrontIterations = 45;
constexpr int kGoodFrontIterations = 44;
constexpr double kPoorRateMarker = -100;

// Vapour diffusion through the dry layer: diffusivity of water vapour in air
// at 273 K and 1 bar (m²/s), its temperature exponent, and the gas constant of
// water vapour (kJ/(kg K)).
constexpr double kVapourDiffusivity273 = 2.23e-5;
constexpr double kVapourDiffusivityExponent = 1.74;
constexpr double kVapourGasConstant = 0.461;

// A water-balance error above kWaterErrorNoticeable % shows in red; above
// kWaterErrorInaccurate % the result is marked inaccurate.
constexpr double kWaterErrorNoticeable = 3;
constexpr double kWaterErrorInaccurate = 6;

struct RunState : ClayBody {
  RunState() { record.series = RunSeries::WithFullCapacity(); }

  // Inputs, converted to model units.
  double Dicke = 0;               // green plate thickness as entered, mm
  double Ortsschrittweite = 0;    // requested spatial step as entered, mm
  double XAnf = 0;                // initial moisture content, kg/kg
  double Lufttemp = 0;            // exhaust-air temperature, °C
  double AbluftFeuchte = 0;       // relative humidity of the exhaust air, fraction
  double Waermeuebergang = 0;     // heat-transfer coefficient, kW/(m² K)
  double lambda = 0;              // thermal conductivity of the dry plate, kW/(m K)
  double AussenluftTemp = 0;      // outside-air temperature, °C
  double AussenluftFeuchte = 0;   // relative humidity of the outside air, fraction
  double mue = 0;                 // vapour-diffusion resistance factor of the dry body
  double AnzOS = 0;               // spatial steps per half plate (a whole number)
  double deltaT = 0;              // time step, s
  double rund = 0;                // time steps per curve interval
  double linTrSchwind = 0;        // total linear drying shrinkage, %
  double Feuchteleit = 0;         // moisture conductivity at 0.25 kg/kg and 25 °C, m²/s
  double ThetaGegenstromende = 0; // air temperature that ends the counter-current section, °C
  double ThetaEinf = 0;           // temperature of the entering green bodies, °C

  // Derived once per run.
  double DickeTr = 0;             // dry plate thickness, m
  double FlaechenmasseInv = 0;    // 2 / (rhos DickeTr), m²/kg
  double pDAb = 0, XAbluft = 0;   // exhaust air: vapour pressure (bar), humidity ratio
  double ThetaKgr = 0;            // wet-bulb temperature of the exhaust air, °C
  double pDAu = 0;                // vapour pressure of the outside air, bar
  float XAussen = 0;              // humidity ratio of the outside air (single precision)
  double LuftRohlingVerh = 0;     // kg dry air per kg dry body
  double Schwind25 = 0, rho25 = 0, Phi25 = 0;  // body state at 0.25 kg/kg
  double dx = 0;                  // model spatial step, m
  double dxTwips = 0;             // one spatial step in the profile plot's x units

  // Air state at the plate and the counter-current section.
  double ThetaLuft = 0, XLuft = 0, pDLuft = 0;
  double XLuftAlt = 0, XLuftNeu = 0, ThetaLuftAlt = 0, ThetaLuftNeu = 0;
  std::int16_t GegenstromAktiv = 0;
  float DauerGegenstrom = 0;      // kept from run to run; written only at the switch

  // The last air state whose wet-bulb temperature and vapour pressure were
  // computed, so that an unchanged air state is not solved for again.
  struct AirMemo {
    bool wetBulbValid = false;
    double theta = 0, X = 0, wetBulb = 0;
    bool vapourValid = false;
    double vpTheta = 0, vpWetBulb = 0, pD = 0;
  } airMemo;

  // Surface and fluxes.
  double ThetaOb = 0;             // wet-bulb temperature of the current air, °C
  double qrand = 0;               // heat-flux density into the face, kW/m²
  double mRand = 0, mRandAlt = 0; // evaporation flux, kg/(m² s), negative while drying
  double Anfangsrate = 0;         // initial evaporation rate, kg/(m² h)

  // Profile and its grid work storage.
  GridArray X{};
  MoistureStepWork grid;

  // Counters, balances, milestones.
  double Zeit = 0;
  int nSchritt = 0;
  double xmom = 0, XBilanz = 0;
  double t1xse = 0, t2xse = 0;
  double schwindgrad = 0;
  double schwinddiff = 0;         // shrinkage difference surface - centre at the largest gradient, fraction
  double XGegen = 0;              // mean moisture at the counter-current switch, kg/kg
  double WasserdampfMax = 0;

  // First-period results.
  double Dauer1TA = 0, X1TA = 0;

  // Second period.
  double ThetaObTr = 0, ThetaK = 0, ThetaKAlt = 0, ThetaKLuftAlt = 0;
  float dThetaK = 0;
  int iSpiegel = 0;
  double sSpiegel = 0;
  double ThetaUnten = 0, ThetaOben = 0;
  int nIter = 0;
  double mWaerme = 0, DDampf = 0, mDampf = 0;
  std::int16_t nGlatt = 0;

  // Evaluation and energy balance.
  double XEnde = 0;
  double ThetaZuluft = 0, spezEnergie = 0, relEnergie = 0;
  double WasserfehlerProzent = 0;

  // Run control: set to 1 by Stop, read right after each yield, together
  // with the caller's stop request (if any).
  int StopFlag = 0;
  const StopRequest* stopRequest = nullptr;

  // The run's record: filled as the run goes; it holds the time series.
  RunRecord record;
};

// Copies the converted inputs, the derived values and the results as they
// stand into s.record (the series are written there directly).
void RecordRun(RunState& s);

}  // namespace lamvero
