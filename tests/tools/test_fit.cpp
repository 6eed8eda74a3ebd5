// The runner's fit as a user meets it: a measured curve made from a known
// run fitted back, the JSON a script reads, and options refused with a reason.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "inputs/inputs.h"
#include "run/dryingrun.h"
#include "run/measuredcurve.h"
#include "run/runevents.h"
#include "runbatch.h"
#include "text/numberformat.h"
#include "text/parsenumber.h"

namespace lamvero::testing {
namespace {

using nlohmann::json;

// The quick plate in air of constant state.
const std::string kLab =
    "txt_Dicke=4 txt_Ortsschrittweite=0,2 txt_deltaT=2 txt_rund=100 txt_ThetaGegenstromende=35 txt_Lufttemp=35";
constexpr double kTrueFeuchteleit = 25;

// Ten readings of moisture and surface temperature of the lab run with the
// true moisture conductivity, as a German CSV file with the time in minutes.
std::string MeasuredFile() {
  InputTexts in = InputTexts::Defaults();
  for (const std::string a : {"txt_Dicke=4", "txt_Ortsschrittweite=0,2", "txt_deltaT=2", "txt_rund=100",
                               "txt_ThetaGegenstromende=35", "txt_Lufttemp=35", "txt_Feuchteleit=25"}) {
    const std::size_t eq = a.find('=');
    EXPECT_TRUE(in.set(a.substr(0, eq), a.substr(eq + 1)));
  }
  NoRunEvents none;
  const RunRecord record = RunCase(in, none);
  const double end = record.series.tReihe[static_cast<std::size_t>(record.series.nReihe)];
  std::string text = "Zeit in min;mittlere Wasserbeladung in kg/kg;Oberflächentemperatur in °C\n";
  for (int i = 1; i <= 10; ++i) {
    const double t = 0.9 * end * i / 10;
    text += FormatSignificant(t / 60, 17) + ";" +
            FormatSignificant(ModelValueAt(record, MeasuredQuantity::Moisture, t), 17) + ";" +
            FormatSignificant(ModelValueAt(record, MeasuredQuantity::SurfaceTemperature, t), 17) + "\n";
  }
  const std::string path = TestFile("curve.csv");
  WriteFile(path, text);
  return path;
}

TEST(BatchFit, FitsTheMeasuredCurveBackAndWritesTheJsonObject) {
  const std::string data = MeasuredFile();
  const BatchResult r = RunBatch(kLab + " --fit " + data +
                                 " --fit-param txt_Feuchteleit=5:100 --fit-weight surfaceTemperature=0,5 --json -j 2");
  ASSERT_EQ(r.status, 0) << r.err;
  const json fit = json::parse(r.out).at("fit");
  EXPECT_EQ(fit.at("status"), "Converged");
  ASSERT_EQ(fit.at("parameters").size(), 1u);
  const json& p = fit["parameters"][0];
  EXPECT_EQ(p.at("box"), "txt_Feuchteleit");
  EXPECT_EQ(p.at("unit"), "10^(-9) m²/s");
  EXPECT_NEAR(p.at("value").get<double>(), kTrueFeuchteleit, 1e-3 * kTrueFeuchteleit);
  EXPECT_EQ(p.at("lower"), 5.0);
  EXPECT_EQ(p.at("upper"), 100.0);
  EXPECT_TRUE(p.at("halfWidth95").is_number());
  EXPECT_EQ(p.at("atBound"), false);
  ASSERT_EQ(fit.at("figures").size(), 2u);
  EXPECT_EQ(fit["figures"][1].at("quantity"), "surfaceTemperature");
  EXPECT_EQ(fit["figures"][1].at("points"), 10);
  EXPECT_GT(fit.at("runs").get<int>(), 2);
  EXPECT_EQ(fit.at("fittedInputs").at("txt_Dicke"), "4");
  EXPECT_EQ(fit.at("fittedInputs").at("txt_Feuchteleit"), FormatSixDigits(p["value"].get<double>()));
}

TEST(BatchFit, TextNamesTheValueWithItsIntervalAndUnit) {
  const BatchResult r = RunBatch(kLab + " --fit " + MeasuredFile() + " --fit-param txt_Feuchteleit=5:100");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_GE(lines.size(), 4u);
  const std::string caption = "Feuchteleitk. (25% atro, 25°C) in 10^(-9) m²/s: ";
  ASSERT_EQ(lines[1].rfind(caption, 0), 0u) << lines[1];
  const std::size_t pm = lines[1].find(" ± ");
  ASSERT_NE(pm, std::string::npos) << lines[1];
  const std::optional<double> value = ParseNumber(lines[1].substr(caption.size(), pm - caption.size()));
  ASSERT_TRUE(value) << lines[1];
  EXPECT_NEAR(*value, kTrueFeuchteleit, 1e-3 * kTrueFeuchteleit) << lines[1];
  EXPECT_EQ(lines[1].substr(lines[1].size() - std::string(" 10^(-9) m²/s").size()), " 10^(-9) m²/s");
  EXPECT_NE(r.out.find("mittlere Wasserbeladung: RMSE "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Läufe: "), std::string::npos) << r.out;
}

TEST(BatchFit, RefusesBadOptionsAndDataAsUsageErrors) {
  const std::string data = MeasuredFile();
  const auto refused = [&](const std::string& args, const std::string& expected) {
    const BatchResult r = RunBatch(kLab + " " + args);
    EXPECT_EQ(r.status, 2) << args << "\n" << r.err;
    EXPECT_NE(r.err.find(expected), std::string::npos) << args << "\n" << r.err;
    EXPECT_EQ(r.out, "") << args;
  };
  refused("--fit " + data + " --fit-param txt_Feuchtleit", "gemeint ist wohl txt_Feuchteleit");
  refused("--fit " + data + " --fit-param txt_Feuchteleit=5", "UNTEN:OBEN");
  refused("--fit " + data + " --fit-param txt_Feuchteleit=50:5", "kleiner als die obere");
  refused("--fit " + data, "mindestens ein --fit-param");
  refused("--fit-param txt_Feuchteleit", "nur mit --fit DATEI");
  refused("--fit " + data + " --fit-param txt_Feuchteleit --fit-weight feuchte=1", "unbekannte Messgröße");
  refused("--fit " + data + " --fit-param txt_Feuchteleit --fit-weight moisture=0", "alle Gewichte sind 0");
  refused("--fit " + data + " --fit-param txt_Feuchteleit --series -", "--fit gilt nicht zusammen mit --series");
  refused("--fit " + data + " --fit-param txt_Feuchteleit --vary txt_Dicke=4:5:1", "schließen sich aus");
  const std::string bad = TestFile("bad.csv");
  WriteFile(bad, "Zeit in s;mittlere Wasserbeladung in kg/kg\n0;0,2\n10;0,19\n5;0,18\n20;0,17\n30;0,16\n");
  refused("--fit " + bad + " --fit-param txt_Feuchteleit", "Zeile 4");
  refused("--fit " + TestFile("missing.csv") + " --fit-param txt_Feuchteleit", "--fit");
}

}  // namespace
}  // namespace lamvero::testing
