#include "study/fitreadings.h"

#include <algorithm>
#include <cmath>

namespace lamvero {

namespace {

// The span of a quantity's readings, missing ones left out; 1 where they do not vary.
double ScaleOf(const std::vector<double>& values) {
  double lowest = INFINITY;
  double highest = -INFINITY;
  for (double v : values) {
    if (std::isnan(v)) continue;
    lowest = std::min(lowest, v);
    highest = std::max(highest, v);
  }
  const double span = highest - lowest;
  return span > 0 && std::isfinite(span) ? span : 1.0;
}

}  // namespace

FitReadings::FitReadings(const MeasuredCurve& data, const std::array<double, kMeasuredQuantityCount>& weights) {
  for (const MeasuredQuantityInfo& info : MeasuredQuantities()) {
    const std::size_t q = static_cast<std::size_t>(info.id);
    if (!(weights[q] > 0) || !data.has(info.id)) continue;
    const std::vector<double>& values = data[info.id];
    factor_[q] = std::sqrt(weights[q]) / ScaleOf(values);
    for (std::size_t i = 0; i < values.size() && i < data.time.size(); ++i) {
      if (!std::isnan(values[i])) readings_.push_back({info.id, data.time[i], values[i]});
    }
  }
}

std::vector<MeasuredQuantity> FitReadings::quantities() const {
  std::vector<MeasuredQuantity> counted;
  for (const FitReading& r : readings_) {
    if (counted.empty() || counted.back() != r.quantity) counted.push_back(r.quantity);
  }
  return counted;
}

std::optional<std::vector<double>> FitReadings::modelValues(const RunRecord& record) const {
  if (record.outcome != RunOutcome::Completed) return std::nullopt;
  std::vector<double> model;
  model.reserve(readings_.size());
  for (const FitReading& r : readings_) {
    const double value = ModelValueAt(record, r.quantity, r.time);
    if (!std::isfinite(value)) return std::nullopt;
    model.push_back(value);
  }
  return model;
}

std::vector<double> FitReadings::residuals(const std::vector<double>& model) const {
  std::vector<double> r(readings_.size());
  for (std::size_t i = 0; i < readings_.size(); ++i) {
    r[i] = factor_[static_cast<std::size_t>(readings_[i].quantity)] * (model[i] - readings_[i].measured);
  }
  return r;
}

}  // namespace lamvero
