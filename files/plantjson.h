#pragma once
// A plant's throughput as JSON, the same object in the case file and in the
// runner's --json output: {"basis": "piecesPerHour", "throughput": 1200,
// "pieceDryMass": 2.5}; the piece's dry mass only for pieces per hour.

#include <nlohmann/json.hpp>
#include <string>

#include "run/plantfigures.h"
#include "text/outcome.h"

namespace lamvero {

nlohmann::ordered_json PlantToJson(const PlantData& plant);

// Reads what PlantToJson wrote and refuses what cannot give figures
// (PlantDataProblem); a failure names the field (below path) and the reason.
Outcome<PlantData> PlantFromJson(const nlohmann::json& j, const std::string& path);

}  // namespace lamvero
