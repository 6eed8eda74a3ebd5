#include "run/plantfigures.h"

#include <cmath>
#include <limits>

#include "physics/moistair.h"
#include "run/resultdescriptors.h"
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
struct PlantField {
  const char* caption;
  const char* unit;
  double atMost;
};

const PlantField kTonnes{"Durchsatz", "t/h", 1000};
const PlantField kPieces{"Durchsatz", "Stück/h", 1e7};
const PlantField kPieceMass{"Stückmasse (trocken)", "kg", 1000};
// The dry mass flow either basis may come to, kg/h (1000 t/h).
constexpr double kMaxDryMassFlow = 1e6;

std::string FieldProblem(const PlantField& field, double value) {
  const std::string name = field.caption;
  if (!std::isfinite(value)) return name + " ist keine endliche Zahl";
  if (value <= 0) return name + " muss größer als 0 sein";
  if (value > field.atMost) {
    return name + " ist unplausibel groß (höchstens " + FormatSixDigits(field.atMost) + " " + field.unit + ")";
  }
  return "";
}

}  // namespace

std::string PlantDataProblem(const PlantData& plant) {
  if (plant.basis == PlantData::Basis::TonnesPerHour) return FieldProblem(kTonnes, plant.throughput);
  std::string problem = FieldProblem(kPieces, plant.throughput);
  if (problem.empty()) problem = FieldProblem(kPieceMass, plant.pieceDryMass);
  if (problem.empty() && DryMassFlow(plant) > kMaxDryMassFlow) {
    problem = "Durchsatz mal Stückmasse (trocken) ist unplausibel groß (höchstens " +
              FormatSixDigits(kMaxDryMassFlow / 1000) + " t/h)";
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
      {"dryMassFlow", "Trockengutdurchsatz", "kg/h", "#0", &PlantFigures::dryMassFlow},
      {"airMassFlow", "Luftdurchsatz (trocken)", "kg/h", "#0", &PlantFigures::airMassFlow},
      {"airVolumeFlow", "Abluftvolumenstrom", "m³/h", "#0", &PlantFigures::airVolumeFlow},
      {"heaterPower", "Heizleistung", "kW", "#0.0", &PlantFigures::heaterPower},
      {"waterEvaporated", "verdunstetes Wasser", "kg/h", "#0.0", &PlantFigures::waterEvaporated},
  }};
  return table;
}

}  // namespace lamvero
