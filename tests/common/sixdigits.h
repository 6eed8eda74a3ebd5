#pragma once
// Reference values stated to six significant digits: a computed value agrees
// when it lies within half a unit of the sixth digit of the reference.

#include <gtest/gtest.h>

#include <cmath>

namespace lamvero::testing {

inline ::testing::AssertionResult SixDigits(double actual, double expected) {
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 5);
  if (std::fabs(actual - expected) <= 0.5 * unit) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "computed " << actual << " does not round to " << expected
                                       << " in six significant digits";
}

}  // namespace lamvero::testing
