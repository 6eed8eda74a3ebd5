#include "ui/calculator/annotation.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace lamvero {

Annotation::Annotation(const ControlRow& row, QWidget* parent)
    : QWidget(parent),
      text_(QString::fromStdString(ShownCaption(row))),
      colour_(row.colour.r, row.colour.g, row.colour.b),
      direction_(row.direction),
      arrow_(row.arrow) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Annotation::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setFont(font());
  PaintAnnotation(p, QRectF(rect()), text_, colour_, direction_, arrow_, 1.0);
}

void PaintAnnotation(QPainter& p, const QRectF& rect, const QString& text, const QColor& colour,
                     TextDirection direction, bool arrow, double pixel) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(colour);

  // Work in a frame where the text runs left to right along the long side.
  p.translate(rect.topLeft());
  double length = rect.width(), thickness = rect.height();
  if (direction == TextDirection::TopToBottom) {
    p.translate(rect.width(), 0);
    p.rotate(90);
    std::swap(length, thickness);
  } else if (direction == TextDirection::BottomToTop) {
    p.translate(0, rect.height());
    p.rotate(-90);
    std::swap(length, thickness);
  }
  const QRectF box(0, 0, length, thickness);
  p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
  if (arrow) {
    const double start = QFontMetrics(p.font(), p.device()).horizontalAdvance(text) + 4 * pixel;
    const double end = length - pixel;
    if (end - start >= 8 * pixel) {
      const double y = thickness / 2;
      p.setPen(QPen(colour, pixel));
      p.drawLine(QPointF(start, y), QPointF(end - 4 * pixel, y));
      QPainterPath head;
      head.moveTo(end, y);
      head.lineTo(end - 7 * pixel, y - 3.5 * pixel);
      head.lineTo(end - 7 * pixel, y + 3.5 * pixel);
      head.closeSubpath();
      p.fillPath(head, colour);
    }
  }
  p.restore();
}

}  // namespace lamvero
