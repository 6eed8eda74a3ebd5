#include "present/plantrows.h"

#include <cmath>

#include "run/plantbasis.h"
#include "text/numberformat.h"

namespace lamvero {

std::vector<PlantRow> PlantDataRows(const PlantData& plant) {
  std::vector<PlantRow> rows{{"Durchsatz", FormatSixDigits(plant.throughput), PlantBasisOf(plant.basis).unit}};
  if (plant.basis == PlantData::Basis::PiecesPerHour) {
    rows.push_back({"Stückmasse (trocken)", FormatSixDigits(plant.pieceDryMass), "kg"});
  }
  return rows;
}

std::vector<PlantRow> PlantFigureRows(const PlantData& plant, const RunRecord& record) {
  const PlantFigures figures = PlantFiguresOf(plant, record);
  std::vector<PlantRow> rows;
  for (const PlantFigureDescriptor& d : PlantFigureDescriptors()) {
    const double value = figures.*d.member;
    rows.push_back({d.caption, std::isfinite(value) ? Format(value, d.pattern) : std::string(), d.unit});
  }
  return rows;
}

}  // namespace lamvero
