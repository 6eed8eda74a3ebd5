#include "present/plantrows.h"

#include <cmath>

#include "run/plantbasis.h"
#include "text/language.h"
#include "text/numberformat.h"

namespace lamvero {

namespace {
// The catalogue context of the model's plant figures and bases.
constexpr const char* kResultContext = "Ergebnisse";
}  // namespace

std::vector<PlantRow> PlantDataRows(const PlantData& plant) {
  std::vector<PlantRow> rows{{Tr("Anlagenwerte", "Durchsatz"), FormatSixDigits(plant.throughput),
                              Tr(kResultContext, PlantBasisOf(plant.basis).unit)}};
  if (plant.basis == PlantData::Basis::PiecesPerHour) {
    rows.push_back({Tr("Anlagenwerte", "Stückmasse (trocken)"), FormatSixDigits(plant.pieceDryMass), "kg"});
  }
  return rows;
}

std::vector<PlantRow> PlantFigureRows(const PlantData& plant, const RunRecord& record) {
  const PlantFigures figures = PlantFiguresOf(plant, record);
  std::vector<PlantRow> rows;
  for (const PlantFigureDescriptor& d : PlantFigureDescriptors()) {
    const double value = figures.*d.member;
    rows.push_back({Tr(kResultContext, d.caption), std::isfinite(value) ? Format(value, d.pattern) : std::string(),
                    Tr(kResultContext, d.unit)});
  }
  return rows;
}

}  // namespace lamvero
