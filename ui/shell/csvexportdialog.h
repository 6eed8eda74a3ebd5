#pragma once
// Asks how a table is written: the spreadsheet dialect and, for time series,
// which points. The last choice is kept in the settings.

#include <QDialog>

#include "text/csvformat.h"

class QComboBox;
class QSpinBox;

namespace lamvero {

struct CsvChoice {
  CsvDialect dialect = CsvDialect::German;
  int every = 1;  // keep every n-th stored point
};

class CsvExportDialog : public QDialog {
  Q_OBJECT
 public:
  // withEvery: also ask for every n-th point (time series).
  CsvExportDialog(bool withEvery, QWidget* parent = nullptr);
  CsvChoice choice() const;
  void remember() const;  // keeps the choice for next time

 private:
  QComboBox* dialect_ = nullptr;
  QSpinBox* every_ = nullptr;
};

}  // namespace lamvero
