#pragma once
// The measured readings a fit counts and the residuals of a run against them.
// A reading counts when its quantity has a weight above 0 and it is not
// missing. Each residual is sqrt(weight) * (model - measured) / scale, the
// scale being the range of that quantity's readings (1 where they do not
// vary), so that a moisture in kg/kg and a temperature in K weigh alike.

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "run/measuredcurve.h"
#include "run/runrecord.h"

namespace lamvero {

struct FitReading {
  MeasuredQuantity quantity;
  double time = 0;      // s
  double measured = 0;  // the quantity's unit
};

class FitReadings {
 public:
  FitReadings(const MeasuredCurve& data, const std::array<double, kMeasuredQuantityCount>& weights);

  const std::vector<FitReading>& readings() const { return readings_; }  // in time order per quantity
  std::size_t count() const { return readings_.size(); }
  // The quantities with at least one counted reading, in table order.
  std::vector<MeasuredQuantity> quantities() const;

  // The run's value at every reading, in the order of readings(); nothing
  // when the run did not complete or gives a value that is not finite.
  std::optional<std::vector<double>> modelValues(const RunRecord& record) const;
  // The weighted, scaled residuals of those values.
  std::vector<double> residuals(const std::vector<double>& model) const;

 private:
  std::vector<FitReading> readings_;
  std::array<double, kMeasuredQuantityCount> factor_{};  // sqrt(weight) / scale per quantity
};

}  // namespace lamvero
