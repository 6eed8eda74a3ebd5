#pragma once
// How many time steps a run will take, known only once it has run, estimated
// beforehand by a quick run of the same case at coarse steps: so a run that
// will fill its series can be questioned before it starts.

#include <optional>
#include <string>

#include "inputs/inputs.h"

namespace lamvero {

// The estimate's quick run: the time step is at least kEstimateTimeStep (s)
// and the grid at most kEstimateSpatialSteps per half plate. A run that
// takes fewer than kEstimateSteps such steps (a thin plate) is run again at
// its drying time / kEstimateSteps, where the time step as entered allows:
// the drying time of a thin plate depends much on the time step.
constexpr double kEstimateTimeStep = 1;
constexpr int kEstimateSpatialSteps = 20;
constexpr double kEstimateSteps = 20000;

// Time steps a run of these inputs takes: the quick run's drying time over the
// time step as entered. Nullopt when the inputs are refused or the quick run
// does not complete.
std::optional<double> EstimateTimeSteps(const InputTexts& inputs);

// The warning for inputs whose run will probably stop with full series
// ("Die Zeitreihen fassen höchstens 500000 Zeitschritte; diese Rechnung
// braucht voraussichtlich etwa N."); empty when it fits.
std::string SeriesFillWarning(const InputTexts& inputs);

}  // namespace lamvero
