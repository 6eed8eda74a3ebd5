#include "ui/diagrams/windowfit.h"

#include <algorithm>

namespace lamvero {

QRect FittedGeometry(QRect geometry, QRect available, QMargins frame) {
  const QRect room = available.marginsRemoved(frame);
  if (room.isEmpty()) return geometry;
  QRect fitted(geometry.topLeft(), geometry.size().boundedTo(room.size()));
  fitted.moveLeft(std::clamp(fitted.left(), room.left(), room.left() + room.width() - fitted.width()));
  fitted.moveTop(std::clamp(fitted.top(), room.top(), room.top() + room.height() - fitted.height()));
  return fitted;
}

QRect CentredGeometry(QSize size, QRect available, QMargins frame) {
  const QRect room = available.marginsRemoved(frame);
  QRect centred(QPoint(0, 0), size);
  centred.moveCenter(room.center());
  return FittedGeometry(centred, available, frame);
}

}  // namespace lamvero
