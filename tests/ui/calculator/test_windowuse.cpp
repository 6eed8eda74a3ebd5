// The window as a user handles it: where the focus goes and which boxes take
// edits during a run, which buttons show in each state, the keyboard, and the
// temperature sign.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QSet>
#include <QTest>

#include "common/quickinputs.h"
#include "windowdriver.h"
#include "present/controltable.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"

namespace lamvero {
namespace {

using testing::QuickInputs;
using testing::Window;

const char* const kRunButtons[] = {"cmd_Start", "cmd_Neustart", "cmd_Pause", "cmd_Weiter", "cmd_Stop"};

QSet<QString> ShownButtons(Window& win) {
  QSet<QString> out;
  for (const char* name : kRunButtons)
    if (win.shown(name)) out << name;
  return out;
}

// No two shown buttons cover each other.
bool ButtonsApart(Window& win) {
  for (const char* a : kRunButtons)
    for (const char* b : kRunButtons)
      if (a < b && win.shown(a) && win.shown(b) && win.get(a)->geometry().intersects(win.get(b)->geometry()))
        return false;
  return true;
}

bool IsInputBox(const std::string& name) {
  for (const InputField& f : InputFields())
    if (name == f.box) return true;
  return false;
}

// Every input box is read-only and out of the focus chain, or every one is editable.
bool InputsLocked(Window& win, bool locked) {
  for (const InputField& f : InputFields()) {
    auto* box = win.get<QLineEdit>(f.box);
    if (box->isReadOnly() != locked || (box->focusPolicy() == Qt::NoFocus) != locked) return false;
  }
  return true;
}

QSet<QString> Names(std::initializer_list<const char*> names) {
  QSet<QString> out;
  for (const char* n : names) out << n;
  return out;
}

TEST(MainWindowFocus, DuringARunNoInputBoxHoldsTheFocusOrTakesAnEdit) {
  Window win;
  win.get("txt_Dicke")->setFocus();
  win.get<QPushButton>("cmd_Start")->click();
  win.waitUntilUnderWay();
  EXPECT_TRUE(InputsLocked(win, true));
  EXPECT_FALSE(IsInputBox(win.focus())) << win.focus();
  win.get<QPushButton>("cmd_Pause")->click();
  // Pause hid itself: the focus went to Weiter, not to the first input box.
  EXPECT_EQ(win.focus(), "cmd_Weiter");
  // A key typed now, or typed straight into an input box, changes no input.
  QTest::keyClicks(win.w.focusWidget(), "3");
  QTest::keyClicks(win.get("txt_Dicke"), "3");
  EXPECT_EQ(win.get<QLineEdit>("txt_Dicke")->text(), "20,0");
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(win.w.focusWidget(), Qt::Key_Tab);
    EXPECT_FALSE(IsInputBox(win.focus())) << win.focus();
  }
  win.get<QPushButton>("cmd_Weiter")->click();
  EXPECT_EQ(win.focus(), "cmd_Pause");  // the button at the same place
  win.waitForRunEnd();

