// Measured drying curves read from CSV: both dialects, units, the series
// table Lamvero writes itself, and every kind of bad data refused with its line
// and column.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "files/csvexport.h"
#include "files/measuredcsv.h"
#include "present/displayedrun.h"
#include "common/quickinputs.h"

namespace lamvero {
namespace {

const std::string kGermanRows =
    "0;0,20;30,5\n"
    "10;0,18;31\n"
    "20;0,15;32,5\n"
    "30;0,12;34\n"
    "40;0,09;35,5\n";

TEST(MeasuredCsv, ReadsBothDialectsToTheSameCurve) {
  const auto german = ReadMeasuredCurveText(
      "\xEF\xBB\xBF# Versuch 12\nZeit in min;Wasserbeladung in kg/kg;Oberflächentemperatur in °C\n" + kGermanRows,
      std::nullopt, "a.csv");
  ASSERT_TRUE(german) << german.message();
  const auto plain = ReadMeasuredCurveText(
      "time [min],moisture [kg/kg],surface temperature (°C)\r\n0,0.20,30.5\r\n10,0.18,31\r\n20,0.15,32.5\r\n"
      "30,0.12,34\r\n40,0.09,35.5\r\n\r\n",
      std::nullopt, "a.csv");
  ASSERT_TRUE(plain) << plain.message();
  EXPECT_TRUE(german.value() == plain.value());
  const MeasuredCurve& c = german.value();
  EXPECT_EQ(c.source, "a.csv");
  ASSERT_EQ(c.points(), 5u);
  EXPECT_EQ(c.time[1], 600.0);
  EXPECT_EQ(c[MeasuredQuantity::Moisture][2], 0.15);
  EXPECT_EQ(c[MeasuredQuantity::SurfaceTemperature][4], 35.5);
  EXPECT_FALSE(c.has(MeasuredQuantity::CoreTemperature));
  EXPECT_FALSE(c.has(MeasuredQuantity::Shrinkage));
}

TEST(MeasuredCsv, ConvertsUnitsAndMassesToMoisture) {
  const std::string rows = "0;120;1\n0,5;115;2\n1;110;\n1,5;105;3\n2;100;4\n";
  // Time in h, mass in g with the dry mass from a comment; an empty shrinkage cell is a missing reading.
  const auto fromComment =
      ReadMeasuredCurveText("# Trockenmasse in g: 100\nZeit in h;Masse in g;Schwindung in %\n" + rows, std::nullopt, "m");
  ASSERT_TRUE(fromComment) << fromComment.message();
  const MeasuredCurve& c = fromComment.value();
  EXPECT_EQ(c.time[3], 5400.0);
  EXPECT_EQ(c[MeasuredQuantity::Moisture][0], 0.2);
  EXPECT_EQ(c[MeasuredQuantity::Moisture][4], 0.0);
  EXPECT_TRUE(std::isnan(c[MeasuredQuantity::Shrinkage][2]));
  EXPECT_EQ(c[MeasuredQuantity::Shrinkage][3], 3.0);
  // The caller's dry mass wins over the comment; a mass in kg and a time in s.
  const auto fromCaller = ReadMeasuredCurveText(
      "# Trockenmasse in g: 100\nt in s;m in kg\n0;0,12\n60;0,115\n120;0,11\n180;0,105\n240;0,1\n", 50.0, "m");
  ASSERT_TRUE(fromCaller) << fromCaller.message();
  EXPECT_EQ(fromCaller->time[4], 240.0);
  EXPECT_EQ(fromCaller.value()[MeasuredQuantity::Moisture][0], (120.0 - 50.0) / 50.0);
  EXPECT_EQ(fromCaller.value()[MeasuredQuantity::Moisture][4], 1.0);
}

TEST(MeasuredCsv, IgnoresColumnsItDoesNotKnowAndReadsCoreTemperature) {
  const auto read = ReadMeasuredCurveText(
      "Bemerkung,Zeit in s,Kerntemperatur in °C,X in kg/kg\n"
      "Start,0,20,0.2\n,1,21,0.19\nx,2,22,0.18\n,3,23,0.17\n,4,24,0.16\n",
      std::nullopt, "n");
  ASSERT_TRUE(read) << read.message();
  EXPECT_EQ(read.value()[MeasuredQuantity::CoreTemperature][3], 23.0);
  EXPECT_EQ(read.value()[MeasuredQuantity::Moisture][1], 0.19);
}

TEST(MeasuredCsv, ReadsLamverosOwnSeriesTable) {
  NullDisplay none;
  const RunRecord record = RunCaseOnDisplay(testing::QuickInputs(), none);
  const RunSeries& s = record.series;
  for (CsvDialect dialect : {CsvDialect::German, CsvDialect::Plain}) {
    std::string text;
    ASSERT_TRUE(WriteSeriesCsv(s, dialect, 1, [&](std::string_view piece) {
      text += piece;
      return true;
    }));
    const auto read = ReadMeasuredCurveText(text, std::nullopt, "reihe.csv");
    ASSERT_TRUE(read) << read.message();
    const MeasuredCurve& c = read.value();
    ASSERT_EQ(c.points(), static_cast<std::size_t>(s.nReihe) + 1);
    for (std::size_t k = 0; k < c.points(); ++k) {
      ASSERT_EQ(c.time[k], s.tReihe[k]);
      ASSERT_EQ(c[MeasuredQuantity::Moisture][k], s.XReihe[k]);
      ASSERT_EQ(c[MeasuredQuantity::SurfaceTemperature][k], s.ThetaObReihe[k]);
      ASSERT_EQ(c[MeasuredQuantity::CoreTemperature][k], s.ThetaKReihe[k]);
    }
    EXPECT_FALSE(c.has(MeasuredQuantity::Shrinkage));  // only the surface's and the core's, not the mean
  }
}

TEST(MeasuredCsv, AFileOfMassesNeedsTheDryMassUnlessItsCommentGivesIt) {
  EXPECT_TRUE(NeedsDryMass("\xEF\xBB\xBF# Versuch\nZeit in min;Masse in g\n0;120\n"));
  EXPECT_TRUE(NeedsDryMass("time [s],mass [kg]\n"));
  EXPECT_FALSE(NeedsDryMass("# Trockenmasse in g: 85,2\nZeit in min;Masse in g\n"));
  EXPECT_FALSE(NeedsDryMass("Zeit in min;Wasserbeladung in kg/kg;Masseverlust in g\n"));
  EXPECT_FALSE(NeedsDryMass("Zeit in min;Wasserbeladung in kg/kg\n0;0,2\nMasse in g\n"));  // not a header
  EXPECT_FALSE(NeedsDryMass(""));
}

TEST(MeasuredCsv, TheShippedExampleReadsWithItsFortyReadings) {
  std::ifstream f(LAMVERO_EXAMPLE_CURVE, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  const auto read = ReadMeasuredCurveText(text, std::nullopt, "messkurve-beispiel.csv");
  ASSERT_TRUE(read) << read.message();
  EXPECT_EQ(read->points(), 40u);
  EXPECT_TRUE(read->has(MeasuredQuantity::SurfaceTemperature));
  EXPECT_EQ(read->time[0], 0.0);
}

struct BadCase {
  const char* what;
  std::string text;
  std::optional<double> dryMass;
  const char* where;   // the start of the failure's place
  const char* reason;  // a part of its reason
};

TEST(MeasuredCsv, RefusesBadDataNamingLineAndColumn) {
  const std::string head = "Zeit in min;Wasserbeladung in kg/kg;Kerntemperatur in °C\n";
  const std::string good4 = "0;0,2;20\n1;0,19;21\n2;0,18;22\n3;0,17;23\n";
  const BadCase cases[] = {
      {"time not increasing", head + "0;0,2;20\n1;0,19;21\n1;0,18;22\n3;0,17;23\n4;0,1;2\n", {},
       "Zeile 4, Spalte „Zeit in min“", "nimmt nicht zu"},
      {"time falling", head + "0;0,2;20\n2;0,19;21\n1;0,18;22\n3;0,17;23\n4;0,1;2\n", {}, "Zeile 4, Spalte „Zeit", "nimmt nicht zu"},
      {"negative time", head + "-1;0,2;20\n" + good4, {}, "Zeile 2, Spalte „Zeit in min“", "negativ"},
      {"negative moisture", head + good4 + "4;-0,01;24\n", {}, "Zeile 6, Spalte „Wasserbeladung in kg/kg“", "negativ"},
      {"mass below dry mass", "Zeit in min;Masse in g\n0;120\n1;110\n2;99\n3;98\n4;97\n", 100.0,
       "Zeile 4, Spalte „Masse in g“", "kleiner als die Trockenmasse"},
      {"mass without dry mass", "Zeit in min;Masse in g\n0;120\n1;110\n2;105\n3;102\n4;101\n", {},
       "Zeile 1, Spalte „Masse in g“", "Trockenmasse"},
      {"unknown unit", "Zeit in d;Wasserbeladung in kg/kg\n" + good4, {}, "Zeile 1, Spalte „Zeit in d“", "unbekannt"},
      {"missing unit", "Zeit;X in kg/kg\n" + good4, {}, "Zeile 1, Spalte „Zeit“", "Einheit fehlt"},
      {"moisture in percent", "Zeit in min;Feuchte in %\n" + good4, {}, "Zeile 1, Spalte „Feuchte in %“", "kg/kg"},
      {"too few points", head + good4, {}, "", "mindestens 5"},
      {"text in a number cell", head + good4 + "4;0,1x;24\n", {}, "Zeile 6, Spalte „Wasserbeladung in kg/kg“",
       "keine Zahl"},
      {"text in an optional cell", head + good4 + "4;0,1;warm\n", {}, "Zeile 6, Spalte „Kerntemperatur in °C“",
       "keine Zahl"},
      {"point in the German dialect", head + good4 + "4;0.1;24\n", {}, "Zeile 6, Spalte „Wasserbeladung", "Komma"},
      {"empty time cell", head + good4 + ";0,1;24\n", {}, "Zeile 6, Spalte „Zeit in min“", "leer"},
      {"empty moisture cell", head + "0;;20\n" + good4, {}, "Zeile 2, Spalte „Wasserbeladung in kg/kg“", "leer"},
      {"no time column", "Dauer in min;X in kg/kg\n" + good4, {}, "Zeile 1", "Zeit"},
      {"no moisture column", "Zeit in min;Kerntemperatur in °C\n0;1\n1;2\n2;3\n3;4\n4;5\n", {}, "Zeile 1",
       "Wasserbeladung oder die Masse"},
      {"moisture twice", "Zeit in min;X in kg/kg;Masse in g\n0;1;1\n", 1.0, "Zeile 1, Spalte „Masse in g“", "schon"},
      {"too few cells", head + "# Kommentar\n" + good4 + "4;0,1\n", {}, "Zeile 7", "2 Zellen, die Kopfzeile 3"},
      {"too many cells", head + good4 + "4;0,1;1;2\n", {}, "Zeile 6", "4 Zellen"},
      {"open quote", head + good4 + "4;\"0,1;24\n", {}, "Zeile 6", "Anführungszeichen"},
      {"number too large", head + good4 + "1E400;0,1;24\n", {}, "Zeile 6, Spalte „Zeit", "zu groß"},
      {"empty file", "\xEF\xBB\xBF# nur Kommentar\n\n", {}, "", "Kopfzeile"},
      {"zero dry mass given", "Zeit in min;Masse in g\n", 0.0, "Trockenmasse", "größer als 0"},
      {"bad dry mass comment", "# Trockenmasse in g: viel\nZeit in min;Masse in g\n", {}, "Zeile 1, Trockenmasse",
       "keine Zahl"},
      {"control character in a cell", head + good4 + "4;0,1\x01;24\n", {}, "Zeile 6, Spalte „Wasserbeladung in kg/kg“",
       "„0,1U+0001“ ist keine Zahl"},
      {"endless header cut short", "Zeit in " + std::string(100000, 'x') + ";X in kg/kg\n", {}, "Zeile 1, Spalte „Zeit in xxx",
       "xxx…“ ist unbekannt"},
      {"dry mass in an unknown unit", "# dry mass in lb: 1\nZeit in min;Masse in g\n", {}, "Zeile 1, Trockenmasse",
       "unbekannt"},
  };
  for (const BadCase& c : cases) {
    const Outcome<MeasuredCurve> read = ReadMeasuredCurveText(c.text, c.dryMass, "x");
    if (read) {
      ADD_FAILURE() << c.what << ": read";
      continue;
    }
    EXPECT_EQ(read.failure().where.rfind(c.where, 0), 0u) << c.what << ": " << read.message();
    EXPECT_NE(read.failure().reason.find(c.reason), std::string::npos) << c.what << ": " << read.message();
  }
}

TEST(MeasuredCsv, RefusesTooManyLinesAndTooManyBytes) {
  std::string many = "Zeit in s,X in kg/kg\n";
  for (std::size_t k = 0; k < kMaxMeasuredLines; ++k) many += std::to_string(k) + ",0.1\n";
  const auto tooLong = ReadMeasuredCurveText(many, std::nullopt, "x");
  ASSERT_FALSE(tooLong);
  EXPECT_NE(tooLong.message().find("100000 Zeilen"), std::string::npos) << tooLong.message();
  many.resize(many.size() - std::to_string(kMaxMeasuredLines - 1).size() - 5);  // drop the last reading
  EXPECT_TRUE(ReadMeasuredCurveText(many, std::nullopt, "x"));
  const auto tooBig = ReadMeasuredCurveText(std::string(kMaxMeasuredCurveBytes + 1, '#'), std::nullopt, "x");
  ASSERT_FALSE(tooBig);
  EXPECT_NE(tooBig.message().find("zu groß"), std::string::npos) << tooBig.message();
}

}  // namespace
}  // namespace lamvero
