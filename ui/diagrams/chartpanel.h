#pragma once
// One diagram of the diagrams window: a chart with value axes, units and
// grid, its legend beside it, rubber-band zoom (right click steps back), and
// a read-out under it of the values at the cursor and of the nearest curve
// point, and, where the diagram needs one, an explanation of what it shows
// between the two. Its picture holds the chart as shown and the whole legend. Each curve
// keeps its full data and shows only the points that make its picture on the
// screen, chosen again whenever the visible range changes.

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QStringList>
#include <QValueAxis>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QGraphicsSimpleTextItem;
class QLabel;
class QPainter;
class QScrollArea;

namespace lamvero {

class ChartLegend;

// The values of one curve: x[k] · xScale against y[k] · yScale for k < n.
// `owner` keeps the arrays alive as long as the chart shows them.
struct CurveData {
  std::shared_ptr<const void> owner;
  const double* x = nullptr;
  const double* y = nullptr;
  std::size_t n = 0;
  double xScale = 1;
  double yScale = 1;
  double yFloor = -1e300;  // points below (in unscaled y) are not drawn, e.g. markers of failed steps
  bool framesView = true;  // the whole view shows it; false for background lines
};

class ChartPanel : public QWidget {
  Q_OBJECT
 public:
  ChartPanel(const QString& title, const QString& xTitle, const QString& yTitle, QWidget* parent = nullptr);
  ~ChartPanel() override;

  // Adds a curve; `inLegend` false for background lines (saturation and the like).
  QLineSeries* addCurve(const QString& name, CurveData values, const QPen& pen, bool inLegend = true);
  // Points that are not joined (measured ones), in axis values, as markers of
  // that shape in the colour; the legend names them. They count for the whole view.
  QScatterSeries* addMarkers(const QString& name, const QList<QPointF>& points, const QColor& colour,
                             QScatterSeries::MarkerShape shape);
  // A line of the legend that stands for no single curve (a run's colour, a line style).
  void addLegendEntry(const QString& text, const QPen& pen);
  // A small grey text (a background line's name) at the first of its places,
  // given in axis values with the text above and right of the point, where it
  // lies inside the plot clear of every label added before it; hidden where
  // none is free.
  void addLabel(const QString& text, std::vector<QPointF> places);
  struct ShownLabel {
    QString text;
    QRectF rect;  // in the chart's coordinates
  };
  std::vector<ShownLabel> shownLabels() const;
  // Removes every curve, marker and label.
  void clearCurves();
  // Shows every curve whole, with room of these fractions of the data's range
  // left and right, and below and above.
  void resetZoom();
  void setMargins(double x, double y) {
    marginX_ = x;
    marginY_ = y;
  }

  QChart& chart() { return *chart_; }
  QChartView& view() { return *view_; }
  QValueAxis& axisX() { return *axisX_; }
  QValueAxis& axisY() { return *axisY_; }
  const ChartLegend& legend() const { return *legend_; }

  // The picture of the diagram: the chart as shown (zoom included) and, to
  // its right, every legend entry in as many columns as the chart's height
  // needs; under both the explanation, if the diagram has one.
  QSize pictureSize() const;
  void paintPicture(QPainter& painter);
  // The explanation under the chart; empty: none (hidden).
  void setNote(const QString& text);
  QString note() const;
  // The read-out under the chart, and how to produce it for a point of the view.
  QString readOut() const;
  void showValuesAt(QPointF viewPos);
  // The drawn point of a shown, named curve nearest to a point of the view,
  // within a few pixels of it; nothing if none is that near.
  struct NearPoint {
    const QLineSeries* series;
    QPointF at;
  };
  std::optional<NearPoint> nearestPoint(QPointF viewPos) const;
  // How the read-out names the nearest point; by default the curve's name and
  // the point's values with the read-out names.
  void setPointText(std::function<QString(const NearPoint&)> text) { pointText_ = std::move(text); }
  // The number of points drawn, over all curves.
  int drawnPoints() const;

  // Short names of the axes for the read-out ("t", "h").
  void setReadOutNames(const QString& xName, const QString& xUnit, const QString& yName, const QString& yUnit);
  // The quantities the read-out gives for a point in axis values ("ϑ = 20,0 °C", ...)
  // in place of the axes' names and values; none: those names and values.
  void setReadOutText(std::function<QStringList(QPointF)> describe) { describe_ = std::move(describe); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Curve {
    QLineSeries* series;
    CurveData data;
  };
  void makeViewAndLegend();
  QRect noteBox(int top, int width) const;
  void redecimate();
  void placeLabels();
  void legendChanged();

  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QValueAxis* axisX_ = nullptr;
  QValueAxis* axisY_ = nullptr;
  QLabel* readOut_ = nullptr;
  QLabel* note_ = nullptr;
  ChartLegend* legend_ = nullptr;
  QScrollArea* legendScroll_ = nullptr;
  std::vector<Curve> curves_;
  std::vector<QScatterSeries*> markers_;
  struct Label {
    QGraphicsSimpleTextItem* item;
    std::vector<QPointF> places;
  };
  std::vector<Label> labels_;
  bool adjusting_ = false;  // the ranges are being set here, not by the user
  bool redecimatePending_ = false;
  double marginX_ = 0;     // time runs from the start to the end of the longest run
  double marginY_ = 0.04;  // no curve along the frame
  QString xName_, xUnit_, yName_, yUnit_;
  std::function<QString(const NearPoint&)> pointText_;
  std::function<QStringList(QPointF)> describe_;
};

}  // namespace lamvero
