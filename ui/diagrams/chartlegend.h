#pragma once
// The legend of a diagram: one line per named curve, a stroke of its pen (or
// the marker of its points) and its name. However many runs are shown, every entry stays readable: in the
// window it stands beside the chart and scrolls, and a picture of the diagram
// sets it in as many columns as the picture's height needs.

#include <QPen>
#include <QString>
#include <QWidget>
#include <vector>

namespace lamvero {

// The strokes of a legend that names runs by colour and quantities by line
// style: a run's colour, and a line style in a neutral colour.
constexpr qreal kRunStroke = 3;
const QColor kStyleColour(60, 60, 60);
// The size of a marker of measured points, in the chart and in the legend.
constexpr qreal kMarkerSize = 8;

// How an entry's sample is drawn: a stroke of a curve's pen, or one of the
// markers of points that are not joined (measured points), in the pen's colour.
enum class LegendMark { Line, Circle, Square };

struct LegendEntry {
  QString text;
  QPen pen;
  LegendMark mark = LegendMark::Line;
};

class ChartLegend : public QWidget {
  Q_OBJECT
 public:
  explicit ChartLegend(QWidget* parent = nullptr);

  void add(LegendEntry entry);
  void clear();
  const std::vector<LegendEntry>& entries() const { return entries_; }

  // The room the entries take in columns no taller than `height`.
  QSize sizeFor(int height) const;
  // Paints the entries into `area`, top to bottom and then in the next
  // column to the right, each column no taller than the area.
  void paintInto(QPainter& painter, const QRect& area) const;

  QSize sizeHint() const override;  // one column
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int rowHeight() const;
  int columnWidth() const;
  int rowsPerColumn(int height) const;

  std::vector<LegendEntry> entries_;
};

}  // namespace lamvero
