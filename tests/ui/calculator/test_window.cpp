// The main window driven through its buttons: the open state, complete,
// paused, stopped and refused runs, "Nochmal !" and closing during a run. The
// runs go on on their own thread: the tests wait for what they look at.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <ctime>

#include "common/quickinputs.h"
#include "windowdriver.h"
#include "text/numberformat.h"
#include "present/controltable.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/plotarea.h"
#include "ui/calculator/runcontroller.h"

namespace lamvero {
namespace {

using testing::QuickInputs;
using testing::Window;

std::vector<std::string> TextsOf(const InputTexts& in) {
  std::vector<std::string> out;
  for (const InputField& f : InputFields()) out.push_back(in[f.id]);
  return out;
}

// CPU time of the whole process (every thread), ms.
double ProcessCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

bool HasPixel(const QImage& image, QRgb colour) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff)) return true;
  return false;
}

// The names of the output rows: every label or text box of the left column
// that is hidden when the window opens.
std::vector<std::string> OutputRows() {
  std::vector<std::string> names;
  for (const ControlRow& c : ControlTable()) {
    if ((c.kind == ControlKind::TextBox || c.kind == ControlKind::Label) && !c.visibleAtOpen && c.left < 4680)
      names.push_back(c.name);
  }
  return names;
}

TEST(MainWindowOpen, ShowsOnlyTheInputsAndStart) {
  Window win;
  EXPECT_EQ(win.w.objectName(), "frm_Lamvero");
  EXPECT_EQ(win.w.windowTitle(),
            "Lamvero v.1.01  -  07.05.2007  -  Symmetrische Trocknung einer Platte aus Ziegelton");
  EXPECT_EQ(win.w.size(), QSize(1020, 739));

  // Left of the column divider, only the 18 input rows and Start are visible
  // (besides the white focus sink, which shows nothing).
  QSet<QString> visible;
  for (QWidget* child : win.w.findChildren<QWidget*>()) {
    const bool control = qobject_cast<QLabel*>(child) || qobject_cast<QLineEdit*>(child) ||
                         qobject_cast<QPushButton*>(child);
    if (control && !child->isHidden() && child->x() < 4680 / 15) visible << child->objectName();
  }
  QSet<QString> expected{"cmd_Start", "txt_parkfocus"};
  for (const InputField& f : InputFields()) {
    expected << f.label << f.box;
    EXPECT_EQ(win.get<QLabel>(f.label)->text().toStdString(), f.caption);
    EXPECT_EQ(win.text(f.box).toStdString(), f.defaultText);
  }
  EXPECT_EQ(visible, expected);
  EXPECT_TRUE(win.w.ausgabe().isBlank());
  EXPECT_TRUE(win.w.zeit().isBlank());
}

TEST(ControlTable, NamesAreUniqueAndEveryBoxHasItsLabel) {
  QSet<QString> names;
  for (const ControlRow& c : ControlTable()) {
    EXPECT_FALSE(names.contains(QString::fromStdString(c.name))) << c.name;
    names << QString::fromStdString(c.name);
  }
  for (const ControlRow& c : ControlTable()) {
    if (c.kind != ControlKind::TextBox || c.name == "txt_parkfocus") continue;
    const ControlRow* label = FindControl(c.label);
    ASSERT_NE(label, nullptr) << c.name;
    EXPECT_EQ(label->kind, ControlKind::Label);
    EXPECT_EQ(label->top, c.top) << c.name;  // one row
    EXPECT_EQ(label->visibleAtOpen, c.visibleAtOpen) << c.name;
  }
}

