#include "run/plantfigures.h"

#include <cmath>
#include <limits>

#include "physics/moistair.h"
#include "run/resultdescriptors.h"
#include "text/language.h"
#include "text/numberformat.h"

namespace lamvero {

bool PlantData::operator==(const PlantData& other) const {
  if (basis != other.basis || throughput != other.throughput) return false;
  return basis == Basis::TonnesPerHour || pieceDryMass == other.pieceDryMass;
}

namespace {

constexpr double kNotReached = std::numeric_limits<double>::quiet_NaN();

// A plant value as the user gives it: its caption for messages, its unit and
// the largest value a brick plant could mean (beyond it, a typing slip).
// Caption and unit are German, looked up in the catalogue when a message names them.
struct PlantField {
  const char* caption;
  const char* unit;
  double atMost;
};

const PlantField kTonnes{LV_TR_NOOP("Anlagenwerte", "Durchsatz"), "t/h", 1000};
const PlantField kPieces{LV_TR_NOOP("Anlagenwerte", "Durchsatz"), LV_TR_NOOP("Anlagenwerte", "Stück/h"), 1e7};
const PlantField kPieceMass{LV_TR_NOOP("Anlagenwerte", "Stückmasse (trocken)"), "kg", 1000};
// The dry mass flow either basis may come to, kg/h (1000 t/h).
constexpr double kMaxDryMassFlow = 1e6;

std::string FieldProblem(const PlantField& field, double value) {
  const std::string name = Tr("Anlagenwerte", field.caption);
  if (!std::isfinite(value)) return Filled(Tr("Anlagenwerte", "%1 ist keine endliche Zahl"), {name});
  if (value <= 0) return Filled(Tr("Anlagenwerte", "%1 muss größer als 0 sein"), {name});
  if (value > field.atMost) {
    return Filled(Tr("Anlagenwerte", "%1 ist unplausibel groß (höchstens %2 %3)"),
                  {name, FormatSixDigits(field.atMost), Tr("Anlagenwerte", field.unit)});
  }
  return "";
}

}  // namespace

std::string PlantDataProblem(const PlantData& plant) {
  if (plant.basis == PlantData::Basis::TonnesPerHour) return FieldProblem(kTonnes, plant.throughput);
  std::string problem = FieldProblem(kPieces, plant.throughput);
  if (problem.empty()) problem = FieldProblem(kPieceMass, plant.pieceDryMass);
  if (problem.empty() && DryMassFlow(plant) > kMaxDryMassFlow) {
    problem = Filled(Tr("Anlagenwerte", "Durchsatz mal Stückmasse (trocken) ist unplausibel groß (höchstens %1 t/h)"),
                     {FormatSixDigits(kMaxDryMassFlow / 1000)});
  }
  return problem;
}

double DryMassFlow(const PlantData& plant) {
  return plant.basis == PlantData::Basis::TonnesPerHour ? plant.throughput * 1000
                                                        : plant.throughput * plant.pieceDryMass;
}

PlantFigures PlantFiguresOf(const PlantData& plant, const RunRecord& record) {
  PlantFigures f;
  f.dryMassFlow = DryMassFlow(plant);
  // A refused run read no inputs and derived nothing.
  const bool setUp = record.outcome != RunOutcome::Refused;
  f.airMassFlow = setUp ? f.dryMassFlow * record.derived.LuftRohlingVerh : kNotReached;
  f.airVolumeFlow = f.airMassFlow * MoistAirVolume(record.values.Lufttemp, record.derived.XAbluft);
  // The outside air heated to the supply-air temperature at 1 kJ/(kg K), as the specific energy counts it.
  const double supplyAir = ResultOf("ThetaZuluft").value(record);
  f.heaterPower = f.airMassFlow / 3600 * (supplyAir - record.values.AussenluftTemp);
  f.waterEvaporated = setUp ? f.dryMassFlow * record.values.XAnf : kNotReached;
  return f;
}

const std::array<PlantFigureDescriptor, 5>& PlantFigureDescriptors() {
  static const std::array<PlantFigureDescriptor, 5> table{{
      {"dryMassFlow", LV_TR_NOOP("Ergebnisse", "Trockengutdurchsatz"), "kg/h", "#0", &PlantFigures::dryMassFlow},
      {"airMassFlow", LV_TR_NOOP("Ergebnisse", "Luftdurchsatz (trocken)"), "kg/h", "#0", &PlantFigures::airMassFlow},
      {"airVolumeFlow", LV_TR_NOOP("Ergebnisse", "Abluftvolumenstrom"), "m³/h", "#0", &PlantFigures::airVolumeFlow},
      {"heaterPower", LV_TR_NOOP("Ergebnisse", "Heizleistung"), "kW", "#0.0", &PlantFigures::heaterPower},
      {"waterEvaporated", LV_TR_NOOP("Ergebnisse", "verdunstetes Wasser"), "kg/h", "#0.0",
       &PlantFigures::waterEvaporated},
  }};
  return table;
}

}  // namespace lamvero
