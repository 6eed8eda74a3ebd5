#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "run/recordfields.h"
#include "run/resultdescriptors.h"
#include "text/trim.h"

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

// Unique to this process: test runs of other builds may share the temporary folder.
std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "lamvero_batch_" + std::to_string(getpid()) + "_" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" + name;
}

// env: variable assignments for the child, e.g. "QT_QPA_PLATFORM=none";
// stdoutTo: where stdout goes instead of the captured file (">/dev/full", ">&-").
Result RunBatch(const std::string& args, const std::string& env = "", const std::string& stdoutTo = "") {
  const std::string out = TempPath("stdout"), err = TempPath("stderr");
  std::remove(out.c_str());
  const std::string command = env + " " + std::string(LAMVERO_BATCH) + " " + args + " " +
                              (stdoutTo.empty() ? ">" + out : stdoutTo) + " 2>" + err;
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

// A carriage return from a CRLF list (or a tab, another control character) in
// an input: refused naming the box and the character, and nothing is saved
// that could not be opened again. An echoed argument shows them escaped.
TEST(Batch, ControlCharactersInInputsAreRefusedAndShownEscaped) {
  const std::string saved = TempPath("x.lamvero");
  for (const char* text : {"3\\r", "3\\t", "3\\001"}) {
    std::remove(saved.c_str());
    const Result r = RunBatch(kQuick + " txt_Dicke=\"$(printf '" + std::string(text) + "')\" --save " + saved);
    EXPECT_EQ(r.status, 2) << text << ": " << r.err;
    EXPECT_NE(r.err.find("„Anfangsdicke der Platte in mm“"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Steuerzeichen"), std::string::npos) << r.err;
    EXPECT_FALSE(std::ifstream(saved).good()) << text << ": nothing may be saved";
  }
  const Result cr = RunBatch("txt_Dicke=\"$(printf '3\\r')\"");
  EXPECT_NE(cr.err.find("„3\\r“ enthält das Steuerzeichen \\r"), std::string::npos) << cr.err;

  const Result unknown = RunBatch("\"$(printf 'txt_Dicke\\t=3\\033[2J')\"");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("\"txt_Dicke\\t=3U+001B[2J\""), std::string::npos) << unknown.err;
  EXPECT_EQ(unknown.err.find_first_of("\t\x1b"), std::string::npos) << unknown.err;
}

// The number tokens of a JSON text that are not integers: a value after ':'
// (or inside an array) made of the characters of a number.
std::vector<std::string> RealTokens(const std::string& json) {
  std::vector<std::string> tokens;
  bool inString = false;
  for (std::size_t i = 0; i < json.size(); ++i) {
    const char c = json[i];
    if (inString) {
      if (c == '\\') ++i;
      if (c == '"') inString = false;
      continue;
    }
    if (c == '"') {
      inString = true;
      continue;
    }
    if (c != '-' && (c < '0' || c > '9')) continue;
    const std::size_t end = json.find_first_not_of("0123456789.eE+-", i);
    const std::string t = json.substr(i, end - i);
    if (t.find_first_of(".eE") != std::string::npos) tokens.push_back(t);
    i = end - 1;
  }
  return tokens;
}

TEST(Batch, JsonHasFieldsAndScalarsWithSeventeenDigitNumbers) {
  const Result r = RunBatch("--json " + kQuick);
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);

  std::set<std::string> top;
  for (const auto& item : j.items()) top.insert(item.key());
  EXPECT_EQ(top, (std::set<std::string>{"outcome", "messages", "fields", "scalars", "inputs", "warnings", "results"}));
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

TEST(Batch, SeriesFileHoldsEveryStoredPointWithUnitsInTheHeader) {
  const std::string csv = TempPath("series.csv");
  const Result r = RunBatch("--json --series " + csv + " " + kQuick);
  ASSERT_EQ(r.status, 0) << r.err;
  const int nReihe = nlohmann::json::parse(r.out)["scalars"]["nReihe"];
  const std::vector<std::string> lines = Lines(Slurp(csv));
  ASSERT_EQ(static_cast<int>(lines.size()), nReihe + 3);  // two header lines + points 0..nReihe
  EXPECT_EQ(lines[0],
            "Zeit in s,mittlere Wasserbeladung in kg/kg,Wasserbeladung an der Oberfläche in kg/kg,"
            "Wasserbeladung im Kern in kg/kg,lineare Schwindung an der Oberfläche in %,"
            "lineare Schwindung im Kern in %,Lufttemperatur in °C,Oberflächentemperatur in °C,Kerntemperatur in °C,"
            "Verdunstungsrate in kg/(m² h),Tiefe des Trocknungsspiegels in m,Wasserbeladung der Luft in kg/kg");
  // The same header as every table: the series' captions with their units, then their keys.
  std::string captions, keys;
  for (const lamvero::SeriesColumn& c : lamvero::SeriesColumns()) {
    captions += (captions.empty() ? "" : ",") + std::string(c.caption) + " in " + c.unit;
    keys += (keys.empty() ? "" : ",") + std::string(c.name);
  }
  EXPECT_EQ(lines[0], captions);
  EXPECT_EQ(lines[1], keys);
  EXPECT_EQ(lines[2].rfind("0,0.25,0.25,0.25,0,0,", 0), 0u) << lines[2];  // time 0, the whole plate at XAnf
  // After the evaluation the mean moisture ends at exactly 0.
  const std::string& lastRow = lines.back();
  const std::size_t c1 = lastRow.find(','), c2 = lastRow.find(',', c1 + 1);
  EXPECT_EQ(lastRow.substr(c1 + 1, c2 - c1 - 1), "0") << lastRow;
  for (const std::string& line : lines) {
    ASSERT_EQ(std::count(line.begin(), line.end(), ','), 11) << line;
  }
}

TEST(Batch, SeriesGoToStdoutInTheGermanDialectWithEveryNthPoint) {
  const Result all = RunBatch("--series - " + kQuick);
  ASSERT_EQ(all.status, 0) << all.err;
  const std::vector<std::string> allLines = Lines(all.out);  // the table alone, no result rows
  EXPECT_EQ(allLines[0].rfind("Zeit in s,", 0), 0u) << allLines[0];

  const Result some = RunBatch("--series - --csv-dialect de --every 100 " + kQuick);
  ASSERT_EQ(some.status, 0) << some.err;
  const std::vector<std::string> lines = Lines(some.out);
  EXPECT_EQ(lines[0].rfind("\xEF\xBB\xBFZeit in s;mittlere Wasserbeladung in kg/kg;", 0), 0u) << lines[0];
  EXPECT_EQ(lines[2].rfind("0;0,25;0,25;0,25;", 0), 0u) << lines[2];
  const std::size_t points = allLines.size() - 2;
  EXPECT_EQ(lines.size() - 2, (points - 1 + 99) / 100 + 1);  // every 100th and the last
  EXPECT_EQ(lines.back().substr(0, lines.back().find(';')), allLines.back().substr(0, allLines.back().find(',')));

  // Options that would do nothing, or mix two outputs on stdout, are usage errors.
  for (const char* args : {"--series - --json", "--csv-dialect de", "--every 3", "--with-series",
                                  "--series x.csv --csv-dialect fr"}) {
    SCOPED_TRACE(args);
    const Result r = RunBatch(std::string(args) + " " + kQuick);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
}

TEST(Batch, SavedCaseRunsAgainToTheSameJsonAndTakesOverrides) {
  const std::string file = TempPath("case.lamvero");
  const Result saved = RunBatch("--json --save " + file + " --with-series " + kQuick + " txt_Lufttemp=36,0");
  ASSERT_EQ(saved.status, 0) << saved.err;
  const nlohmann::json j = nlohmann::json::parse(Slurp(file));
  EXPECT_EQ(j["inputs"]["txt_Lufttemp"], "36,0");  // as typed
  EXPECT_EQ(j["run"]["outcome"], "Completed");
  EXPECT_EQ(j["run"]["nReihe"], nlohmann::json::parse(saved.out)["scalars"]["nReihe"]);
  EXPECT_EQ(j["series"]["tReihe"].size(), j["run"]["nReihe"].get<std::size_t>() + 1);

  // The file's inputs run to the very same output.
  const Result again = RunBatch("--json --inputs " + file);
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.out, saved.out);
  // Command-line inputs apply on top of the file's, and the file can take the new run, keeping its measured curve.
  nlohmann::json measured = nlohmann::json::parse(Slurp(file));
  measured["measured"] = {{"source", "versuch.csv"}, {"time", {0, 60, 120, 180, 240}}, {"moisture", {0.2, 0.19, 0.18, 0.17, 0.16}}};
  std::ofstream(file) << measured.dump();
  const Result changed = RunBatch("--json --inputs " + file + " --save " + file + " txt_Lufttemp=40");
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_NE(changed.out, saved.out);
  const nlohmann::json k = nlohmann::json::parse(Slurp(file));
  EXPECT_EQ(k["inputs"]["txt_Lufttemp"], "40");
  EXPECT_EQ(k["inputs"]["txt_Dicke"], "4");
  EXPECT_EQ(k.count("series"), 0u);  // only with --with-series
  EXPECT_EQ(k["measured"], measured["measured"]);
}

TEST(Batch, BadCaseFilesAreUsageErrorsNamingFileAndProblem) {
  // The window's words: no parser's byte offset, an input by its caption.
  struct File {
    std::string name, content, says;
  };
  const std::vector<File> files = {
      {"leer", "", "Die Datei ist leer."},
      {"kein", "kein JSON", "Die Datei ist keine Lamvero-Falldatei."},
      {"fremd", R"({"name": "Projekt", "version": 1})", "Die Datei ist keine Lamvero-Falldatei"},
      {"kaputt", "{\"format\": \"lamvero-case\",\n \"version\": 1,,", "Zeile 2, Spalte 15: kein gültiges JSON."},
      {"neuer", R"({"format": "lamvero-case", "version": 9, "inputs": {}})", "neueren Programmversion"},
      {"falsch", R"({"format": "lamvero-case", "version": 1, "inputs": {"txt_Dicke": 4}})",
       "Das Feld „" + lamvero::WithoutTrailingBlanks(lamvero::FieldOf(lamvero::Input::Dicke).caption) + "“ ist kein Text."},
  };
  for (const File& f : files) {
    SCOPED_TRACE(f.name);
    const std::string path = TempPath(f.name + ".lamvero");
    std::ofstream(path) << f.content;
    const Result r = RunBatch("--inputs " + path);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_NE(r.err.find(f.name + ".lamvero"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(f.says), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Byte"), std::string::npos) << r.err;
  }
  const Result missing = RunBatch("--inputs " + TempPath("fehlt.lamvero"));
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("gibt sie nicht"), std::string::npos) << missing.err;
}

TEST(Batch, OutputPathsAreCheckedBeforeTheRun) {
  // A run far too long to wait for: the check must refuse before it starts.
  const std::string slow = "txt_Dicke=40 txt_deltaT=0,05";
  const Result noFolder = RunBatch("--save " + TempPath("fehlt/x.lamvero") + " " + slow);
  EXPECT_EQ(noFolder.status, 1);
  EXPECT_TRUE(noFolder.out.empty()) << noFolder.out;
  EXPECT_NE(noFolder.err.find("--save"), std::string::npos) << noFolder.err;

  const Result folder = RunBatch("--series " + ::testing::TempDir() + " " + slow);
  EXPECT_EQ(folder.status, 1);
  EXPECT_NE(folder.err.find("Ordner"), std::string::npos) << folder.err;

  const Result twice = RunBatch("--series " + TempPath("a") + " --png " + TempPath("a") + " " + slow);
  EXPECT_EQ(twice.status, 2);
  EXPECT_NE(twice.err.find("--png und --series"), std::string::npos) << twice.err;

  const Result empty = RunBatch("--save '' " + slow);
  EXPECT_EQ(empty.status, 2);
  EXPECT_NE(empty.err.find("leer"), std::string::npos) << empty.err;
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

TEST(Batch, ReportIsAPdfOfFivePagesAndAnUnwritablePathIsRefusedBeforeTheRun) {
  const std::string pdf = TempPath("bericht.pdf");
  std::remove(pdf.c_str());
  const Result r = RunBatch("--report " + pdf + " " + kQuick);
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string bytes = Slurp(pdf);
  ASSERT_GE(bytes.size(), 1000u);
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  EXPECT_NE(bytes.find("/Count 5"), std::string::npos);  // the run on two pages, its charts on three
  // Writing the report changes nothing of what the run shows.
  EXPECT_EQ(r.out, RunBatch(kQuick).out);

  // A missing folder and a folder in place of the file are found before the
  // run: nothing is printed, no run is made (the series file stays unwritten).
  const std::string series = TempPath("series.csv");
  for (const std::string& bad : {TempPath("fehlt") + "/bericht.pdf", ::testing::TempDir()}) {
    std::remove(series.c_str());
    const Result refused = RunBatch("--series " + series + " --report " + bad + " " + kQuick);
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.out.empty()) << refused.out;
    EXPECT_NE(refused.err.find(bad), std::string::npos) << refused.err;
    EXPECT_TRUE(Slurp(series).empty());
  }
  // A PDF does not go to stdout.
  const Result toStdout = RunBatch("--report - " + kQuick);
  EXPECT_EQ(toStdout.status, 2);
  EXPECT_TRUE(toStdout.out.empty());
}

TEST(Batch, ReportOfACaseFileGivesItsProjectDataInItsHead) {
  const std::string file = TempPath("projekt.lamvero"), pdf = TempPath("projekt.pdf");
  ASSERT_EQ(RunBatch("--save " + file + " " + kQuick).status, 0);
  nlohmann::json j = nlohmann::json::parse(Slurp(file));
  j["title"] = "Platte Süd";
  j["customer"] = "Ziegelei Nord";
  j["author"] = "A. Prüfer";
  j["comment"] = "Zeile A\nZeile B";
  std::ofstream(file, std::ios::binary) << j.dump(2);
  const Result r = RunBatch("--inputs " + file + " --report " + pdf);
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string txt = TempPath("projekt.txt");
  ASSERT_EQ(std::system(("pdftotext -l 1 " + pdf + " " + txt).c_str()), 0);
  const std::string head = Slurp(txt);
  for (const char* expected : {"Bericht: Platte Süd", "Kunde: Ziegelei Nord", "Bearbeiter: A. Prüfer",
                               "Bemerkung:\nZeile A\nZeile B\n"}) {
    EXPECT_NE(head.find(expected), std::string::npos) << expected << "\n" << head;
  }
}

TEST(Batch, RunThatFillsTheSeriesExitsThree) {
  // 4 mm plate in 1 ms steps: far more than 500000 steps.
  const Result r = RunBatch("--json txt_Dicke=4 txt_Ortsschrittweite=0,2 txt_deltaT=0,001 txt_rund=100000");
  EXPECT_EQ(r.status, 3);
  // Warned before the run, which runs anyway.
  EXPECT_NE(r.err.find("Warnung: Die Zeitreihen fassen höchstens 500000 Zeitschritte; diese Rechnung braucht "
                       "voraussichtlich etwa "),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("Zeitreihen voll"), std::string::npos) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["outcome"], "SeriesFull");
  EXPECT_EQ(j["scalars"]["nReihe"], 500000);
}

// A refused input is still one JSON object, each problem with its fields, the
// texts that were used and the warnings.
TEST(Batch, RefusedInputIsOneJsonObjectWithEachProblemsFields) {
  const Result r = RunBatch("--json " + kQuick + " txt_Dicke=6 txt_XAnf=abc txt_AbluftFeuchte=100 txt_Waermeuebergang=500");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("„abc“ ist keine Zahl"), std::string::npos) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["outcome"], "Refused");
  ASSERT_EQ(j["problems"].size(), 2u) << r.out;
  EXPECT_EQ(j["problems"][0]["fields"], nlohmann::json::array({"txt_XAnf"}));
  EXPECT_EQ(j["problems"][1]["fields"], nlohmann::json::array({"txt_AbluftFeuchte"}));
  EXPECT_EQ(j["messages"].size(), 2u);
  EXPECT_EQ(j["inputs"]["txt_XAnf"], "abc");
  EXPECT_EQ(j["inputs"]["txt_Dicke"], "6");
  EXPECT_EQ(j["inputs"]["txt_lambda"], "1,0");  // defaults are echoed too
  ASSERT_EQ(j["warnings"].size(), 2u);  // also saturated exhaust: outside its usual range, besides refused
  EXPECT_EQ(j["warnings"][0]["field"], "txt_Waermeuebergang");
  EXPECT_EQ(j["warnings"][1]["field"], "txt_AbluftFeuchte");
}

