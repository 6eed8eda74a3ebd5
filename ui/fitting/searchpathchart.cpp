#include "ui/fitting/searchpathchart.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "ui/diagrams/shownlocale.h"
#include "ui/fitting/searchtexts.h"

namespace lamvero {

namespace {
constexpr double kSecondsPerHour = 3600;
constexpr qreal kDotSize = 7;
constexpr double kFewestRuns = 10;  // the run axis reaches at least this far
const QColor kPathColour(0, 90, 170);
}  // namespace

SearchPathChart::SearchPathChart(QWidget* parent) : QChartView(new QChart, parent) {
  setObjectName(QStringLiteral("chart_Suchpfad"));
  // Made with its chart: a view made without one makes a default chart of its
  // own, which setChart() would release without deleting.
  QChart* chart = this->chart();
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setLocalizeNumbers(true);  // the language's decimal separator on the axes, as in the calculator
  QLocale shown = ShownLocale();
  shown.setNumberOptions(QLocale::OmitGroupSeparator);
  chart->setLocale(shown);
  feasible_ = new QScatterSeries;
  feasible_->setName(tr("zulässig"));
  infeasible_ = new QScatterSeries;
  infeasible_->setName(tr("Grenze verletzt"));
  for (QScatterSeries* dots : {feasible_, infeasible_}) {
    dots->setMarkerSize(kDotSize);
    dots->setPen(QPen(kPathColour));
  }
  feasible_->setBrush(kPathColour);
  infeasible_->setBrush(Qt::NoBrush);
  best_ = new QLineSeries;
  best_->setName(tr("bestes bisher"));
  best_->setPen(QPen(Qt::darkGreen, 2));
  runs_ = new QValueAxis;
  runs_->setTitleText(tr("Lauf"));
  runs_->setLabelFormat(QStringLiteral("%.0f"));
  goal_ = new QValueAxis;
  goal_->setLabelFormat(QStringLiteral("%.5g"));
  chart->addAxis(runs_, Qt::AlignBottom);
  chart->addAxis(goal_, Qt::AlignLeft);
  for (QXYSeries* series : std::initializer_list<QXYSeries*>{feasible_, infeasible_, best_}) {
    chart->addSeries(series);
    series->attachAxis(runs_);
    series->attachAxis(goal_);
  }
  setRenderHint(QPainter::Antialiasing);
  setMinimumHeight(220);
  showPath({}, OptimiseGoals().front());
}

void SearchPathChart::showPath(const std::vector<SearchPoint>& path, const OptimiseGoalInfo& goal) {
  // A duration is drawn in hours; any other goal in its own unit.
  const bool hours = IsDurationUnit(goal.unit);
  const double scale = hours ? 1 / kSecondsPerHour : 1;
  goal_->setTitleText(tr("Ziel in %1").arg(hours ? QStringLiteral("h") : QString::fromUtf8(goal.unit)));
  QList<QPointF> feasible, infeasible, best;
  double low = INFINITY, high = -INFINITY;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const SearchPoint& point = path[i];
    if (!std::isfinite(point.goal)) continue;  // a run that did not complete has no goal to draw
    const QPointF dot(static_cast<double>(i + 1), point.goal * scale);
    (point.feasible ? feasible : infeasible).append(dot);
    if (point.feasible && (best.isEmpty() || dot.y() < best.back().y())) {
      if (!best.isEmpty()) best.append(QPointF(dot.x(), best.back().y()));
      best.append(dot);
    }
    low = std::min(low, dot.y());
    high = std::max(high, dot.y());
  }
  if (!best.isEmpty()) best.append(QPointF(static_cast<double>(path.size()), best.back().y()));
  feasible_->replace(feasible);
  infeasible_->replace(infeasible);
  best_->replace(best);
  runs_->setRange(0, std::max<double>(kFewestRuns, static_cast<double>(path.size())));
  runs_->applyNiceNumbers();
  if (low <= high) {
    const double margin = std::max({(high - low) * 0.05, std::fabs(high) * 0.01, 1e-9});
    goal_->setRange(low - margin, high + margin);
  }
}

}  // namespace lamvero
