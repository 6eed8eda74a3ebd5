// Case files: what a saved run reads back as, and how every kind of bad file
// is refused with a message naming the problem.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "files/casefile.h"
#include "files/measuredcsv.h"
#include "present/displayedrun.h"
#include "run/recordfields.h"
#include "run/resultdescriptors.h"
#include "common/quickinputs.h"

namespace lamvero {
namespace {

using nlohmann::json;
using testing::QuickInputs;

// Same value, NaN included.
bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

void ExpectSameRecord(const RunRecord& a, const RunRecord& b, bool withSeries) {
  EXPECT_EQ(a.outcome, b.outcome);
  EXPECT_EQ(a.airIntegration, b.airIntegration);
  EXPECT_EQ(a.messages, b.messages);
  for (const InputField& f : InputFields()) EXPECT_EQ(a.inputs[f.id], b.inputs[f.id]) << f.box;
  const InputValues& va = a.values;
  const InputValues& vb = b.values;
  EXPECT_EQ(0, std::memcmp(&va, &vb, sizeof va));  // all doubles, bit for bit
  EXPECT_EQ(a.derived.AnzOS, b.derived.AnzOS);
  for (const auto& f : DerivedFields()) EXPECT_TRUE(Same(a.derived.*f.member, b.derived.*f.member)) << f.name;
  EXPECT_EQ(a.results.nGlatt, b.results.nGlatt);
  EXPECT_EQ(a.results.nIter, b.results.nIter);
  for (const auto& f : ResultFields()) EXPECT_TRUE(Same(a.results.*f.member, b.results.*f.member)) << f.name;
  // Every result the tables show reads back, whatever member it comes from.
  for (const ResultDescriptor& d : ResultDescriptors()) EXPECT_TRUE(Same(d.value(a), d.value(b))) << d.key;
  EXPECT_EQ(a.controls, b.controls);
  if (!withSeries) return;
  ASSERT_EQ(a.series.nReihe, b.series.nReihe);
  EXPECT_EQ(a.series.nReihe1TA, b.series.nReihe1TA);
  for (const SeriesColumn& c : SeriesColumns()) {
    for (int k = 0; k < a.series.points(); ++k) ASSERT_EQ((a.series.*c.member)[k], (b.series.*c.member)[k]) << c.name << k;
  }
}

bool AnyControl(const std::string&) { return true; }

class CaseFileTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    NullDisplay none;
    InputTexts typed = QuickInputs();
    typed[Input::Lufttemp] = " 35,0";  // kept exactly as typed
    run_ = new RunRecord(RunCaseOnDisplay(typed, none));
  }
  static void TearDownTestSuite() { delete run_; }

  static CaseFile Saved() {
    CaseFile f;
    f.inputs = run_->inputs;
    f.about.title = "Vollziegel 4 mm";
    f.about.comment = "Linie 2\nWinterbetrieb, „Außenluft“ 15 °C";
    f.run = CaseRunOf(*run_, "2026-12-08T04:45:13Z", "Lamvero 1.0.1");
    return f;
  }

  // The error a changed file gives (empty if it reads).
  static std::string ErrorAfter(const std::function<void(json&)>& change) {
    json j = json::parse(CaseFileText(Saved(), true));
    change(j);
    const Outcome<CaseFile> r = ReadCaseFileText(j.dump(), AnyControl);
    EXPECT_TRUE(r || !r.message().empty());
    return r ? std::string() : r.message();
  }

  static RunRecord* run_;
};
RunRecord* CaseFileTest::run_ = nullptr;

TEST_F(CaseFileTest, SavedRunReadsBackBitForBitAndRunsAgainToTheSameRecord) {
  ASSERT_EQ(run_->outcome, RunOutcome::Completed);
  const std::string text = CaseFileText(Saved(), true);
  const Outcome<CaseFile> read = ReadCaseFileText(text, AnyControl);
  ASSERT_TRUE(read) << read.message();
  EXPECT_EQ(read->about.title, "Vollziegel 4 mm");
  EXPECT_EQ(read->about.comment, Saved().about.comment);
  EXPECT_EQ(read->inputs[Input::Lufttemp], " 35,0");
  ASSERT_TRUE(read->run);
  EXPECT_EQ(read->run->date, "2026-12-08T04:45:13Z");
  EXPECT_EQ(read->run->program, "Lamvero 1.0.1");
  ASSERT_TRUE(read->run->hasSeries());
  ExpectSameRecord(read->run->record, *run_, true);
  // Saving what was read writes the same file.
  CaseFile again = read.value();
  EXPECT_EQ(CaseFileText(again, true), text);

  // The inputs read back run to the very same record.
  NullDisplay none;
  ExpectSameRecord(RunCaseOnDisplay(read->inputs, none), *run_, true);
}

