#include "ui/calculator/outdatedveil.h"

#include <QPainter>

namespace lamvero {

namespace {
// Dark text and curves under it come out as a light grey; white stays white.
const QColor kVeil(255, 255, 255, 170);
}  // namespace

OutdatedVeil::OutdatedVeil(QWidget& area, std::vector<QPointer<QWidget>> covered)
    : QWidget(&area), covered_(std::move(covered)) {
  setObjectName(QStringLiteral("veil_Veraltet"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(area.rect());
  hide();
}

void OutdatedVeil::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (const QPointer<QWidget>& w : covered_) {
    if (w && w->isVisible()) p.fillRect(w->geometry(), kVeil);
  }
}

}  // namespace lamvero
