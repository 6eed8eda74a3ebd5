#include "files/plantjson.h"

#include "text/language.h"
#include "files/jsonfields.h"
#include "run/plantbasis.h"

namespace lamvero {

using namespace jsonfields;

namespace {
// A figure of the plant is always a number: null (a value the run could not compute) is no throughput.
double Number(const nlohmann::json& j, const std::string& path) {
  if (j.is_null()) Fail(Filled(Tr("Dateifelder", "Das Feld %1 ist keine Zahl."), {Quoted(path)}));
  return NumberOrNull(j, path);
}
}  // namespace

nlohmann::ordered_json PlantToJson(const PlantData& plant) {
  nlohmann::ordered_json o = nlohmann::ordered_json::object();
  o["basis"] = PlantBasisOf(plant.basis).key;
  o["throughput"] = plant.throughput;
  if (plant.basis == PlantData::Basis::PiecesPerHour) o["pieceDryMass"] = plant.pieceDryMass;
  return o;
}

Outcome<PlantData> PlantFromJson(const nlohmann::json& j, const std::string& path) {
  try {
    ExpectKeys(j, path, {"basis", "throughput"}, {"pieceDryMass"});
    PlantData plant;
    const std::string basisAt = Child(path, "basis");
    const std::string key = Text(j.at("basis"), basisAt, 64, true);
    const std::optional<PlantData::Basis> basis = PlantBasisOfKey(key);
    if (!basis) {
      Fail(Filled(Tr("Anlagenwerte", "Das Feld %1 hat den unbekannten Wert \"%2\" (erwartet %3 oder %4)."),
                  {Quoted(basisAt), key, PlantBases()[0].key, PlantBases()[1].key}));
    }
    plant.basis = *basis;
    plant.throughput = Number(j.at("throughput"), Child(path, "throughput"));
    const bool pieces = plant.basis == PlantData::Basis::PiecesPerHour;
    if (pieces != j.contains("pieceDryMass")) {
      Fail(Filled(pieces ? Tr("Anlagenwerte", "Das Feld %1 fehlt (Stück/h braucht die Trockenmasse eines Stücks).")
                         : Tr("Anlagenwerte", "Das Feld %1 gehört nur zu Stück/h."),
                  {Quoted(Child(path, "pieceDryMass"))}));
    }
    if (pieces) plant.pieceDryMass = Number(j.at("pieceDryMass"), Child(path, "pieceDryMass"));
    if (const std::string problem = PlantDataProblem(plant); !problem.empty()) {
      Fail(Filled(Tr("Falldatei", "Das Feld %1: %2"), {Quoted(path), problem}));
    }
    return plant;
  } catch (const BadField& e) {
    return Failure{path, e.what()};
  }
}

}  // namespace lamvero
