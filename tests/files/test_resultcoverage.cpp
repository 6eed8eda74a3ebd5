// The files list every result and every series of the descriptor tables, in
// the tables' order: a writer that drops or reorders one fails here.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "files/casefile.h"
#include "files/csvexport.h"
#include "present/displayedrun.h"
#include "run/resultdescriptors.h"
#include "common/quickinputs.h"

namespace lamvero {
namespace {

using nlohmann::json;

const RunRecord& QuickRun() {
  static const RunRecord r = [] {
    NullDisplay none;
    return RunCaseOnDisplay(testing::QuickInputs(), none);
  }();
  return r;
}

std::vector<std::string> DescriptorKeys() {
  std::vector<std::string> keys;
  for (const ResultDescriptor& d : ResultDescriptors()) keys.push_back(d.key);
  return keys;
}

// The last cell of each line after the two header lines (the CSV's key column).
std::vector<std::string> LastCells(const std::string& csv, char separator) {
  std::vector<std::string> cells;
  std::istringstream in(csv);
  std::string line;
  std::getline(in, line);
  std::getline(in, line);
  while (std::getline(in, line)) cells.push_back(line.substr(line.rfind(separator) + 1));
  return cells;
}

TEST(ResultCoverage, CaseFileKeepsEveryResultWithItsUnitAndShownText) {
  CaseFile file;
  file.run = CaseRunOf(QuickRun(), "2026-12-08T04:45:13Z", "Lamvero 1.0.1");
  const json table = json::parse(CaseFileText(file, false))["run"]["results"];
  std::vector<std::string> keys;
  for (const json& row : table) keys.push_back(row["key"]);
  ASSERT_EQ(keys, DescriptorKeys());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ResultDescriptor& d = ResultDescriptors()[i];
    EXPECT_EQ(table[i]["unit"], d.unit) << d.key;
    // Every result the window shows in a box carries the text it showed.
    EXPECT_EQ(table[i].contains("text"), *d.box != '\0') << d.key;
  }
}

TEST(ResultCoverage, ResultsCsvHasOneRowPerResultInTableOrder) {
  EXPECT_EQ(LastCells(ResultsCsv(QuickRun(), CsvDialect::Plain), ','), DescriptorKeys());
  EXPECT_EQ(LastCells(ResultsCsv(QuickRun(), CsvDialect::German), ';'), DescriptorKeys());
}

TEST(ResultCoverage, EverySeriesIsAColumnOfTheCsvAndOfTheCaseFile) {
  std::string csv;
  ASSERT_TRUE(WriteSeriesCsv(QuickRun().series, CsvDialect::Plain, 1000, [&](std::string_view piece) {
    csv += piece;
    return true;
  }));
  std::string header, keys;
  for (const SeriesColumn& c : SeriesColumns()) {
    header += (header.empty() ? "" : ",") + SeriesCaption(c);
    keys += (keys.empty() ? "" : ",") + std::string(c.name);
  }
  EXPECT_EQ(csv.substr(0, csv.find('\n')), header);
  EXPECT_EQ(csv.substr(header.size() + 1, keys.size() + 1), keys + "\n");
  EXPECT_EQ(header.substr(0, 21), "Zeit in s,mittlere Wa");

  CaseFile file;
  file.run = CaseRunOf(QuickRun(), "2026-12-08T04:45:13Z", "Lamvero 1.0.1");
  const json series = json::parse(CaseFileText(file, true))["series"];
  ASSERT_EQ(series.size(), SeriesColumns().size());
  for (const SeriesColumn& c : SeriesColumns()) {
    ASSERT_TRUE(series.contains(c.name)) << c.name;
    EXPECT_EQ(series[c.name].size(), static_cast<std::size_t>(QuickRun().series.points())) << c.name;
  }
}

}  // namespace
}  // namespace lamvero