TEST_F(CaseFileTest, WithoutSeriesTheRunKeepsItsResultsAndItsPointCount) {
  const std::string text = CaseFileText(Saved(), false);
  EXPECT_EQ(text.find("\"series\""), std::string::npos);
  EXPECT_LT(text.size(), CaseFileText(Saved(), true).size() / 4);
  const Outcome<CaseFile> read = ReadCaseFileText(text, AnyControl);
  ASSERT_TRUE(read) << read.message();
  const CaseRun& run = *read->run;
  EXPECT_FALSE(run.hasSeries());
  EXPECT_EQ(run.nReihe, run_->series.nReihe);
  EXPECT_EQ(run.nReihe1TA, run_->series.nReihe1TA);
  ExpectSameRecord(run.record, *run_, false);
  EXPECT_EQ(CaseFileText(read.value(), true), text);  // nothing to add
}

TEST_F(CaseFileTest, ResultsStandAsNumbersWithUnitsAndAsTheTextsShown) {
  const json j = json::parse(CaseFileText(Saved(), false));
  EXPECT_EQ(j["format"], "lamvero-case");
  EXPECT_EQ(j["version"], 1);
  EXPECT_EQ(j["inputs"]["txt_Dicke"], "4");
  EXPECT_EQ(j["run"]["outcome"], "Completed");
  const json* dauer = nullptr;
  for (const json& row : j["run"]["results"]) {
    if (row["key"] == "Dauer1TA") dauer = &row;
  }
  ASSERT_NE(dauer, nullptr);
  EXPECT_EQ((*dauer)["unit"], "s");
  EXPECT_EQ((*dauer)["value"].get<double>(), run_->results.Dauer1TA);
  EXPECT_EQ((*dauer)["text"], run_->controls.at("txt_Dauer1TA").text);
}

// A run belongs to the inputs that read as the values it was made with: the
// same number written otherwise still does, an edited or unreadable one not.
TEST_F(CaseFileTest, InputsEditedAfterTheRunAreFoundByTheirValues) {
  CaseFile f = Saved();
  EXPECT_TRUE(InputsNotOfRun(f).empty());  // every input, in its unit, matches its model value
  f.inputs[Input::Dicke] = "4,0";
  f.inputs[Input::Lufttemp] = "35";
  EXPECT_TRUE(InputsNotOfRun(f).empty());
  f.inputs[Input::AussenluftFeuchte] = "abc";
  f.inputs[Input::Dicke] = "25";
  EXPECT_EQ(InputsNotOfRun(f), (std::vector<Input>{Input::Dicke, Input::AussenluftFeuchte}));
  const Outcome<CaseFile> read = ReadCaseFileText(CaseFileText(f, false), AnyControl);
  ASSERT_TRUE(read) << read.message();
  EXPECT_EQ(InputsNotOfRun(read.value()), (std::vector<Input>{Input::Dicke, Input::AussenluftFeuchte}));
  // An unreadable text counts as 0 in model units, but belongs to no run, not even one of value 0.
  f = Saved();
  f.run->record.values.KappaSteig = 0;
  f.inputs[Input::KappaSteig] = "keine";
  EXPECT_EQ(InputsNotOfRun(f), std::vector<Input>{Input::KappaSteig});
  f.run.reset();
  EXPECT_TRUE(InputsNotOfRun(f).empty());
}

TEST_F(CaseFileTest, InputsOnlyFileHasNoRun) {
  CaseFile f;
  f.inputs = InputTexts::Defaults();
  f.inputs[Input::Dicke] = "25,5";
  const Outcome<CaseFile> read = ReadCaseFileText(CaseFileText(f, true), AnyControl);
  ASSERT_TRUE(read) << read.message();
  EXPECT_FALSE(read->run);
  EXPECT_EQ(read->inputs[Input::Dicke], "25,5");
  EXPECT_TRUE(read->about.title.empty());
}

