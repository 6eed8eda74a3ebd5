#include "study/convergence.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace lamvero {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The values' finest three (or two), finest first: f1, f2, f3.
struct FinestLevels {
  double f1 = kNaN, f2 = kNaN, f3 = kNaN;
  bool three = false;
  double e21() const { return f1 - f2; }
  double e32() const { return f2 - f3; }
  double largestChange() const { return three ? std::max(std::fabs(e21()), std::fabs(e32())) : std::fabs(e21()); }
};

FinestLevels Finest(const std::vector<double>& values) {
  const std::size_t n = values.size();
  FinestLevels f;
  f.f1 = values[n - 1];
  f.f2 = values[n - 2];
  f.three = n >= 3;
  if (f.three) f.f3 = values[n - 3];
  return f;
}

// What the values allow before any arithmetic: nothing reached, some levels
// only, all the same, or a finest value of 0 that no error can be relative to.
bool Degenerate(AccuracyResult& r) {
  const std::size_t missing =
      static_cast<std::size_t>(std::count_if(r.values.begin(), r.values.end(), [](double v) { return std::isnan(v); }));
  if (r.values.size() < 2 || missing == r.values.size()) {
    r.convergence = r.values.size() < 2 ? Convergence::Undetermined : Convergence::NotReached;
    return true;
  }
  if (missing > 0) {
    r.convergence = Convergence::Undetermined;
    return true;
  }
  if (std::all_of(r.values.begin(), r.values.end(), [&r](double v) { return v == r.values.front(); })) {
    r.convergence = Convergence::Unchanged;
    r.extrapolated = r.values.back();
    r.errorPercent = 0;
    return true;
  }
  if (r.values.back() == 0 || !std::isfinite(r.values.back())) {
    r.convergence = Convergence::Undetermined;
    return true;
  }
  return false;
}

// The order the extrapolation and the error use: the observed one, at most kMaxUsedOrder.
double UsedOrder(const AccuracyResult& r) {
  return r.convergence == Convergence::Monotone ? std::min(r.order, kMaxUsedOrder) : kAssumedOrder;
}

double SafetyFactor(const AccuracyResult& r) {
  return r.convergence == Convergence::Monotone ? kSafetyFactorThreeLevels : kSafetyFactorTwoLevels;
}

}  // namespace

AccuracyResult EstimateConvergence(const std::string& key, std::vector<double> values, double ratio,
                                   double tolerancePercent) {
  AccuracyResult r;
  r.key = key;
  r.values = std::move(values);
  r.order = r.extrapolated = r.errorPercent = kNaN;
  if (Degenerate(r)) return r;
  const FinestLevels f = Finest(r.values);
  if (!f.three) {
    r.convergence = Convergence::TwoLevels;
  } else if (f.e21() != 0 && f.e32() != 0 && (f.e21() > 0) == (f.e32() > 0)) {
    r.order = std::log(f.e32() / f.e21()) / std::log(ratio);
    r.convergence = r.order > 0 ? Convergence::Monotone : Convergence::Irregular;
  } else {
    r.convergence = Convergence::Irregular;
  }
  if (r.convergence != Convergence::Monotone) r.order = kNaN;
  const double growth = std::pow(ratio, UsedOrder(r)) - 1;
  if (r.convergence != Convergence::Irregular) r.extrapolated = f.f1 + f.e21() / growth;
  // Irregular values give no order; their largest change, taken as a two-level
  // change of the assumed order, bounds the error conservatively.
  const double change = r.convergence == Convergence::Irregular ? f.largestChange() : std::fabs(f.e21());
  r.errorPercent = 100 * SafetyFactor(r) * change / std::fabs(f.f1) / growth;
  r.exceeds = r.errorPercent > tolerancePercent;
  return r;
}

AccuracyEstimate WithTolerance(AccuracyEstimate estimate, double tolerancePercent) {
  estimate.tolerancePercent = tolerancePercent;
  for (AccuracyResult& r : estimate.results) r.exceeds = r.errorPercent > tolerancePercent;
  return estimate;
}

double CoarserLevelErrorPercent(const AccuracyResult& r, double ratio) {
  if (r.convergence == Convergence::Unchanged) return 0;
  if (!std::isfinite(r.errorPercent) || r.values.size() < 2) return kNaN;
  const FinestLevels f = Finest(r.values);
  if (f.f2 == 0) return kNaN;
  const double factor = std::pow(ratio, UsedOrder(r));
  const double change = r.convergence == Convergence::Irregular ? f.largestChange() : std::fabs(f.e21());
  return 100 * SafetyFactor(r) * change * factor / (factor - 1) / std::fabs(f.f2);
}

}  // namespace lamvero
