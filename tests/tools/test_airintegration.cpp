// The runner's --air-integration: named in JSON and case files only when it
// is not the standard balance, taken over from a case file, refused when
// unknown or asked of a study.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "runbatch.h"

namespace lamvero::testing {
namespace {

using nlohmann::json;

// A 10 mm plate on the quick grid: it switches to the chamber section in its second period.
const std::string kSwitchLate = "txt_Dicke=10 txt_Ortsschrittweite=0,2 txt_deltaT=2 txt_rund=100";

TEST(BatchAirIntegration, ConsistentBalanceIsNamedInJsonAndCaseFileAndTakenFromTheFile) {
  const BatchResult standard = RunBatch("--json " + kSwitchLate);
  ASSERT_EQ(standard.status, 0) << standard.err;
  EXPECT_EQ(json::parse(standard.out).count("airIntegration"), 0u);
  EXPECT_EQ(RunBatch("--json --air-integration=standard " + kSwitchLate).out, standard.out);

  const std::string file = TestFile("case.lamvero");
  const BatchResult consistent = RunBatch("--json --air-integration=consistent --save " + file + " " + kSwitchLate);
  ASSERT_EQ(consistent.status, 0) << consistent.err;
  const json j = json::parse(consistent.out);
  EXPECT_EQ(j["airIntegration"], "consistent");
  EXPECT_NE(j["scalars"]["DauerGegenstrom"], json::parse(standard.out)["scalars"]["DauerGegenstrom"]);
  const json saved = json::parse(Slurp(file));
  EXPECT_EQ(saved["airIntegration"], "consistent");
  EXPECT_EQ(saved["run"]["airIntegration"], "consistent");

  // The file's balance runs again, unless the command line names another.
  EXPECT_EQ(RunBatch("--json --inputs " + file).out, consistent.out);
  EXPECT_EQ(RunBatch("--json --air-integration=standard --inputs " + file).out, standard.out);
}

// Every level of an estimate runs with the balance of the run it estimates.
TEST(BatchAirIntegration, AnEstimateRefinesTheRunWithItsOwnBalance) {
  const BatchResult run = RunBatch("--json --accuracy --air-integration=consistent " + kSwitchLate);
  ASSERT_EQ(run.status, 0) << run.err;
  const json j = json::parse(run.out);
  const BatchResult alone = RunBatch("--json --air-integration=consistent txt_Dicke=10 txt_Ortsschrittweite=0,1 "
                                     "txt_deltaT=0,5 txt_rund=100");
  ASSERT_EQ(alone.status, 0) << alone.err;
  for (const json& r : j["accuracy"]["results"]) {
    if (r["key"] != "DauerGegenstrom") continue;
    EXPECT_EQ(r["values"][0], j["scalars"]["DauerGegenstrom"]);
    EXPECT_EQ(r["values"][1], json::parse(alone.out)["scalars"]["DauerGegenstrom"]);
  }
}

TEST(BatchAirIntegration, UnknownBalanceAndABalanceForAStudyAreUsageErrors) {
  const BatchResult unknown = RunBatch("--air-integration=implicit " + kSwitchLate);
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("--air-integration: „implicit“"), std::string::npos) << unknown.err;
  EXPECT_NE(unknown.err.find("consistent"), std::string::npos) << unknown.err;

  const BatchResult study = RunBatch("--air-integration=consistent --vary 'txt_Dicke=4;6' " + kSwitchLate);
  EXPECT_EQ(study.status, 2);
  EXPECT_NE(study.err.find("nicht für eine Studie"), std::string::npos) << study.err;
  EXPECT_TRUE(study.out.empty());
}

}  // namespace
}  // namespace lamvero::testing
