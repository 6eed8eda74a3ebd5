// A run's accuracy estimate in its case file: written and read back exactly
// (null for what the estimate could not give), absent in older files, gone
// with its run, and refused with the field named when a hand-edited estimate
// no longer fits.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>

#include "files/casefile.h"
#include "present/displayedrun.h"
#include "common/quickinputs.h"

namespace lamvero {
namespace {

using nlohmann::json;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

AccuracyEstimate Estimate() {
  AccuracyEstimate e;
  e.scheme = "space2-time4";
  e.tolerancePercent = 1.5;
  e.levels = {{"2", "0,2"}, {"0,5", "0,1"}};
  AccuracyResult zeit{"Zeit", {2706.25, 2562.0}, Convergence::TwoLevels, kNaN, 2513.9166666666665, 5.6, true};
  AccuracyResult gegen{"DauerGegenstrom", {kNaN, kNaN}, Convergence::NotReached, kNaN, kNaN, kNaN, false};
  AccuracyResult schwind{"schwinddiff", {0.1, 0.1}, Convergence::Unchanged, kNaN, 0.1, 0, false};
  e.results = {zeit, gegen, schwind};
  return e;
}

class CaseAccuracyTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    NullDisplay none;
    run_ = new RunRecord(RunCaseOnDisplay(testing::QuickInputs(), none));
  }
  static void TearDownTestSuite() { delete run_; }

  static CaseFile Saved() {
    CaseFile f;
    f.inputs = run_->inputs;
    f.run = CaseRunOf(*run_, "2026-12-08T04:45:13Z", "Lamvero 1.0.1");
    f.run->accuracy = Estimate();
    return f;
  }

  static std::string ErrorAfter(const std::function<void(json&)>& change) {
    json j = json::parse(CaseFileText(Saved(), false));
    change(j);
    const Outcome<CaseFile> r = ReadCaseFileText(j.dump(), nullptr);
    return r ? std::string() : r.message();
  }

  static RunRecord* run_;
};
RunRecord* CaseAccuracyTest::run_ = nullptr;

TEST_F(CaseAccuracyTest, TheEstimateReadsBackExactly) {
  const std::string text = CaseFileText(Saved(), false);
  const Outcome<CaseFile> read = ReadCaseFileText(text, nullptr);
  ASSERT_TRUE(read) << read.message();
  ASSERT_TRUE(read->run && read->run->accuracy);
  const AccuracyEstimate& got = *read->run->accuracy;
  const AccuracyEstimate want = Estimate();
  EXPECT_EQ(got.scheme, want.scheme);
  EXPECT_EQ(got.tolerancePercent, want.tolerancePercent);
  ASSERT_EQ(got.levels.size(), 2u);
  EXPECT_EQ(got.levels[1].deltaT, "0,5");
  EXPECT_EQ(got.levels[1].Ortsschrittweite, "0,1");
  ASSERT_EQ(got.results.size(), want.results.size());
  for (std::size_t i = 0; i < want.results.size(); ++i) {
    const AccuracyResult &a = got.results[i], &b = want.results[i];
    EXPECT_EQ(a.key, b.key);
    ASSERT_EQ(a.values.size(), b.values.size());
    for (std::size_t k = 0; k < a.values.size(); ++k) EXPECT_TRUE(Same(a.values[k], b.values[k])) << a.key;
    EXPECT_EQ(a.convergence, b.convergence) << a.key;
    EXPECT_TRUE(Same(a.order, b.order)) << a.key;
    EXPECT_TRUE(Same(a.extrapolated, b.extrapolated)) << a.key;
    EXPECT_TRUE(Same(a.errorPercent, b.errorPercent)) << a.key;
    EXPECT_EQ(a.exceeds, b.exceeds) << a.key;
  }
  EXPECT_EQ(CaseFileText(read.value(), false), text);  // saved again, the same file

  const json j = json::parse(text);
  EXPECT_EQ(j["run"]["accuracy"]["results"][0]["change"].get<double>(), 2562.0 - 2706.25);
  EXPECT_TRUE(j["run"]["accuracy"]["results"][1]["errorPercent"].is_null());
}

TEST_F(CaseAccuracyTest, OlderFilesWithoutAnEstimateAndFilesWithoutTheirRunRead) {
  CaseFile older = Saved();
  older.run->accuracy.reset();
  const Outcome<CaseFile> read = ReadCaseFileText(CaseFileText(older, false), nullptr);
  ASSERT_TRUE(read) << read.message();
  EXPECT_FALSE(read->run->accuracy);

  json dropped = json::parse(CaseFileText(Saved(), false));
  dropped.erase("run");
  const Outcome<CaseFile> inputsOnly = ReadCaseFileText(dropped.dump(), nullptr);
  ASSERT_TRUE(inputsOnly) << inputsOnly.message();
  EXPECT_FALSE(inputsOnly->run);
}

TEST_F(CaseAccuracyTest, AHandEditedEstimateIsRefusedNamingTheField) {
  struct Case {
    std::function<void(json&)> change;
    const char* mention;
  };
  const Case cases[] = {
      {[](json& j) { j["run"]["accuracy"]["levels"][0]["txt_deltaT"] = "1"; }, "passt nicht zum Lauf"},
      {[](json& j) { j["run"]["accuracy"]["results"][0]["values"].push_back(1.0); }, "run.accuracy.results.0.values"},
      {[](json& j) { j["run"]["accuracy"]["results"][0]["key"] = "Breite"; }, "run.accuracy.results.0.key"},
      {[](json& j) { j["run"]["accuracy"]["results"][2]["convergence"] = "Gut"; }, "results.2.convergence"},
      {[](json& j) { j["run"]["accuracy"]["results"][0]["exceeds"] = 1; }, "results.0.exceeds"},
      {[](json& j) { j["run"]["accuracy"]["tolerancePercent"] = 0; }, "run.accuracy.tolerancePercent"},
      {[](json& j) { j["run"]["accuracy"].erase("scheme"); }, "run.accuracy.scheme"},
      {[](json& j) { j["run"]["accuracy"]["levels"] = json::array(); }, "run.accuracy.levels"},
  };
  for (const Case& c : cases) {
    const std::string error = ErrorAfter(c.change);
    EXPECT_NE(error.find(c.mention), std::string::npos) << c.mention << ": " << error;
  }
}

}  // namespace
}  // namespace lamvero