TEST(MainWindowRun, CompleteRunShowsResultsAndBothPlotsNochmalClearsThemKeepingTheInputs) {
  Window win;
  win.w.setInputs(QuickInputs());
  win.start();
  const RunState& s = win.w.runState();

  EXPECT_TRUE(win.messages.isEmpty());
  // Only "Nochmal !" is left to press, as after a stop.
  EXPECT_TRUE(win.shown("cmd_Neustart"));
  for (const char* name : {"cmd_Start", "cmd_Pause", "cmd_Weiter", "cmd_Stop"}) EXPECT_FALSE(win.shown(name)) << name;
  for (const char* name : {"txt_Dauer1TA", "txt_X1TA", "txt_ThetaZuluft", "txt_spezEnergie", "txt_relEnergie",
                           "txt_Wasserfehler", "lbl_Wasserfehler"})
    EXPECT_TRUE(win.shown(name)) << name;
  // The last values of the run stand in the boxes, not some earlier frame's.
  EXPECT_EQ(win.text("txt_ThetaZuluft").toStdString(), Format(s.record.results.ThetaZuluft, "#0.0"));
  EXPECT_EQ(win.text("txt_Wasserfehler").toStdString(), Format(s.record.results.WasserfehlerProzent, "#0.0"));
  EXPECT_EQ(win.text("txt_xmom"), "0");
  EXPECT_EQ(win.text("txt_AnzOS"), "10");
  EXPECT_EQ(win.inputTexts(), TextsOf(QuickInputs()));

  EXPECT_FALSE(win.w.zeit().isBlank());
  EXPECT_TRUE(HasPixel(win.w.ausgabe().image(), qRgb(255, 0, 0)));  // last profile of the first period

  win.click("cmd_Neustart");
  EXPECT_TRUE(win.w.ausgabe().isBlank());
  EXPECT_TRUE(win.w.zeit().isBlank());
  for (const std::string& name : OutputRows()) EXPECT_FALSE(win.shown(name.c_str())) << name;
  EXPECT_TRUE(win.shown("cmd_Start"));
  EXPECT_FALSE(win.shown("cmd_Neustart"));
  EXPECT_EQ(win.inputTexts(), TextsOf(QuickInputs()));
  // The next run starts from the same inputs and ends the same way.
  const double zeit = s.now.Zeit;
  win.start();
  EXPECT_EQ(s.now.Zeit, zeit);
}

TEST(MainWindowRun, PauseThenWeiterGivesTheSameRunAsNoPause) {
  Window plain;
  plain.start();

  Window paused;
  paused.click("cmd_Start");
  paused.waitUntilUnderWay();
  paused.click("cmd_Pause");
  EXPECT_EQ(paused.run().phase(), RunPhase::Paused);
  const bool onlyWeiterWhilePaused =
      paused.shown("cmd_Weiter") && !paused.shown("cmd_Pause") && !paused.shown("cmd_Stop");
  paused.waitUntilHolding();
  const double zeitAtPause = paused.w.runState().now.Zeit;  // the run holds: its state stands still
  paused.click("cmd_Weiter");
  EXPECT_EQ(paused.run().phase(), RunPhase::Running);
  paused.waitForRunEnd();

  EXPECT_TRUE(onlyWeiterWhilePaused);
  EXPECT_GT(zeitAtPause, 0);  // the pause fell inside the run
  EXPECT_LT(zeitAtPause, paused.w.runState().now.Zeit);
  EXPECT_EQ(paused.w.runState().now.Zeit, plain.w.runState().now.Zeit);
  EXPECT_EQ(paused.w.runState().record.series.nReihe, plain.w.runState().record.series.nReihe);
  for (const ControlRow& c : ControlTable()) {
    if (c.kind == ControlKind::TextBox) {
      EXPECT_EQ(paused.text(c.name.c_str()), plain.text(c.name.c_str())) << c.name;
    }
  }
  for (const char* name : {"cmd_Pause", "cmd_Stop", "cmd_Weiter"}) EXPECT_FALSE(paused.shown(name)) << name;
  EXPECT_EQ(paused.w.ausgabe().image(), plain.w.ausgabe().image());
  EXPECT_EQ(paused.w.zeit().image(), plain.w.zeit().image());
}