// An unusual value is computed, with a warning on stderr and in the JSON;
// every result is a number (or null) with its unit.
TEST(Batch, WarningsGoAheadAndResultsCarryTheirUnits) {
  const Result r = RunBatch("--json " + kQuick + " txt_Dicke=6 txt_Waermeuebergang=200");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("Warnung: „effekt. Wärmeübergangskoeff. in W/(m² K)“: 200 W/(m² K) liegt außerhalb"),
            std::string::npos)
      << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);
  ASSERT_EQ(j["warnings"].size(), 1u);
  EXPECT_EQ(j["warnings"][0]["value"], 200);
  EXPECT_EQ(j["warnings"][0]["usualMax"], 150);
  for (const auto& [name, q] : j["results"].items()) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(q["value"].is_number() || q["value"].is_null()) << q;
    EXPECT_TRUE(q["unit"].is_string());
  }
  // The window shows the gradient in % per mm, the run state holds 1/m.
  EXPECT_EQ(j["results"]["schwindgrad"]["unit"], "% pro mm");
  EXPECT_DOUBLE_EQ(j["results"]["schwindgrad"]["value"].get<double>(), 0.1 * j["scalars"]["schwindgrad"].get<double>());
  EXPECT_EQ(j["results"]["Zeit"]["value"], j["scalars"]["Zeit"]);
  EXPECT_TRUE(j["results"]["WasserfehlerProzent"]["value"].is_number());
}