TEST_F(CaseFileTest, AirBalanceOfTheCaseAndOfItsRunReadBackAndStandardIsNotWritten) {
  EXPECT_EQ(CaseFileText(Saved(), false).find("airIntegration"), std::string::npos);
  CaseFile f = Saved();
  f.airIntegration = AirIntegration::Consistent;
  f.run->record.airIntegration = AirIntegration::Consistent;
  for (const AirIntegration run : {AirIntegration::Consistent, AirIntegration::Standard}) {
    f.run->record.airIntegration = run;
    const std::string text = CaseFileText(f, false);
    const Outcome<CaseFile> read = ReadCaseFileText(text, AnyControl);
    ASSERT_TRUE(read) << read.message();
    EXPECT_EQ(read->airIntegration, AirIntegration::Consistent);
    ASSERT_TRUE(read->run);
    EXPECT_EQ(read->run->record.airIntegration, run);
    EXPECT_EQ(CaseFileText(read.value(), false), text);
  }
}

// What a user reads on opening a file that is no case file, or a damaged one:
// never a parser's byte offset.
TEST_F(CaseFileTest, AFileThatIsNoCaseFileSaysSoInWords) {
  const auto message = [](const std::string& text) { return ReadCaseFileText(text, AnyControl).message(); };
  for (const char* empty : {"", "  \n\r\n\t", "\xEF\xBB\xBF", "\xEF\xBB\xBF \n"}) {
    EXPECT_EQ(message(empty), "Die Datei ist leer.") << empty;
  }
  // Another program's file, JSON or not.
  for (const char* other : {"{\"a\": [1,", "lamvero", "\x89PNG\r\n\x1a\n\0\0", "[1, 2]", "{\"name\": \"x\", \"version\": 3}",
                            "{\"format\": \"lamvero-study\"}", "\xEF\xBB\xBF{}", "null"}) {
    EXPECT_EQ(message(other).rfind("Die Datei ist keine Lamvero-Falldatei", 0), 0u) << other;
  }
  // A case file damaged by hand: where, in lines and columns.
  std::string text = CaseFileText(CaseFile{}, false);
  const std::size_t dicke = text.find("\"txt_Dicke\"");
  text.insert(text.find(',', dicke), "\"");
  const std::string line = std::to_string(std::count(text.begin(), text.begin() + static_cast<long>(dicke), '\n') + 1);
  EXPECT_EQ(message(text).rfind("Zeile " + line + ", Spalte ", 0), 0u) << message(text);
  EXPECT_NE(message(text).find("kein gültiges JSON."), std::string::npos) << message(text);
}

