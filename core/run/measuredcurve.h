#pragma once
// A drying curve measured in the laboratory: the times of the readings and,
// at each, the mean moisture of the sample and optionally its surface and
// core temperature and its linear shrinkage. Values are held in the model's
// units whatever unit the file gave them in (a mass in g is turned into a
// moisture with the sample's dry mass when the curve is read). The fit
// compares a run with it; the Diagramme window shows it as markers; a case
// file keeps it.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "run/runrecord.h"

namespace lamvero {

enum class MeasuredQuantity : std::size_t {
  Moisture,            // mean moisture content, kg/kg dry basis
  SurfaceTemperature,  // °C
  CoreTemperature,     // °C
  Shrinkage,           // linear shrinkage, %
};
constexpr std::size_t kMeasuredQuantityCount = 4;

struct MeasuredQuantityInfo {
  MeasuredQuantity id;
  const char* key;      // machine name, in the case file and the runner: "moisture"
  // What the window, the report and tables call it: "mittlere Wasserbeladung";
  // German, in the catalogue under "Ergebnisse" (Tr("Ergebnisse", caption)).
  const char* caption;
  const char* unit;     // the model's unit the values are held in: "kg/kg"
};
// Every quantity, in the order above.
const std::array<MeasuredQuantityInfo, kMeasuredQuantityCount>& MeasuredQuantities();
const MeasuredQuantityInfo& InfoOf(MeasuredQuantity q);

struct MeasuredCurve {
  std::vector<double> time;  // s, strictly increasing, at least kMinMeasuredPoints
  // One vector per quantity, as long as time, or empty when the data have no
  // such column. NaN where a reading of an optional quantity is missing (an
  // empty cell); the moisture is never missing.
  std::array<std::vector<double>, kMeasuredQuantityCount> values;
  std::string source;  // where the points came from: the file's name, for captions and the report

  std::size_t points() const { return time.size(); }
  bool has(MeasuredQuantity q) const { return !values[static_cast<std::size_t>(q)].empty(); }
  const std::vector<double>& operator[](MeasuredQuantity q) const { return values[static_cast<std::size_t>(q)]; }
  std::vector<double>& operator[](MeasuredQuantity q) { return values[static_cast<std::size_t>(q)]; }
  bool operator==(const MeasuredCurve& other) const;  // bit for bit; NaN equals NaN
};

// Fewer readings do not describe a drying curve.
constexpr std::size_t kMinMeasuredPoints = 5;

// The model's counterpart of a measured quantity at time t (s), from a run's
// series, linearly interpolated between stored points; before the first
// point its first value, after the last its last. Moisture: XReihe; surface
// temperature: ThetaObReihe; core temperature: ThetaKReihe; shrinkage: what
// the mean moisture gives by the body's linear law, between 0 and the total
// linear shrinkage (a sample's length follows its mean moisture, not its
// surface or its core). NaN when the series hold no point.
double ModelValueAt(const RunRecord& record, MeasuredQuantity q, double t);

}  // namespace lamvero
