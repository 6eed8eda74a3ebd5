#pragma once
// What the Jacobian of a fit's residuals at the optimum says about the fitted
// values: their 95 % confidence half-widths and correlation, or, when the
// Jacobian is singular, which parameters the data cannot determine.

#include <cstddef>
#include <string>
#include <vector>

#include "inputs/inputs.h"

namespace lamvero {

struct FitStatistics {
  std::vector<double> halfWidth95;               // empty when refused
  std::vector<std::vector<double>> correlation;  // empty when refused
  std::vector<std::size_t> notIdentifiable;      // indices into the parameters
  std::string identifiability;                   // why refused, naming the inputs by caption
};

// columns[j] holds d r / d p_j (box units) for every residual; ranges[j] the
// width of parameter j's bounds; cost the sum of squared residuals at the
// optimum.
FitStatistics StatisticsOf(const std::vector<std::vector<double>>& columns, const std::vector<double>& ranges,
                           double cost, const std::vector<Input>& inputs);

}  // namespace lamvero
