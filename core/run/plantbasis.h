#pragma once
// The two ways to give a plant's throughput, as data: the key a file and the
// runner write, and the unit the window shows.

#include <array>
#include <optional>
#include <string_view>

#include "run/plantfigures.h"

namespace lamvero {

// Unit and meaning are German, in the catalogue under "Anlagenwerte"
// (Tr("Anlagenwerte", text)); a unit that is a symbol is the same in English.
struct PlantBasisField {
  PlantData::Basis basis;
  const char* key;      // "tonnesPerHour"
  const char* unit;     // "t/h"
  const char* meaning;  // "Tonnen Trockenmasse je Stunde"
};
const std::array<PlantBasisField, 2>& PlantBases();
const PlantBasisField& PlantBasisOf(PlantData::Basis basis);
// The basis of that key, or nothing.
std::optional<PlantData::Basis> PlantBasisOfKey(std::string_view key);

}  // namespace lamvero
