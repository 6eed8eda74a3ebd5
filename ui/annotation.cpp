#include "ui/annotation.h"

#include <QPainter>
#include <QPainterPath>

namespace lamvero {

Annotation::Annotation(const ControlRow& row, QWidget* parent)
    : QWidget(parent),
      text_(QString::fromStdString(row.caption)),
      colour_(row.colour.r, row.colour.g, row.colour.b),
      direction_(row.direction),
      arrow_(row.arrow) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Annotation::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(font());
  p.setPen(colour_);

  // Work in a frame where the text runs left to right along the long side.
  double length = width(), thickness = height();
  if (direction_ == TextDirection::TopToBottom) {
    p.translate(width(), 0);
    p.rotate(90);
    std::swap(length, thickness);
  } else if (direction_ == TextDirection::BottomToTop) {
    p.translate(0, height());
    p.rotate(-90);
    std::swap(length, thickness);
  }
  const QRectF box(0, 0, length, thickness);
  p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text_);
  if (!arrow_) return;

  const double start = p.fontMetrics().horizontalAdvance(text_) + 4;
  const double end = length - 1;
  if (end - start < 8) return;
  const double y = thickness / 2;
  p.setPen(QPen(colour_, 1));
  p.drawLine(QPointF(start, y), QPointF(end - 4, y));
  QPainterPath head;
  head.moveTo(end, y);
  head.lineTo(end - 7, y - 3.5);
  head.lineTo(end - 7, y + 3.5);
  head.closeSubpath();
  p.fillPath(head, colour_);
}

}  // namespace lamvero
