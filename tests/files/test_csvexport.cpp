// The series and results tables of a run in both spreadsheet dialects.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "files/csvexport.h"
#include "text/numberformat.h"
#include "present/displayedrun.h"
#include "run/resultdescriptors.h"
#include "common/quickinputs.h"

namespace lamvero {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const RunRecord& QuickRun() {
  static const RunRecord r = [] {
    NullDisplay none;
    return RunCaseOnDisplay(testing::QuickInputs(), none);
  }();
  return r;
}

std::string SeriesCsv(const RunSeries& series, CsvDialect dialect, int every) {
  std::string all;
  int pieces = 0;
  EXPECT_TRUE(WriteSeriesCsv(series, dialect, every, [&](std::string_view piece) {
    all += piece;
    ++pieces;
    return true;
  }));
  EXPECT_GE(pieces, 1);
  return all;
}

TEST(SeriesCsv, EveryPointWithUnitsInTheHeaderInBothDialects) {
  const RunSeries& s = QuickRun().series;
  ASSERT_GT(s.nReihe, 1000);
  const std::vector<std::string> plain = Lines(SeriesCsv(s, CsvDialect::Plain, 1));
  ASSERT_EQ(static_cast<int>(plain.size()), s.nReihe + 3);
  EXPECT_EQ(plain[0],
            "Zeit in s,mittlere Wasserbeladung in kg/kg,Wasserbeladung an der Oberfläche in kg/kg,"
            "Wasserbeladung im Kern in kg/kg,lineare Schwindung an der Oberfläche in %,"
            "lineare Schwindung im Kern in %,Lufttemperatur in °C,Oberflächentemperatur in °C,Kerntemperatur in °C,"
            "Verdunstungsrate in kg/(m² h),Tiefe des Trocknungsspiegels in m,Wasserbeladung der Luft in kg/kg");
  EXPECT_EQ(plain[1],
            "tReihe,XReihe,XOberflReihe,XKernReihe,SchwOberflReihe,SchwKernReihe,ThetaLuftReihe,ThetaObReihe,"
            "ThetaKReihe,WasserdampfReihe,SpiegelReihe,XLuftReihe");
  // Row 0 is the initial state: surface and centre hold the initial moisture too.
  EXPECT_EQ(plain[2].rfind("0,0.25,0.25,0.25,0,0,35,", 0), 0u) << plain[2];
  EXPECT_EQ(plain.back().rfind(CsvNumber(s.tReihe[s.nReihe], CsvDialect::Plain) + ",0,", 0), 0u) << plain.back();

  const std::vector<std::string> german = Lines(SeriesCsv(s, CsvDialect::German, 1));
  ASSERT_EQ(german.size(), plain.size());
  EXPECT_EQ(german[0].rfind("\xEF\xBB\xBFZeit in s;mittlere Wasserbeladung in kg/kg;", 0), 0u) << german[0];
  EXPECT_EQ(german[0].find(','), std::string::npos);
  EXPECT_EQ(german[2].rfind("0;0,25;0,25;0,25;0;0;35;", 0), 0u) << german[2];
  for (std::size_t i = 0; i < german.size(); i += 97) {
    EXPECT_EQ(std::count(german[i].begin(), german[i].end(), ';'), 11) << german[i];
    EXPECT_EQ(std::count(plain[i].begin(), plain[i].end(), ','), 11) << plain[i];
  }
}

TEST(SeriesCsv, EveryNthPointKeepsTheFirstAndTheLast) {
  RunSeries s = QuickRun().series;
  const int n = s.nReihe;
  for (int every : {1, 7, 10, n, n + 5}) {
    SCOPED_TRACE(every);
    const std::vector<std::string> lines = Lines(SeriesCsv(s, CsvDialect::Plain, every));
    const int expected = (n % every == 0 ? n / every + 1 : n / every + 2);
    ASSERT_EQ(static_cast<int>(lines.size()) - 2, std::min(expected, n + 1));
    EXPECT_EQ(lines[2].rfind("0,", 0), 0u);
    EXPECT_EQ(lines.back().rfind(CsvNumber(s.tReihe[n], CsvDialect::Plain) + ",", 0), 0u);
    if (lines.size() > 4) {
      EXPECT_EQ(lines[3].rfind(CsvNumber(s.tReihe[every], CsvDialect::Plain) + ",", 0), 0u);
    }
  }
  // A run that stored one point gives one row.
  s.nReihe = 0;
  EXPECT_EQ(Lines(SeriesCsv(s, CsvDialect::Plain, 10)).size(), 3u);
}

TEST(SeriesCsv, ASinkThatFailsStopsTheTable) {
  int calls = 0;
  EXPECT_FALSE(WriteSeriesCsv(QuickRun().series, CsvDialect::Plain, 1, [&](std::string_view) {
    ++calls;
    return false;
  }));
  EXPECT_EQ(calls, 1);
}

TEST(ResultsCsv, OneRowPerResultWithNameShownValueUnitShownTextAndExactValue) {
  const RunRecord& r = QuickRun();
  const std::vector<std::string> lines = Lines(ResultsCsv(r, CsvDialect::German));
  const std::vector<ResultDescriptor>& d = ResultDescriptors();
  ASSERT_EQ(lines.size(), d.size() + 2);
  EXPECT_EQ(lines[0], "\xEF\xBB\xBF" "Ergebnis;Wert;Einheit;Anzeige im Fenster;Wert mit allen Stellen;Schlüssel");
  EXPECT_EQ(lines[1], "name;value;unit;shown;exact;key");
  const auto row = [&](const std::string& key) {
    for (std::size_t i = 0; i < d.size(); ++i) {
      if (key == d[i].key) return lines[i + 2];
    }
    return std::string();
  };
  // A duration: the whole seconds its h:mm:ss shows, every digit beside them.
  const std::string& dauer = r.controls.at("txt_Dauer1TA").text;
  int h = 0, m = 0, sec = 0;
  ASSERT_EQ(std::sscanf(dauer.c_str(), " %d:%d:%d", &h, &m, &sec), 3) << dauer;
  EXPECT_EQ(row("Dauer1TA"), "Dauer des 1. Trocknungsabschnitts;" + std::to_string(3600 * h + 60 * m + sec) + ";s;" +
                                 dauer + ";" + CsvNumber(r.results.Dauer1TA, CsvDialect::German) + ";Dauer1TA");
  // The two rows the window captions alike are told apart by what they follow.
  EXPECT_EQ(row("XGegen").rfind("Wasserbeladung nach der Gegenstromtrocknung;", 0), 0u) << row("XGegen");
  EXPECT_EQ(row("X1TA").rfind("Wasserbeladung nach dem 1. TA;" + Format(r.results.X1TA, "#0.0000") + ";", 0), 0u);
  EXPECT_EQ(row("XEnde").rfind("Restfeuchte des Rechenprofils;", 0), 0u);

  // In the plain dialect a decimal point; a shown text with a decimal comma is quoted.
  const std::vector<std::string> plain = Lines(ResultsCsv(r, CsvDialect::Plain));
  std::string shown = Format(r.derived.XSchwEnde, "#0.000");
  shown[shown.find(',')] = '.';
  EXPECT_EQ(plain[2], "Wasserbeladung Schwind.-Ende," + shown + ",kg/kg,\"" + r.controls.at("txt_XSchwEnde").text +
                          "\"," + CsvNumber(r.derived.XSchwEnde, CsvDialect::Plain) + ",XSchwEnde");
}

TEST(ResultsCsv, AStoppedRunLeavesTheUnreachedValuesEmpty) {
  RunRecord stopped = QuickRun();
  stopped.outcome = RunOutcome::Stopped;
  stopped.controls["txt_spezEnergie"].visible = false;
  const std::string csv = ResultsCsv(stopped, CsvDialect::Plain);
  EXPECT_NE(csv.find("\nmittl. spez. Energiebedarf,,kJ/kg,,,spezEnergie\n"), std::string::npos) << csv;
}

// The window writes 100 · 0.1876 as 18,76; a table that wrote the double's
// every digit showed 18,759999999999998. Each value a reader sees is written
// as the window shows it, the exact one only in its own column.
TEST(ResultsCsv, ValuesAreWrittenAsTheWindowShowsThemNotWithFloatNoise) {
  RunRecord r = QuickRun();
  r.derived.offPoren = 0.1876;
  ASSERT_EQ(CsvNumber(100 * r.derived.offPoren, CsvDialect::German), "18,759999999999998");
  const std::string csv = ResultsCsv(r, CsvDialect::German);
  EXPECT_NE(csv.find("\noffene Porosität im trock. Zustand;18,8;Vol.-%;"), std::string::npos) << csv;
  EXPECT_NE(csv.find(";18,759999999999998;offPoren\n"), std::string::npos);
  // A result no window row writes: six significant digits.
  r.derived.XAbluft = 0.1 + 0.2;
  EXPECT_NE(ResultsCsv(r, CsvDialect::Plain).find("\nWasserbeladung der Abluft,0.3,kg/kg,,0.30000000000000004,XAbluft\n"),
            std::string::npos);
  // No value cell of either dialect holds the digits of a double's noise
  // (15 to 17 significant ones); the window shows six or fewer.
  for (CsvDialect dialect : {CsvDialect::Plain, CsvDialect::German}) {
    const char separator = CsvSeparator(dialect);
    const std::vector<std::string> lines = Lines(ResultsCsv(QuickRun(), dialect));
    for (std::size_t i = 2; i < lines.size(); ++i) {
      const std::size_t from = lines[i].find(separator) + 1;
      const std::string value = lines[i].substr(from, lines[i].find(separator, from) - from);
      const std::size_t first = value.find_first_of("123456789");
      int significant = 0;
      for (std::size_t k = first; k < value.size(); ++k) significant += std::isdigit(static_cast<unsigned char>(value[k])) != 0;
      EXPECT_LE(significant, 7) << lines[i];
    }
  }
}

}  // namespace
}  // namespace lamvero
