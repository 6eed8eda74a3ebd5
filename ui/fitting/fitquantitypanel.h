#pragma once
// Which measured quantities a fit counts and how much: for each quantity the
// curve holds, a check box with its caption and unit and a weight (1 for the
// moisture, 0,5 for the temperatures and the shrinkage: the mass is what a
// drying test measures best). Quantities the curve lacks are not offered.

#include <QGroupBox>
#include <array>

#include "run/measuredcurve.h"
#include "text/outcome.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace lamvero {

class FitQuantityPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit FitQuantityPanel(QWidget* parent = nullptr);

  // Offers the quantities of this curve, each ticked with its default weight.
  void setCurve(const MeasuredCurve& curve);
  // The weight of each quantity, 0 where not ticked or not offered; a weight
  // that is no number or not above 0 is refused naming its quantity.
  Outcome<std::array<double, kMeasuredQuantityCount>> weights() const;

 signals:
  void changed();

 private:
  struct Row {
    QCheckBox* counted = nullptr;
    QLineEdit* weight = nullptr;
  };
  QGridLayout* grid_ = nullptr;
  std::array<Row, kMeasuredQuantityCount> rows_{};
};

}  // namespace lamvero
