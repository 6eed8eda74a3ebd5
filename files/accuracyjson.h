#pragma once
// A run's accuracy estimate as JSON, the same object in the case file and in
// the runner's --json output: the scheme, the tolerance, the levels with their
// steps, and per key result (a list, in the estimate's order) its key, unit, values, change, order, extrapolated value,
// estimated error in % and whether it exceeds the tolerance. Numbers the
// estimate could not give are null.

#include <nlohmann/json.hpp>
#include <string>

#include "run/accuracyestimate.h"
#include "text/outcome.h"

namespace lamvero {

nlohmann::ordered_json AccuracyToJson(const AccuracyEstimate& estimate);

// Reads what AccuracyToJson wrote; a failure names the field (below path) and
// what is wrong with it.
Outcome<AccuracyEstimate> AccuracyFromJson(const nlohmann::json& j, const std::string& path);

}  // namespace lamvero
