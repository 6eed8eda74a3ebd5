// Studies in the runner: the shapes of the CSV and JSON Lines output, the same
// rows for any number of workers, shards merged back byte for byte, case
// tables, refinement, and what is refused.

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "runbatch.h"

namespace lamvero::testing {
namespace {

// Quick cases (see tests/common/quickinputs.h).
const std::string kQuick = "txt_Dicke=4 txt_Ortsschrittweite=0,2 txt_deltaT=2 txt_rund=100";
// Six cases, the plate of 0 mm in the middle refused.
const std::string kGrid = kQuick + " --vary 'txt_Dicke=6;0;4' --vary 'txt_Lufttemp=35;45'";

std::vector<std::string> Cells(const std::string& line, char separator) {
  std::vector<std::string> cells;
  std::string cell;
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (c == separator && !quoted) {
      cells.push_back(cell);
      cell.clear();
    } else {
      cell += c;
    }
  }
  cells.push_back(cell);
  return cells;
}

TEST(Study, CsvHasOneRowPerCaseInCaseOrderAndARefusedCaseWithItsMessage) {
  const BatchResult r = RunBatch(kGrid + " -j 2");
  EXPECT_EQ(r.status, 3) << r.err;  // a case did not complete
  EXPECT_NE(r.err.find("2 von 6"), std::string::npos) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 8u) << r.out;
  // What a reader sees, then the machine names.
  EXPECT_EQ(lines[0],
            "Fall,Anfangsdicke der Platte in mm,Ablufttemperatur in °C,Ergebnis,"
            "Dauer des 1. Trocknungsabschnitts in h,Dauer der Gegenstromtrocknung in h,Trocknungsdauer in h,"
            "Wasserbeladung nach dem 1. TA in kg/kg,Wasserbeladung nach der Gegenstromtrocknung in kg/kg,"
            "Restfeuchte des Rechenprofils in kg/kg,Temperatur der Trocknerzuluft in °C,"
            "mittl. spez. Energiebedarf in kJ/kg,mittl. Energie / Verdampfungsenthalpie,relativer Wasserfehler in %,"
            "größte Verdunstungsrate in kg/(m² h),größte Schwindungsdifferenz Oberfläche – Kern in %,"
            "größter Schwindungsgradient in % pro mm,Meldungen");
  EXPECT_EQ(lines[1],
            "case,txt_Dicke,txt_Lufttemp,outcome,Dauer1TA,DauerGegenstrom,Zeit,X1TA,XGegen,XEnde,ThetaZuluft,"
            "spezEnergie,relEnergie,WasserfehlerProzent,WasserdampfMax,schwinddiff,schwindgrad,messages");
  const char* expected[6][3] = {{"1", "6", "35"}, {"2", "6", "45"}, {"3", "0", "35"},
                                {"4", "0", "45"}, {"5", "4", "35"}, {"6", "4", "45"}};
  for (std::size_t i = 0; i < 6; ++i) {
    const std::vector<std::string> cells = Cells(lines[i + 2], ',');
    ASSERT_EQ(cells.size(), 18u) << lines[i + 2];
    EXPECT_EQ(cells[0], expected[i][0]);
    EXPECT_EQ(cells[1], expected[i][1]);
    EXPECT_EQ(cells[2], expected[i][2]);
    const bool refused = i == 2 || i == 3;
    EXPECT_EQ(cells[3], refused ? "Refused" : "Completed");
    EXPECT_EQ(cells[4].empty(), refused) << lines[i + 2];
    EXPECT_EQ(cells[17].find("Anfangsdicke") != std::string::npos, refused) << lines[i + 2];
  }
}

TEST(Study, RowsAreTheSameBytesForAnyNumberOfWorkersAndMatchASingleRun) {
  const BatchResult one = RunBatch(kGrid + " -j 1 --format jsonl");
  const BatchResult four = RunBatch(kGrid + " -j 4 --format jsonl");
  ASSERT_EQ(one.status, 3) << one.err;
  EXPECT_EQ(one.out, four.out);
  // Case 6 gives the numbers of the single run of the same inputs.
  const nlohmann::json row = nlohmann::json::parse(Lines(one.out)[5]);
  const nlohmann::json single =
      nlohmann::json::parse(RunBatch("--json " + kQuick + " txt_Dicke=4 txt_Lufttemp=45").out)["scalars"];
  EXPECT_EQ(row["case"], 6);
  EXPECT_EQ(row["results"]["Zeit"]["value"].get<double>(), single["Zeit"].get<double>() / 3600);
  EXPECT_EQ(row["results"]["spezEnergie"]["value"].get<double>(), single["spezEnergie"].get<double>());
  EXPECT_EQ(row["results"]["WasserfehlerProzent"]["value"].get<double>(), single["WasserfehlerProzent"].get<double>());
}

