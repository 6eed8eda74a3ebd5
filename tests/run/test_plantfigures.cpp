#include "run/plantfigures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/quickrun.h"

namespace lamvero {
namespace {

const RunRecord& Quick() { return testing::QuickRunOfThickness("4"); }

PlantData Tonnes(double t) { return {PlantData::Basis::TonnesPerHour, t, 0}; }
PlantData Pieces(double n, double kg) { return {PlantData::Basis::PiecesPerHour, n, kg}; }

TEST(PlantFigures, FollowTheRunsSpecificFigures) {
  const RunRecord& r = Quick();
  const PlantFigures f = PlantFiguresOf(Tonnes(2.5), r);
  EXPECT_EQ(f.dryMassFlow, 2500);
  EXPECT_DOUBLE_EQ(f.airMassFlow, 2500 * r.derived.LuftRohlingVerh);
  EXPECT_DOUBLE_EQ(f.waterEvaporated, 2500 * r.values.XAnf);
  // The heater's power is the specific energy demand at this rate of evaporation.
  EXPECT_NEAR(f.heaterPower, r.results.spezEnergie * f.waterEvaporated / 3600, 1e-9 * f.heaterPower);
  EXPECT_GT(f.heaterPower, 0);
  // Exhaust air as ideal gases at 1 bar: 287,1 J/(kg K) for the dry air, 0,622 for the vapour.
  const double perKg = 287.1 * (r.values.Lufttemp + 273.15) * (1 + r.derived.XAbluft / 0.622) / 100000;
  EXPECT_NEAR(f.airVolumeFlow, f.airMassFlow * perKg, 1e-12 * f.airVolumeFlow);
  // Pieces of a given dry mass give the same figures as the same mass flow in t/h.
  const PlantFigures p = PlantFiguresOf(Pieces(1250, 2), r);
  EXPECT_EQ(p.dryMassFlow, 2500);
  EXPECT_EQ(p.heaterPower, f.heaterPower);
}

TEST(PlantFigures, AreNotANumberWhereTheRunDidNotGetThatFar) {
  RunRecord stopped = Quick();
  stopped.outcome = RunOutcome::Stopped;
  const PlantFigures s = PlantFiguresOf(Tonnes(1), stopped);
  EXPECT_TRUE(std::isnan(s.heaterPower));
  EXPECT_TRUE(std::isfinite(s.airMassFlow));
  EXPECT_TRUE(std::isfinite(s.waterEvaporated));

  const PlantFigures refused = PlantFiguresOf(Tonnes(1), RunRecord{});
  EXPECT_EQ(refused.dryMassFlow, 1000);
  EXPECT_TRUE(std::isnan(refused.airMassFlow));
  EXPECT_TRUE(std::isnan(refused.airVolumeFlow));
  EXPECT_TRUE(std::isnan(refused.heaterPower));
  EXPECT_TRUE(std::isnan(refused.waterEvaporated));
}

TEST(PlantFigures, BadPlantDataIsRefusedNamingTheField) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    PlantData plant;
    const char* field;  // nullptr: accepted
  };
  const Case cases[] = {
      {Tonnes(2.5), nullptr},          {Tonnes(1000), nullptr},          {Pieces(1200, 3.2), nullptr},
      {Tonnes(0), "Durchsatz"},        {Tonnes(-1), "Durchsatz"},        {Tonnes(nan), "Durchsatz"},
      {Tonnes(inf), "Durchsatz"},      {Tonnes(1000.5), "Durchsatz"},    {Pieces(0, 3), "Durchsatz"},
      {Pieces(100, 0), "Stückmasse"},  {Pieces(100, nan), "Stückmasse"}, {Pieces(100, 1001), "Stückmasse"},
      {Pieces(1e6, 2), "Durchsatz mal Stückmasse"},
  };
  for (const Case& c : cases) {
    const std::string problem = PlantDataProblem(c.plant);
    if (c.field == nullptr) {
      EXPECT_EQ(problem, "") << c.plant.throughput;
    } else {
      EXPECT_EQ(problem.rfind(c.field, 0), 0u) << problem;
    }
  }
  // Tonnes per hour never read the piece's mass.
  EXPECT_EQ(PlantData(Tonnes(2)), (PlantData{PlantData::Basis::TonnesPerHour, 2, 7}));
  EXPECT_NE(Pieces(2, 1), Pieces(2, 3));
}

}  // namespace
}  // namespace lamvero
