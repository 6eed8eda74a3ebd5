#pragma once
// The path of a search in a small chart: the goal of every run over its
// number, feasible runs as filled dots, runs that missed a limit as hollow
// ones, and the best feasible goal so far as a line.

#include <QChartView>
#include <vector>

#include "study/optimise.h"

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace lamvero {

class SearchPathChart : public QChartView {
  Q_OBJECT
 public:
  explicit SearchPathChart(QWidget* parent = nullptr);

  // Draws the path; an empty path clears the chart.
  void showPath(const std::vector<SearchPoint>& path, const OptimiseGoalInfo& goal);

  // What is drawn, for tests: the dots of feasible and of other completed runs, the best-so-far line.
  const QScatterSeries& feasible() const { return *feasible_; }
  const QScatterSeries& infeasible() const { return *infeasible_; }
  const QLineSeries& best() const { return *best_; }

 private:
  QScatterSeries* feasible_;
  QScatterSeries* infeasible_;
  QLineSeries* best_;
  QValueAxis* runs_;
  QValueAxis* goal_;
};

}  // namespace lamvero