// The run waits at its pause on the worker's side: no step, no change on the
// screen and no load until it goes on; a stop ends it from there at once.
TEST(MainWindowRun, APausedRunHoldsWithoutLoadAndAStopEndsItWithoutAnotherStep) {
  Window win;
  win.click("cmd_Start");
  win.waitUntilUnderWay();
  win.click("cmd_Pause");
  win.waitUntilHolding();
  const RunState& s = win.w.runState();
  const double zeit = s.now.Zeit;
  const int stored = s.record.series.nReihe;
  const QString shown = win.text("txt_Zeit");
  const double cpuBefore = ProcessCpuMs();
  QTest::qWait(400);
  const double cpu = ProcessCpuMs() - cpuBefore;
  EXPECT_TRUE(win.run().holding());
  EXPECT_EQ(s.now.Zeit, zeit);
  EXPECT_EQ(s.record.series.nReihe, stored);
  EXPECT_EQ(win.text("txt_Zeit"), shown);
  EXPECT_LT(cpu, 150) << "a waiting run would not take the processor's time";

  EXPECT_TRUE(win.run().stop());  // as closing the window does
  EXPECT_FALSE(win.run().resume());
  win.waitForRunEnd();
  ASSERT_EQ(win.ended.size(), 1u);
  EXPECT_EQ(win.ended[0].outcome, RunOutcome::Stopped);
  EXPECT_EQ(s.now.Zeit, zeit);  // no step after the stop
  EXPECT_TRUE(s.StopFlag);
  EXPECT_EQ(win.run().phase(), RunPhase::Finished);
  EXPECT_TRUE(win.shown("cmd_Neustart"));
  EXPECT_FALSE(win.shown("txt_ThetaZuluft"));
}

// In a pause Stop is hidden, as Pause leaves it; Esc (and the window's
// Anhalten) still stops: the buttons end as Weiter and then Stop leave them,
// and the run ends at the step it holds at.
TEST(MainWindowRun, EscStopsAPausedRunAtTheStepItHoldsAt) {
  Window win;
  EXPECT_FALSE(win.w.stopRun());  // no run: nothing to stop
  win.click("cmd_Start");
  win.waitUntilUnderWay();
  win.click("cmd_Pause");
  win.waitUntilHolding();
  ASSERT_FALSE(win.shown("cmd_Stop"));
  const double zeit = win.w.runState().now.Zeit;
  QTest::keyClick(win.w.focusWidget(), Qt::Key_Escape);
  EXPECT_EQ(win.run().phase(), RunPhase::Stopping);
  for (const char* name : {"cmd_Pause", "cmd_Stop", "cmd_Weiter"}) EXPECT_FALSE(win.shown(name)) << name;
  win.waitForRunEnd();
  ASSERT_EQ(win.ended.size(), 1u);
  EXPECT_EQ(win.ended[0].outcome, RunOutcome::Stopped);
  EXPECT_EQ(win.w.runState().now.Zeit, zeit);
  EXPECT_TRUE(win.shown("cmd_Neustart"));
  EXPECT_FALSE(win.shown("cmd_Weiter"));
  EXPECT_FALSE(win.shown("txt_ThetaZuluft"));
  EXPECT_TRUE(win.messages.isEmpty());
  EXPECT_FALSE(win.w.stopRun());  // the run is over
}

// Pause acts on a run only: a leftover Pause button (no state of the window
// shows one without a run) starts no pause, and Start still runs.
TEST(MainWindowRun, PauseWithoutARunDoesNothingAndWeiterGoesOnWithTheRun) {
  Window win;
  win.get("cmd_Pause")->show();
  win.click("cmd_Pause");
  EXPECT_EQ(win.run().phase(), RunPhase::Idle);
  EXPECT_FALSE(win.shown("cmd_Weiter"));
  EXPECT_TRUE(win.shown("cmd_Start"));
  win.click("cmd_Start");
  win.waitUntilUnderWay();
  win.click("cmd_Pause");
  EXPECT_EQ(win.run().phase(), RunPhase::Paused);
  win.click("cmd_Weiter");
  EXPECT_EQ(win.run().phase(), RunPhase::Running);
  win.waitForRunEnd();
  EXPECT_TRUE(win.shown("txt_ThetaZuluft"));  // the run went to its end
}

