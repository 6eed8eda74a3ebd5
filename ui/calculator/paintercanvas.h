#pragma once
// A canvas on a painter of any device (a PDF page, a printer page): the user
// scale spans a rectangle of the painter's coordinates and every line stays a
// vector. Consecutive segments of one curve are joined into one path, so a
// curve of thousands of segments is one stroke in the file.

#include <QPainter>
#include <QPolygonF>
#include <QRectF>

#include "present/canvas.h"

namespace lamvero {

class PainterCanvas : public Canvas {
 public:
  // `pixel`: the painter's length of one screen pixel of the drawing area,
  // the unit of the pen widths. The painter's state is restored on destruction.
  PainterCanvas(QPainter& painter, const QRectF& target, double userWidth, double userHeight, double pixel);
  ~PainterCanvas() override;
  PainterCanvas(const PainterCanvas&) = delete;
  PainterCanvas& operator=(const PainterCanvas&) = delete;

  void setPenWidth(int pixels) override;
  void setLineStyle(LineStyle style) override;
  void line(float x1, float y1, float x2, float y2, Rgb colour) override;
  void fillRect(double x1, double y1, double x2, double y2, Rgb colour) override;
  void refresh() override { flush(); }

  // Strokes drawn so far (a joined path counts once).
  int strokes() const { return strokes_; }

 private:
  QPointF map(double x, double y) const;
  void flush();

  QPainter& painter_;
  QRectF target_;
  double sx_, sy_;  // painter units per user unit
  double pixel_;
  int penWidth_ = 1;
  LineStyle style_ = LineStyle::Solid;
  // The path being joined, with the pen it is drawn in.
  QPolygonF path_;
  Rgb pathColour_;
  int pathWidth_ = 1;
  LineStyle pathStyle_ = LineStyle::Solid;
  int strokes_ = 0;
};

}  // namespace lamvero
