#include "ui/diagrams/chartlegend.h"

#include <QPainter>
#include <algorithm>

namespace lamvero {

namespace {

constexpr int kPadding = 6;      // around the entries
constexpr int kStroke = 28;      // length of the pen's sample
constexpr int kGap = 6;          // between the sample and the name
constexpr int kColumnGap = 14;   // between two columns

}  // namespace

ChartLegend::ChartLegend(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("legende"));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
}

void ChartLegend::add(LegendEntry entry) {
  entries_.push_back(std::move(entry));
  updateGeometry();
  update();
}

void ChartLegend::clear() {
  entries_.clear();
  updateGeometry();
  update();
}

int ChartLegend::rowHeight() const { return fontMetrics().height() + 4; }

int ChartLegend::columnWidth() const {
  int text = 0;
  for (const LegendEntry& e : entries_) text = std::max(text, fontMetrics().horizontalAdvance(e.text));
  return kStroke + kGap + text;
}

int ChartLegend::rowsPerColumn(int height) const {
  return std::max(1, (height - 2 * kPadding) / rowHeight());
}

QSize ChartLegend::sizeFor(int height) const {
  if (entries_.empty()) return QSize(0, 0);
  const int n = static_cast<int>(entries_.size());
  const int rows = std::min(n, rowsPerColumn(height));
  const int columns = (n + rows - 1) / rows;
  return QSize(2 * kPadding + columns * columnWidth() + (columns - 1) * kColumnGap, 2 * kPadding + rows * rowHeight());
}

QSize ChartLegend::sizeHint() const {
  const int n = static_cast<int>(entries_.size());
  return sizeFor(2 * kPadding + std::max(1, n) * rowHeight());
}

namespace {

// The entry's sample, kStroke wide, centred on the row's middle.
void PaintSample(QPainter& painter, const LegendEntry& entry, int left, int middle) {
  if (entry.mark == LegendMark::Line) {
    painter.setPen(entry.pen);
    painter.drawLine(left, middle, left + kStroke, middle);
    return;
  }
  painter.setPen(QPen(entry.pen.color().darker(130), 1));
  painter.setBrush(entry.pen.color());
  const QRectF box(left + kStroke / 2.0 - kMarkerSize / 2.0, middle - kMarkerSize / 2.0, kMarkerSize, kMarkerSize);
  if (entry.mark == LegendMark::Circle) {
    painter.drawEllipse(box);
  } else {
    painter.drawRect(box);
  }
  painter.setBrush(Qt::NoBrush);
}

}  // namespace

void ChartLegend::paintInto(QPainter& painter, const QRect& area) const {
  painter.save();
  painter.setFont(font());
  painter.setRenderHint(QPainter::Antialiasing);
  const int rows = rowsPerColumn(area.height());
  const int step = rowHeight();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const int row = static_cast<int>(i) % rows, column = static_cast<int>(i) / rows;
    const int left = area.left() + kPadding + column * (columnWidth() + kColumnGap);
    const int top = area.top() + kPadding + row * step;
    const int middle = top + step / 2;
    PaintSample(painter, entries_[i], left, middle);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(left + kStroke + kGap, top, columnWidth() - kStroke - kGap, step),
                     Qt::AlignLeft | Qt::AlignVCenter, entries_[i].text);
  }
  painter.restore();
}

void ChartLegend::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintInto(painter, rect());
}

}  // namespace lamvero
