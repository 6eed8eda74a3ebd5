#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/englishcatalogues.h"
#include "inputs/inputcheck.h"
#include "inputs/inputs.h"
#include "inputs/plausibility.h"
#include "run/airintegration.h"
#include "run/dryingrun.h"
#include "run/plantfigures.h"
#include "run/projectdata.h"
#include "run/resultdescriptors.h"
#include "run/runrecord.h"
#include "run/stepestimate.h"

namespace lamvero {
namespace {

// What betrays a German text in an English one: umlauts, ß, the German
// opening quote, a decimal comma, a few common words.
std::string GermanIn(const std::string& text) {
  for (const char* letter : {"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß", "„"}) {
    if (text.find(letter) != std::string::npos) return letter;
  }
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    if (text[i] == ',' && std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
        std::isdigit(static_cast<unsigned char>(text[i + 1]))) {
      return text.substr(i - 1, 3);
    }
  }
  static const std::set<std::string> kWords{"der",   "die",  "das",  "und",  "ist", "nicht", "keine", "kein",
                                            "bitte", "muss", "Wert", "Zahl", "oder", "bei",  "Feld"};
  std::string word;
  for (const char c : text + " ") {
    if (std::isalpha(static_cast<unsigned char>(c))) {
      word += c;
    } else if (!word.empty()) {
      if (kWords.count(word)) return word;
      word.clear();
    }
  }
  return "";
}

InputTexts With(std::initializer_list<std::pair<Input, const char*>> edits) {
  InputTexts t = InputTexts::Defaults();
  for (const auto& [id, text] : edits) t[id] = text;
  return t;
}

// Every kind of refusal the input check makes, each field spoiled on its own
// in every way a text can be, and the refusals that weigh fields together.
std::vector<InputTexts> SpoiledInputs() {
  std::vector<InputTexts> cases;
  for (const InputField& f : InputFields()) {
    for (const char* text : {"", "abc", "0", "-5", "-300", "1e999", "12 kg3", "120", "4\x01", "\xff"}) {
      cases.push_back(With({{f.id, text}}));
    }
    cases.push_back(With({{f.id, std::string(kMaxInputTextBytes + 1, '1').c_str()}}));
  }
  cases.push_back(With({{Input::AbluftFeuchte, "100"}}));
  cases.push_back(With({{Input::AbluftFeuchte, "30"}, {Input::AussenluftFeuchte, "90"}}));
  cases.push_back(With({{Input::Ortsschrittweite, "2"}}));
  cases.push_back(With({{Input::Ortsschrittweite, "0,00001"}}));
  cases.push_back(With({{Input::rund, "10,5"}}));
  cases.push_back(With({{Input::linTrSchwind, "100"}}));
  cases.push_back(With({{Input::Lufttemp, "150"}, {Input::AbluftFeuchte, "90"}}));
  cases.push_back(With({{Input::XAnf, "0,01"}, {Input::linTrSchwind, "30"}}));
  cases.push_back(With({{Input::XAnf, "3"}, {Input::rhos, "2500"}, {Input::linTrSchwind, "40"}}));
  cases.push_back(With({{Input::KappaSteig, "1e300"}}));
  return cases;
}

class EnglishMessages : public ::testing::Test {
 protected:
  testing::EnglishCatalogues english_;
};

TEST_F(EnglishMessages, EveryInputRefusalAndWarningIsEnglishAndNamesItsFields) {
  const std::vector<InputTexts> cases = SpoiledInputs();
  std::size_t messages = 0;
  for (const InputTexts& inputs : cases) {
    for (const InputProblem& p : FindInputProblems(inputs)) {
      ++messages;
      EXPECT_EQ(GermanIn(p.text), "") << p.text;
      for (Input id : p.fields) {
        EXPECT_NE(p.text.find("“" + ShownCaption(id) + "”"), std::string::npos) << p.text;
      }
    }
    for (const InputWarning& w : FindUnusualInputs(inputs)) {
      ++messages;
      EXPECT_EQ(GermanIn(w.text), "") << w.text;
    }
  }
  EXPECT_GT(messages, cases.size());
}

TEST_F(EnglishMessages, TheCheckFindsTheSameProblemsInBothLanguages) {
  std::vector<std::vector<std::vector<Input>>> inEnglish;
  for (const InputTexts& inputs : SpoiledInputs()) {
    inEnglish.emplace_back();
    for (const InputProblem& p : FindInputProblems(inputs)) inEnglish.back().push_back(p.fields);
  }
  UseLanguage(Language::German, nullptr);
  std::size_t k = 0;
  for (const InputTexts& inputs : SpoiledInputs()) {
    std::vector<std::vector<Input>> inGerman;
    for (const InputProblem& p : FindInputProblems(inputs)) inGerman.push_back(p.fields);
    EXPECT_EQ(inGerman, inEnglish[k++]);
  }
}

TEST_F(EnglishMessages, RefusalsReadAsEnglishSentencesWithADecimalPoint) {
  const auto problems = [](const InputTexts& inputs) { return CheckInputs(inputs); };
  EXPECT_EQ(
      problems(With({{Input::Dicke, "0"}})),
      std::vector<std::string>{"“Initial plate thickness in mm”: the value 0 is not allowed (division by zero)."});
  EXPECT_EQ(problems(With({{Input::deltaT, "-0,25"}})),
            std::vector<std::string>{"“Time step in s”: the value -0.25 is not allowed; it must be greater than 0."});
  EXPECT_EQ(problems(With({{Input::AussenluftTemp, "-300,5"}})),
            std::vector<std::string>{"“Outside-air temperature in °C”: the value -300.5 °C lies below absolute zero "
                                     "(-273.15 °C)."});
  EXPECT_EQ(problems(With({{Input::rund, "2O"}})),
            std::vector<std::string>{"“Number of calculations per curve”: “2O” is not a number: “O” follows the number "
                                     "(only a unit without digits is allowed)."});
  // Two fields joined by "and"; the step a user should take, with its point.
  EXPECT_EQ(problems(With({{Input::Ortsschrittweite, "1,5"}})),
            std::vector<std::string>{"“Initial plate thickness in mm” and “Space step in mm”: the grid is too coarse "
                                     "to follow the drying front (7 space steps per half plate, at least 10 are "
                                     "needed). Please reduce the space step to at most 1 mm."});
}

TEST_F(EnglishMessages, ThreeFieldsAreListedWithCommasAndAnd) {
  const std::vector<InputProblem> found = FindInputProblems(With({{Input::XAnf, "0,01"}, {Input::linTrSchwind, "30"}}));
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found.front().text.rfind("“Initial moisture content in kg/kg dry basis”, “Dry density in kg/m³” and "
                                     "“Linear drying shrinkage in %”: the initial water does not suffice",
                                     0),
            0u)
      << found.front().text;
}

