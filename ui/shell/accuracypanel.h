#pragma once
// The Genauigkeit panel: the accuracy estimate of the run the window shows,
// one row per key result (value at the finest level, change from the level
// before, observed order, extrapolated value, estimated error; rows over the
// tolerance marked), what the estimate does and does not show, and the
// settings: the tolerance and whether every run is estimated.

#include <QDialog>
#include <optional>

#include "run/accuracyestimate.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace lamvero {

class AccuracyPanel : public QDialog {
  Q_OBJECT
 public:
  explicit AccuracyPanel(QWidget* parent = nullptr);

  // The estimate to show (none: the table is empty) and where it stands:
  // "Schätzung läuft …", a failure, or "".
  void showEstimate(const std::optional<AccuracyEstimate>& estimate, const QString& state);
  void setTolerancePercent(double percent);
  void setAutomatic(bool on);
  // Whether "Jetzt schätzen" may be pressed (a run is shown and none is active).
  void setEstimateEnabled(bool on);

 signals:
  void toleranceChanged(double percent);
  void automaticChanged(bool on);
  void estimateRequested();

 private:
  void fillTable(const AccuracyEstimate& estimate);

  QLabel* levels_ = nullptr;
  QLabel* state_ = nullptr;
  QTableWidget* table_ = nullptr;
  QDoubleSpinBox* tolerance_ = nullptr;
  QCheckBox* automatic_ = nullptr;
  QPushButton* estimate_ = nullptr;
};

}  // namespace lamvero
