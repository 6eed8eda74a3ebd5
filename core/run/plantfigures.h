#pragma once
// What a run means for a real dryer: with the plant's throughput of dry
// bodies, the specific figures of the run become the air flow, the heater's
// power and the water evaporated per hour. The run does not need them; a
// user gives the throughput when he wants these figures.

#include <array>
#include <optional>
#include <string>

#include "run/runrecord.h"

namespace lamvero {

// The plant's throughput of dried bodies, either as a mass flow or as pieces
// per hour of a given dry mass.
struct PlantData {
  enum class Basis { TonnesPerHour, PiecesPerHour };
  Basis basis = Basis::TonnesPerHour;
  double throughput = 0;    // t/h of dry bodies, or pieces per hour
  double pieceDryMass = 0;  // kg per piece, dry; read only for PiecesPerHour
  bool operator==(const PlantData& other) const;
  bool operator!=(const PlantData& other) const { return !(*this == other); }
};

// Why these plant data cannot give figures ("Durchsatz muss größer als 0 sein"),
// naming the field by its caption; empty if they can.
std::string PlantDataProblem(const PlantData& plant);

// The dry bodies per hour, kg/h.
double DryMassFlow(const PlantData& plant);

// The figures of a run at that throughput; NaN where the run did not reach
// the value they need (the heater's power needs the evaluation).
struct PlantFigures {
  double dryMassFlow = 0;       // dry bodies, kg/h
  double airMassFlow = 0;       // dry air through the dryer, kg/h: dry mass flow times LuftRohlingVerh
  double airVolumeFlow = 0;     // the exhaust air's volume flow at its temperature and humidity and the model's 1 bar, m³/h
  double heaterPower = 0;       // heating the outside air to the supply-air temperature, kW (as spezEnergie counts it)
  double waterEvaporated = 0;   // the bodies' initial water, which the air balance takes up, kg/h
};
PlantFigures PlantFiguresOf(const PlantData& plant, const RunRecord& record);

// One row per figure, for the window, the report, the runner and tables alike.
struct PlantFigureDescriptor {
  const char* key;      // "heaterPower"
  const char* caption;  // "Heizleistung"; German, in the catalogue under "Ergebnisse"
  const char* unit;     // "kW"
  const char* pattern;  // how the window writes it: "#0.0"
  double PlantFigures::*member;
};
const std::array<PlantFigureDescriptor, 5>& PlantFigureDescriptors();

}  // namespace lamvero
