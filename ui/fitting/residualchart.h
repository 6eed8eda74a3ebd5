#pragma once
// The residuals of a fit over time: the fitted run's value minus the
// measured one at each counted reading, one series of markers per quantity,
// time in h. With one quantity the residuals are in its unit; with several
// each is divided by the span of that quantity's readings, so that a
// moisture in kg/kg and a temperature in °C share one axis (as the fit
// weighs them).

#include <QChartView>
#include <vector>

#include "study/fit.h"

class QValueAxis;

namespace lamvero {

// The residuals as the chart draws them: model − measured, divided by the
// span of the quantity's measured values (1 where they do not vary) when
// `scaled`; in the order of `residuals`.
std::vector<double> ShownResiduals(const std::vector<FitResidual>& residuals, bool scaled);

class ResidualChart : public QChartView {
  Q_OBJECT
 public:
  explicit ResidualChart(QWidget* parent = nullptr);

  void showResiduals(const std::vector<FitResidual>& residuals);
  void clear();

 private:
  QValueAxis* axisX_ = nullptr;
  QValueAxis* axisY_ = nullptr;
};

}  // namespace lamvero