TEST(MainWindowRun, StopInTheFirstPeriodEndsAtOnceWithoutResults) {
  Window win;
  win.click("cmd_Start");
  win.waitUntilUnderWay();
  win.click("cmd_Stop");
  EXPECT_EQ(win.run().phase(), RunPhase::Stopping);
  // Until the run has ended, no run button is left to press.
  for (const char* name : {"cmd_Start", "cmd_Pause", "cmd_Stop", "cmd_Weiter"}) EXPECT_FALSE(win.shown(name)) << name;
  win.waitForRunEnd();

  ASSERT_EQ(win.ended.size(), 1u);
  EXPECT_EQ(win.ended[0].outcome, RunOutcome::Stopped);
  EXPECT_TRUE(win.w.runState().StopFlag);
  EXPECT_EQ(win.w.runState().record.results.Dauer1TA, 0);  // still in the first period
  EXPECT_TRUE(win.messages.isEmpty());
  EXPECT_TRUE(win.shown("cmd_Neustart"));
  for (const char* name : {"cmd_Start", "cmd_Pause", "cmd_Stop", "txt_Dauer1TA", "lbl_Dauer1TA",
                           "txt_ThetaZuluft", "txt_spezEnergie", "txt_Wasserfehler"})
    EXPECT_FALSE(win.shown(name)) << name;
  EXPECT_TRUE(win.w.zeit().isBlank());
  EXPECT_FALSE(win.w.ausgabe().isBlank());  // the shrinkage scale of the set-up stays
}

TEST(MainWindowRun, RefusedInputsShowEveryProblemAndStartNoRun) {
  Window win;
  InputTexts in = QuickInputs();
  in[Input::Ortsschrittweite] = "0";
  in[Input::rhos] = "abc";
  win.w.setInputs(in);
  win.start();

  ASSERT_EQ(win.messages.size(), 1);
  EXPECT_TRUE(win.messages[0].contains(QString::fromUtf8(FieldOf(Input::Ortsschrittweite).caption)));
  EXPECT_TRUE(win.messages[0].contains(QString::fromUtf8(FieldOf(Input::rhos).caption)));
  EXPECT_TRUE(win.shown("cmd_Start"));
  for (const char* name : {"cmd_Pause", "cmd_Stop", "cmd_Neustart"}) EXPECT_FALSE(win.shown(name)) << name;
  for (const std::string& name : OutputRows()) EXPECT_FALSE(win.shown(name.c_str())) << name;
  EXPECT_TRUE(win.w.ausgabe().isBlank());
  EXPECT_EQ(win.inputTexts(), TextsOf(in));
}

// Values far outside what a brick dryer sees: the window asks first, and "No"
// starts nothing and keeps every text as typed.
TEST(MainWindowRun, UnusualInputsAskBeforeTheRun) {
  Window win;
  InputTexts in = QuickInputs();
  in[Input::Waermeuebergang] = "1E9";
  in[Input::ThetaEinf] = "-273";
  win.w.setInputs(in);
  win.answer = false;
  win.start();
  EXPECT_EQ(win.run().phase(), RunPhase::Idle);
  ASSERT_EQ(win.questions.size(), 1);
  EXPECT_TRUE(win.questions[0].endsWith(QStringLiteral(".\n\nTrotzdem rechnen?"))) << win.questions[0].toStdString();
  EXPECT_TRUE(win.questions[0].contains(QString::fromUtf8(FieldOf(Input::Waermeuebergang).caption)));
  EXPECT_TRUE(win.questions[0].contains(QStringLiteral("-273 °C liegt außerhalb des üblichen Bereichs von 0 °C bis 50 °C")));
  EXPECT_TRUE(win.messages.isEmpty());
  EXPECT_TRUE(win.shown("cmd_Start"));
  EXPECT_FALSE(win.shown("cmd_Neustart"));
  EXPECT_TRUE(win.w.ausgabe().isBlank());
  EXPECT_EQ(win.inputTexts(), TextsOf(in));

  // A refused input is reported, not questioned.
  InputTexts refused = in;
  refused[Input::rhos] = "abc";
  win.w.setInputs(refused);
  win.start();
  EXPECT_EQ(win.questions.size(), 1);
  EXPECT_EQ(win.messages.size(), 1);
  EXPECT_EQ(win.run().phase(), RunPhase::Idle);  // Start stays, for the corrected inputs

  win.w.setInputs(in);
  win.answer = true;
  win.start();
  EXPECT_EQ(win.questions.size(), 2);
  EXPECT_TRUE(win.shown("cmd_Neustart"));
}

