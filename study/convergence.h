#pragma once
// The arithmetic of a step-convergence check on one result: from its values
// on levels whose steps shrink by a constant ratio, the observed order of
// convergence, the Richardson-extrapolated value and the grid convergence
// index (Roache): the estimated discretisation error of the finest level,
// with a safety factor of 1.25 when three levels give the order and 3 when
// two levels must assume it.

#include <string>
#include <vector>

#include "run/accuracyestimate.h"

namespace lamvero {

constexpr double kSafetyFactorThreeLevels = 1.25;
constexpr double kSafetyFactorTwoLevels = 3;
// An observed order above this (a nearly vanishing finer change) is taken as
// this for the extrapolation and the error, so that a lucky coincidence of two
// levels does not claim a tiny error: second order, that of the spatial step.
constexpr double kMaxUsedOrder = 2;

// The estimate for one result from its values, coarsest first (two or more;
// with more than three the finest three count). ratio is the factor by which
// the time step shrinks from level to level. A result is marked when its error
// exceeds tolerancePercent.
AccuracyResult EstimateConvergence(const std::string& key, std::vector<double> values, double ratio,
                                   double tolerancePercent);

// The same estimate judged by another tolerance: only the marks change.
AccuracyEstimate WithTolerance(AccuracyEstimate estimate, double tolerancePercent);

// The estimated error, in % of its value, of the second-finest level of a
// result (the coarse level's grid convergence index); NaN if not estimable.
double CoarserLevelErrorPercent(const AccuracyResult& result, double ratio);

}  // namespace lamvero
