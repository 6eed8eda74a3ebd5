// The program window in English: captions, menus and numbers as an English
// reader sees them, the inputs handed on as files keep them, and the choice
// of the language under View ▸ Language.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>

#include "common/quickinputs.h"
#include "inputs/inputs.h"
#include "present/controltable.h"
#include "run/resultdescriptors.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/languagechoice.h"
#include "englishtexts.h"
#include "windowdriver.h"

namespace lamvero {
namespace {

class EnglishWindow : public testing::InEnglishWithEveryText {};

TEST_F(EnglishWindow, ARunShowsEnglishCaptionsAndPointsAndHandsOnTheInputsAsFilesKeepThem) {
  testing::Window win;
  EXPECT_EQ(win.w.windowTitle(), "Lamvero v.1.01  -  07.05.2007  -  Symmetrical drying of a brick clay plate");
  EXPECT_EQ(win.get<QLabel>("lbl_Programm2")->text(), "Drying calculator");
  EXPECT_EQ(win.text("txt_Ortsschrittweite"), "0.1");
  win.w.setInputs(testing::QuickInputs());
  EXPECT_EQ(win.text("txt_Ortsschrittweite"), "0.2");
  EXPECT_EQ(win.w.inputs()[Input::Ortsschrittweite], "0,2");
  // What the user types with a point reaches the model as the files write it.
  win.get<QLineEdit>("txt_deltaT")->setText("2.5");
  EXPECT_EQ(win.w.inputs()[Input::deltaT], "2,5");
  win.w.setInputs(testing::QuickInputs());

  win.start();
  ASSERT_TRUE(win.messages.isEmpty()) << win.messages.join('\n').toStdString();
  EXPECT_EQ(win.get<QPushButton>("cmd_Neustart")->text(), "&Again!");
  const RunRecord& record = win.w.runState().record;
  const QString shown = win.text("txt_ThetaZuluft");
  EXPECT_EQ(shown.toStdString(), Format(record.results.ThetaZuluft, "#0.0"));
  EXPECT_TRUE(shown.contains('.') && !shown.contains(',')) << shown.toStdString();
  // The record keeps a caption in German, which the case file keeps as it is.
  EXPECT_EQ(record.controls.at("lbl_Wasserfehler").text, FindControl("lbl_Wasserfehler")->caption);
  // The record shown again, as from an opened case file, reads as the run did.
  const RunRecord kept = record;
  win.w.showRecord(kept);
  EXPECT_EQ(win.text("txt_ThetaZuluft"), shown);
  EXPECT_EQ(win.get<QLabel>("lbl_LegendeSpiegel")->text(), "Drying front");
}

// The German left in a text: a letter or quote only German uses, or a common German word.
bool SoundsGerman(const QString& text) {
  static const QRegularExpression german(QStringLiteral(
      "[äöüÄÖÜß„]|\\b(der|die|das|und|oder|nicht|mit|ein|eine|ist|für|von|bei|zu|auf|Rechnung|Eingaben|Datei|"
      "Ansicht|Hilfe|Bearbeiten|Berechnung|Trocknung|Anlagendaten|Genauigkeit|Speichern|Weiter|Nochmal)\\b"));
  return german.match(text).hasMatch();
}

void CollectMenu(const QMenu& menu, QStringList& texts) {
  texts << menu.title();
  for (const QAction* a : menu.actions()) {
    // A language's own name stays as that language writes it.
    if (a->objectName() == QLatin1String("act_SpracheDeutsch")) continue;
    texts << a->text() << a->toolTip();
    if (a->menu()) CollectMenu(*a->menu(), texts);
  }
}

// The windows of the charts, the study and the fitting dialogs, whose English is their own.
bool InAnotherWindow(const QWidget& w) {
  for (const QWidget* p = &w; p; p = p->parentWidget()) {
    for (const char* name : {"lamvero::DiagramWindow", "lamvero::StudyWindow", "lamvero::FitDialog", "lamvero::OptimiseDialog"}) {
      if (p->inherits(name)) return true;
    }
  }
  return false;
}

void CollectWidgets(const QWidget& top, QStringList& texts) {
  texts << top.windowTitle();
  for (const QWidget* w : top.findChildren<QWidget*>()) {
    if (InAnotherWindow(*w)) continue;
    texts << w->toolTip();
    if (const auto* l = qobject_cast<const QLabel*>(w)) texts << l->text();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) texts << b->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) texts << g->title();
  }
}

QStringList GermanAmong(const QStringList& texts) {
  QStringList german;
  for (const QString& t : texts) {
    if (SoundsGerman(t)) german << t;
  }
  return german;
}

TEST_F(EnglishWindow, NoWidgetOrMenuOfTheWindowSpeaksGermanBeforeOrAfterARun) {
  AppWindow app;
  app.show();
  QStringList texts;
  CollectWidgets(app, texts);
  for (const QAction* a : app.menuBar()->actions()) {
    if (a->menu()) CollectMenu(*a->menu(), texts);
  }
  EXPECT_TRUE(GermanAmong(texts).isEmpty()) << GermanAmong(texts).join(QStringLiteral("\n---\n")).toStdString();

  // After a run that ends with the water-balance warning: results, live values and advice.
  testing::Window win;
  InputTexts inputs = testing::QuickInputs();
  inputs[Input::ThetaGegenstromende] = "35";
  win.w.setInputs(inputs);
  win.start();
  QStringList afterRun;
  CollectWidgets(win.w, afterRun);
  EXPECT_TRUE(win.get<QLabel>("lbl_ungenau1")->isVisibleTo(&win.w));
  EXPECT_TRUE(GermanAmong(afterRun).isEmpty()) << GermanAmong(afterRun).join(QStringLiteral("\n---\n")).toStdString();

  EXPECT_FALSE(SoundsGerman(QStringLiteral("Drying front")));
  EXPECT_TRUE(SoundsGerman(QStringLiteral("Trocknungsspiegel der Platte")));
}

TEST_F(EnglishWindow, TheLanguageMenuShowsTheRememberedChoiceAndSaysTheNextStartInTheChosenLanguage) {
  RememberWindowLanguage(Language::English);
  AppWindow app;
  QStringList told;
  app.setMessagePresenter([&told](const QString& text) { told << text; });
  QAction* system = app.findChild<QAction*>(QStringLiteral("act_SpracheSystem"));
  QAction* german = app.findChild<QAction*>(QStringLiteral("act_SpracheDeutsch"));
  QAction* english = app.findChild<QAction*>(QStringLiteral("act_SpracheEnglisch"));
  ASSERT_TRUE(system && german && english);
  EXPECT_EQ(system->text(), "As the system");
  EXPECT_TRUE(english->isChecked());
  EXPECT_FALSE(german->isChecked() || system->isChecked());

  german->trigger();
  EXPECT_TRUE(german->isChecked() && !english->isChecked());
  EXPECT_EQ(RememberedWindowLanguage(), Language::German);
  english->trigger();
  EXPECT_EQ(RememberedWindowLanguage(), Language::English);
  system->trigger();
  EXPECT_EQ(RememberedWindowLanguage(), std::nullopt);
  ASSERT_EQ(told.size(), 3);
  EXPECT_EQ(told[0], "Lamvero spricht ab dem nächsten Start Deutsch.");
  EXPECT_EQ(told[1], "From its next start Lamvero speaks English.");
  // The window still speaks the language it started in.
  EXPECT_EQ(app.menuBar()->actions().front()->text(), "&File");
}

}  // namespace
}  // namespace lamvero
