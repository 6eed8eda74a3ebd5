#pragma once
// The colour map of a study: the first varied input across, the second up,
// each case a cell coloured by the chosen result on a perceptual scale, with
// the scale beside it (its colours, numbers and unit). A case without a
// value is a grey hatched cell; a case not yet computed stays blank. Under
// the cursor it names the cell's case; a click on a cell chooses its row.

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "ui/studies/studychartmodel.h"
#include "ui/studies/studynames.h"

namespace lamvero {

struct ColourMapContent {
  StudyGrid grid;
  std::vector<std::string> columnTexts;  // the first varied input's values, left to right
  std::vector<std::string> lineTexts;    // the second's, bottom to top
  NamedUnit across, up;
  std::size_t quantity = 0;              // the result, as an index into StudyQuantities()
  std::string slice;                     // the third varied input's value shown, "" without one
};

class StudyColourMap : public QWidget {
  Q_OBJECT
 public:
  explicit StudyColourMap(QWidget* parent = nullptr);

  void setContent(ColourMapContent content);
  const ColourMapContent& content() const { return content_; }

  // The map as shown, drawn into a picture of its size.
  void paintPicture(QPainter& painter) const;
  // The cell (column + columns · line) under a point of the widget; nothing off the cells.
  std::optional<std::size_t> cellAt(QPointF pos) const;
  // The centre of a cell in the widget, for tests and pictures.
  QPointF cellCentre(std::size_t cell) const;
  // What the read-out says of a cell.
  QString cellText(std::size_t cell) const;

  QSize sizeHint() const override { return QSize(640, 420); }
  QSize minimumSizeHint() const override { return QSize(360, 240); }

 signals:
  void rowChosen(std::size_t row);
  void readOutChanged(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  struct Frame {
    QRectF cells;  // the plot area
    QRectF bar;    // the colour scale
  };
  Frame frame() const;
  QPointF cellCentreIn(const QRectF& area, std::size_t cell) const;
  void paintCells(QPainter& painter, const QRectF& area) const;
  void paintAxes(QPainter& painter, const QRectF& area) const;
  void paintScale(QPainter& painter, const QRectF& bar) const;

  ColourMapContent content_;
};

}  // namespace lamvero
