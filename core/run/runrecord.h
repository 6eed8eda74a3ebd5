#pragma once
// The record of one run: what the user typed, what the run derived from it,
// its results as numbers with their units, the state it left every control
// in, and its twelve time series. A plain value: it can be copied, kept
// after the next run has started, compared and written to a file. Abbreviations
// are explained at the top of model/runstate.h.

#include <array>
#include <cstddef>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "run/airintegration.h"
#include "run/controlstate.h"
#include "inputs/inputs.h"

namespace lamvero {

// Time series hold indices 0..500000.
constexpr int kSeriesCapacity = 500001;
constexpr int kMaxSeriesIndex = kSeriesCapacity - 1;

enum class RunOutcome {
  Completed,   // both periods and the evaluation ran
  Refused,     // the input check found problems; nothing was shown or changed
  Stopped,     // Stop was pressed; no evaluation
  SeriesFull,  // the time series were full; stopped like Stop
  Failed,      // the profile stopped being finite; stopped like Stop
};

// "Completed", "Refused", "Stopped", "SeriesFull" or "Failed": the outcome as
// files, JSON and study rows name it.
const char* RunOutcomeName(RunOutcome outcome);
// The outcome of that name; nothing for any other text.
std::optional<RunOutcome> RunOutcomeNamed(std::string_view name);

// One time series of fixed capacity. Its entries are not cleared when it is
// made: a run writes every entry up to nReihe before anything reads it, so a
// short run touches only the memory it uses.
class Series {
 public:
  Series() = default;  // holds nothing
  explicit Series(std::size_t capacity) : v_(new double[capacity]), capacity_(capacity) {}
  Series(Series&&) noexcept = default;
  Series& operator=(Series&&) noexcept = default;
  // The first n entries, in a series of capacity n.
  Series head(std::size_t n) const;

  double& operator[](std::size_t k) { return v_[k]; }
  double operator[](std::size_t k) const { return v_[k]; }
  double* begin() { return v_.get(); }
  const double* begin() const { return v_.get(); }
  std::size_t capacity() const { return capacity_; }

 private:
  std::unique_ptr<double[]> v_;
  std::size_t capacity_ = 0;
};

// The twelve time series of a run, one entry per stored time step (index 0 is
// the state after the set-up). A copy holds only the stored points.
struct RunSeries {
  RunSeries() = default;
  // Room for a whole run (kSeriesCapacity points each), not yet written.
  static RunSeries WithFullCapacity();
  // Room for `capacity` points each, not yet written.
  static RunSeries WithCapacity(std::size_t capacity);
  RunSeries(const RunSeries& other);
  RunSeries& operator=(const RunSeries& other);
  RunSeries(RunSeries&&) noexcept = default;
  RunSeries& operator=(RunSeries&&) noexcept = default;

  // Number of stored points: nReihe + 1, none before the set-up.
  int points() const { return nReihe + 1; }

  int nReihe = -1;          // index of the last stored point; -1: none stored
  int nReihe1TA = 0;        // index of the last point of the first drying period
  Series tReihe;            // time, s
  Series XReihe;            // mean moisture content, kg/kg (rescaled by the evaluation)
  Series XOberflReihe;      // moisture content at the surface, kg/kg (0 once the surface is dry)
  Series XKernReihe;        // moisture content at the centre, kg/kg (rescaled by the evaluation)
  Series SchwOberflReihe;   // linear shrinkage at the surface, %
  Series SchwKernReihe;     // linear shrinkage at the centre, %
  Series ThetaLuftReihe;    // air temperature at the plate, °C (smoothed by the evaluation)
  Series ThetaObReihe;      // surface temperature, °C (smoothed)
  Series ThetaKReihe;       // temperature at the drying front, °C (smoothed)
  Series WasserdampfReihe;  // evaporation rate, kg/(m² h) (smoothed; -100 marks a poorly converged step before)
  Series SpiegelReihe;      // depth of the drying front below the surface, m (0 in the first period)
  Series XLuftReihe;        // humidity ratio of the air at the plate, kg/kg (smoothed like the air temperature)

  static constexpr std::size_t kCount = 12;