TEST_F(EnglishMessages, WarningsGiveValueAndRangeWithTheirUnits) {
  const std::vector<InputWarning> warnings = FindUnusualInputs(With({{Input::XAnf, "0,55"}}));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].text,
            "“Initial moisture content in kg/kg dry basis”: 0.55 kg/kg lies outside the usual "
            "range of 0.1 kg/kg to 0.4 kg/kg.");
}

TEST_F(EnglishMessages, CaptionsKeepTheirTrailingBlanksInTheCatalogue) {
  for (const InputField& f : InputFields()) {
    const std::string german = f.caption;
    const std::string english = Tr("Eingabefelder", f.caption);
    EXPECT_NE(english, german);
    EXPECT_EQ(german.back() == ' ', english.back() == ' ') << german;
    EXPECT_NE(ShownCaption(f.id).back(), ' ') << german;
  }
}

TEST_F(EnglishMessages, ResultsHaveEnglishCaptionsWhileTheirFileNamesStayGerman) {
  for (const ResultDescriptor& d : ResultDescriptors()) {
    EXPECT_NE(Tr("Ergebnisse", d.caption), d.caption);
    EXPECT_EQ(GermanIn(Tr("Ergebnisse", d.fullCaption())), "") << d.key;
    EXPECT_EQ(GermanIn(d.shownName()), "") << d.key;
  }
  for (const SeriesColumn& c : SeriesColumns()) {
    EXPECT_EQ(GermanIn(Tr("Ergebnisse", c.caption) + " " + Tr("Ergebnisse", c.course)), "") << c.name;
  }
  const ResultDescriptor& x1 = ResultOf("X1TA");
  EXPECT_EQ(x1.shownName(), "Moisture content after the first drying period");
  EXPECT_EQ(x1.shownCaptionUnit(), "kg/kg dry basis");
  EXPECT_EQ(x1.name(), "Wasserbeladung nach dem 1. TA");
  EXPECT_EQ(x1.captionUnit(), "kg/kg atro");
  EXPECT_EQ(ResultOf("schwindgrad").shownCaptionUnit(), "% per mm");
  EXPECT_EQ(ResultOf("relEnergie").shownCaptionUnit(), "–");
  EXPECT_EQ(ResultOf("Zeit").shownName(), "Drying time");
}

TEST_F(EnglishMessages, RunPlantAndProjectMessagesAreEnglish) {
  InputTexts fills = InputTexts::Defaults();
  fills[Input::Dicke] = "4";
  fills[Input::Ortsschrittweite] = "0,2";
  fills[Input::deltaT] = "0,005";
  EXPECT_EQ(SeriesFillWarning(fills),
            "The time series hold at most 500000 time steps; this calculation will probably need about 540000.");
  EXPECT_EQ(PlantDataProblem({PlantData::Basis::PiecesPerHour, 2e7, 3}),
            "Throughput is implausibly large (at most 10000000 pieces/h)");
  EXPECT_EQ(PlantDataProblem({PlantData::Basis::TonnesPerHour, -1, 0}), "Throughput must be greater than 0");
  const Outcome<AirIntegration> air = AirIntegrationOfKey("heiß", "--air-integration");
  ASSERT_FALSE(air.ok());
  EXPECT_EQ(air.failure().reason, "“heiß” is not an air balance; the choices are standard or consistent.");
  EXPECT_EQ(ProjectTextProblem(ProjectFields()[0], "a\nb"), "contains a line break or a control character");
}

// A case file or a study keeps a run's messages in German whatever the
// user's language; the window and the runner show them in English.
TEST_F(EnglishMessages, ARunKeepsItsMessagesForFilesInGermanAndShowsThemInEnglish) {
  NoRunEvents none;
  RunRecord refused = RunCase(With({{Input::deltaT, "-0,5"}}), none);
  EXPECT_EQ(refused.messages, std::vector<std::string>{"„Zeitschrittweite in s“: der Wert -0,5 ist nicht zulässig; er "
                                                       "muss größer als 0 sein."});
  EXPECT_EQ(ShownMessages(refused),
            std::vector<std::string>{"“Time step in s”: the value -0.5 is not allowed; it must be greater than 0."});
  EXPECT_EQ(Tr("Ergebnisse", "Zeit"), "time");  // the scope the run kept its messages in has ended
  refused.shownMessages.clear();                // as a record read from a file
  EXPECT_EQ(ShownMessages(refused), refused.messages);
}

}  // namespace
}  // namespace lamvero
