#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Small grid, long time step, short curve interval: a whole run in a few
// hundredths of a second.
const std::string kQuick = "txt_Dicke=4 txt_Ortsschrittweite=0,2 txt_deltaT=2 txt_rund=100";

struct Result {
  int status = -1;
  std::string out, err;
};

std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "lamvero_batch_" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" + name;
}

// env: variable assignments for the child, e.g. "QT_QPA_PLATFORM=none".
Result RunBatch(const std::string& args, const std::string& env = "") {
  const std::string out = TempPath("stdout"), err = TempPath("stderr");
  const std::string command = env + " " + std::string(LAMVERO_BATCH) + " " + args + " >" + out + " 2>" + err;
  const int raw = std::system(command.c_str());
  Result r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = Slurp(out);
  r.err = Slurp(err);
  return r;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(Batch, CompleteRunPrintsVisibleRowsInWindowOrder) {
  // Without a picture no windowing system is needed: not even a valid platform.
  const Result r = RunBatch(kQuick, "QT_QPA_PLATFORM=none");
  ASSERT_EQ(r.status, 0) << r.err;
  // Rows from the top of the left column to its bottom.
  std::size_t last = 0;
  for (const char* row : {"Wasserbeladung Schwind.-Ende in kg/kg: 0,136", "spez. Luftdurchsatz in kg pro kg Wasser: 47,67",
                          "laufende Zeit in hh : mm : ss: ", "Dauer des 1. TroAbschn. in hh : mm : ss: ",
                          "mittl. spez. Energiebedarf in kJ/kg H2O: ", "Anzahl der Ortsschritte pro Halbplatte: 10",
                          "relativer Wasserfehler in %: "}) {
    const std::size_t at = r.out.find(row);
    ASSERT_NE(at, std::string::npos) << row << "\n" << r.out;
    EXPECT_GE(at, last) << row;
    last = at;
  }
  // Input rows are not results; the trailing blank of a caption is not printed.
  EXPECT_EQ(r.out.find("Anfangsdicke der Platte"), std::string::npos);
  EXPECT_NE(r.out.find("\nmax. Differenz der lin. Schwindung in %: "), std::string::npos) << r.out;
}

TEST(Batch, RefusedInputAndUsageErrorsExitTwo) {
  const Result refused = RunBatch(kQuick + " txt_Ortsschrittweite=0 txt_rund=10");
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(refused.out.empty()) << refused.out;
  EXPECT_NE(refused.err.find("„Ortsschrittweite in mm“"), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("„Anzahl der Berechnungen pro Kurve“"), std::string::npos) << refused.err;

  const Result unknownField = RunBatch("txt_Unbekannt=1");
  EXPECT_EQ(unknownField.status, 2);
  EXPECT_NE(unknownField.err.find("txt_Unbekannt"), std::string::npos) << unknownField.err;
  EXPECT_NE(unknownField.err.find("txt_Dicke"), std::string::npos) << "usage names the fields";

  const Result computedBox = RunBatch("txt_AnzOS=100");  // written by the run, not an input
  EXPECT_EQ(computedBox.status, 2);

  const Result unknownOption = RunBatch("--frobnicate");
  EXPECT_EQ(unknownOption.status, 2);
  EXPECT_FALSE(unknownOption.err.empty());
}

// The number tokens of a JSON text that are not integers.
std::vector<std::string> RealTokens(const std::string& json) {
  std::vector<std::string> tokens;
  const std::regex number(R"re(:(-?[0-9][0-9.eE+-]*)[,}\]])re");
  for (auto it = std::sregex_iterator(json.begin(), json.end(), number); it != std::sregex_iterator(); ++it) {
    const std::string t = (*it)[1];
    if (t.find_first_of(".eE") != std::string::npos) tokens.push_back(t);
  }
  return tokens;
}

TEST(Batch, JsonHasFieldsAndScalarsWithSeventeenDigitNumbers) {
  const Result r = RunBatch("--json " + kQuick);
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);

  std::set<std::string> top;
  for (const auto& item : j.items()) top.insert(item.key());
  EXPECT_EQ(top, (std::set<std::string>{"outcome", "messages", "fields", "scalars"}));
  EXPECT_EQ(j["outcome"], "Completed");

  std::set<std::string> scalars;
  for (const auto& item : j["scalars"].items()) scalars.insert(item.key());
  EXPECT_EQ(scalars, (std::set<std::string>{"Zeit", "nReihe", "nReihe1TA", "Dauer1TA", "X1TA", "t1xse", "t2xse",
                                            "DauerGegenstrom", "ThetaZuluft", "spezEnergie", "relEnergie",
                                            "WasserfehlerProzent", "WasserdampfMax", "nGlatt", "XEnde", "XBilanz",
                                            "nIter", "schwindgrad", "ThetaK", "profileCurves"}));
  EXPECT_TRUE(j["scalars"]["nReihe"].is_number_integer());
  EXPECT_TRUE(j["scalars"]["DauerGegenstrom"].is_number());  // the default air reaches 80 °C
  EXPECT_GT(j["scalars"]["profileCurves"].get<int>(), 1);

  for (const auto& [name, field] : j["fields"].items()) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(name.rfind("txt_", 0) == 0 || name.rfind("lbl_", 0) == 0);
    EXPECT_TRUE(field["text"].is_string());
    EXPECT_TRUE(field["visible"].is_boolean());
    ASSERT_TRUE(field["color"].is_array());
    EXPECT_EQ(field["color"].size(), 3u);
  }
  EXPECT_EQ(j["fields"]["txt_AnzOS"]["text"], "10");
  EXPECT_EQ(j["fields"]["txt_Wasserfehler"]["visible"], true);
  EXPECT_EQ(j["fields"]["lbl_Wasserfehler"]["text"], "relativer Wasserfehler in %");
  EXPECT_EQ(j["fields"].count("cmd_Neustart"), 0u);

  // Every real number is written as %.17g writes it, not in a shorter form.
  const std::vector<std::string> tokens = RealTokens(r.out);
  ASSERT_GT(tokens.size(), 5u);
  for (const std::string& t : tokens) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", std::strtod(t.c_str(), nullptr));
    EXPECT_EQ(t, buffer);
  }
}

