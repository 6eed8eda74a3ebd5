// The series and results tables of a run in both spreadsheet dialects.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "files/csvexport.h"
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
  ASSERT_EQ(static_cast<int>(plain.size()), s.nReihe + 2);
  EXPECT_EQ(plain[0],
            "t in s,X mittel in kg/kg,X Oberfläche in kg/kg,X Kern in kg/kg,Schwindung Oberfläche in %,"
            "Schwindung Kern in %,θ Luft in °C,θ Oberfläche in °C,θ Kern in °C,Verdunstungsrate in kg/(m² h),"
            "Trocknungsspiegel in m,X Luft in kg/kg");
  // Row 0 is the initial state: surface and centre hold the initial moisture too.
  EXPECT_EQ(plain[1].rfind("0,0.25,0.25,0.25,0,0,35,", 0), 0u) << plain[1];
  EXPECT_EQ(plain.back().rfind(CsvNumber(s.tReihe[s.nReihe], CsvDialect::Plain) + ",0,", 0), 0u) << plain.back();

  const std::vector<std::string> german = Lines(SeriesCsv(s, CsvDialect::German, 1));
  ASSERT_EQ(german.size(), plain.size());
  EXPECT_EQ(german[0].rfind("\xEF\xBB\xBFt in s;X mittel in kg/kg;", 0), 0u) << german[0];
  EXPECT_EQ(german[0].find(','), std::string::npos);
  EXPECT_EQ(german[1].rfind("0;0,25;0,25;0,25;0;0;35;", 0), 0u) << german[1];
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
    ASSERT_EQ(static_cast<int>(lines.size()) - 1, std::min(expected, n + 1));
    EXPECT_EQ(lines[1].rfind("0,", 0), 0u);
    EXPECT_EQ(lines.back().rfind(CsvNumber(s.tReihe[n], CsvDialect::Plain) + ",", 0), 0u);
    if (lines.size() > 3) {
      EXPECT_EQ(lines[2].rfind(CsvNumber(s.tReihe[every], CsvDialect::Plain) + ",", 0), 0u);
    }
  }
  // A run that stored one point gives one row.
  s.nReihe = 0;
  EXPECT_EQ(Lines(SeriesCsv(s, CsvDialect::Plain, 10)).size(), 2u);
}

TEST(SeriesCsv, ASinkThatFailsStopsTheTable) {
  int calls = 0;
  EXPECT_FALSE(WriteSeriesCsv(QuickRun().series, CsvDialect::Plain, 1, [&](std::string_view) {
    ++calls;
    return false;
  }));
  EXPECT_EQ(calls, 1);
}

TEST(ResultsCsv, OneRowPerResultWithCaptionValueUnitAndShownText) {
  const RunRecord& r = QuickRun();
  const std::vector<std::string> lines = Lines(ResultsCsv(r, CsvDialect::German));
  const std::vector<ResultDescriptor>& d = ResultDescriptors();
  ASSERT_EQ(lines.size(), d.size() + 1);
  EXPECT_EQ(lines[0], "\xEF\xBB\xBF" "Ergebnis;Wert;Einheit;Anzeige im Fenster;Schlüssel");
  const auto row = [&](const std::string& key) {
    for (std::size_t i = 0; i < d.size(); ++i) {
      if (key == d[i].key) return lines[i + 1];
    }
    return std::string();
  };
  // The window row's caption, without the trailing blank of the label.
  EXPECT_EQ(row("Dauer1TA"), "Dauer des 1. TroAbschn. in hh : mm : ss;" +
                                 CsvNumber(r.results.Dauer1TA, CsvDialect::German) + ";s;" +
                                 r.controls.at("txt_Dauer1TA").text + ";Dauer1TA");
  EXPECT_EQ(row("schwinddiff").rfind("max. Differenz der lin. Schwindung in %;", 0), 0u);
  EXPECT_EQ(row("XEnde").rfind("Restfeuchte des Rechenprofils;", 0), 0u);

  // In the plain dialect a shown text with a decimal comma is quoted.
  const std::vector<std::string> plain = Lines(ResultsCsv(r, CsvDialect::Plain));
  EXPECT_EQ(plain[1], "Wasserbeladung Schwind.-Ende in kg/kg," + CsvNumber(r.derived.XSchwEnde, CsvDialect::Plain) +
                          ",kg/kg,\"" + r.controls.at("txt_XSchwEnde").text + "\",XSchwEnde");
}

TEST(ResultsCsv, AStoppedRunLeavesTheUnreachedValuesEmpty) {
  RunRecord stopped = QuickRun();
  stopped.outcome = RunOutcome::Stopped;
  stopped.controls["txt_spezEnergie"].visible = false;
  const std::string csv = ResultsCsv(stopped, CsvDialect::Plain);
  EXPECT_NE(csv.find("\nmittl. spez. Energiebedarf in kJ/kg H2O,,kJ/kg,,spezEnergie\n"), std::string::npos) << csv;
}

}  // namespace
}  // namespace lamvero