TEST(MainWindowRun, ARunThatWillFillTheSeriesAsksBeforeItStarts) {
  Window win;
  InputTexts in = InputTexts::Defaults();  // usual inputs, but about 1,4 million steps
  in[Input::Dicke] = "40";
  in[Input::deltaT] = "0,05";
  win.w.setInputs(in);
  win.answer = false;
  win.start();
  EXPECT_EQ(win.run().phase(), RunPhase::Idle);
  ASSERT_EQ(win.questions.size(), 1);
  EXPECT_TRUE(win.questions[0].startsWith(QStringLiteral(
      "Die Zeitreihen fassen höchstens 500000 Zeitschritte; diese Rechnung braucht voraussichtlich etwa ")))
      << win.questions[0].toStdString();
  EXPECT_TRUE(win.questions[0].endsWith(QStringLiteral(". Trotzdem rechnen?")));
  EXPECT_TRUE(win.messages.isEmpty());
  EXPECT_TRUE(win.shown("cmd_Start"));
  EXPECT_TRUE(win.w.ausgabe().isBlank());

  // A run that fits is not asked about.
  win.w.setInputs(QuickInputs());
  win.answer = true;
  win.start();
  EXPECT_EQ(win.questions.size(), 1);
  EXPECT_TRUE(win.shown("cmd_Neustart"));
}

TEST(MainWindowRun, FullSeriesStopTheRunWithAMessage) {
  Window win;
  InputTexts in = QuickInputs();
  in[Input::deltaT] = "0,002";
  in[Input::rund] = "500000";
  win.w.setInputs(in);
  win.start();

  // Asked about the unusual time step and then the series, answered yes.
  ASSERT_EQ(win.questions.size(), 2);
  EXPECT_TRUE(win.questions[1].startsWith(QStringLiteral("Die Zeitreihen fassen höchstens 500000 Zeitschritte")));
  ASSERT_EQ(win.messages.size(), 1);
  EXPECT_TRUE(win.messages[0].contains("500000"));
  EXPECT_EQ(win.w.runState().record.series.nReihe, kMaxSeriesIndex);
  EXPECT_TRUE(win.shown("cmd_Neustart"));
  for (const char* name : {"cmd_Pause", "cmd_Stop", "txt_ThetaZuluft"}) EXPECT_FALSE(win.shown(name)) << name;
  EXPECT_TRUE(win.w.zeit().isBlank());
}

TEST(MainWindowClose, ClosingDuringARunOrAPauseStopsTheRunAndClosesTheWindow) {
  for (bool duringPause : {false, true}) {
    SCOPED_TRACE(duringPause ? "during a pause" : "during a run");
    Window win;
    win.click("cmd_Start");
    win.waitUntilUnderWay();
    double zeitAtPause = -1;
    if (duringPause) {
      win.click("cmd_Pause");
      win.waitUntilHolding();
      zeitAtPause = win.w.runState().now.Zeit;
    }
    win.w.close();
    EXPECT_TRUE(win.w.isVisible());  // until the run has ended
    EXPECT_EQ(win.run().phase(), RunPhase::Stopping);
    win.waitForRunEnd();

    EXPECT_FALSE(win.w.isVisible());
    EXPECT_FALSE(win.run().active());
    EXPECT_TRUE(win.w.runState().StopFlag);
    if (duringPause) {
      EXPECT_EQ(win.w.runState().now.Zeit, zeitAtPause);  // no step after the pause
    }
    EXPECT_FALSE(win.shown("txt_ThetaZuluft"));  // no evaluation after the stop
    EXPECT_TRUE(win.messages.isEmpty());
  }
}

// A window destroyed without being closed (the program quitting) ends its
// run and waits for the run's thread; frames still on their way go nowhere.
TEST(MainWindowClose, DestroyingTheWindowDuringARunOrAPauseEndsTheRunsThread) {
  for (bool duringPause : {false, true}) {
    SCOPED_TRACE(duringPause ? "during a pause" : "during a run");
    auto win = std::make_unique<Window>();
    win->click("cmd_Start");
    win->waitUntilUnderWay();
    if (duringPause) {
      win->click("cmd_Pause");
      win->waitUntilHolding();
    }
    win.reset();
    QTest::qWait(50);
  }
}

}  // namespace
}  // namespace lamvero
