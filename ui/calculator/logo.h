#pragma once
// The program's emblem: a plate in cross-section with a drying moisture
// profile, used as the window icon and for the two logo places of the window.

#include <QPixmap>
#include <QWidget>

namespace lamvero {

class Logo : public QWidget {
  Q_OBJECT
 public:
  explicit Logo(QWidget* parent = nullptr);

  // Draws the emblem into a rectangle.
  static void Paint(QPainter& p, const QRectF& r);
  // The emblem as a square picture (window icon).
  static QPixmap Pixmap(int size);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace lamvero
