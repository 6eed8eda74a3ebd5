// Files are the same bytes whichever language the program speaks; what the
// program says about a broken file, it says in the user's language.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/englishcatalogues.h"
#include "common/quickinputs.h"
#include "files/casefile.h"
#include "files/csvexport.h"
#include "files/measuredcsv.h"
#include "present/displayedrun.h"

namespace lamvero {
namespace {

struct WrittenFiles {
  std::string caseFile, germanCsv, plainCsv, seriesCsv;
  int shownWithPoint = 0;  // the window's texts of the run with a decimal point
};

// A run of the quick inputs as the window shows it, and every file made of it,
// all in one language.
WrittenFiles RunAndWrite(Language language) {
  std::optional<testing::EnglishCatalogues> english;
  if (language == Language::English) english.emplace();
  NullDisplay none;
  const RunRecord record = RunCaseOnDisplay(testing::QuickInputs(), none);
  EXPECT_EQ(record.outcome, RunOutcome::Completed);
  EXPECT_TRUE(record.messages.empty());  // a message is the run's own text, in the user's language
  CaseFile file;
  file.inputs = testing::QuickInputs();
  file.run = CaseRunOf(record, "2026-12-09T05:00:00Z", "Lamvero test");
  WrittenFiles written{CaseFileText(file, true), ResultsCsv(record, CsvDialect::German),
                       ResultsCsv(record, CsvDialect::Plain), {}, 0};
  for (const auto& [name, state] : record.controls) {
    const std::string& t = state.text;
    written.shownWithPoint += t.find('.') != std::string::npos && t.find_first_of("0123456789") != std::string::npos;
  }
  WriteSeriesCsv(record.series, CsvDialect::German, 50, [&](std::string_view piece) {
    written.seriesCsv += piece;
    return true;
  });
  return written;
}

TEST(FileLanguage, CaseFileAndCsvExportsAreTheSameBytesInEnglishAndGerman) {
  const WrittenFiles german = RunAndWrite(Language::German);
  const WrittenFiles english = RunAndWrite(Language::English);
  // The window's texts of the run differ (a decimal point in English) ...
  ASSERT_GT(english.shownWithPoint, 5);
  // ... but every file keeps the decimal comma and the German captions.
  EXPECT_EQ(english.caseFile, german.caseFile);
  EXPECT_EQ(english.germanCsv, german.germanCsv);
  EXPECT_EQ(english.plainCsv, german.plainCsv);
  EXPECT_EQ(english.seriesCsv, german.seriesCsv);
}

// A case file written in English opens in German with the window's texts as
// German shows them, and the other way round.
TEST(FileLanguage, WindowTextsOfACaseFileShowInTheLanguageThatReadsIt) {
  const std::string text = RunAndWrite(Language::German).caseFile;
  const Outcome<CaseFile> german = ReadCaseFileText(text, nullptr);
  ASSERT_TRUE(german) << german.message();
  std::optional<testing::EnglishCatalogues> english(std::in_place);
  const Outcome<CaseFile> read = ReadCaseFileText(text, nullptr);
  ASSERT_TRUE(read) << read.message();
  int numbers = 0;
  for (const auto& [name, state] : read.value().run->record.controls) {
    const std::string& kept = german.value().run->record.controls.at(name).text;
    const bool number = kept.find_first_of("0123456789") != std::string::npos;
    EXPECT_EQ(state.text, number ? ShownInputText(kept) : kept) << name;
    numbers += number && kept.find(',') != std::string::npos;
  }
  EXPECT_GT(numbers, 5);
  EXPECT_EQ(CaseFileText(read.value(), true), text);  // and written again in English, the same bytes
}

// No trace of German in an English message.
void ExpectEnglish(const std::string& message) {
  EXPECT_FALSE(message.empty());
  for (const char* german : {"ä", "ö", "ü", "ß", "„", "“", " ist ", " der ", " die ", " das ", "Datei", "Zeile", "kein",
                             "nicht", "Feld "}) {
    EXPECT_EQ(message.find(german), std::string::npos) << "\"" << german << "\" in: " << message;
  }
}

TEST(FileLanguage, BrokenFilesAreExplainedInEnglish) {
  testing::EnglishCatalogues english;
  CaseFile file;
  file.inputs = testing::QuickInputs();
  std::string tooNew = CaseFileText(file, false);
  tooNew.replace(tooNew.find("\"version\":"), 11, "\"version\":99");
  std::string unknownField = CaseFileText(file, false);
  unknownField.insert(unknownField.find('{') + 1, "\"Rohling\":1,");
  for (const std::string& text : {std::string("{\"format\":\"other\"}"), std::string("{\"format\":\"lamvero-case\" ["), tooNew,
                                  unknownField, std::string(" \n")}) {
    const Outcome<CaseFile> read = ReadCaseFileText(text, nullptr);
    ASSERT_FALSE(read) << text;
    ExpectEnglish(read.message());
  }
  EXPECT_NE(ReadCaseFileText(unknownField, nullptr).message().find("Unknown field \"Rohling\""), std::string::npos);

  for (const char* curve : {"Zeit in min;Masse in kg\n0;1\n", "time in min,moisture in kg/kg\n0,0.2\n10,0.3\n",
                            "time in min,moisture in furlongs\n0,0.2\n", "time in min,moisture in kg/kg\n0,x\n",
                            "# dry mass in g: 0\ntime in min,mass in g\n0,20\n"}) {
    const Outcome<MeasuredCurve> read = ReadMeasuredCurveText(curve, std::nullopt, "test");
    ASSERT_FALSE(read) << curve;
    ExpectEnglish(read.message());
  }
}

}  // namespace
}  // namespace lamvero
