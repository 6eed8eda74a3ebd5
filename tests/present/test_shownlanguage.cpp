// The calculator area in English: captions looked up in the table they come
// from, numbers with the decimal point, and a run's record that keeps its
// captions in German (files keep them as they are) and its numbers as shown
// (files turn them back to the comma).

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/quickinputs.h"
#include "present/controltable.h"
#include "present/displayedrun.h"
#include "text/language.h"

namespace lamvero {
namespace {

// A catalogue that has every text, marked with the context it was asked in.
std::string Catalogue(const char* context, const char* german) { return std::string("[") + context + "] " + german; }

class ShownInEnglish : public ::testing::Test {
 protected:
  void SetUp() override { UseLanguage(Language::English, &Catalogue); }
  void TearDown() override { UseLanguage(Language::German, nullptr); }
};

// The last text the display was given for each control.
class TextDisplay : public NullDisplay {
 public:
  std::map<std::string, std::string> texts;
  void setText(RunControl c, const std::string& text) override { texts[ControlName(c)] = text; }
};

TEST_F(ShownInEnglish, ARunRecordsItsNumbersAsShownAndItsCaptionsInGermanAndShowsThemTranslated) {
  InputTexts inaccurate = testing::QuickInputs();  // a water-balance error above 6 %: the warning labels speak
  inaccurate[Input::deltaT] = "20";
  inaccurate[Input::rund] = "50";
  UseLanguage(Language::German, nullptr);
  TextDisplay german;
  const RunRecord inGerman = RunCaseOnDisplay(inaccurate, german);
  UseLanguage(Language::English, &Catalogue);
  TextDisplay english;
  const RunRecord inEnglish = RunCaseOnDisplay(inaccurate, english);

  ASSERT_EQ(inEnglish.controls.size(), inGerman.controls.size());
  for (const auto& [name, state] : inGerman.controls) {
    // The same number with the reader's separator; a caption the same German, which files keep as it is.
    const std::string expected = name.rfind("txt_", 0) == 0 ? ShownInputText(state.text) : state.text;
    EXPECT_EQ(inEnglish.controls.at(name).text, expected) << name;
  }
  ASSERT_TRUE(english.texts.count("lbl_ungenau2"));
  for (const auto& [name, shown] : english.texts) {
    EXPECT_EQ(shown, ShownControlText(name, inEnglish.controls.at(name).text)) << name;
  }
  EXPECT_NE(english.texts.at("txt_ThetaZuluft").find('.'), std::string::npos);
  EXPECT_NE(german.texts.at("txt_ThetaZuluft").find(','), std::string::npos);
  EXPECT_EQ(english.texts.at("lbl_ungenau2").rfind("[Rechnerfenster] ", 0), 0u);
}

TEST_F(ShownInEnglish, ACaptionIsLookedUpInTheTableItComesFrom) {
  EXPECT_EQ(ShownCaption(*FindControl("lbl_Ortsschrittweite")), "[Eingabefelder] Ortsschrittweite in mm");
  EXPECT_EQ(ShownCaption(*FindControl("lbl_Dauer1TA")), "[Ergebnisse] " + FindControl("lbl_Dauer1TA")->caption);
  EXPECT_EQ(ShownCaption(*FindControl("lbl_Programm2")), "[Rechnerfenster] Trocknungsrechner");
  EXPECT_EQ(ShownCaption(*FindControl("cmd_Neustart")), "[Rechnerfenster] Nochmal !");
  // A text box holds a number, not a caption: only its separator changes.
  EXPECT_EQ(ShownCaption(*FindControl("txt_Ortsschrittweite")), "0.1");
  // A run's box text is already the reader's; a label's German is looked up.
  EXPECT_EQ(ShownControlText("txt_ThetaZuluft", "90.6"), "90.6");
  EXPECT_EQ(ShownControlText("lbl_ungenau3", "Ortsschrittweite verkleinern od."),
            "[Rechnerfenster] Ortsschrittweite verkleinern od.");
  EXPECT_EQ(ShownControlText("no_such_control", "1,5"), "1,5");
  EXPECT_EQ(ShownControlText("txt_AnzOS", ""), "");
}

TEST_F(ShownInEnglish, ATooltipSpeaksEnglishAndShowsTheDefaultWithThePoint) {
  const std::string tip = ToolTipText(*FindControl("txt_Ortsschrittweite"));
  EXPECT_NE(tip.find("[Rechnerfenster] Einheit: [Eingabefelder] mm"), std::string::npos) << tip;
  EXPECT_NE(tip.find("[Rechnerfenster] Vorgabe: 0.1 [Eingabefelder] mm"), std::string::npos) << tip;
  EXPECT_NE(tip.find("[Rechnerfenster] üblicher Bereich: 0.02 bis 0.5"), std::string::npos) << tip;
  UseLanguage(Language::German, nullptr);
  EXPECT_EQ(ToolTipText(*FindControl("txt_relEnergie")),
            "mittlerer Wärmebedarf geteilt durch die Verdampfungsenthalpie des Wassers\nEinheit: keine (reine Zahl)");
}

}  // namespace
}  // namespace lamvero
