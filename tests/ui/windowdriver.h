#pragma once
// A shown, active main window driven as a user would, whose message boxes and
// questions are recorded instead of shown; a question is answered with `answer`.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "ui/calculator/mainwindow.h"

namespace lamvero::testing {

struct Window {
  MainWindow w;
  QStringList messages;
  QStringList questions;
  bool answer = true;

  Window() {
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
  std::vector<std::string> inputTexts() {
    std::vector<std::string> out;
    const InputTexts in = w.inputs();
    for (const InputField& f : InputFields()) out.push_back(in[f.id]);
    return out;
  }
  // The object name of the control holding the window's focus.
  std::string focus() { return w.focusWidget() ? w.focusWidget()->objectName().toStdString() : std::string(); }
};

}  // namespace lamvero::testing
