#pragma once
// The plant data and the plant figures of a run as rows of text (caption,
// value with the decimal separator of the language, unit): one list for the window's panel and the
// report alike.

#include <string>
#include <vector>

#include "run/plantfigures.h"
#include "run/runrecord.h"

namespace lamvero {

struct PlantRow {
  std::string caption;
  std::string text;  // empty for a figure the run did not reach
  std::string unit;
};

// What the user gave: the throughput in its unit and, for pieces per hour, the piece's dry mass.
std::vector<PlantRow> PlantDataRows(const PlantData& plant);

// The figures of the run at that throughput, in the order of PlantFigureDescriptors.
std::vector<PlantRow> PlantFigureRows(const PlantData& plant, const RunRecord& record);

}  // namespace lamvero
