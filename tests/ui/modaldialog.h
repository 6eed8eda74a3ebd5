#pragma once
// Answers a modal dialog from a test: the dialog's exec() runs its own event
// loop, in which a timer finds the dialog by its object name, lets the test
// type into it and presses OK or Abbrechen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace lamvero::testing {

// Calls `open`, which shows the dialog named `name`; `fill` types into it.
inline void AnswerModalDialog(const QString& name, const std::function<void()>& open,
                              const std::function<void(QDialog&)>& fill, bool ok) {
  bool seen = false;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(top);
      if (!dialog || !dialog->isVisible() || dialog->objectName() != name) continue;
      poll.stop();
      seen = true;
      fill(*dialog);
      ok ? dialog->accept() : dialog->reject();
      return;
    }
  });
  poll.start();
  open();
  EXPECT_TRUE(seen) << name.toStdString();
}

}  // namespace lamvero::testing
