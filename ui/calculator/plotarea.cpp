#include "ui/calculator/plotarea.h"

#include <QPaintEvent>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "present/segmentclip.h"

namespace lamvero {

namespace {

constexpr int kBorder = 1;  // pixels around the inside
constexpr int kMaxPenWidth = 16;

QColor ToColor(Rgb c) { return QColor(c.r, c.g, c.b); }

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

void PlotArea::setPenWidth(int pixels) { penWidth_ = std::clamp(pixels, 1, kMaxPenWidth); }

void PlotArea::setLineStyle(LineStyle style) { style_ = style; }

void PlotArea::line(float x1, float y1, float x2, float y2, Rgb colour) {
  if (image_.isNull()) ensureImage();
  const qreal ratio = image_.devicePixelRatio();
  // Device pixels from here on.
  const QPointF a = toPixels(x1, y1) * ratio, b = toPixels(x2, y2) * ratio;
  double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
  if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) return;
  const double margin = 2 * kMaxPenWidth;  // wider than the widest pen
  if (!ClipSegment(ax, ay, bx, by, -margin, -margin, image_.width() + margin, image_.height() + margin)) return;

  if (style_ == LineStyle::DashDotDot) {
    QPainter& p = painter();
    p.setPen(QPen(ToColor(colour), 1, Qt::DashDotDotLine));
    p.drawLine(QPointF(ax, ay) / ratio, QPointF(bx, by) / ratio);
    return;
  }
  endPainting();
  // A wide line as one-pixel lines side by side, offset across its main direction.
  const int n = std::max(1, qRound(penWidth_ * ratio));
  const bool alongX = std::abs(bx - ax) >= std::abs(by - ay);
  const QRgb rgb = qRgb(colour.r, colour.g, colour.b);
  for (int i = 0; i < n; ++i) {
    const double offset = i - (n - 1) / 2.0;
    const double dx = alongX ? 0 : offset, dy = alongX ? offset : 0;
    rasterLine(ax + dx, ay + dy, bx + dx, by + dy, rgb);
  }
}

// A one-pixel solid line straight into the image (Bresenham): tens of
// thousands of these make up the result diagram, far faster this way than
// through a painter.
void PlotArea::rasterLine(double ax, double ay, double bx, double by, QRgb rgb) {
  const int w = image_.width(), h = image_.height();
  if (!ClipSegment(ax, ay, bx, by, 0, 0, std::nextafter(double(w), 0.0), std::nextafter(double(h), 0.0))) return;
  int x0 = static_cast<int>(ax), y0 = static_cast<int>(ay);
  const int x1 = static_cast<int>(bx), y1 = static_cast<int>(by);
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  int err = dx + dy;
  for (;;) {
    if (x0 >= 0 && x0 < w && y0 >= 0 && y0 < h) reinterpret_cast<QRgb*>(bits + y0 * stride)[x0] = rgb;
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
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

void PlotArea::paintEvent(QPaintEvent* event) {
  endPainting();
  QPainter p(this);
  p.setPen(QPen(QColor(128, 128, 128), 1));
  p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
  // Only the part of the image that needs showing.
  const QRect inside(kBorder, kBorder, width() - 2 * kBorder, height() - 2 * kBorder);
  const QRect target = event->rect() & inside;
  if (target.isEmpty()) return;
  const qreal ratio = image_.devicePixelRatio();
  const QRectF source(QPointF(target.topLeft() - inside.topLeft()) * ratio, QSizeF(target.size()) * ratio);
  p.drawImage(QRectF(target), image_, source);
}

}  // namespace lamvero
