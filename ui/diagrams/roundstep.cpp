#include "ui/diagrams/roundstep.h"

#include <cmath>
#include <initializer_list>

namespace lamvero {

double RoundStep(double span) {
  if (!(span > 0) || !std::isfinite(span)) return 0;
  const double raw = span / 6;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power;
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    step = m * power;
    if (step >= raw) break;
  }
  return step;
}

}  // namespace lamvero
