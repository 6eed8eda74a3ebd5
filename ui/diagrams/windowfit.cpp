#include "ui/diagrams/windowfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <QWindow>
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

namespace {

// What a window manager draws around a window, until the real frame is known.
constexpr QMargins kFrameGuess(8, 32, 8, 8);

QMargins FrameMarginsOrGuess(const QWidget& window) {
  const QMargins known = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
  return known.isNull() ? kFrameGuess : known;
}

}  // namespace

void FitInto(QWidget& window, const QRect& available) {
  window.setGeometry(FittedGeometry(window.geometry(), available, FrameMarginsOrGuess(window)));
}

void PlaceOnScreen(QWidget& window, const QString& geometryKey, QSize preferred) {
  const QByteArray saved = QSettings().value(geometryKey).toByteArray();
  const bool restored = !saved.isEmpty() && window.restoreGeometry(saved);
  QScreen* screen = restored ? QGuiApplication::screenAt(window.geometry().center()) : nullptr;
  if (!screen && window.parentWidget()) screen = window.parentWidget()->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  if (restored) {
    FitInto(window, screen->availableGeometry());
  } else {
    window.setGeometry(CentredGeometry(preferred, screen->availableGeometry(), FrameMarginsOrGuess(window)));
  }
}

}  // namespace lamvero