TEST_F(CaseFileTest, EveryKindOfBadFileIsRefusedNamingTheProblem) {
  struct Case {
    const char* what;
    std::function<void(json&)> change;
    const char* mention;  // part of the message
  };
  const std::vector<Case> cases = {
      {"another program's JSON", [](json& j) { j = json{{"name", "x"}, {"version", 3}}; }, "keine Lamvero-Falldatei"},
      {"a JSON array", [](json& j) { j = json::array({1, 2}); }, "keine Lamvero-Falldatei"},
      {"newer format", [](json& j) { j["version"] = 2; }, "neueren Programmversion"},
      {"version as text", [](json& j) { j["version"] = "1"; }, "„version“"},
      {"missing input", [](json& j) { j["inputs"].erase("txt_Dicke"); }, "„Anfangsdicke der Platte in mm“ fehlt"},
      {"unknown input", [](json& j) { j["inputs"]["txt_Breite"] = "1"; }, "„inputs.txt_Breite“"},
      {"unknown top field", [](json& j) { j["extra"] = 1; }, "Unbekanntes Feld „extra“"},
      {"unknown run field", [](json& j) { j["run"]["scalars"]["Foo"] = 1; }, "„run.scalars.Foo“"},
      {"missing run field", [](json& j) { j["run"]["values"].erase("deltaT"); }, "„run.values.deltaT“ fehlt"},
      {"input as number", [](json& j) { j["inputs"]["txt_lambda"] = 4; },
       "Das Feld „Wärmeleitkoeff. der trock. Platte in W/(m K)“ ist kein Text."},
      {"input with a line break", [](json& j) { j["inputs"]["txt_Dicke"] = "4\n5"; }, "„Anfangsdicke der Platte in mm“"},
      {"project line with a line break", [](json& j) { j["customer"] = "A\nB"; }, "Das Feld „Kunde“ enthält einen Zeilenumbruch"},
      {"number as text", [](json& j) { j["run"]["scalars"]["Zeit"] = "1"; }, "„run.scalars.Zeit“ ist keine Zahl"},
      {"count as fraction", [](json& j) { j["run"]["derived"]["AnzOS"] = 10.5; }, "„run.derived.AnzOS“"},
      {"unknown outcome", [](json& j) { j["run"]["outcome"] = "Done"; }, "„run.outcome“"},
      {"colour out of range", [](json& j) { j["run"]["controls"]["txt_Zeit"]["color"][1] = 256; }, "„run.controls.txt_Zeit.color“"},
      {"visible as text", [](json& j) { j["run"]["controls"]["txt_Zeit"]["visible"] = "ja"; }, "visible"},
      {"absurd input text", [](json& j) { j["inputs"]["txt_Dicke"] = std::string(40000, '1'); }, "zu lang"},
      {"absurd point count", [](json& j) { j["run"]["nReihe"] = 600000; }, "„run.nReihe“"},
      {"count beyond any integer", [](json& j) { j["run"]["scalars"]["nGlatt"] = 1e300; },
       "„run.scalars.nGlatt“ liegt außerhalb von -1048576 bis 1048576."},
      {"count beyond 64 bits", [](json& j) { j["run"]["nReihe"] = 18446744073709551616.0; },
       "„run.nReihe“ liegt außerhalb von 0 bis"},
      {"negative count", [](json& j) { j["run"]["nReihe1TA"] = -3; }, "„run.nReihe1TA“ liegt außerhalb"},
      {"short series", [](json& j) { j["series"]["XReihe"].erase(0); }, "„series.XReihe“"},
      {"missing series column", [](json& j) { j["series"].erase("SpiegelReihe"); }, "„series.SpiegelReihe“ fehlt"},
      {"text in a series", [](json& j) { j["series"]["tReihe"][3] = "3"; }, "„series.tReihe.3“"},
      {"gap in a completed run's series", [](json& j) { j["series"]["tReihe"][3] = nullptr; }, "„series.tReihe“"},
      {"series without a run", [](json& j) { j.erase("run"); }, "keinen Lauf"},
      {"results changed by hand", [](json& j) { j["run"]["results"][0]["value"] = 0.5; }, "„run.results“"},
      {"results table cut", [](json& j) { j["run"]["results"].erase(3); }, "„run.results“"},
      {"unknown air balance", [](json& j) { j["airIntegration"] = "implicit"; }, "„airIntegration“"},
      {"air balance as number", [](json& j) { j["run"]["airIntegration"] = 1; }, "„run.airIntegration“ ist kein Text"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string error = ErrorAfter(c.change);
    EXPECT_NE(error.find(c.mention), std::string::npos) << error;
  }
  EXPECT_EQ(ErrorAfter([](json&) {}), "");  // the unchanged file reads

  for (const char* text : {"", "{", "lamvero", "{\"format\": \"lamvero-case\",}", "\xEF\xBB\xBF{}"}) {
    const Outcome<CaseFile> r = ReadCaseFileText(text, AnyControl);
    EXPECT_FALSE(r) << text;
    EXPECT_FALSE(r.message().empty()) << text;
  }
  // Absurd shapes are refused while parsing, before they take memory.
  EXPECT_NE(ReadCaseFileText("{\"format\": \"lamvero-case\", \"x\": " + std::string(100000, '[') +
                                 std::string(100000, ']') + "}",
                             AnyControl)
                .message()
                .find("verschachtelt"),
            std::string::npos);
  std::string many = "{\"format\": \"lamvero-case\", \"x\": [";
  for (std::size_t i = 0; i < RunSeries::kCount * kSeriesCapacity + 1000001; ++i) many += "0,";
  many += "0]}";
  EXPECT_NE(ReadCaseFileText(many, AnyControl).message().find("zu viele Werte"), std::string::npos);
}

TEST_F(CaseFileTest, AFieldNamedTwiceIsRefusedNotTakenLast) {
  // An input by its caption, as everywhere else.
  const std::pair<const char*, const char*> fields[] = {{"txt_Dicke", "„Anfangsdicke der Platte in mm“"},
                                                        {"format", "„format“"}};
  for (const auto& [field, named] : fields) {
    std::string text = CaseFileText(Saved(), false);
    const std::string line = std::string("\"") + field + "\": ";
    const std::size_t at = text.find(line);
    ASSERT_NE(at, std::string::npos);
    text.insert(at, line + "\"5\",\n");
    const Outcome<CaseFile> r = ReadCaseFileText(text, AnyControl);
    ASSERT_FALSE(r) << field;
    EXPECT_NE(r.message().find(std::string(named) + " steht zweimal"), std::string::npos) << r.message();
  }
}

TEST(CaseFileSize, TheRefusalShowsTheRealSize) {
  EXPECT_TRUE(CheckCaseFileSize(0));
  EXPECT_TRUE(CheckCaseFileSize(kMaxCaseFileBytes));
  EXPECT_EQ(CheckCaseFileSize(kMaxCaseFileBytes + 1).message(),
            "Die Datei ist zu groß (256,0 MB = 268.435.457 Bytes; eine Falldatei hat höchstens 256 MB = "
            "268.435.456 Bytes).");
  EXPECT_NE(CheckCaseFileSize(kMaxCaseFileBytes + 300 * 1024).message().find("(256,3 MB = 268.742.656 Bytes;"),
            std::string::npos);
  EXPECT_NE(CheckCaseFileSize(std::uint64_t{5} << 40).message().find("(5242880,0 MB = 5.497.558.138.880 Bytes;"),
            std::string::npos);
  // The text itself is measured the same way.
  EXPECT_EQ(ReadCaseFileText(std::string(kMaxCaseFileBytes + 1, ' '), AnyControl).message(),
            CheckCaseFileSize(kMaxCaseFileBytes + 1).message());
}

TEST_F(CaseFileTest, ControlsTheWindowDoesNotHaveAreRefused) {
  const std::string text = CaseFileText(Saved(), false);
  const auto withoutZeit = [](const std::string& name) { return name != "txt_Zeit"; };
  const Outcome<CaseFile> r = ReadCaseFileText(text, withoutZeit);
  EXPECT_FALSE(r);
  EXPECT_NE(r.message().find("Unbekanntes Steuerelement „run.controls.txt_Zeit“"), std::string::npos) << r.message();
}

TEST_F(CaseFileTest, StoppedRunWithGapsInItsSeriesReads) {
  // A run whose profile stopped being finite leaves values that JSON writes as null.
  CaseFile f = Saved();
  f.run->record.outcome = RunOutcome::Failed;
  f.run->record.series.XReihe[5] = std::nan("");
  f.run->record.results.xmom = std::nan("");
  const Outcome<CaseFile> r = ReadCaseFileText(CaseFileText(f, true), AnyControl);
  ASSERT_TRUE(r) << r.message();
  EXPECT_TRUE(std::isnan(r->run->record.series.XReihe[5]));
  EXPECT_TRUE(std::isnan(r->run->record.results.xmom));
}

TEST_F(CaseFileTest, AFileWithoutTheAirsHumidityReadsAndIsWrittenBackWithoutIt) {
  // Files of earlier versions hold every series but this one.
  json j = json::parse(CaseFileText(Saved(), true));
  ASSERT_TRUE(j["series"].contains("XLuftReihe"));
  j["series"].erase("XLuftReihe");
  const Outcome<CaseFile> read = ReadCaseFileText(j.dump(), AnyControl);
  ASSERT_TRUE(read) << read.message();
  const RunSeries& s = read->run->record.series;
  ASSERT_TRUE(read->run->hasSeries());
  for (int k = 0; k < s.points(); ++k) ASSERT_TRUE(std::isnan(s.XLuftReihe[static_cast<std::size_t>(k)])) << k;
  EXPECT_EQ(s.XReihe[3], run_->series.XReihe[3]);
  // Not known is not written as a column of nulls, which a completed run could not read.
  const std::string again = CaseFileText(read.value(), true);
  EXPECT_EQ(again.find("XLuftReihe"), std::string::npos);
  EXPECT_TRUE(ReadCaseFileText(again, AnyControl));

  // The other series stay required, and a column that is there must be whole.
  EXPECT_NE(ErrorAfter([](json& f) { f["series"].erase("ThetaLuftReihe"); }).find("ThetaLuftReihe"),
            std::string::npos);
  EXPECT_NE(ErrorAfter([](json& f) { f["series"]["XLuftReihe"][2] = nullptr; }).find("XLuftReihe"),
            std::string::npos);
}

}  // namespace
}  // namespace lamvero

