#pragma once
// The Anlagenwerte panel (Ansicht ▸ Anlagenwerte…): the plant data of the case
// and the plant figures of the run the window shows (air flow in kg/h and
// m³/h, heater power, water evaporated), with a short line of them in the
// status bar. The figures are never stale: they are worked out again when the
// plant data change, and cleared while the inputs differ from the run's, while
// a run is going, or when the shown run did not complete.

#include <QDialog>
#include <QString>

class QLabel;
class QTableWidget;

namespace lamvero {

class CaseDocument;
class MainWindow;
class StatusLines;

class PlantPanel : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kLine = "anlage";  // its line in the status bar

  PlantPanel(CaseDocument& document, MainWindow& area, StatusLines& status, QWidget* parent = nullptr);

  // What the panel says in place of figures; empty while it shows them.
  QString state() const;

 private:
  void update();

  CaseDocument& document_;
  MainWindow& area_;
  StatusLines& status_;
  QLabel* state_ = nullptr;
  QTableWidget* table_ = nullptr;
};

}  // namespace lamvero