// The JSON lists every result of the descriptor table, in its order, with
// its unit and box; every scalar is a field of the record's results or one
// of the counts.
TEST(Batch, JsonResultsAreTheWholeDescriptorTable) {
  const Result r = RunBatch("--json " + kQuick);
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::ordered_json j = nlohmann::ordered_json::parse(r.out);
  std::vector<std::string> keys;
  for (const auto& [key, q] : j["results"].items()) keys.push_back(key);
  ASSERT_EQ(keys.size(), lamvero::ResultDescriptors().size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const lamvero::ResultDescriptor& d = lamvero::ResultDescriptors()[i];
    EXPECT_EQ(keys[i], d.key);
    EXPECT_EQ(j["results"][d.key]["unit"], d.unit) << d.key;
    EXPECT_EQ(j["results"][d.key]["box"], d.box) << d.key;
  }
  const std::set<std::string> counts{"nReihe", "nReihe1TA", "nGlatt", "nIter", "profileCurves"};
  for (const auto& [name, value] : j["scalars"].items()) {
    EXPECT_TRUE(counts.count(name) || lamvero::FindResultField(name)) << name;
  }
}

TEST(Batch, VersionHelpAndMisspeltFieldNames) {
  const Result version = RunBatch("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("lamvero-batch ", 0), 0u) << version.out;

  const Result help = RunBatch("--help");
  EXPECT_EQ(help.status, 0);
  for (const char* text : {"txt_Dicke", "Anfangsdicke der Platte in mm", "Vorgabe: 20,0", "txt_KappaSteig",
                           "Kappa-Steigung unter Grenzfeuchte", "Einheit: W/(m² K)", "üblich: 5 bis 150 W/(m² K)"}) {
    EXPECT_NE(help.out.find(text), std::string::npos) << text;
  }
  // The frame of the help is German too: no word of the library's own.
  EXPECT_EQ(help.out.rfind("Aufruf: lamvero-batch [OPTIONEN]"), help.out.find("Aufruf: ")) << help.out;
  for (const char* english : {"Usage:", "OPTIONS", "Options:", "Positionals:", "UINT", "REQUIRED"}) {
    EXPECT_EQ(help.out.find(english), std::string::npos) << english;
  }
  for (const char* typo : {"txt_Dike=3", "txt_dicke=3", "Dicke=3"}) {
    const Result r = RunBatch(typo);
    EXPECT_EQ(r.status, 2) << typo;
    EXPECT_NE(r.err.find("gemeint ist wohl txt_Dicke"), std::string::npos) << typo << ": " << r.err;
  }
  EXPECT_EQ(RunBatch("txt_Gibtsnicht=3").err.find("gemeint ist wohl"), std::string::npos);
}

// A result that cannot be written is an error, never a silent success; a
// stopped run keeps its status and stderr names both.
TEST(Batch, LostOutputIsAnError) {
  const Result full = RunBatch("--json " + kQuick, "", ">/dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("stdout"), std::string::npos) << full.err;

  EXPECT_EQ(RunBatch("--help", "", ">/dev/full").status, 1);

  const Result closed = RunBatch(kQuick, "", ">&-");
  EXPECT_EQ(closed.status, 1);
  EXPECT_NE(closed.err.find("stdout"), std::string::npos) << closed.err;

  // A closed stdout must not hand its number to the series file.
  const std::string csv = TempPath("series.csv");
  const Result closedWithFile = RunBatch("--series " + csv + " " + kQuick, "", ">&-");
  EXPECT_EQ(closedWithFile.status, 1);
  EXPECT_EQ(Slurp(csv).rfind("Zeit in s,", 0), 0u);

  const Result stoppedAndLost =
      RunBatch("--json txt_Dicke=4 txt_Ortsschrittweite=0,2 txt_deltaT=0,001 txt_rund=100000", "", ">/dev/full");
  EXPECT_EQ(stoppedAndLost.status, 3);
  EXPECT_NE(stoppedAndLost.err.find("Zeitreihen voll"), std::string::npos) << stoppedAndLost.err;
  EXPECT_NE(stoppedAndLost.err.find("stdout"), std::string::npos) << stoppedAndLost.err;

  // A device is not a file to save into: saving would replace it.
  const Result device = RunBatch("--series /dev/full " + kQuick);
  EXPECT_EQ(device.status, 1);
  EXPECT_TRUE(device.out.empty()) << "refused before the run";
  EXPECT_NE(device.err.find("keine gewöhnliche Datei"), std::string::npos) << device.err;
}

}  // namespace
