#pragma once
// A shown, active main window driven as a user would, whose message boxes and
// questions are recorded instead of shown; a question is answered with `answer`.
// A run goes on on its own thread after Start: the driver waits for its end.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"

namespace lamvero::testing {

struct Window {
  MainWindow w;
  QStringList messages;
  QStringList questions;
  bool answer = true;
  std::vector<RunResult> ended;  // the result of every run the window ended

  Window() {
    QObject::connect(&w, &MainWindow::runEnded, &w, [this](const RunResult& r) { ended.push_back(r); });
    w.setMessagePresenter([this](const QString& text) { messages << text; });
    w.setQuestioner([this](const QString& text) {
      questions << text;
      return answer;
    });
    w.show();
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
  }
  template <class T = QWidget>
  T* get(const char* name) {
    T* child = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  bool shown(const char* name) { return !get(name)->isHidden(); }
  QString text(const char* name) { return get<QLineEdit>(name)->text(); }
  void click(const char* name) {
    auto* button = get<QPushButton>(name);
    ASSERT_TRUE(!button->isHidden()) << name << " clicked while hidden";
    button->click();
  }
  // Clicks Start and waits for the end of the run it began, if any.
  void start() {
    click("cmd_Start");
    waitForRunEnd();
  }
  RunController& run() { return w.runController(); }
  // Waits (handling the window's events) until no run is active.
  void waitForRunEnd() { EXPECT_TRUE(QTest::qWaitFor([this] { return !run().active(); }, kRunTimeoutMs)); }
  // Waits until the run is under way: Pause and Stop and the first live
  // values are shown (in a window that has not shown a run before).
  void waitUntilUnderWay() {
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return shown("cmd_Pause") && shown("cmd_Stop") && !text("txt_Zeit").isEmpty(); }, kRunTimeoutMs));
  }
  // Waits until the paused run holds: its state stands still and may be read.
  // The run posts its last frame before it holds; that frame is delivered
  // here, so the screen shows the moment of the pause.
  void waitUntilHolding() {
    EXPECT_TRUE(QTest::qWaitFor([this] { return run().holding(); }, kRunTimeoutMs));
    QCoreApplication::sendPostedEvents();
  }
  static constexpr int kRunTimeoutMs = 120000;
  std::vector<std::string> inputTexts() {
    std::vector<std::string> out;
    const InputTexts in = w.inputs();
    for (const InputField& f : InputFields()) out.push_back(in[f.id]);
    return out;
  }
  // The object name of the control holding the window's focus.
  std::string focus() { return w.focusWidget() ? w.focusWidget()->objectName().toStdString() : std::string(); }
};

// Starts a run in the area as Start does and waits for its end; its result.
inline RunResult RunToEnd(MainWindow& area) {
  RunResult result;
  bool ended = false;
  QObject context;
  QObject::connect(&area, &MainWindow::runEnded, &context, [&](const RunResult& r) {
    result = r;
    ended = true;
  });
  EXPECT_TRUE(area.runStart());
  EXPECT_TRUE(QTest::qWaitFor([&] { return ended; }, Window::kRunTimeoutMs));
  return result;
}

}  // namespace lamvero::testing