TEST(Study, JsonLinesHoldInputsAsTextsResultsWithUnitsAndNullsForStagesNotReached) {
  const BatchResult r = RunBatch(kQuick + " --vary 'txt_ThetaGegenstromende=80;200' --vary 'txt_Dicke=0;4' --format jsonl");
  ASSERT_EQ(r.status, 3) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 4u);
  const nlohmann::json refused = nlohmann::json::parse(lines[0]);
  EXPECT_EQ(refused["outcome"], "Refused");
  EXPECT_TRUE(refused["results"]["Zeit"]["value"].is_null());
  EXPECT_FALSE(refused["messages"].empty());
  const nlohmann::json neverSwitches = nlohmann::json::parse(lines[3]);
  EXPECT_EQ(neverSwitches["inputs"], (nlohmann::json{{"txt_ThetaGegenstromende", "200"}, {"txt_Dicke", "4"}}));
  EXPECT_EQ(neverSwitches["outcome"], "Completed");
  EXPECT_TRUE(neverSwitches["results"]["DauerGegenstrom"]["value"].is_null());
  EXPECT_EQ(neverSwitches["results"]["DauerGegenstrom"]["unit"], "h");
  EXPECT_GT(neverSwitches["results"]["Zeit"]["value"].get<double>(), 0);
  EXPECT_EQ(neverSwitches["results"].size(), 13u);
  EXPECT_TRUE(neverSwitches["messages"].empty());
}

TEST(Study, GermanDialectWritesDecimalCommasAndSemicolons) {
  const BatchResult plain = RunBatch(kQuick + " --vary txt_XAnf=0,2:0,25:0,05");
  const BatchResult de = RunBatch(kQuick + " --vary txt_XAnf=0,2:0,25:0,05 --csv-dialect de");
  ASSERT_EQ(de.status, 0) << de.err;
  const std::vector<std::string> p = Lines(plain.out), d = Lines(de.out);
  ASSERT_EQ(d.size(), 4u);
  // A spreadsheet reads the umlauts and the degree sign after the byte-order mark; the plain file has none.
  EXPECT_EQ(d[0].rfind("\xEF\xBB\xBF" "Fall;Anfangswasserbeladung in kg/kg atro;Ergebnis;Dauer des 1. Trocknungsabschnitts in h;", 0),
            0u)
      << d[0];
  EXPECT_EQ(p[0].rfind("Fall,Anfangswasserbeladung in kg/kg atro,Ergebnis,", 0), 0u) << p[0];
  EXPECT_EQ(d[1].rfind("case;txt_XAnf;outcome;Dauer1TA;", 0), 0u) << d[1];
  EXPECT_EQ(Cells(d[2], ';')[1], "0,20");
  EXPECT_EQ(Cells(p[2], ',')[1], "0.20");
  // The same numbers, only the marks differ.
  std::string converted = p[3];
  std::replace(converted.begin(), converted.end(), ',', ';');
  std::replace(converted.begin(), converted.end(), '.', ',');
  EXPECT_EQ(d[3], converted);
}

TEST(Study, ThreeShardsMergedEqualTheUnshardedStudyByteForByte) {
  const std::string study = kQuick + " --vary 'txt_Dicke=6;0;4;5' --vary 'txt_Lufttemp=35;45' -j 2";
  for (const std::string format : {"csv", "csv --csv-dialect de", "jsonl"}) {
    SCOPED_TRACE(format);
    const BatchResult whole = RunBatch(study + " --format " + format);
    ASSERT_EQ(Lines(whole.out).size(), format.rfind("csv", 0) == 0 ? 10u : 8u);
    std::string parts;
    for (int k = 3; k >= 1; --k) {
      const std::string path = TestFile(std::to_string(k));
      const BatchResult shard = RunBatch(study + " --format " + format + " --shard " + std::to_string(k) + "/3");
      EXPECT_EQ(shard.status, k == 2 ? 0 : 3) << shard.err;  // the refused cases 3 and 4 fall to shards 3 and 1
      WriteFile(path, shard.out);
      parts += " " + path;
    }
    const BatchResult merged = RunBatch("--merge" + parts);
    // Two cases did not complete: the merge ends as the whole study does.
    EXPECT_EQ(merged.status, 3) << merged.err;
    EXPECT_EQ(merged.err, whole.err);
    EXPECT_EQ(merged.out, whole.out);
  }
}

