// Every table Lamvero writes for a reader outside a study speaks one
// vocabulary: a column is headed by the caption and unit its descriptor table
// gives (the series columns, the results, the results table's own columns),
// the second header line holds the machine names, and a file in the German
// dialect starts with a byte-order mark so that spreadsheets read its umlauts.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/quickinputs.h"
#include "files/csvexport.h"
#include "present/displayedrun.h"
#include "present/resultrows.h"
#include "run/resultdescriptors.h"
#include "ui/diagrams/diagramcharts.h"

namespace lamvero {
namespace {

const std::string kBom = "\xEF\xBB\xBF";

const RunRecord& QuickRun() {
  static const RunRecord r = [] {
    NullDisplay none;
    return RunCaseOnDisplay(testing::QuickInputs(), none);
  }();
  return r;
}

// One exported table: where it comes from, its text, and the diagram it is
// the data of (whose axis gives the unit of its first series).
struct Table {
  std::string what;
  std::string text;
  const ChartInfo* chart = nullptr;  // the diagram it is the data of
};

std::vector<Table> EveryTable(CsvDialect dialect) {
  const RunRecord& r = QuickRun();
  std::vector<Table> tables;
  std::string series;
  EXPECT_TRUE(WriteSeriesCsv(r.series, dialect, 50, [&](std::string_view piece) {
    series += piece;
    return true;
  }));
  tables.push_back({"series", series});
  tables.push_back({"results", ResultsCsv(r, dialect)});
  RunEntry entry;
  entry.label = QStringLiteral("Lauf 1");
  entry.record = std::make_shared<const RunRecord>(r);
  for (const ChartInfo& chart : Charts()) {
    tables.push_back({std::string("diagram ") + chart.name, ChartCsv(chart.kind, {&entry}, dialect, 50), &chart});
  }
  return tables;
}

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> cells;
  std::size_t from = 0;
  for (std::size_t at; (at = line.find(separator, from)) != std::string::npos; from = at + 1) {
    cells.push_back(line.substr(from, at - from));
  }
  cells.push_back(line.substr(from));
  return cells;
}

const SeriesColumn* SeriesNamed(const std::string& key) {
  for (const SeriesColumn& c : SeriesColumns()) {
    if (key == c.name) return &c;
  }
  return nullptr;
}

const ResultColumn* ResultColumnNamed(const std::string& key) {
  for (const ResultColumn& c : ResultColumns()) {
    if (key == c.key) return &c;
  }
  return nullptr;
}

// The header a column with that key must carry; empty for a key no table knows.
std::string ExpectedCaption(const std::string& key, const Table& table, bool first) {
  if (const SeriesColumn* c = SeriesNamed(key)) {
    // A diagram's horizontal axis in the chart's unit (hours), the rest in their own.
    const std::string unit = table.chart && first ? table.chart->xUnit : c->unit;
    return std::string(c->caption) + " in " + unit;
  }
  if (const ResultColumn* c = ResultColumnNamed(key)) return c->caption;
  if (key == "run") return "Lauf";
  if (table.chart && table.chart->kind == ChartKind::AirStates) {
    if (key == "state") return "Zustand";
    if (key == "X") return std::string("Wasserbeladung der Luft in ") + table.chart->xUnit;
    if (key == "theta") return std::string("Lufttemperatur in ") + table.chart->yUnit;
  }
  return "";
}

TEST(ExportedTables, EveryHeaderIsTheDescriptorTablesCaptionAndUnitOverItsKey) {
  for (CsvDialect dialect : {CsvDialect::Plain, CsvDialect::German}) {
    for (const Table& t : EveryTable(dialect)) {
      SCOPED_TRACE(t.what + (dialect == CsvDialect::German ? " (de)" : " (plain)"));
      // The mark only in the German dialect, and once.
      const bool marked = t.text.rfind(kBom, 0) == 0;
      EXPECT_EQ(marked, dialect == CsvDialect::German);
      EXPECT_EQ(t.text.find(kBom, 1), std::string::npos);
      const std::string text = marked ? t.text.substr(kBom.size()) : t.text;
      const std::size_t end1 = text.find('\n'), end2 = text.find('\n', end1 + 1);
      ASSERT_NE(end2, std::string::npos);
      const std::vector<std::string> captions = Split(text.substr(0, end1), CsvSeparator(dialect));
      const std::vector<std::string> keys = Split(text.substr(end1 + 1, end2 - end1 - 1), CsvSeparator(dialect));
      ASSERT_EQ(captions.size(), keys.size());
      ASSERT_GE(keys.size(), 3u);
      bool firstData = true;
      for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string expected = ExpectedCaption(keys[i], t, firstData && keys[i] != "run");
        EXPECT_FALSE(expected.empty()) << "unknown key " << keys[i];
        EXPECT_EQ(captions[i], expected) << keys[i];
        if (keys[i] != "run") firstData = false;
      }
    }
  }
  // The clipboard (no file, so no mark): the results table's own captions.
  const std::string copied = ResultRowsTsv(QuickRun());
  EXPECT_NE(copied.rfind(kBom, 0), 0u);
  for (const std::string& caption : Split(copied.substr(0, copied.find('\n')), '\t')) {
    bool known = false;
    for (const ResultColumn& c : ResultColumns()) known = known || caption == c.caption;
    EXPECT_TRUE(known) << caption;
  }
}

}  // namespace
}  // namespace lamvero
