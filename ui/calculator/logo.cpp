#include "ui/calculator/logo.h"

#include <QPainter>
#include <QPainterPath>

namespace lamvero {

Logo::Logo(QWidget* parent) : QWidget(parent) {}

void Logo::Paint(QPainter& p, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // The clay plate: dry rim on both faces, wet core.
  const QRectF plate = r.adjusted(r.width() * 0.06, r.height() * 0.18, -r.width() * 0.06, -r.height() * 0.18);
  p.fillRect(plate, QColor(196, 98, 45));
  const double rim = plate.width() * 0.14;
  p.fillRect(QRectF(plate.left(), plate.top(), rim, plate.height()), QColor(232, 170, 120));
  p.fillRect(QRectF(plate.right() - rim, plate.top(), rim, plate.height()), QColor(232, 170, 120));
  // The moisture profile across it: low at the faces, high in the centre.
  QPainterPath curve;
  curve.moveTo(plate.left(), plate.bottom());
  curve.cubicTo(plate.left() + plate.width() * 0.25, plate.top() - plate.height() * 0.2,
                plate.right() - plate.width() * 0.25, plate.top() - plate.height() * 0.2, plate.right(),
                plate.bottom());
  p.setPen(QPen(QColor(0, 0, 192), qMax(1.0, r.height() / 16)));
  p.drawPath(curve);
  p.setPen(QPen(QColor(90, 40, 10), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(plate);
  p.restore();
}

QPixmap Logo::Pixmap(int size) {
  QPixmap pix(size, size);
  pix.fill(Qt::white);
  QPainter p(&pix);
  Paint(p, QRectF(0, 0, size, size));
  return pix;
}

void Logo::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Paint(p, QRectF(rect()));
}

}  // namespace lamvero
