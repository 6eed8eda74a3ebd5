// The runner's plant figures and optimisation as a user meets them: the
// figures after the rows and in the JSON, the optimum with its active limits,
// the search's path, the exit status of a problem no setting solves, and
// options refused with their reason.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "runbatch.h"

namespace lamvero::testing {
namespace {

using nlohmann::json;

const std::string& kQuick = kQuickArgs;

// The "optimise" object of --json for the quick plate with these options, which end with that status.
json OptimiseJson(const std::string& args, int status) {
  const BatchResult r = RunBatch(kQuick + args + " --json");
  EXPECT_EQ(r.status, status) << r.err;
  return json::parse(r.out).at("optimise");
}

TEST(BatchPlant, FiguresFollowTheRowsAndFillTheJson) {
  const BatchResult tonnes = RunBatch(kQuick + " --throughput 2,5t/h --json");
  ASSERT_EQ(tonnes.status, 0) << tonnes.err;
  const json j = json::parse(tonnes.out);
  const json& f = j.at("plant").at("figures");
  EXPECT_EQ(j["plant"]["basis"], "tonnesPerHour");
  EXPECT_EQ(f.at("dryMassFlow"), 2500.0);
  const double energy = j["results"]["spezEnergie"]["value"];
  const double water = f.at("waterEvaporated");
  EXPECT_NEAR(f.at("heaterPower").get<double>(), energy * water / 3600, 1e-9 * energy * water);

  const BatchResult pieces = RunBatch(kQuick + " --throughput 1250/h --piece-mass 2kg --json");
  ASSERT_EQ(pieces.status, 0) << pieces.err;
  EXPECT_EQ(json::parse(pieces.out)["plant"]["figures"], f);
  EXPECT_EQ(json::parse(pieces.out)["plant"]["pieceDryMass"], 2.0);

  const BatchResult rows = RunBatch(kQuick + " --throughput 2,5t/h");
  ASSERT_EQ(rows.status, 0) << rows.err;
  const std::size_t plant = rows.out.find("Anlage: 2,5 t/h\n");
  ASSERT_NE(plant, std::string::npos) << rows.out;
  EXPECT_NE(rows.out.find("Heizleistung: ", plant), std::string::npos);
  EXPECT_NE(rows.out.find("Abluftvolumenstrom: ", plant), std::string::npos);
  EXPECT_EQ(rows.out.find("mittl. spez. Energiebedarf", plant), std::string::npos);  // after the rows
}

TEST(BatchOptimise, FindsTheOptimumWithItsActiveLimitAndPath) {
  const json o = OptimiseJson(" --optimise specificEnergy --decide txt_ThetaGegenstromende=40:100"
                              " --limit maxDryingTime=1:06:40 --limit maxWaterBalanceError=50",
                              0);
  EXPECT_EQ(o.at("status"), "found");
  const json& d = o.at("decisions").at(0);
  EXPECT_EQ(d.at("input"), "txt_ThetaGegenstromende");
  EXPECT_GE(d.at("value").get<double>(), 40);
  EXPECT_LE(d.at("value").get<double>(), 100);
  ASSERT_EQ(o.at("constraints").size(), 2u);
  EXPECT_EQ(o["constraints"][0].at("limit"), "maxDryingTime");
  EXPECT_EQ(o["constraints"][0].at("atMost"), 4000.0);
  EXPECT_TRUE(o["constraints"][0].at("active").get<bool>());
  EXPECT_FALSE(o["constraints"][1].at("active").get<bool>());
  EXPECT_EQ(o.at("path").size() + 1, o.at("runs").get<std::size_t>());
  EXPECT_TRUE(o.at("check").at("feasible").is_boolean());
  EXPECT_TRUE(o.at("blockedBy").is_null());
  EXPECT_TRUE(o.at("optimumInputs").contains("txt_ThetaGegenstromende"));

  const BatchResult lines = RunBatch(kQuick +
                                     " --optimise dryingTime --decide txt_Lufttemp=36:60 --max-runs 30");
  ASSERT_EQ(lines.status, 0) << lines.err;
  EXPECT_NE(lines.out.find("Optimierung: Optimum gefunden"), std::string::npos) << lines.out;
  EXPECT_NE(lines.out.find("Ablufttemperatur in °C: "), std::string::npos) << lines.out;
  EXPECT_NE(lines.out.find("(36 bis 60)"), std::string::npos) << lines.out;
}

TEST(BatchOptimise, NoFeasiblePointEndsWithItsOwnStatus) {
  const std::string args = " --optimise specificEnergy --decide txt_Lufttemp=40:60 --limit maxDryingTime=0,1 --max-runs 20";
  const json o = OptimiseJson(args, 4);
  EXPECT_EQ(o.at("status"), "infeasible");
  EXPECT_EQ(o.at("blockedBy"), "maxDryingTime");
  EXPECT_EQ(o["constraints"][0].at("atMost"), 360.0);  // 0,1 hours
  const BatchResult lines = RunBatch(kQuick + args);
  EXPECT_EQ(lines.status, 4);
  EXPECT_NE(lines.out.find("Am wenigsten verletzender Lauf:\n"), std::string::npos) << lines.out;
  EXPECT_NE(lines.out.find("Trocknungsdauer höchstens 0:06:00"), std::string::npos) << lines.out;
  EXPECT_NE(lines.err.find("Kein zulässiger Punkt gefunden"), std::string::npos) << lines.err;
}

TEST(BatchOptimise, OptionsThatCannotBeMetAreRefusedWithTheirReason) {
  struct Case {
    const char* args;
    const char* expected;  // in stderr
  };
  const Case cases[] = {
      {" --throughput 2,5", "--throughput"},
      {" --throughput 100/h", "--piece-mass"},
      {" --throughput 0t/h", "Durchsatz muss größer als 0"},
      {" --throughput 2t/h --piece-mass 3", "--piece-mass"},
      {" --piece-mass 3", "--piece-mass"},
      {" --throughput 2t/h --vary txt_Dicke=4:6:2", "--throughput"},
      {" --decide txt_Lufttemp=30:50", "gilt nur mit --optimise"},
      {" --optimise cheapest --decide txt_Lufttemp=30:50", "specificEnergy|dryingTime|heaterPower"},
      {" --optimise dryingTime --decide txt_Nope=30:50", "txt_Nope"},
      {" --optimise dryingTime --decide txt_Lufttemp=50:30", "untere Grenze muss kleiner"},
      {" --optimise dryingTime --decide txt_Lufttemp=30", "UNTEN:OBEN"},
      {" --optimise dryingTime --decide txt_Lufttemp=30:50 --limit maxDryingTime=acht", "keine Dauer"},
      {" --optimise dryingTime --decide txt_Lufttemp=30:50 --limit maxDryingTime=8:75:00", "keine Dauer"},
      {" --optimise dryingTime --decide txt_Lufttemp=30:50 --limit maxShrinkage=1", "maxShrinkageDifference"},
      {" --optimise dryingTime --decide txt_Lufttemp=30:50 --limit maxSupplyAirTemperature=120K", "keine Zahl in °C"},
      {" --optimise heaterPower --decide txt_Lufttemp=30:50", "Durchsatz"},
      {" --optimise dryingTime --decide txt_Lufttemp=30:50 --series -", "--series"},
      {" --optimise dryingTime", "Keine Entscheidungsgröße"},
  };
  for (const Case& c : cases) {
    const BatchResult r = RunBatch(kQuick + c.args);
    EXPECT_EQ(r.status, 2) << c.args << "\n" << r.err;
    EXPECT_NE(r.err.find(c.expected), std::string::npos) << c.args << "\n" << r.err;
    EXPECT_EQ(r.out, "") << c.args;
  }
}

}  // namespace
}  // namespace lamvero::testing