TEST(Study, MergeRefusesAMissingOrRepeatedCase) {
  const std::string study = kQuick + " --vary 'txt_Dicke=6;4;5'";
  const std::string a = TestFile("a"), b = TestFile("b");
  WriteFile(a, RunBatch(study + " --shard 1/2").out);
  WriteFile(b, RunBatch(study + " --shard 2/2").out);
  EXPECT_EQ(RunBatch("--merge " + a + " " + b).status, 0);
  const BatchResult missing = RunBatch("--merge " + a);
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("Teil 2/2 fehlt (Fall 2)"), std::string::npos) << missing.err;
  const BatchResult twice = RunBatch("--merge " + a + " " + b + " " + b);
  EXPECT_EQ(twice.status, 2);
  EXPECT_NE(twice.err.find("Teil 2/2 kommt zweimal vor"), std::string::npos) << twice.err;
  const std::string de = TestFile("de");
  WriteFile(de, RunBatch(study + " --shard 2/2 --csv-dialect de").out);
  EXPECT_NE(RunBatch("--merge " + a + " " + de).err.find("CSV-Dialekt: de statt plain"), std::string::npos);
}

TEST(Study, CaseTableGivesOneCasePerRowInEitherDialect) {
  const std::string plain = TestFile("plain.csv"), de = TestFile("de.csv");
  WriteFile(plain, "\xEF\xBB\xBFtxt_Dicke,txt_XAnf\r\n6,\"0,2\"\r\n4,\r\n\r\n");
  WriteFile(de, "txt_Dicke;txt_XAnf\n6;0,2\n4;\n");
  const BatchResult a = RunBatch(kQuick + " txt_XAnf=0,3 --cases " + plain + " --vary 'txt_Lufttemp=35;45'");
  ASSERT_EQ(a.status, 0) << a.err;
  const std::vector<std::string> lines = Lines(a.out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1].rfind("case,txt_Dicke,txt_XAnf,txt_Lufttemp,outcome,", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2].rfind("1,6,0.2,35,Completed,", 0), 0u) << lines[2];
  EXPECT_EQ(lines[5].rfind("4,4,0.3,45,Completed,", 0), 0u) << lines[5];  // empty cell: the base value
  EXPECT_EQ(RunBatch(kQuick + " txt_XAnf=0,3 --cases " + de + " --vary 'txt_Lufttemp=35;45'").out, a.out);
}

TEST(Study, ACaseFileGivesTheBaseOfEveryCase) {
  const std::string saved = TestFile("base.lamvero");
  ASSERT_EQ(RunBatch("--save " + saved + " " + kQuick + " txt_XAnf=0,3").status, 0);
  const std::string vary = " --vary 'txt_Lufttemp=35;45' --format jsonl";
  const BatchResult fromFile = RunBatch("--inputs " + saved + vary);
  ASSERT_EQ(fromFile.status, 0) << fromFile.err;
  EXPECT_EQ(fromFile.out, RunBatch(kQuick + " txt_XAnf=0,3" + vary).out);
  EXPECT_NE(fromFile.out, RunBatch(kQuick + vary).out);
}

TEST(Study, CaseTableErrorsNameTheFileLineAndField) {
  const std::string path = TestFile("cases.csv");
  WriteFile(path, "txt_Dicke,txt_Dike\n3,4\n");
  BatchResult r = RunBatch("--cases " + path);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Zeile 1"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("txt_Dike"), std::string::npos) << r.err;
  EXPECT_TRUE(r.out.empty());
  WriteFile(path, "txt_Dicke,txt_XAnf\n3,0,2\n");
  r = RunBatch("--cases " + path);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Zeile 2: 3 Werte"), std::string::npos) << r.err;
  WriteFile(path, "txt_Dicke;txt_mue\n3;20\n4;zwanzig\n");
  r = RunBatch("--cases " + path);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Zeile 3: txt_mue = \"zwanzig\" ist keine Zahl"), std::string::npos) << r.err;
  WriteFile(path, "txt_Dicke\n");
  EXPECT_EQ(RunBatch("--cases " + path).status, 2);
  r = RunBatch("--cases " + TestFile("nowhere.csv"));
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("nicht gelesen"), std::string::npos) << r.err;
}

