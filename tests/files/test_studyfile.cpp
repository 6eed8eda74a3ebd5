// Study files: what is saved opens again with the same definition and the
// same rows, bit for bit; what is not a sound study file is refused, naming
// the field or the row, and gives nothing.

#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>

#include "common/samplestudy.h"
#include "files/studyfile.h"

namespace lamvero {
namespace {

using nlohmann::json;
using testing::SameBits;
using testing::SampleStudyDefinition;
using testing::SampleStudyResults;

void ExpectSameFile(const StudyFile& read, const StudyFile& saved) {
  for (const InputField& f : InputFields()) EXPECT_EQ(read.definition.base[f.id], saved.definition.base[f.id]) << f.box;
  ASSERT_EQ(read.definition.varied.size(), saved.definition.varied.size());
  for (std::size_t i = 0; i < read.definition.varied.size(); ++i) {
    EXPECT_EQ(read.definition.varied[i].field, saved.definition.varied[i].field);
    EXPECT_EQ(read.definition.varied[i].values, saved.definition.varied[i].values);
  }
  ASSERT_EQ(read.results.has_value(), saved.results.has_value());
  if (!saved.results) return;
  EXPECT_EQ(read.results->variedFields, saved.results->variedFields);
  EXPECT_EQ(read.results->complete, saved.results->complete);
  ASSERT_EQ(read.results->rows.size(), saved.results->rows.size());
  for (std::size_t r = 0; r < saved.results->rows.size(); ++r) {
    const StudyRow &a = read.results->rows[r], &b = saved.results->rows[r];
    EXPECT_EQ(a.number, b.number);
    EXPECT_EQ(a.varied, b.varied);
    EXPECT_EQ(a.outcome, b.outcome);
    EXPECT_EQ(a.messages, b.messages);
    for (std::size_t i = 0; i < kStudyQuantityCount; ++i) {
      EXPECT_TRUE(SameBits(a.values[i], b.values[i])) << r << "/" << i;
    }
  }
}

TEST(StudyFile, ADefinitionWithAllItsRowsOrSomeOrNoneOpensAgainBitForBit) {
  StudyFile file;
  file.definition = SampleStudyDefinition();
  file.definition.base[Input::AbluftFeuchte] = "75 \"feucht\"";
  for (const std::size_t rows : {6, 4, 0}) {
    file.results = SampleStudyResults(file.definition, rows);
    const std::string text = StudyFileText(file);
    const Outcome<StudyFile> read = ReadStudyFileText(text);
    ASSERT_TRUE(read) << read.message();
    ExpectSameFile(read.value(), file);
    EXPECT_EQ(StudyFileText(read.value()), text);
  }
  // A study stopped with rows missing in between (a row that never came) keeps the ones it has.
  file.results = SampleStudyResults(file.definition);
  file.results->rows.erase(file.results->rows.begin() + 1);
  file.results->complete = false;
  const Outcome<StudyFile> gaps = ReadStudyFileText(StudyFileText(file));
  ASSERT_TRUE(gaps) << gaps.message();
  ExpectSameFile(gaps.value(), file);
  file.results.reset();
  const Outcome<StudyFile> definitionOnly = ReadStudyFileText(StudyFileText(file));
  ASSERT_TRUE(definitionOnly) << definitionOnly.message();
  ExpectSameFile(definitionOnly.value(), file);
}

TEST(StudyFile, TheFileNamesItsFormatTheProgramAndKeepsRowsOnALineEach) {
  StudyFile file;
  file.definition = SampleStudyDefinition();
  file.results = SampleStudyResults(file.definition);
  const std::string text = StudyFileText(file);
  const json j = json::parse(text);
  EXPECT_EQ(j["format"], "lamvero-study");
  EXPECT_EQ(j["version"], 1);
  EXPECT_EQ(j["program"].get<std::string>().rfind("Lamvero ", 0), 0u);
  EXPECT_EQ(j["inputs"]["txt_XAnf"], "0,25");
  EXPECT_EQ(j["varied"][0], (json{{"field", "txt_Dicke"}, {"values", "20:30:5"}}));
  EXPECT_TRUE(j["results"]["rows"][2]["values"][0].is_null());  // the refused case has no results
  EXPECT_NE(text.find("\n      {\"case\":3,\"varied\":[\"25\",\"35\"],\"outcome\":\"Refused\""), std::string::npos)
      << text;
}

// The sample file with one change made to its JSON.
std::string Edited(const std::function<void(json&)>& edit) {
  StudyFile file;
  file.definition = SampleStudyDefinition();
  file.results = SampleStudyResults(file.definition);
  json j = json::parse(StudyFileText(file));
  edit(j);
  return j.dump(1);
}

TEST(StudyFile, WhatIsNoSoundStudyFileIsRefusedNamingTheFieldOrRow) {
  const std::string sound = Edited([](json&) {});
  const struct {
    std::string text;
    std::string mention;
  } cases[] = {
      {Edited([](json& j) { j["format"] = "lamvero-case"; }), "keine Lamvero-Studiendatei"},
      {Edited([](json& j) { j["version"] = 2; }), "neueren Programmversion (Formatversion 2"},
      {Edited([](json& j) { j["inputs"]["txt_Breite"] = "3"; }), "Unbekanntes Eingabefeld „inputs.txt_Breite“"},
      // An input by its caption, as the case file names it.
      {Edited([](json& j) { j["inputs"].erase("txt_rhos"); }), "„Dichte der getrockneten Masse in kg/m³“ fehlt"},
      {Edited([](json& j) { j["varied"][0]["field"] = "txt_Breite"; }), "„varied.0.field“ nennt kein Eingabefeld"},
      {Edited([](json& j) { j["varied"][1]["values"] = "35:25:5"; }), "lässt sich nicht rechnen: txt_Lufttemp"},
      {Edited([](json& j) { j["varied"][1]["field"] = "txt_Dicke"; }), "txt_Dicke ist mehr als einmal vorgegeben"},
      {Edited([](json& j) {
         for (int i = 0; i < 2; ++i) j["varied"].push_back({{"field", i ? "txt_rund" : "txt_mue"}, {"values", "1;2"}});
       }),
       "nennt 4 variierte Eingaben, höchstens 3"},
      {Edited([](json& j) { j["results"]["rows"][1]["varied"][1] = "55"; }),
       "„results.rows.1“ ist nicht Fall 2 der Studie (txt_Lufttemp = „55“ statt „45“)"},
      {Edited([](json& j) { j["results"]["rows"][1]["case"] = 1; }), "„results.rows.1“ ist Fall 1, nach Fall 1"},
      {Edited([](json& j) { j["results"]["rows"][5]["case"] = 7; }),
       "„results.rows.5.case“ liegt außerhalb von 1 bis 6"},
      {Edited([](json& j) { j["results"]["rows"].push_back(j["results"]["rows"][0]); }),
       "mehr Zeilen (7) als die Studie Fälle (6)"},
      {Edited([](json& j) { j["results"]["rows"][0]["outcome"] = "Fertig"; }),
       "„results.rows.0.outcome“ ist kein Ergebnis"},
      {Edited([](json& j) { j["results"]["rows"][0]["values"].erase(0); }),
       "„results.rows.0.values“ hat nicht 13 Werte"},
      {Edited([](json& j) { j["results"]["rows"][0]["values"][4] = "1,5"; }),
       "„results.rows.0.values.4“ ist keine Zahl"},
      {Edited([](json& j) { j["results"]["variedFields"] = {"txt_Dicke"}; }), "„results.variedFields“ nennt nicht"},
      {Edited([](json& j) { j["results"]["quantities"][0]["unit"] = "min"; }),
       "„results.quantities.0“ ist nicht Dauer1TA [h]"},
      {Edited([](json& j) { j["results"]["extra"] = 1; }), "Unbekanntes Feld „results.extra“"},
      {"{\"format\":\"lamvero-study\",\"format\":\"lamvero-study\"}", "format"},
      {sound.substr(0, sound.size() / 2), ""},
  };
  for (const auto& c : cases) {
    const Outcome<StudyFile> read = ReadStudyFileText(c.text);
    ASSERT_FALSE(read) << c.mention;
    EXPECT_NE(read.message().find(c.mention), std::string::npos) << read.message();
  }
  EXPECT_TRUE(ReadStudyFileText(sound));
}

TEST(StudyFile, ASizeBeyondAStudyFileIsRefusedWithBothSizes) {
  EXPECT_TRUE(CheckStudyFileSize(kMaxStudyFileBytes));
  const Status big = CheckStudyFileSize(kMaxStudyFileBytes + 1);
  ASSERT_FALSE(big);
  EXPECT_NE(big.message().find("eine Studiendatei hat höchstens 1024 MB"), std::string::npos) << big.message();
}

}  // namespace
}  // namespace lamvero
