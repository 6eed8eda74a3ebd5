#pragma once
// Results beside the inputs they belong to. While the window shows a run and
// an input box holds a text other than the one that run was made with, the
// run's outputs and curves are dimmed and a status line names the changed
// inputs; a new run, or every changed text typed back, ends it. Nothing is
// marked while a run is active, nor once Nochmal has cleared the results.

#include <QObject>
#include <QString>
#include <vector>

#include "inputs/inputs.h"

namespace lamvero {

class CaseDocument;
class MainWindow;
class StatusLines;

class OutdatedResults : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kLine = "veraltet";  // its line in the status bar

  OutdatedResults(CaseDocument& document, MainWindow& area, StatusLines& status, QObject* parent = nullptr);

  // "Eingaben geändert seit der Rechnung: CAPTION, …; Ergebnisse veraltet"
  static QString Message(const std::vector<Input>& changed);

 private:
  void update();

  CaseDocument& document_;
  MainWindow& area_;
  StatusLines& status_;
};

}  // namespace lamvero