  EXPECT_TRUE(win.shown("txt_ThetaZuluft"));  // the run went to its end
  EXPECT_EQ(win.w.runState().in.Dicke, 20);
  // Afterwards the inputs take edits again; the focus waits on the one button left.
  EXPECT_TRUE(InputsLocked(win, false));
  EXPECT_EQ(win.focus(), "cmd_Neustart");
  win.get<QPushButton>("cmd_Neustart")->click();
  EXPECT_EQ(win.focus(), "txt_Dicke");  // where the user was before Start
  QTest::keyClick(win.get("txt_Dicke"), Qt::Key_End);
  QTest::keyClicks(win.get("txt_Dicke"), "5");
  EXPECT_EQ(win.get<QLineEdit>("txt_Dicke")->text(), "20,05");
}

TEST(MainWindowFocus, AStopParksTheFocusAndARefusedStartGivesItBack) {
  Window win;
  QTest::mouseClick(win.get("cmd_Start"), Qt::LeftButton);
  win.waitUntilUnderWay();
  win.get<QPushButton>("cmd_Stop")->click();
  EXPECT_FALSE(IsInputBox(win.focus())) << win.focus();
  win.waitForRunEnd();
  EXPECT_EQ(win.focus(), "cmd_Neustart");
  EXPECT_TRUE(InputsLocked(win, false));
  win.get<QPushButton>("cmd_Neustart")->click();
  EXPECT_EQ(win.focus(), "cmd_Start");  // Start was pressed with the mouse

  InputTexts in = QuickInputs();
  in[Input::deltaT] = "abc";
  win.w.setInputs(in);
  win.get("txt_deltaT")->setFocus();
  QTest::keyClick(win.get("txt_deltaT"), Qt::Key_Return);
  win.waitForRunEnd();
  ASSERT_EQ(win.messages.size(), 1);
  EXPECT_EQ(win.focus(), "txt_deltaT");
  EXPECT_TRUE(InputsLocked(win, false));
}

// The user is taken to what was refused: the first refused box in window
// order, its text selected for typing over, wherever the focus was at Start.
TEST(MainWindowFocus, ARefusedStartTakesTheFocusToTheFirstRefusedBox) {
  Window win;
  InputTexts in = QuickInputs();
  in[Input::deltaT] = "abc";
  in[Input::lambda] = "x";
  win.w.setInputs(in);
  QTest::mouseClick(win.get("cmd_Start"), Qt::LeftButton);
  win.waitForRunEnd();
  ASSERT_EQ(win.messages.size(), 1);
  EXPECT_EQ(win.focus(), "txt_lambda");
  EXPECT_EQ(win.get<QLineEdit>("txt_lambda")->selectedText(), "x");

  // The same from a box that is not to blame, started with Enter.
  in[Input::lambda] = "1,0";
  win.w.setInputs(in);
  win.get("txt_Dicke")->setFocus();
  QTest::keyClick(win.get("txt_Dicke"), Qt::Key_Return);
  win.waitForRunEnd();
  EXPECT_EQ(win.focus(), "txt_deltaT");
  EXPECT_EQ(win.get<QLineEdit>("txt_deltaT")->selectedText(), "abc");
  EXPECT_TRUE(InputsLocked(win, false));
}

TEST(MainWindowButtons, OnlyButtonsWithAFunctionShowAndNoneCoverAnother) {
  Window win;
  win.w.setInputs(QuickInputs());
  EXPECT_EQ(ShownButtons(win), Names({"cmd_Start"}));
  win.get<QPushButton>("cmd_Start")->click();
  win.waitForRunEnd();
  // After a complete run, as after a stop, only "Nochmal !".
  EXPECT_EQ(ShownButtons(win), Names({"cmd_Neustart"}));
  // The focused button takes a Space: it is "Nochmal !", never an idle Pause.
  QTest::keyClick(win.w.focusWidget(), Qt::Key_Space);
  EXPECT_EQ(ShownButtons(win), Names({"cmd_Start"}));

  win.w.setInputs(InputTexts::Defaults());
  std::vector<QSet<QString>> seen;
  bool apart = true;
  auto look = [&] {
    seen.push_back(ShownButtons(win));
    apart = apart && ButtonsApart(win);
  };
  win.get<QPushButton>("cmd_Start")->click();
  win.waitUntilUnderWay();
  look();
  win.get<QPushButton>("cmd_Pause")->click();
  look();
  win.get<QPushButton>("cmd_Weiter")->click();
  look();
  win.get<QPushButton>("cmd_Stop")->click();
  look();
  win.waitForRunEnd();
  look();
  const std::vector<QSet<QString>> expected{Names({"cmd_Pause", "cmd_Stop"}), Names({"cmd_Weiter"}),
                                            Names({"cmd_Pause", "cmd_Stop"}), Names({}),
                                            Names({"cmd_Neustart"})};
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(apart);
}

TEST(MainWindowKeyboard, TabGoesThroughTheInputBoxesInWindowOrderThenToTheShownButton) {
  Window win;
  win.w.setInputs(QuickInputs());
  for (bool afterRun : {false, true}) {
    SCOPED_TRACE(afterRun ? "after a run, result boxes shown" : "at open");
    win.get("txt_Dicke")->setFocus();
    std::vector<std::string> order;
    for (std::size_t i = 0; i < kInputCount + 1; ++i) {
      QTest::keyClick(win.w.focusWidget(), Qt::Key_Tab);
      order.push_back(win.focus());
    }
    std::vector<std::string> expected;
    for (std::size_t i = 1; i < kInputCount; ++i) expected.push_back(InputFields()[i].box);
    expected.push_back(afterRun ? "cmd_Neustart" : "cmd_Start");
    expected.push_back("txt_Dicke");
    EXPECT_EQ(order, expected);
    if (!afterRun) {
      win.get<QPushButton>("cmd_Start")->click();
      win.waitForRunEnd();
    }
  }
}

TEST(MainWindowKeyboard, EnterInAnInputBoxRunsAgainEscStopsAndButtonsHaveMnemonics) {
  Window win;
  win.w.setInputs(QuickInputs());
  auto* dicke = win.get<QLineEdit>("txt_Dicke");
  QTest::mouseClick(win.get("cmd_Start"), Qt::LeftButton);
  win.waitForRunEnd();
  ASSERT_TRUE(win.shown("txt_ThetaZuluft"));
  const double zeit = win.w.runState().now.Zeit;
  // Enter after a finished run clears it and runs with the inputs as they stand.
  dicke->setFocus();
  QTest::keyClick(dicke, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(dicke, "3,8");  // 10 spatial steps: the coarsest grid accepted
  QTest::keyClick(dicke, Qt::Key_Return);
  win.waitForRunEnd();
  EXPECT_EQ(dicke->text(), "3,8");
  EXPECT_TRUE(win.shown("txt_ThetaZuluft"));
  EXPECT_LT(win.w.runState().now.Zeit, zeit);  // a thinner plate dries sooner
  win.get<QPushButton>("cmd_Neustart")->click();
  EXPECT_EQ(win.focus(), "txt_Dicke");  // back where Enter was pressed
  QTest::keyClick(dicke, Qt::Key_Return);
  win.waitForRunEnd();
  EXPECT_TRUE(win.shown("txt_ThetaZuluft"));

  // Esc during a run stops it at once.
  win.get<QPushButton>("cmd_Neustart")->click();
  win.w.setInputs(InputTexts::Defaults());
  // Alt+S presses Start as a click would, a moment later.
  QTest::keyClick(&win.w, Qt::Key_S, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return win.shown("cmd_Stop"); }, 5000));
  QTest::keyClick(win.w.focusWidget(), Qt::Key_Escape);
  EXPECT_EQ(win.run().phase(), RunPhase::Stopping);
  win.waitForRunEnd();
  ASSERT_FALSE(win.ended.empty());
  EXPECT_EQ(win.ended.back().outcome, RunOutcome::Stopped);
  EXPECT_TRUE(win.shown("cmd_Neustart"));
  EXPECT_FALSE(win.shown("txt_ThetaZuluft"));
  // Esc with no run does nothing.
  QTest::keyClick(win.w.focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(win.shown("cmd_Neustart"));
  QTest::keyClick(&win.w, Qt::Key_N, Qt::AltModifier);  // Alt+N: Nochmal
  EXPECT_TRUE(QTest::qWaitFor([&] { return win.shown("cmd_Start"); }, 5000));
  // Enter on the focused Start button presses it.
  win.w.setInputs(QuickInputs());
  win.get("cmd_Start")->setFocus();
  QTest::keyClick(win.get("cmd_Start"), Qt::Key_Return);
  win.waitForRunEnd();
  EXPECT_TRUE(win.shown("txt_ThetaZuluft"));

  // Each button shows its caption and has its own Alt letter.
  QSet<QKeySequence> keys;
  for (const char* name : kRunButtons) {
    auto* button = win.get<QPushButton>(name);
    EXPECT_EQ(button->text().remove('&').toStdString(), FindControl(name)->caption) << name;
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    EXPECT_FALSE(key.isEmpty()) << name;
    keys << key;
  }
  EXPECT_EQ(keys.size(), 5);
}

TEST(MainWindowKeyboard, ResultBoxesCanBeSelectedAndCopiedButNotChanged) {
  Window win;
  win.w.setInputs(QuickInputs());
  win.get<QPushButton>("cmd_Start")->click();
  win.waitForRunEnd();
  for (const ControlRow& c : ControlTable()) {
    if (c.kind != ControlKind::TextBox) continue;
    auto* box = win.get<QLineEdit>(c.name.c_str());
    const bool input = IsInputBox(c.name);
    EXPECT_EQ(box->isReadOnly(), !input) << c.name;
  }
  auto* energy = win.get<QLineEdit>("txt_spezEnergie");
  const QString shown = energy->text();
  QTest::mouseClick(energy, Qt::LeftButton);
  EXPECT_EQ(win.focus(), "txt_spezEnergie");
  QTest::keyClicks(energy, "99");
  QTest::keyClick(energy, Qt::Key_Backspace);
  EXPECT_EQ(energy->text(), shown);
  QTest::keyClick(energy, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(energy, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), shown);
}

TEST(MainWindowSigns, TheTemperatureSignIsDrawnFromAFontThatHasIt) {
  Window win;
  for (const char* name : {"lbl_ThetaZu", "lbl_ThetaU"}) {
    auto* label = win.get<QLabel>(name);
    EXPECT_EQ(label->text(), QString::fromUtf8("ϑ"));
    // No fallback glyph: the label's own font draws the sign.
    EXPECT_TRUE(QRawFont::fromFont(label->font()).supportsCharacter(QChar(0x03D1)))
        << QFontInfo(label->font()).family().toStdString();
    // The whole sign lies inside its label, not cut off at the right.
    const QRect ink = QFontMetrics(label->font()).tightBoundingRect(label->text());
    EXPECT_LE(ink.right(), label->width()) << name;
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(label->font().bold());
  }
}

TEST(MainWindowToolTips, InputsTellMeaningUnitDefaultAndRangeResultsMeaningAndUnit) {
  Window win;
  int inputs = 0;
  for (const ControlRow& c : ControlTable()) {
    if (c.kind != ControlKind::TextBox || c.name == "txt_parkfocus") continue;
    SCOPED_TRACE(c.name);
    const QString tip = win.get(c.name.c_str())->toolTip();
    const QStringList lines = tip.split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_FALSE(lines[0].isEmpty());  // the meaning
    EXPECT_TRUE(lines[1].startsWith("Einheit: ")) << lines[1].toStdString();
    EXPECT_EQ(win.get(c.label.c_str())->toolTip(), tip);  // the caption explains its box
    if (!IsInputBox(c.name)) {
      EXPECT_EQ(lines.size(), 2);
      continue;
    }
    ++inputs;
    for (const InputField& f : InputFields()) {
      if (c.name != f.box) continue;
      const QString unit = QString::fromUtf8(f.unit);
      ASSERT_EQ(lines.size(), 4);
      EXPECT_EQ(lines[1], "Einheit: " + (unit.isEmpty() ? QStringLiteral("keine (reine Zahl)") : unit));
      EXPECT_TRUE(lines[2].startsWith("Vorgabe: " + QString::fromUtf8(f.defaultText))) << lines[2].toStdString();
      EXPECT_TRUE(lines[3].startsWith(QString::fromUtf8("üblicher Bereich: "))) << lines[3].toStdString();
    }
  }
  EXPECT_EQ(inputs, static_cast<int>(kInputCount));
  const auto tipOf = [&](const char* name) { return win.get(name)->toolTip().toStdString(); };
  EXPECT_NE(tipOf("txt_Dicke").find("\nVorgabe: 20,0 mm\nüblicher Bereich: 3 bis 100 mm"), std::string::npos);
  EXPECT_NE(tipOf("txt_Ortsschrittweite").find("üblicher Bereich: 0,02 bis 0,5 mm"), std::string::npos);
  EXPECT_NE(tipOf("txt_AussenluftTemp").find("üblicher Bereich: -20 bis 40 °C"), std::string::npos);
  EXPECT_NE(tipOf("txt_rund").find("Vorgabe: 1200\nüblicher Bereich: 100 bis 10000"), std::string::npos);
  EXPECT_NE(tipOf("txt_Dauer1TA").find("Einheit: Stunden:Minuten:Sekunden"), std::string::npos);
  EXPECT_TRUE(win.get("cmd_Start")->toolTip().isEmpty());
}

}  // namespace
}  // namespace lamvero
