// The runner's accuracy options as a user meets them: the estimate in the
// JSON and under the rows, its first level the very run printed, the case file
// keeping it, steps chosen for a tolerance, and options refused with a reason.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "run/resultdescriptors.h"
#include "runbatch.h"

namespace lamvero::testing {
namespace {

using nlohmann::json;

const std::string kQuick = "txt_Dicke=4 txt_Ortsschrittweite=0,2 txt_deltaT=2 txt_rund=100";

TEST(BatchAccuracy, JsonCarriesTheEstimateWhoseFirstLevelIsThisRun) {
  const BatchResult r = RunBatch(kQuick + " --accuracy --tolerance=3% --json -j 2");
  ASSERT_EQ(r.status, 0) << r.err;
  const json j = json::parse(r.out);
  const json& a = j.at("accuracy");
  EXPECT_EQ(a.at("scheme"), "space2-time4");
  EXPECT_EQ(a.at("tolerancePercent"), 3.0);
  ASSERT_EQ(a.at("levels").size(), 2u);
  EXPECT_EQ(a["levels"][0], (json{{"txt_deltaT", "2"}, {"txt_Ortsschrittweite", "0,2"}}));
  EXPECT_EQ(a["levels"][1], (json{{"txt_deltaT", "0,5"}, {"txt_Ortsschrittweite", "0,1"}}));
  std::set<std::string> keys;
  for (const json& result : a.at("results")) {
    const std::string key = result.at("key");
    keys.insert(key);
    ASSERT_NE(FindResult(key), nullptr) << key;
    EXPECT_EQ(result.at("unit"), j["results"][key]["unit"]) << key;
    ASSERT_EQ(result.at("values").size(), 2u) << key;
    EXPECT_EQ(result["values"][0], j["results"][key]["value"]) << key;  // the run printed, to the bit
    for (const char* field : {"change", "convergence", "order", "extrapolated", "errorPercent", "exceeds"}) {
      EXPECT_TRUE(result.contains(field)) << key << " " << field;
    }
    if (result["errorPercent"].is_number()) {
      EXPECT_EQ(result["exceeds"].get<bool>(), result["errorPercent"].get<double>() > 3.0) << key;
    }
  }
  for (const char* key : {"Zeit", "DauerGegenstrom", "Dauer1TA", "t1xse", "t2xse", "schwinddiff", "schwindgrad",
                          "spezEnergie", "relEnergie"}) {
    EXPECT_EQ(keys.count(key), 1u) << key;
  }
  EXPECT_FALSE(json::parse(RunBatch(kQuick + " --json").out).contains("accuracy"));
}

TEST(BatchAccuracy, RowsEndWithTheEstimateAndTheCaseFileKeepsIt) {
  const std::string saved = TestFile("case.lamvero");
  const BatchResult r = RunBatch(kQuick + " --accuracy --accuracy-scheme=time --save " + saved);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Genauigkeit (Zeitschrittweite halbiert; Stufen 2 s/0,2 mm 1 s/0,2 mm; Toleranz 2 %):"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("  Dauer der Gegenstromtrockn. hh:mm:ss: "), std::string::npos) << r.out;
  const json file = json::parse(Slurp(saved));
  EXPECT_EQ(file["run"]["accuracy"]["scheme"], "time");
  // The saved case runs again with its estimate untouched by the reader.
  EXPECT_EQ(RunBatch("--inputs " + saved + " --json").status, 0);
}

TEST(BatchAccuracy, AutoStepsRunAtTheChosenSteps) {
  const BatchResult r = RunBatch(kQuick + " --auto-steps=1% --json");
  ASSERT_EQ(r.status, 0) << r.err;
  const json j = json::parse(r.out);
  const json& chosen = j.at("autoSteps");
  EXPECT_EQ(chosen.at("tolerancePercent"), 1.0);
  EXPECT_EQ(j["inputs"]["txt_deltaT"], chosen.at("txt_deltaT"));
  EXPECT_EQ(j["inputs"]["txt_Ortsschrittweite"], chosen.at("txt_Ortsschrittweite"));
  EXPECT_GE(chosen.at("runs").get<int>(), 2);
  EXPECT_EQ(chosen["estimate"]["levels"].size(), chosen["runs"].get<std::size_t>());
  EXPECT_NE(r.err.find("gewählte Schrittweiten: Zeitschrittweite " + chosen["txt_deltaT"].get<std::string>()),
            std::string::npos)
      << r.err;
}

// Chosen steps finer than a single run takes (1500 spatial steps per half
// plate here) are run, not refused after the search.
TEST(BatchAccuracy, AutoStepsFinerThanASingleRunTakesAreRun) {
  const BatchResult r =
      RunBatch("--json --auto-steps=0,5% txt_Dicke=40 txt_Ortsschrittweite=0,05 txt_deltaT=50 txt_rund=100");
  ASSERT_EQ(r.status, 0) << r.err;
  const json j = json::parse(r.out);
  EXPECT_EQ(j["autoSteps"]["txt_Ortsschrittweite"], "0,0125");
  EXPECT_EQ(j["outcome"], "Completed");
}

TEST(BatchAccuracy, WhatCannotBeDoneIsSaidWithItsReason) {
  struct Case {
    std::string args;
    int status;
    const char* mention;
  };
  const Case cases[] = {
      {kQuick + " --accuracy --tolerance=viel", 2, "--tolerance: \"viel\" ist keine Prozentangabe"},
      {kQuick + " --accuracy --tolerance=0%", 2, "nicht zwischen 0 % und 100 %"},
      {kQuick + " --tolerance=2%", 2, "gelten nur mit --accuracy"},
      {kQuick + " --accuracy --accuracy-scheme=fein", 2, "--accuracy-scheme: unbekannt"},
      {kQuick + " --auto-steps=2x", 2, "--auto-steps"},
      {kQuick + " --accuracy --refine=1", 2, "--accuracy gilt für einen einzelnen Lauf"},
      {kQuick + " -j 2", 2, "--jobs gilt nur"},
      {"txt_Dicke=2 txt_Ortsschrittweite=0,1 txt_deltaT=2 txt_rund=100 --auto-steps=0,0001%", 3,
       "--auto-steps: Stufe 6"},
  };
  for (const Case& c : cases) {
    const BatchResult r = RunBatch(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    EXPECT_NE(r.err.find(c.mention), std::string::npos) << c.args << "\n" << r.err;
  }
}

}  // namespace
}  // namespace lamvero::testing
