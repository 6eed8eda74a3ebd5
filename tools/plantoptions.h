#pragma once
// The runner's plant data: --throughput 2,5t/h (dry bodies in tonnes per
// hour) or --throughput 1200/h --piece-mass 3,2 (pieces per hour, each of
// that dry mass in kg). With them a run's rows end with the plant figures
// and --json holds an object "plant".

#include <optional>
#include <string>

#include "run/plantfigures.h"
#include "run/runrecord.h"
#include "text/outcome.h"

namespace CLI {
class App;
}

namespace lamvero {

struct PlantRequest {
  std::string throughputText;
  std::string pieceMassText;

  void registerWith(CLI::App& app);
  // Reads the texts once the command line is parsed; a failure is a usage error naming the option.
  Status resolve(const CLI::App& app);

  // Valid after resolve(): the plant data, if --throughput was given.
  std::optional<PlantData> plant;
};

// One line per plant figure, "Heizleistung: 812,4 kW", after a line naming the throughput.
std::string PlantLines(const PlantData& plant, const RunRecord& record);

// ,"plant":{"basis":...,"throughput":...,"pieceDryMass":...,"figures":{"dryMassFlow":...,...}}
std::string PlantJsonMember(const PlantData& plant, const RunRecord& record);

}  // namespace lamvero
