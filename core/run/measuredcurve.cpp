#include "run/measuredcurve.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "text/language.h"

namespace lamvero {

const std::array<MeasuredQuantityInfo, kMeasuredQuantityCount>& MeasuredQuantities() {
  static const std::array<MeasuredQuantityInfo, kMeasuredQuantityCount> table{{
      {MeasuredQuantity::Moisture, "moisture", LV_TR_NOOP("Ergebnisse", "mittlere Wasserbeladung"), "kg/kg"},
      {MeasuredQuantity::SurfaceTemperature, "surfaceTemperature", LV_TR_NOOP("Ergebnisse", "Oberflächentemperatur"),
       "°C"},
      {MeasuredQuantity::CoreTemperature, "coreTemperature", LV_TR_NOOP("Ergebnisse", "Kerntemperatur"), "°C"},
      {MeasuredQuantity::Shrinkage, "shrinkage", LV_TR_NOOP("Ergebnisse", "lineare Schwindung"), "%"},
  }};
  return table;
}

const MeasuredQuantityInfo& InfoOf(MeasuredQuantity q) { return MeasuredQuantities()[static_cast<std::size_t>(q)]; }

namespace {

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

// The series' value at t, linear between its stored points, held at both ends.
double Interpolated(const RunSeries& s, const Series& values, double t) {
  const int last = s.nReihe;
  if (t <= s.tReihe[0]) return values[0];
  if (t >= s.tReihe[last]) return values[last];
  const double* begin = s.tReihe.begin();
  const double* after = std::upper_bound(begin, begin + last + 1, t);
  const std::size_t k = static_cast<std::size_t>(after - begin);  // tReihe[k-1] <= t < tReihe[k]
  const double t0 = s.tReihe[k - 1], t1 = s.tReihe[k];
  if (!(t1 > t0)) return values[k];
  const double w = (t - t0) / (t1 - t0);
  return values[k - 1] + w * (values[k] - values[k - 1]);
}

}  // namespace

bool MeasuredCurve::operator==(const MeasuredCurve& other) const {
  if (source != other.source || !SameBits(time, other.time)) return false;
  for (std::size_t q = 0; q < kMeasuredQuantityCount; ++q) {
    if (!SameBits(values[q], other.values[q])) return false;
  }
  return true;
}

double ModelValueAt(const RunRecord& record, MeasuredQuantity q, double t) {
  const RunSeries& s = record.series;
  if (s.nReihe < 0) return std::nan("");
  switch (q) {
    case MeasuredQuantity::Moisture:
      return Interpolated(s, s.XReihe, t);
    case MeasuredQuantity::SurfaceTemperature:
      return Interpolated(s, s.ThetaObReihe, t);
    case MeasuredQuantity::CoreTemperature:
      return Interpolated(s, s.ThetaKReihe, t);
    case MeasuredQuantity::Shrinkage: {
      // The body shrinks linearly with its moisture from XAnf down to the
      // limit moisture and no further.
      const double total = record.values.linTrSchwind;
      const double span = record.values.XAnf - record.derived.XSchwEnde;
      if (!(span > 0)) return 0;
      const double shrinkage = total * (record.values.XAnf - Interpolated(s, s.XReihe, t)) / span;
      return std::clamp(shrinkage, 0.0, total);
    }
  }
  return std::nan("");
}

}  // namespace lamvero
