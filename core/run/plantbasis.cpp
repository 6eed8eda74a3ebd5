#include "run/plantbasis.h"

namespace lamvero {

const std::array<PlantBasisField, 2>& PlantBases() {
  static const std::array<PlantBasisField, 2> bases{{
      {PlantData::Basis::TonnesPerHour, "tonnesPerHour", "t/h", "Tonnen trockener Rohlinge je Stunde"},
      {PlantData::Basis::PiecesPerHour, "piecesPerHour", "Stück/h", "Stück je Stunde, mit ihrer Trockenmasse"},
  }};
  return bases;
}

const PlantBasisField& PlantBasisOf(PlantData::Basis basis) {
  return PlantBases()[basis == PlantData::Basis::TonnesPerHour ? 0 : 1];
}

std::optional<PlantData::Basis> PlantBasisOfKey(std::string_view key) {
  for (const PlantBasisField& b : PlantBases()) {
    if (key == b.key) return b.basis;
  }
  return std::nullopt;
}

}  // namespace lamvero
