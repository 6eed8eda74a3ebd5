// A study in English: its refusals read in English, the texts it keeps for
// files stay as German writes them, and only the window's captions change.

#include <gtest/gtest.h>

#include <string>

#include "common/englishcatalogues.h"
#include "study/fit.h"
#include "study/inputtext.h"
#include "study/optimise.h"
#include "study/studyaxis.h"
#include "study/studycolumns.h"
#include "study/studyshard.h"

namespace lamvero {
namespace {

class StudyInEnglish : public ::testing::Test {
 protected:
  lamvero::testing::EnglishCatalogues english_;
};

void ExpectEnglish(const std::string& message) {
  EXPECT_FALSE(message.empty());
  for (const char* german : {"ä", "ö", "ü", "ß", "„", " ist ", " der ", " die ", " des ", "keine", "nicht", "Wert", "z. B."}) {
    EXPECT_EQ(message.find(german), std::string::npos) << "\"" << german << "\" in: " << message;
  }
}

TEST_F(StudyInEnglish, RefusedDefinitionsAreExplainedInEnglish) {
  for (const char* vary : {"txt_Dicke=40:20:5", "txt_Dicke=20:40:0", "txt_Dicke=1:2", "txt_Dicke=20:x:5",
                           "txt_Dicke=35,45", "txt_Dicke=35;abc", "txt_Dicke", "txt_Dicke=", "txt_Nix=1"}) {
    const Outcome<StudyAxis> axis = ReadStudyAxis(vary);
    ASSERT_FALSE(axis) << vary;
    ExpectEnglish(axis.message());
  }
  for (const char* shard : {"2", "a/b", "4/3"}) {
    const Outcome<StudyShard> read = ReadStudyShard(shard);
    ASSERT_FALSE(read) << shard;
    ExpectEnglish(read.message());
  }
  // The ambiguous comma is explained with the point an English reader writes.
  EXPECT_NE(ReadStudyAxis("txt_Dicke=35,45").message().find("txt_Dicke=35.45"), std::string::npos);
}

TEST_F(StudyInEnglish, FitAndOptimiseProblemsAreExplainedInEnglish) {
  FitProblem fit;
  fit.base = InputTexts::Defaults();
  ExpectEnglish(FitProblemError(fit));  // nothing to fit
  fit.parameters = {DefaultFitParameter(Input::Lufttemp), DefaultFitParameter(Input::Lufttemp)};
  ExpectEnglish(FitProblemError(fit));  // chosen twice

  OptimiseProblem optimise;
  optimise.base = InputTexts::Defaults();
  ExpectEnglish(OptimiseProblemError(optimise));  // no decision
  optimise.decisions = {{Input::Lufttemp, 45, 25}};
  ExpectEnglish(OptimiseProblemError(optimise));  // bounds the wrong way round
  optimise.decisions = {{Input::Lufttemp, 25, 45}};
  optimise.goal = OptimiseGoal::HeaterPower;
  ExpectEnglish(OptimiseProblemError(optimise));  // no plant
}

// Texts a search hands to files and runs keep the decimal comma in English;
// the window shows them with the point.
TEST_F(StudyInEnglish, InputTextsKeepTheDecimalComma) {
  EXPECT_EQ(InputTextOf(37.812549), "37,8125");
  EXPECT_EQ(ExactInputText(0.1), "0,10000000000000001");
  EXPECT_EQ(ExactInputText(1.85e6), "1850000");
  EXPECT_EQ(ShownInputText(InputTextOf(-4.5)), "-4.5");
}

TEST_F(StudyInEnglish, OnlyTheShownColumnCaptionsAreEnglish) {
  const std::vector<Input> varied{Input::Dicke};
  const std::vector<CsvColumnName> kept = StudyColumns(varied, false), shown = ShownStudyColumns(varied, false);
  ASSERT_EQ(kept.size(), shown.size());
  for (std::size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(kept[i].key, shown[i].key);
  EXPECT_EQ(kept.front().caption, "Fall");
  EXPECT_EQ(shown.front().caption, "Case");
  EXPECT_EQ(shown.back().caption, "Messages");
  EXPECT_EQ(StudyHeader(varied, true, CsvDialect::Plain).substr(0, 6), "Stufe,");  // the file's header stays German
}

}  // namespace
}  // namespace lamvero
