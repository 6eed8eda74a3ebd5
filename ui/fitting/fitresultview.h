#pragma once
// What a fit found, as tables: each fitted input's value ± its 95 % interval
// with unit, marked when it lies on a bound; in place of the intervals the
// sentence that names the parameters the data cannot tell apart; the
// parameters' correlation; RMSE and R² of each counted quantity; runs and
// time; and the residuals over time.

#include <QWidget>
#include <vector>

#include "study/fit.h"

class QLabel;
class QTableWidget;

namespace lamvero {

class ResidualChart;

// The value column's text: "37,8125 ± 0,42" with the half-width to two
// significant digits, or the value alone when there is no interval.
QString ValueWithInterval(double value, const std::vector<double>& halfWidth95, std::size_t i);

class FitResultView : public QWidget {
  Q_OBJECT
 public:
  explicit FitResultView(QWidget* parent = nullptr);

  void showResult(const FitResult& result, const std::vector<FitParameter>& parameters);
  void clear();

 private:
  void fillValues(const FitResult& result, const std::vector<FitParameter>& parameters);
  void fillCorrelation(const FitResult& result, const std::vector<FitParameter>& parameters);
  void fillFigures(const FitResult& result);

  QTableWidget* values_ = nullptr;
  QLabel* identifiability_ = nullptr;
  QTableWidget* correlation_ = nullptr;
  QTableWidget* figures_ = nullptr;
  QLabel* runs_ = nullptr;
  ResidualChart* residuals_ = nullptr;
};

}  // namespace lamvero
