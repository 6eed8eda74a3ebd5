#include "run/plantbasis.h"

#include "text/language.h"

namespace lamvero {

const std::array<PlantBasisField, 2>& PlantBases() {
  static const std::array<PlantBasisField, 2> bases{{
      {PlantData::Basis::TonnesPerHour, "tonnesPerHour", "t/h",
       LV_TR_NOOP("Anlagenwerte", "Tonnen trockener Rohlinge je Stunde")},
      {PlantData::Basis::PiecesPerHour, "piecesPerHour", LV_TR_NOOP("Anlagenwerte", "Stück/h"),
       LV_TR_NOOP("Anlagenwerte", "Stück je Stunde, mit ihrer Trockenmasse")},
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
