#pragma once
// Named lines in the status bar under the calculator area: each part of the
// program keeps its own line by name ("veraltet") and empties it when it has
// nothing to say. Lines stand side by side in the order they were first set;
// an empty line takes no room. A line too long for the bar is cut at the
// right edge and shown whole as its tooltip: the bar never widens the window.

#include <QObject>
#include <QString>
#include <map>

class QLabel;
class QStatusBar;

namespace lamvero {

class StatusLines : public QObject {
  Q_OBJECT
 public:
  explicit StatusLines(QStatusBar& bar);

  // Sets the line of that name; an empty text hides it.
  void set(const QString& name, const QString& text);
  // The line's text; empty if it is not set.
  QString text(const QString& name) const;

 private:
  QStatusBar& bar_;
  std::map<QString, QLabel*> lines_;
};

}  // namespace lamvero
