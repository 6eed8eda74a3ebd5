#include "ui/calculator/paintercanvas.h"

#include <QPen>
#include <algorithm>
#include <cmath>

#include "present/segmentclip.h"

namespace lamvero {

namespace {
constexpr int kMaxPenWidth = 16;  // pixels, as on the screen
}

PainterCanvas::PainterCanvas(QPainter& painter, const QRectF& target, double userWidth, double userHeight,
                             double pixel)
    : painter_(painter),
      target_(target),
      sx_(target.width() / userWidth),
      sy_(target.height() / userHeight),
      pixel_(pixel) {
  painter_.save();
  painter_.setClipRect(target_, Qt::IntersectClip);
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setBrush(Qt::NoBrush);
}

PainterCanvas::~PainterCanvas() {
  flush();
  painter_.restore();
}

QPointF PainterCanvas::map(double x, double y) const { return QPointF(target_.left() + x * sx_, target_.top() + y * sy_); }

void PainterCanvas::setPenWidth(int pixels) { penWidth_ = std::clamp(pixels, 1, kMaxPenWidth); }

void PainterCanvas::setLineStyle(LineStyle style) { style_ = style; }

void PainterCanvas::line(float x1, float y1, float x2, float y2, Rgb colour) {
  QPointF a = map(x1, y1), b = map(x2, y2);
  double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
  if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) {
    flush();
    return;
  }
  // Far-away coordinates are cut back to a margin around the rectangle; a cut
  // segment ends its path.
  const double margin = 2 * kMaxPenWidth * pixel_;
  const QRectF room = target_.adjusted(-margin, -margin, margin, margin);
  if (!ClipSegment(ax, ay, bx, by, room.left(), room.top(), room.right(), room.bottom())) {
    flush();
    return;
  }
  const bool cut = ax != a.x() || ay != a.y() || bx != b.x() || by != b.y();
  a = QPointF(ax, ay);
  b = QPointF(bx, by);
  // Dashed lines are one pixel wide, as on the screen.
  const int width = style_ == LineStyle::DashDotDot ? 1 : penWidth_;
  const bool joins = !path_.isEmpty() && path_.last() == a && pathColour_ == colour && pathWidth_ == width &&
                     pathStyle_ == style_;
  if (!joins) {
    flush();
    path_ << a;
    pathColour_ = colour;
    pathWidth_ = width;
    pathStyle_ = style_;
  }
  path_ << b;
  if (cut) flush();
}

void PainterCanvas::fillRect(double x1, double y1, double x2, double y2, Rgb colour) {
  flush();
  const QRectF r = QRectF(map(x1, y1), map(x2, y2)).normalized().intersected(target_);
  if (!r.isEmpty()) painter_.fillRect(r, QColor(colour.r, colour.g, colour.b));
}

void PainterCanvas::flush() {
  if (path_.size() < 2) {
    path_.clear();
    return;
  }
  const bool dashed = pathStyle_ == LineStyle::DashDotDot;
  const QPen pen(QColor(pathColour_.r, pathColour_.g, pathColour_.b), pathWidth_ * pixel_,
                 dashed ? Qt::DashDotDotLine : Qt::SolidLine, dashed ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin);
  painter_.setPen(pen);
  painter_.drawPolyline(path_);
  path_.clear();
  ++strokes_;
}

}  // namespace lamvero
