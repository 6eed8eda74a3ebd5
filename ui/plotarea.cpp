#include "ui/plotarea.h"

#include <QPaintEvent>
#include <QResizeEvent>
#include <cmath>

namespace lamvero {

namespace {

constexpr int kBorder = 1;  // pixels around the inside

QColor ToColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Clips the segment to the rectangle [lo, hi] (Liang-Barsky); false if nothing
// of it is inside. Keeps the raster engine away from huge coordinates.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double loX, double loY, double hiX,
                 double hiY) {
  double t0 = 0, t1 = 1;
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - loX, hiX - x1, y1 - loY, hiY - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0) {
      if (r > t1) return false;
      if (r > t0) t0 = r;
    } else {
      if (r < t0) return false;
      if (r < t1) t1 = r;
    }
  }
  const double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
  x2 = x1 + t1 * dx;
  y2 = y1 + t1 * dy;
  x1 = nx1;
  y1 = ny1;
  return true;
}

}  // namespace

PlotArea::PlotArea(double userWidth, double userHeight, QWidget* parent)
    : QWidget(parent), userWidth_(userWidth), userHeight_(userHeight) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

PlotArea::~PlotArea() { endPainting(); }

void PlotArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ensureImage();
}

// The backing image covers the inside of the border, in device pixels; a
// resize keeps what has been drawn.
void PlotArea::ensureImage() {
  const qreal ratio = devicePixelRatioF();
  const QSize inside = (size() - QSize(2 * kBorder, 2 * kBorder)).expandedTo(QSize(1, 1));
  const QSize pixels(qRound(inside.width() * ratio), qRound(inside.height() * ratio));
  if (!image_.isNull() && image_.size() == pixels) return;
  endPainting();
  QImage fresh(pixels, QImage::Format_RGB32);
  fresh.setDevicePixelRatio(ratio);
  fresh.fill(Qt::white);
  if (!image_.isNull()) {
    QPainter p(&fresh);
    p.drawImage(0, 0, image_);
  }
  image_ = fresh;
}

QPainter& PlotArea::painter() {
  if (image_.isNull()) ensureImage();
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
  }
  return *painter_;
}

void PlotArea::endPainting() {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
}

QPointF PlotArea::toPixels(double x, double y) const {
  const QSizeF inside = QSizeF(image_.size()) / image_.devicePixelRatio();
  return QPointF(x * inside.width() / userWidth_, y * inside.height() / userHeight_);
}

void PlotArea::setPenWidth(int pixels) { penWidth_ = pixels; }

void PlotArea::setLineStyle(LineStyle style) { style_ = style; }

void PlotArea::line(float x1, float y1, float x2, float y2, Rgb colour) {
  QPainter& p = painter();
  QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
  double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
  if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) return;
  const QSizeF inside = QSizeF(image_.size()) / image_.devicePixelRatio();
  const double margin = 8;  // wider than the widest pen
  if (!ClipSegment(ax, ay, bx, by, -margin, -margin, inside.width() + margin, inside.height() + margin)) {
    return;
  }
  QPen pen(ToColor(colour), penWidth_, style_ == LineStyle::DashDotDot ? Qt::DashDotDotLine : Qt::SolidLine,
           penWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap);
  p.setPen(pen);
  p.drawLine(QPointF(ax, ay), QPointF(bx, by));
}

void PlotArea::fillRect(double x1, double y1, double x2, double y2, Rgb colour) {
  QPainter& p = painter();
  const QRectF r = QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized();
  const QSizeF inside = QSizeF(image_.size()) / image_.devicePixelRatio();
  p.fillRect(r.intersected(QRectF(QPointF(0, 0), inside)), ToColor(colour));
}

void PlotArea::refresh() {
  endPainting();
  update();
}

const QImage& PlotArea::image() {
  if (image_.isNull()) ensureImage();
  endPainting();
  return image_;
}

bool PlotArea::isBlank() {
  const QImage& img = image();
  const QRgb white = qRgb(255, 255, 255);
  for (int y = 0; y < img.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      if ((row[x] | 0xff000000u) != white) return false;
    }
  }
  return true;
}

void PlotArea::paintEvent(QPaintEvent*) {
  endPainting();
  QPainter p(this);
  p.setPen(QPen(QColor(128, 128, 128), 1));
  p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
  p.drawImage(QPointF(kBorder, kBorder), image_);
}

}  // namespace lamvero