TEST(Batch, CounterCurrentDurationIsNullWhenTheAirNeverSwitches) {
  const Result r = RunBatch("--json " + kQuick + " txt_ThetaGegenstromende=200");
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);
  EXPECT_TRUE(j["scalars"]["DauerGegenstrom"].is_null());
  EXPECT_EQ(j["fields"].count("txt_DauerGegenstrom"), 0u);
}

TEST(Batch, SeriesFileHoldsEveryStoredPoint) {
  const std::string csv = TempPath("series.csv");
  const Result r = RunBatch("--json --series " + csv + " " + kQuick);
  ASSERT_EQ(r.status, 0) << r.err;
  const int nReihe = nlohmann::json::parse(r.out)["scalars"]["nReihe"];
  const std::vector<std::string> lines = Lines(Slurp(csv));
  ASSERT_EQ(static_cast<int>(lines.size()), nReihe + 2);  // header + points 0..nReihe
  EXPECT_EQ(lines[0],
            "tReihe,XReihe,XOberflReihe,XKernReihe,SchwOberflReihe,SchwKernReihe,ThetaLuftReihe,ThetaObReihe,"
            "ThetaKReihe,WasserdampfReihe,SpiegelReihe");
  EXPECT_EQ(lines[1].rfind("0,0.25,", 0), 0u) << lines[1];  // time 0, XAnf
  // After the evaluation the mean moisture ends at exactly 0.
  const std::string& lastRow = lines.back();
  const std::size_t c1 = lastRow.find(','), c2 = lastRow.find(',', c1 + 1);
  EXPECT_EQ(lastRow.substr(c1 + 1, c2 - c1 - 1), "0") << lastRow;
  for (const std::string& line : lines) {
    ASSERT_EQ(std::count(line.begin(), line.end(), ','), 10) << line;
  }
}

TEST(Batch, PictureOfTheWindowMatchesTheHeadlessRun) {
  const std::string png = TempPath("window.png");
  std::remove(png.c_str());
  const Result withPicture = RunBatch("--png " + png + " " + kQuick);
  ASSERT_EQ(withPicture.status, 0) << withPicture.err;
  const std::string bytes = Slurp(png);
  ASSERT_GE(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  auto be32 = [&](std::size_t at) {
    return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
           (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
  };
  EXPECT_EQ(be32(16), 1020u);  // 15300 x 11085 twips at 15 twips per pixel
  EXPECT_EQ(be32(20), 739u);
  // Running through the window changes nothing of what the run shows.
  EXPECT_EQ(withPicture.out, RunBatch(kQuick).out);
}

TEST(Batch, RunThatFillsTheSeriesExitsThree) {
  // 4 mm plate in 1 ms steps: far more than 500000 steps.
  const Result r = RunBatch("--json txt_Dicke=4 txt_Ortsschrittweite=0,4 txt_deltaT=0,001 txt_rund=100000");
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("Zeitreihen voll"), std::string::npos) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["outcome"], "SeriesFull");
  EXPECT_EQ(j["scalars"]["nReihe"], 500000);
}

}  // namespace
