#pragma once
// What the shown run is, where the calculator area alone would leave the user
// guessing: a run that ended before the plate was dry (Stop, full series, a
// profile no longer finite) says so and when, after its message is closed;
// a case file opened without its series says why the result curves are
// missing. The line is emptied when the next run starts and by Nochmal.

#include <QObject>
#include <QString>

#include "run/runrecord.h"

namespace lamvero {

class CaseDocument;
class MainWindow;
class StatusLines;

class RunStatus : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kLine = "lauf";  // its line in the status bar

  RunStatus(CaseDocument& document, MainWindow& area, StatusLines& status, QObject* parent = nullptr);

  // "Lauf angehalten nach 1:23:45 (Stop)" for a run that ended early, empty for any other.
  static QString EndedEarly(const RunRecord& record);
  // The line for a case file's run: why it ended early, or that its series were not saved.
  static QString OfOpenedRun(const RunRecord& record, bool hasSeries);

 private:
  void opened();

  CaseDocument& document_;
  StatusLines& status_;
};

}  // namespace lamvero
