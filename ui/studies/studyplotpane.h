#pragma once
// The charts of a study: a chosen key result over the first varied input,
// one curve per value of the second (Kurvenschar), and with two varied
// inputs a colour map of the first against the second (Farbkarte). With a
// third varied input the charts show one of its values at a time. A click on
// a point or a cell chooses that case's row. Rows arriving while the study
// runs are drawn a few times a second, however fast they come.

#include <QPoint>
#include <QWidget>
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "study/studyresults.h"
#include "text/outcome.h"
#include "ui/diagrams/chartpanel.h"
#include "ui/studies/studychartmodel.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QStackedWidget;
class QTabWidget;
class QTimer;

namespace lamvero {

class StudyColourMap;

class StudyPlotPane : public QWidget {
  Q_OBJECT
 public:
  explicit StudyPlotPane(QWidget* parent = nullptr);
  ~StudyPlotPane() override;

  void showResults(const StudyResults* results);  // nullptr: nothing shown; the pane keeps the pointer
  void refresh();                                 // rows were added to the shown results

  // The chart on the front tab as a picture (with its legend or scale); a
  // failure gives the reason alone.
  Status exportPng(const QString& path);
  Status exportSvg(const QString& path);

 signals:
  void rowChosen(std::size_t row);  // index into results->rows (a click on a point or cell)

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QHBoxLayout* makeChoices();
  QWidget* makeMapPage();
  void rebuild();
  void rebuildCurves();
  void rebuildColourMap();
  void fillSlices();
  std::size_t quantity() const;
  std::size_t slice() const;
  // The third varied input's value shown, "" without one.
  std::string sliceText() const;
  std::optional<std::size_t> rowAt(const ChartPanel::NearPoint& point) const;
  QString pointText(const ChartPanel::NearPoint& point) const;
  // Why the front tab has no chart to write; nothing when it has one.
  std::optional<Failure> nothingToExport() const;

  StudyChartModel model_;
  QComboBox* result_ = nullptr;
  QLabel* sliceLabel_ = nullptr;
  QComboBox* slice_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QStackedWidget* curvePage_ = nullptr;
  ChartPanel* curves_ = nullptr;
  QLabel* curvesRefused_ = nullptr;
  StudyColourMap* map_ = nullptr;
  QLabel* mapReadOut_ = nullptr;
  QTimer* throttle_ = nullptr;
  bool pending_ = false;  // rows came while the throttle held
  std::unordered_map<const QLineSeries*, std::vector<StudyPoint>> pointsOf_;
  QPoint pressedAt_;
};

}  // namespace lamvero
