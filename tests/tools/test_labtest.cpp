// The runner's --lab-test: the counter-current end takes the exhaust
// temperature, named in JSON and the case file, taken over from a case file,
// refused beside a value for that box or a study.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "runbatch.h"

namespace lamvero::testing {
namespace {

using nlohmann::json;

const std::string kQuick = "txt_Dicke=4 txt_Ortsschrittweite=0,2 txt_deltaT=2 txt_rund=100 txt_Lufttemp=42,5";

TEST(BatchLabTest, RunsAsTypedByHandIsNamedAndComesBackFromTheCaseFile) {
  const std::string file = TestFile("labor.lamvero");
  const BatchResult lab = RunBatch("--json --lab-test --save " + file + " " + kQuick);
  ASSERT_EQ(lab.status, 0) << lab.err;
  const json j = json::parse(lab.out);
  EXPECT_EQ(j["constantAir"], true);
  EXPECT_EQ(j["scalars"]["DauerGegenstrom"], 2);  // one time step
  const BatchResult hand = RunBatch("--json " + kQuick + " txt_ThetaGegenstromende=42,5");
  ASSERT_EQ(hand.status, 0) << hand.err;
  json byHand = json::parse(hand.out);
  EXPECT_EQ(byHand.count("constantAir"), 0u);
  byHand["constantAir"] = true;
  EXPECT_EQ(byHand, j);
  const json saved = json::parse(Slurp(file));
  EXPECT_EQ(saved["constantAir"], true);
  EXPECT_EQ(saved["inputs"]["txt_ThetaGegenstromende"], "42,5");
  // The case file's choice holds without the option.
  EXPECT_EQ(RunBatch("--json --inputs " + file).out, lab.out);
  // A chamber below a dryer's usual counter-current end earns no warning for the box that follows it.
  const BatchResult cool = RunBatch("--lab-test " + kQuick + " txt_Lufttemp=35");
  ASSERT_EQ(cool.status, 0) << cool.err;
  EXPECT_EQ(cool.err.find("Gegenstromende"), std::string::npos) << cool.err;
  EXPECT_NE(RunBatch(kQuick + " txt_Lufttemp=35 txt_ThetaGegenstromende=35").err.find("Gegenstromende"),
            std::string::npos);
}

TEST(BatchLabTest, AValueForTheEndBoxOrAStudyBesideItIsAUsageError) {
  const BatchResult both = RunBatch("--lab-test " + kQuick + " txt_ThetaGegenstromende=80");
  EXPECT_EQ(both.status, 2);
  EXPECT_NE(both.err.find("txt_ThetaGegenstromende"), std::string::npos) << both.err;
  EXPECT_TRUE(both.out.empty());
  const BatchResult study = RunBatch("--lab-test --vary txt_Lufttemp=30:40:10 " + kQuick);
  EXPECT_EQ(study.status, 2);
  EXPECT_NE(study.err.find("Studie"), std::string::npos) << study.err;
  EXPECT_NE(RunBatch("--help").out.find("--lab-test"), std::string::npos);
}

}  // namespace
}  // namespace lamvero::testing