 private:
  void copyFrom(const RunSeries& other);
};

// The twelve series, in the order above (the order of the CSV columns and of
// a case file's series).
// Captions and courses are German and in the catalogue under the context
// "Ergebnisse": a window looks them up with Tr("Ergebnisse", text); files keep
// the German. Units are symbols, the same in every language.
struct SeriesColumn {
  const char* name;     // stable machine name, the member: "tReihe"
  const char* caption;  // what a table heads its column with, before the unit: "Lufttemperatur"
  const char* unit;     // "s", "kg/kg", "%", "°C", "kg/(m² h)", "m"
  const char* course;   // what a message calls its course: "Verlauf der Lufttemperatur"
  Series RunSeries::*member;
  bool shrinkage;       // a linear shrinkage in %: shown no larger than the total linear shrinkage
};
const std::array<SeriesColumn, RunSeries::kCount>& SeriesColumns();

// Total linear shrinkage (%) up to which a body counts as not shrinking. The
// readings differ deliberately at exactly this value: the shrinkage series
// and the result plot's limit-moisture marks need more than it (> 0.001),
// the profile plot's limit-moisture line and the result plot's shrinkage
// curves at least it (>= 0.001).
constexpr double kNoShrinkage = 0.001;

// What the set-up derives once per run.
struct DerivedValues {
  int AnzOS = 0;               // spatial steps per half plate, as read back from its box
  double DickeTr = 0;          // dry plate thickness, m
  double dx = 0;               // model spatial step, m
  double pDAb = 0;             // vapour pressure of the exhaust air, bar
  double XAbluft = 0;          // humidity ratio of the exhaust air, kg water / kg dry air
  double ThetaKgr = 0;         // wet-bulb temperature of the exhaust air, °C
  double pDAu = 0;             // vapour pressure of the outside air, bar
  double XAussen = 0;          // humidity ratio of the outside air, kg/kg (a single-precision value)
  double LuftRohlingVerh = 0;  // dry air per dry body, kg/kg
  double LuftWasserVerh = 0;   // dry air per initial water, kg/kg
  double SchwindTot = 0;       // total linear shrinkage, fraction of the green length
  double rho0 = 0;             // dry mass per m³ of green body, kg/m³
  double PhiAnf = 0;           // initial volumetric water content, m³/m³
  double offPoren = 0;         // open porosity of the dry body, m³/m³
  double XSchwEnde = 0;        // limit moisture (end of shrinkage), kg/kg
  double KappaGr = 0;          // moisture conductivity at the limit moisture and 25 °C, m²/s
};

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// The run's results. Values of a stage the run did not reach stay 0, except
// the counter-current ones, which are NaN unless the air reached the set
// temperature during this run.
struct RunResults {
  double Zeit = 0;                    // time when the run ended (or stopped), s
  double Dauer1TA = 0;                // duration of the first drying period, s
  double X1TA = 0;                    // mean moisture at its end, kg/kg (rescaled by the evaluation)
  double Anfangsrate = 0;             // initial evaporation rate, kg/(m² h)
  double t1xse = 0;                   // time the surface reached the limit moisture, s
  double t2xse = 0;                   // time the centre reached the limit moisture, s
  double DauerGegenstrom = kNoValue;  // duration of the counter-current section, s (NaN: no switch)
  double XGegen = kNoValue;           // mean moisture at that switch, kg/kg (NaN: no switch)
  double schwindgrad = 0;             // largest shrinkage gradient at the surface, fraction per m
                                      // (the window shows 0.1 × this in % per mm)
  double schwinddiff = 0;             // shrinkage difference surface - centre at that moment, fraction
  int nGlatt = 0;                     // smoothing weight of the second period, steps
  int nIter = 0;                      // bisection steps of the front temperature in the last step
  double ThetaZuluft = 0;             // supply-air temperature, °C
  double spezEnergie = 0;             // specific energy demand, kJ per kg water removed
  double relEnergie = 0;              // the same relative to the latent heat at 0 °C, 1
  double WasserfehlerProzent = 0;     // water-balance error, % of the initial water
  double WasserdampfMax = 0;          // largest (smoothed) evaporation rate, kg/(m² h)
  double XEnde = 0;                   // residual mean moisture of the numerical profile, kg/kg
  double XBilanz = 0;                 // initial moisture less the integrated surface flux, kg/kg
  // The live values as the run left them.
  double xmom = 0;         // mean moisture content, kg/kg
  double qrand = 0;        // heat-flux density into the face, kW/m²
  double Wasserdampf = 0;  // evaporation rate, kg/(m² h)
  double ThetaOb = 0;      // surface temperature, °C
  double ThetaK = 0;       // core (first period) or drying-front temperature, °C
  double ThetaLuft = 0;    // air temperature at the plate, °C
  double XLuft = 0;        // humidity ratio of the air at the plate, kg/kg
  double sSpiegel = 0;     // depth of the drying front, m
};

// The moisture profiles the run drew into the profile plot, in the order
// drawn: one per curve interval. A profile holds the surface node, the AnzOS
// layers and the mirror node across the centre plane.
struct ProfileCurves {
  int nodes = 0;                           // values per profile: AnzOS + 2
  std::vector<double> X;                   // profile c at X[c * nodes] .. X[c * nodes + nodes - 1], kg/kg
  std::vector<unsigned char> endOfFirst;   // 1: drawn red, as the final profile of the first drying period
  // The shrinkage scale was drawn when this many profiles had been drawn
  // (0 at the set-up, then again when the first drying period ended).
  std::vector<std::size_t> scaleAfter;

  std::size_t count() const { return endOfFirst.size(); }
  const double* profile(std::size_t c) const { return X.data() + c * static_cast<std::size_t>(nodes); }
};

struct RunRecord {
  InputTexts inputs;                         // the 18 input texts as typed
  RunOutcome outcome = RunOutcome::Refused;  // a record made by default holds no run
  AirIntegration airIntegration = AirIntegration::Standard;  // how the run stepped the air's balance
  // Input problems, or why the run had to stop: as files keep them (German,
  // decimal comma), and as the run showed them in the user's language; a
  // record read from a file has only the first (ShownMessages).
  std::vector<std::string> messages;
  std::vector<std::string> shownMessages;
  InputValues values;                        // the inputs in model units (not read for a refused run)
  DerivedValues derived;
  RunResults results;
  // Every control the run touched, by name, as the run left it.
  std::map<std::string, ControlState> controls;
  RunSeries series;
  ProfileCurves profiles;
};

// The record's messages in the user's language where the run made them,
// else as the file kept them.
const std::vector<std::string>& ShownMessages(const RunRecord& record);

}  // namespace lamvero