namespace lamvero {
namespace {

// A measured curve with awkward numbers: the shortest exact forms, a tiny and a
// subnormal value, a missing reading, a source that is not plain ASCII.
MeasuredCurve AwkwardCurve() {
  MeasuredCurve c;
  c.source = "Versuch „Süd“\n7.csv";  // a file name may hold a line break
  c.time = {0, 0.1 + 0.2, 600, 1200.5, 1e7};
  c[MeasuredQuantity::Moisture] = {0.2, 0.19999999999999998, 1e-300, 4.9e-324, 0};
  c[MeasuredQuantity::CoreTemperature] = {20, std::nan(""), 25.25, -3, 40};
  return c;
}

TEST(CaseFileMeasured, CurveReadsBackBitForBitAndAFileWithoutOneHasNone) {
  CaseFile file;
  file.measured = AwkwardCurve();
  const std::string text = CaseFileText(file, false);
  const Outcome<CaseFile> read = ReadCaseFileText(text, nullptr);
  ASSERT_TRUE(read) << read.message();
  ASSERT_TRUE(read.value().measured);
  EXPECT_TRUE(*read.value().measured == *file.measured);
  EXPECT_FALSE(read.value().measured->has(MeasuredQuantity::SurfaceTemperature));
  EXPECT_EQ(CaseFileText(read.value(), false), text);
  EXPECT_NE(text.find("\"coreTemperature\": [20,null,25.25,-3,40]"), std::string::npos) << text;
  const Outcome<CaseFile> none = ReadCaseFileText(CaseFileText(CaseFile{}, false), nullptr);
  ASSERT_TRUE(none) << none.message();
  EXPECT_FALSE(none.value().measured);
}

TEST(CaseFileMeasured, BadCurvesAreRefusedNamingTheField) {
  struct Case {
    const char* what;
    std::function<void(json&)> change;
    const char* mention;
  };
  const std::vector<Case> cases = {
      {"too few points", [](json& m) { m["time"].erase(4); m["moisture"].erase(4); m["coreTemperature"].erase(4); },
       "weniger als 5"},
      {"time not increasing", [](json& m) { m["time"][3] = 600; }, "„measured.time.3“"},
      {"negative time", [](json& m) { m["time"][0] = -1; }, "„measured.time.0“"},
      {"missing time", [](json& m) { m["time"][2] = nullptr; }, "„measured.time.2“"},
      {"length differs", [](json& m) { m["coreTemperature"].erase(1); }, "„measured.coreTemperature“"},
      {"missing moisture reading", [](json& m) { m["moisture"][1] = nullptr; }, "„measured.moisture.1“"},
      {"negative moisture", [](json& m) { m["moisture"][1] = -0.1; }, "„measured.moisture.1“"},
      {"no moisture", [](json& m) { m.erase("moisture"); }, "„measured.moisture“ fehlt"},
      {"no source", [](json& m) { m.erase("source"); }, "„measured.source“ fehlt"},
      {"unknown quantity", [](json& m) { m["mass"] = m["time"]; }, "Unbekanntes Feld „measured.mass“"},
      {"text as a value", [](json& m) { m["coreTemperature"][0] = "20"; }, "„measured.coreTemperature.0“"},
      {"not a list", [](json& m) { m["time"] = 5; }, "„measured.time“ ist keine Liste"},
      {"too many points", [](json& m) { m["time"] = json::array(); m["time"].get_ref<json::array_t&>().resize(kMaxMeasuredLines + 1, 0.0); },
       "zu viele Punkte"},
  };
  CaseFile file;
  file.measured = AwkwardCurve();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    json j = json::parse(CaseFileText(file, false));
    c.change(j["measured"]);
    const Outcome<CaseFile> read = ReadCaseFileText(j.dump(), nullptr);
    ASSERT_FALSE(read);
    EXPECT_NE(read.message().find(c.mention), std::string::npos) << read.message();
  }
}

}  // namespace
}  // namespace lamvero
