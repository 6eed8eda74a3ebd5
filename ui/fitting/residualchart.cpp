#include "ui/fitting/residualchart.h"

#include <QChart>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "text/language.h"
#include "ui/diagrams/shownlocale.h"

namespace lamvero {

namespace {

constexpr double kSecondsPerHour = 3600.0;

// The span of each quantity's measured values among the residuals.
std::array<double, kMeasuredQuantityCount> SpansOf(const std::vector<FitResidual>& residuals) {
  std::array<double, kMeasuredQuantityCount> lowest, highest;
  lowest.fill(std::numeric_limits<double>::infinity());
  highest.fill(-std::numeric_limits<double>::infinity());
  for (const FitResidual& r : residuals) {
    const auto q = static_cast<std::size_t>(r.quantity);
    lowest[q] = std::min(lowest[q], r.measured);
    highest[q] = std::max(highest[q], r.measured);
  }
  std::array<double, kMeasuredQuantityCount> span{};
  for (std::size_t q = 0; q < span.size(); ++q) {
    const double s = highest[q] - lowest[q];
    span[q] = s > 0 && std::isfinite(s) ? s : 1.0;
  }
  return span;
}

// The counted quantities, in table order.
std::vector<MeasuredQuantity> QuantitiesOf(const std::vector<FitResidual>& residuals) {
  std::vector<MeasuredQuantity> found;
  for (const MeasuredQuantityInfo& info : MeasuredQuantities()) {
    if (std::any_of(residuals.begin(), residuals.end(), [&](const FitResidual& r) { return r.quantity == info.id; })) {
      found.push_back(info.id);
    }
  }
  return found;
}

// Room of a twentieth of the range on either side; a flat range gets ±1.
void Frame(QValueAxis& axis, double lowest, double highest) {
  if (!(highest > lowest)) {
    lowest -= 1;
    highest += 1;
  }
  const double room = (highest - lowest) / 20;
  axis.setRange(lowest - room, highest + room);
}

}  // namespace

std::vector<double> ShownResiduals(const std::vector<FitResidual>& residuals, bool scaled) {
  const std::array<double, kMeasuredQuantityCount> span = SpansOf(residuals);
  std::vector<double> shown;
  shown.reserve(residuals.size());
  for (const FitResidual& r : residuals) {
    const double d = r.model - r.measured;
    shown.push_back(scaled ? d / span[static_cast<std::size_t>(r.quantity)] : d);
  }
  return shown;
}

ResidualChart::ResidualChart(QWidget* parent) : QChartView(new QChart, parent) {
  setObjectName(QStringLiteral("chart_Residuen"));
  // Made with its chart: a view made without one makes a default chart of its
  // own, which setChart() would release without deleting.
  QChart* chart = this->chart();
  chart->setLocale(ShownLocale());  // the decimal separator of the language, as everywhere in the window
  chart->setLocalizeNumbers(true);
  chart->setTitle(tr("Residuen (Modell − Messung)"));
  chart->legend()->setAlignment(Qt::AlignBottom);
  axisX_ = new QValueAxis;
  axisX_->setTitleText(tr("Zeit in h"));
  axisY_ = new QValueAxis;
  chart->addAxis(axisX_, Qt::AlignBottom);
  chart->addAxis(axisY_, Qt::AlignLeft);
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(360, 260);
}

void ResidualChart::clear() {
  chart()->removeAllSeries();
  axisY_->setTitleText(QString());
}

void ResidualChart::showResiduals(const std::vector<FitResidual>& residuals) {
  clear();
  const std::vector<MeasuredQuantity> quantities = QuantitiesOf(residuals);
  if (quantities.empty()) return;
  const bool scaled = quantities.size() > 1;
  axisY_->setTitleText(scaled ? tr("Residuum / Spannweite der Messwerte")
                              : tr("Residuum in %1").arg(QString::fromUtf8(InfoOf(quantities[0]).unit)));
  const std::vector<double> shown = ShownResiduals(residuals, scaled);
  double tMax = 0, yMin = 0, yMax = 0;
  for (MeasuredQuantity q : quantities) {
    auto* series = new QScatterSeries;
    series->setName(QString::fromStdString(Tr("Ergebnisse", InfoOf(q).caption)));
    series->setMarkerSize(7);
    for (std::size_t i = 0; i < residuals.size(); ++i) {
      if (residuals[i].quantity != q) continue;
      const double t = residuals[i].time / kSecondsPerHour;
      series->append(t, shown[i]);
      tMax = std::max(tMax, t);
      yMin = std::min(yMin, shown[i]);
      yMax = std::max(yMax, shown[i]);
    }
    chart()->addSeries(series);
    series->attachAxis(axisX_);
    series->attachAxis(axisY_);
  }
  Frame(*axisX_, 0, tMax);
  Frame(*axisY_, yMin, yMax);
}

}  // namespace lamvero
