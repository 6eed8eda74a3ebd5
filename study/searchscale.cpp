#include "study/searchscale.h"

#include <algorithm>
#include <cmath>

namespace lamvero {

SearchScale::SearchScale(double lower, double upper)
    : lower_(lower), upper_(upper), logarithmic_(lower > 0 && upper / lower >= 10) {}

double SearchScale::toUnit(double value) const {
  const double clamped = std::clamp(value, lower_, upper_);
  const double u = logarithmic_ ? std::log(clamped / lower_) / std::log(upper_ / lower_)
                                : (clamped - lower_) / (upper_ - lower_);
  return std::clamp(u, 0.0, 1.0);
}

double SearchScale::fromUnit(double u) const {
  if (u <= 0) return lower_;
  if (u >= 1) return upper_;
  const double value = logarithmic_ ? lower_ * std::exp(u * std::log(upper_ / lower_)) : lower_ + u * (upper_ - lower_);
  return std::clamp(value, lower_, upper_);
}

}  // namespace lamvero
