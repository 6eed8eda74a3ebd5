// Golden records: whole runs, bit for bit, against what the model gave at a
// known-good state. Each case's record is tests/data/golden/<case>.json (see
// goldenrecord.h for what it holds); a difference is reported in words: which
// result, control, series or profile, from which point and time, expected
// what, got what.
//
// After an intended change of the numbers, regenerate the records with
//   LAMVERO_UPDATE_GOLDEN=1 build/tests/core_tests --gtest_filter='Cases/Golden.*'
// and read the diff of tests/data/golden/ before committing it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "goldenrecord.h"
#include "present/displayedrun.h"
#include "run/stoprequest.h"

#ifndef LAMVERO_GOLDEN_DIR
#error "LAMVERO_GOLDEN_DIR must name the folder of the golden records"
#endif

namespace lamvero {
namespace {

struct GoldenCase {
  const char* name;   // record file name without .json
  const char* about;  // what the case is, at the head of every message
  std::vector<std::pair<const char*, const char*>> inputs;  // boxes that differ from the defaults
  int stopAtYield = 0;  // if > 0, the caller asks the run to stop at this yield
  std::size_t thinnedInto = 0;  // if > 0, runs under extended limits with series of this many points
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

// A thin plate on a coarse grid with a long time step (about 1400 steps).
const std::vector<std::pair<const char*, const char*>> kThinPlate = {
    {"txt_Dicke", "4"}, {"txt_Ortsschrittweite", "0,2"}, {"txt_deltaT", "2"}, {"txt_rund", "100"}};

std::vector<std::pair<const char*, const char*>> ThinPlateWith(std::pair<const char*, const char*> input) {
  auto inputs = kThinPlate;
  inputs.push_back(input);
  return inputs;
}

// Together they reach every branch of the laws, the periods, the air model,
// the evaluation and the texts a run shows that inputs the check accepts can reach.
const GoldenCase kCases[] = {
    {"default_run", "default run", {}},
    {"no_shrinkage", "a body that does not shrink", {{"txt_linTrSchwind", "0"}}},
    {"shrinkage_at_the_limit", "thin plate whose shrinkage is just the no-shrinkage limit",
     ThinPlateWith({"txt_linTrSchwind", "0,001"})},
    {"other_body_and_outside_air",
     "a denser, wetter, more shrinking, slower conducting body in colder, moister outside air (water error just above 3 %)",
     {{"txt_rhos", "2000"}, {"txt_XAnf", "0,3"}, {"txt_linTrSchwind", "8"}, {"txt_Feuchteleit", "20"},
      {"txt_lambda", "0,8"}, {"txt_ThetaEinf", "10"}, {"txt_AussenluftTemp", "5"}, {"txt_AussenluftFeuchte", "80"}}},
    {"warm_dry_air_open_body", "warm dry exhaust air and a more open body",
     {{"txt_Lufttemp", "60"}, {"txt_AbluftFeuchte", "40"}, {"txt_mue", "8"}, {"txt_KappaSteig", "3"}}},
    {"never_leaves_counter_current", "a run whose counter-current section never ends",
     {{"txt_ThetaGegenstromende", "500"}}},
    {"chamber_from_the_first_step", "thin plate whose counter-current section ends in the first step",
     ThinPlateWith({"txt_ThetaGegenstromende", "35"})},
    {"thin_plate", "thin plate, coarse grid, long time step (water error above 6 %: smaller time step advised)",
     kThinPlate},
    {"surface_dries_at_a_curve_end", "thin plate whose surface dries in the last step of a curve interval",
     ThinPlateWith({"txt_rund", "66"})},
    {"front_starts_at_the_surface",
     "a very high heat-transfer coefficient: the drying front starts at the surface",
     {{"txt_Waermeuebergang", "5000"}}},
    {"limit_moisture_in_the_first_step",
     "thin plate, 0,5-s steps, an extreme heat-transfer coefficient: the surface passes the limit moisture in the first step",
     {{"txt_Dicke", "4"}, {"txt_Ortsschrittweite", "0,2"}, {"txt_deltaT", "0,5"}, {"txt_rund", "100"},
      {"txt_Waermeuebergang", "30000"}}},
    {"coarse_grid", "coarse grid (water error just above 6 %: smaller spatial step advised)",
     {{"txt_Ortsschrittweite", "0,5"}}},
    {"poorly_converged_end", "warm humid exhaust air: the front temperature ends poorly converged",
     {{"txt_Lufttemp", "60"}, {"txt_AbluftFeuchte", "95"}, {"txt_ThetaGegenstromende", "150"}}},
    {"series_full_in_second_period", "thin plate with 5-ms steps: the series fill up in the second drying period",
     {{"txt_Dicke", "4"}, {"txt_Ortsschrittweite", "0,2"}, {"txt_deltaT", "0,005"}, {"txt_rund", "10000"}}},
    {"stopped_in_first_period", "default run stopped in the first drying period, the evaporation rate still rising",
     {}, 3001},
    {"stopped_in_second_period", "default run stopped in the second drying period (series before the evaluation)",
     {}, 20000},
    {"thinned_series", "thin plate under extended limits in series of 100 points: thinned several times, smoothed across the gaps",
     kThinPlate, 0, 100},
    {"profile_not_finite_in_first_period", "an absurd heat-transfer coefficient: the profile is not finite after the first step",
     {{"txt_Waermeuebergang", "1E300"}}},
    {"profile_not_finite_in_second_period", "a body that resists vapour diffusion not at all: the profile stops being finite",
     {{"txt_mue", "1E-300"}}},
    {"results_not_finite", "a plate dried within the first step: its results are not numbers",
     {{"txt_Waermeuebergang", "1E9"}, {"txt_deltaT", "60"}, {"txt_Ortsschrittweite", "1"}}},
    {"refused", "inputs the check refuses", {{"txt_Ortsschrittweite", "0"}}},
};

// Runs the case; the display writes down what the run showed and asks it to stop where the case says.
RunRecord RunGoldenCase(const GoldenCase& c, testing::DisplayLog& shown, const StopRequest& stop) {
  InputTexts inputs = InputTexts::Defaults();
  for (const auto& [box, text] : c.inputs) EXPECT_TRUE(inputs.set(box, text)) << c.name << ": no input box " << box;
  DisplayRunOptions options;
  options.stop = &stop;
  if (c.thinnedInto > 0) {
    options.limits = RunLimits::Extended();
    options.seriesCapacity = c.thinnedInto;
  }
  return RunCaseOnDisplay(inputs, shown, options);
}

std::string RecordPath(const GoldenCase& c) { return std::string(LAMVERO_GOLDEN_DIR) + "/" + c.name + ".json"; }

bool Updating() {
  const char* update = std::getenv("LAMVERO_UPDATE_GOLDEN");
  return update != nullptr && std::string(update) == "1";
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, RunGivesItsRecordBitForBit) {
  const GoldenCase& c = GetParam();
  StopRequest stop;
  testing::DisplayLog shown(stop, c.stopAtYield);
  const RunRecord record = RunGoldenCase(c, shown, stop);
  const std::string path = RecordPath(c);
  if (Updating()) {
    nlohmann::json golden = {{"case", c.name},
                             {"about", c.about},
                             {"stopAtYield", c.stopAtYield},
                             {"regenerate", "LAMVERO_UPDATE_GOLDEN=1 build/tests/core_tests --gtest_filter='Cases/Golden.*'"}};
    golden.update(testing::GoldenRecord(record, shown));
    std::ofstream out(path);
    out << testing::GoldenText(golden);
    ASSERT_TRUE(out.good()) << "could not write " << path;
  }
  std::ifstream in(path);
  ASSERT_TRUE(in.good()) << c.about << ": no golden record at " << path
                         << "; make it with LAMVERO_UPDATE_GOLDEN=1 at a known-good state";
  const nlohmann::json golden = nlohmann::json::parse(in);
  ASSERT_EQ(golden.at("stopAtYield").get<int>(), c.stopAtYield) << c.about << ": the record was made with another stop";
  const std::vector<std::string> differences = testing::GoldenDifferences(golden, record, shown);
  constexpr std::size_t kShown = 30;
  for (std::size_t i = 0; i < differences.size() && i < kShown; ++i) ADD_FAILURE() << c.about << ": " << differences[i];
  if (differences.size() > kShown) ADD_FAILURE() << c.about << ": and " << differences.size() - kShown << " more differences";
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace lamvero