TEST(Study, RefineReportsEveryLevelAndItsChange) {
  const BatchResult r = RunBatch(kQuick + " --refine=2");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 5u);
  const std::vector<std::string> captions = Cells(lines[0], ','), header = Cells(lines[1], ',');
  ASSERT_EQ(header.size(), 31u);
  ASSERT_EQ(captions.size(), 31u);
  EXPECT_EQ(header[0], "level");
  EXPECT_EQ(captions[0], "Stufe");
  EXPECT_EQ(header[1], "txt_deltaT");
  EXPECT_EQ(header[2], "txt_Ortsschrittweite");
  EXPECT_EQ(header[17], "Δ Dauer1TA");
  EXPECT_EQ(captions[17], "Δ Dauer des 1. Trocknungsabschnitts in h");
  const std::vector<std::string> l0 = Cells(lines[2], ','), l1 = Cells(lines[3], ','), l2 = Cells(lines[4], ',');
  EXPECT_EQ(l0[1] + " " + l0[2] + " " + l1[1] + " " + l1[2] + " " + l2[1] + " " + l2[2], "2 0.2 1 0.1 0.5 0.05");
  EXPECT_TRUE(l0[17].empty());  // nothing to compare the first level with
  EXPECT_EQ(std::stod(l2[17]), std::stod(l2[4]) - std::stod(l1[4]));
  // Level 0 is the case itself: the same numbers as the unrefined study row.
  const std::vector<std::string> plainRow = Cells(Lines(RunBatch(kQuick + " --vary txt_deltaT=2").out)[2], ',');
  EXPECT_EQ(std::vector<std::string>(l0.begin() + 3, l0.begin() + 17),
            std::vector<std::string>(plainRow.begin() + 2, plainRow.begin() + 16));
  EXPECT_EQ(RunBatch(kQuick + " --refine=6").status, 2);  // beyond the limit

  const std::vector<std::string> json = Lines(RunBatch(kQuick + " --refine=1 --format jsonl").out);
  ASSERT_EQ(json.size(), 2u);
  const nlohmann::json j0 = nlohmann::json::parse(json[0]), j1 = nlohmann::json::parse(json[1]);
  EXPECT_EQ(j1["level"], 1);
  EXPECT_EQ(j1["inputs"], (nlohmann::json{{"txt_deltaT", "1"}, {"txt_Ortsschrittweite", "0,1"}}));
  EXPECT_TRUE(j0["results"]["Zeit"]["change"].is_null());
  EXPECT_EQ(j1["results"]["Zeit"]["change"].get<double>(),
            j1["results"]["Zeit"]["value"].get<double>() - j0["results"]["Zeit"]["value"].get<double>());
}

// The finest levels go beyond the 500 spatial steps and the 500000 stored
// points of a single run: 4 mm in 0,02 mm steps is 100 per half plate, 800 at
// level 3, and the 1 s step 1/8 s there.
TEST(Study, RefineRunsLevelsBeyondTheLimitsOfASingleRun) {
  const std::string plate = "txt_Dicke=4 txt_Ortsschrittweite=0,02 txt_deltaT=1 txt_rund=100";
  EXPECT_EQ(RunBatch(plate + " txt_Ortsschrittweite=0,0025").status, 2);  // a single run refuses level 3's grid
  const BatchResult r = RunBatch(plate + " --refine=3");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 6u);
  for (std::size_t level = 2; level <= 5; ++level) EXPECT_EQ(Cells(lines[level], ',')[3], "Completed") << level;
  EXPECT_EQ(Cells(lines[5], ',')[2], "0.0025");
}

TEST(Study, AnInputAfterAVariedFieldStaysAnInput) {
  const BatchResult r = RunBatch("--vary 'txt_Lufttemp=35;45' " + kQuick);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Lines(r.out)[1].rfind("case,txt_Lufttemp,outcome,", 0), 0u) << r.out;
}

TEST(Study, RefusesAmbiguousOrConflictingRequestsBeforeRunningAnything) {
  struct Case {
    std::string args, needle;
  };
  for (const Case& c : std::vector<Case>{
           {"--vary txt_Lufttemp=35,45", "mehrdeutig"},
           {"--vary txt_Dicke=10:40:0", "Schritt"},
           {"--vary 'txt_Dicke=1;2' --vary txt_Dicke=3", "mehr als einmal"},
           {"--vary 'txt_Dicke=1;2' --json", "--json"},
           {"--vary 'txt_Dicke=1;2' --report x.pdf", "--report"},
           {"--vary 'txt_Dicke=1;2' --refine", "--refine"},
           {"--vary 'txt_Dicke=1;2' --shard 4/3", "--shard"},
           {"--merge x --vary 'txt_Dicke=1;2'", "--merge"},
           {"-j 2", "--jobs"},
           {"--vary 'txt_Dicke=1;2' -j 0", "-j"},
       }) {
    SCOPED_TRACE(c.args);
    const BatchResult r = RunBatch(kQuick + " " + c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_NE(r.err.find(c.needle), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace lamvero::testing
