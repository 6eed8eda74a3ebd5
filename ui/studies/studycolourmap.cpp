#include "ui/studies/studycolourmap.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "text/numberformat.h"
#include "ui/diagrams/roundstep.h"
#include "ui/studies/colourscale.h"

namespace lamvero {

namespace {

constexpr double kPad = 8;        // between the parts of the picture
constexpr double kBarWidth = 18;  // of the colour scale
constexpr double kBarGap = 20;    // between the cells and the scale
const QColor kNoValueGrey(205, 205, 205);
const QColor kHatch(150, 150, 150);
const QColor kLine(120, 120, 120);
const char* const kUnvalued = QT_TRANSLATE_NOOP("lamvero::StudyColourMap", "ohne Wert");
const char* const kNoValues = QT_TRANSLATE_NOOP("lamvero::StudyColourMap", "keine Werte");

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The numbers of the scale: round values inside low..high, the decimals their step needs.
std::vector<std::pair<double, QString>> ScaleTicks(double low, double high) {
  if (!std::isfinite(low) || !std::isfinite(high)) return {};
  const double step = RoundStep(high - low);
  if (!(step > 0)) return {{low, Q(FormatSignificant(low, 4))}};
  const int decimals = std::clamp(-static_cast<int>(std::floor(std::log10(step))), 0, 4);
  const std::string pattern = decimals ? "#0." + std::string(static_cast<std::size_t>(decimals), '0') : "#0";
  std::vector<std::pair<double, QString>> ticks;
  for (double v = std::ceil(low / step) * step; v <= high + step * 1e-9; v += step) {
    ticks.emplace_back(v, Q(Format(v, pattern.c_str())));
  }
  return ticks;
}

// Every k-th label where one label per place would overlap.
std::size_t LabelStride(double room, double labelSize) {
  if (!(room > 0)) return 1;
  return std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(labelSize / room)));
}

}  // namespace

StudyColourMap::StudyColourMap(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("farbkarte"));
  setMouseTracking(true);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
}

void StudyColourMap::setContent(ColourMapContent content) {
  content_ = std::move(content);
  update();
}

StudyColourMap::Frame StudyColourMap::frame() const {
  const QFontMetricsF fm(font());
  double lineLabels = 0;
  for (const std::string& t : content_.lineTexts) lineLabels = std::max(lineLabels, fm.horizontalAdvance(Q(t)));
  double tickLabels = std::max(fm.horizontalAdvance(tr(kNoValues)), fm.horizontalAdvance(tr(kUnvalued)));
  for (const auto& tick : ScaleTicks(content_.grid.low, content_.grid.high)) {
    tickLabels = std::max(tickLabels, fm.horizontalAdvance(tick.second));
  }
  const double left = kPad + fm.height() + kPad + lineLabels + kPad;
  const double top = kPad + 2 * fm.height();
  const double bottom = kPad + fm.height() + kPad + fm.height() + kPad;
  const double right = kBarGap + kBarWidth + kPad + tickLabels + kPad + fm.height() + kPad;
  const QRectF cells(left, top, std::max(1.0, width() - left - right), std::max(1.0, height() - top - bottom));
  return Frame{cells, QRectF(cells.right() + kBarGap, cells.top(), kBarWidth, cells.height())};
}

std::optional<std::size_t> StudyColourMap::cellAt(QPointF pos) const {
  const StudyGrid& g = content_.grid;
  const QRectF area = frame().cells;
  if (g.columns == 0 || g.rows == 0 || !area.contains(pos)) return std::nullopt;
  const auto column = std::min(g.columns - 1, static_cast<std::size_t>((pos.x() - area.left()) / area.width() *
                                                                       static_cast<double>(g.columns)));
  const auto fromTop = std::min(g.rows - 1, static_cast<std::size_t>((pos.y() - area.top()) / area.height() *
                                                                     static_cast<double>(g.rows)));
  return column + g.columns * (g.rows - 1 - fromTop);
}

QPointF StudyColourMap::cellCentre(std::size_t cell) const { return cellCentreIn(frame().cells, cell); }

QPointF StudyColourMap::cellCentreIn(const QRectF& area, std::size_t cell) const {
  const StudyGrid& g = content_.grid;
  const double w = area.width() / static_cast<double>(g.columns), h = area.height() / static_cast<double>(g.rows);
  const std::size_t column = cell % g.columns, line = cell / g.columns;
  return QPointF(area.left() + (static_cast<double>(column) + 0.5) * w,
                 area.bottom() - (static_cast<double>(line) + 0.5) * h);
}

QString StudyColourMap::cellText(std::size_t cell) const {
  const StudyGrid& g = content_.grid;
  const std::size_t column = cell % g.columns, line = cell / g.columns;
  std::string text = ValueText(content_.across, content_.columnTexts.at(column)) + ", " +
                     ValueText(content_.up, content_.lineTexts.at(line));
  if (!content_.slice.empty()) text += ", " + content_.slice;
  const NamedUnit result = QuantityNaming(content_.quantity);
  if (g.cellRow[cell] == kNoRow) return tr("%1: noch nicht gerechnet").arg(Q(text));
  const double v = g.cellValue[cell];
  if (!std::isfinite(v)) return tr("%1: %2 ohne Wert").arg(Q(text), Q(result.name));
  return Q(text + ": " + ValueText(result, QuantityText(content_.quantity, v)));
}

void StudyColourMap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintPicture(painter);
}

void StudyColourMap::paintPicture(QPainter& painter) const {
  painter.save();
  painter.setFont(font());
  painter.fillRect(rect(), Qt::white);
  const Frame f = frame();
  paintCells(painter, f.cells);
  paintAxes(painter, f.cells);
  paintScale(painter, f.bar);
  painter.restore();
}

void StudyColourMap::paintCells(QPainter& painter, const QRectF& area) const {
  const StudyGrid& g = content_.grid;
  if (g.columns == 0 || g.rows == 0) return;
  const double w = area.width() / static_cast<double>(g.columns), h = area.height() / static_cast<double>(g.rows);
  const QFontMetricsF fm(font());
  for (std::size_t cell = 0; cell < g.cellRow.size(); ++cell) {
    if (g.cellRow[cell] == kNoRow) continue;
    const QPointF centre = cellCentreIn(area, cell);
    const QRectF box(centre.x() - w / 2, centre.y() - h / 2, w, h);
    const double v = g.cellValue[cell];
    if (!std::isfinite(v)) {
      painter.fillRect(box, kNoValueGrey);
      painter.fillRect(box, QBrush(kHatch, Qt::BDiagPattern));
      continue;
    }
    const double fraction = ScaleFraction(v, g.low, g.high);
    painter.fillRect(box, ScaleColour(fraction));
    // The value itself, where the cell has room for it.
    if (fm.height() + 2 >= h) continue;
    const QString text = Q(QuantityText(content_.quantity, v));
    if (fm.horizontalAdvance(text) + 6 < w) {
      painter.setPen(fraction < 0.6 ? Qt::white : Qt::black);
      painter.drawText(box, Qt::AlignCenter, text);
    }
  }
}

void StudyColourMap::paintAxes(QPainter& painter, const QRectF& area) const {
  const StudyGrid& g = content_.grid;
  const QFontMetricsF fm(font());
  painter.setPen(kLine);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area);
  painter.setPen(Qt::black);
  std::string title = AxisTitle(QuantityNaming(content_.quantity));
  if (!content_.slice.empty()) title += "   (" + content_.slice + ")";
  painter.drawText(QRectF(area.left(), kPad, area.width(), fm.height()), Qt::AlignCenter, Q(title));
  if (g.columns == 0 || g.rows == 0) return;
  const double w = area.width() / static_cast<double>(g.columns), h = area.height() / static_cast<double>(g.rows);
  double widest = 0;
  for (const std::string& t : content_.columnTexts) widest = std::max(widest, fm.horizontalAdvance(Q(t)));
  const std::size_t across = LabelStride(w, widest + kPad), up = LabelStride(h, fm.height());
  for (std::size_t c = 0; c < g.columns && c < content_.columnTexts.size(); c += across) {
    const double x = area.left() + (static_cast<double>(c) + 0.5) * w;
    painter.drawText(QRectF(x - widest, area.bottom() + kPad / 2, 2 * widest, fm.height()), Qt::AlignCenter,
                     Q(content_.columnTexts[c]));
  }
  for (std::size_t l = 0; l < g.rows && l < content_.lineTexts.size(); l += up) {
    const double y = area.bottom() - (static_cast<double>(l) + 0.5) * h;
    painter.drawText(QRectF(0, y - fm.height() / 2, area.left() - kPad, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                     Q(content_.lineTexts[l]));
  }
  painter.drawText(QRectF(area.left(), area.bottom() + kPad + fm.height(), area.width(), fm.height() + kPad),
                   Qt::AlignCenter, Q(AxisTitle(content_.across)));
  painter.save();
  painter.translate(kPad, area.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-area.height() / 2, 0, area.height(), fm.height()), Qt::AlignCenter,
                   Q(AxisTitle(content_.up)));
  painter.restore();
}

void StudyColourMap::paintScale(QPainter& painter, const QRectF& bar) const {
  const StudyGrid& g = content_.grid;
  const QFontMetricsF fm(font());
  const double labels = bar.right() + kPad;
  // Under the scale, what a hatched cell means, where there is one.
  bool unvalued = false;
  for (std::size_t cell = 0; cell < g.cellRow.size(); ++cell) {
    unvalued = unvalued || (g.cellRow[cell] != kNoRow && !std::isfinite(g.cellValue[cell]));
  }
  if (unvalued) {
    const QRectF swatch(bar.left(), bar.bottom() + kPad / 2, bar.width(), fm.height());
    painter.fillRect(swatch, kNoValueGrey);
    painter.fillRect(swatch, QBrush(kHatch, Qt::BDiagPattern));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(labels, swatch.top(), fm.horizontalAdvance(tr(kUnvalued)) + 1, fm.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, tr(kUnvalued));
  }
  if (!std::isfinite(g.low)) {
    painter.fillRect(bar, kNoValueGrey);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(labels, bar.center().y()), tr(kNoValues));
    return;
  }
  // The scale from its low end at the bottom to its high end at the top, a line of pixels each.
  const int lines = std::max(1, static_cast<int>(bar.height()));
  for (int k = 0; k < lines; ++k) {
    const double fraction = g.high > g.low ? (k + 0.5) / lines : 0.5;
    painter.fillRect(QRectF(bar.left(), bar.bottom() - k - 1, bar.width(), 1.0), ScaleColour(fraction));
  }
  painter.setPen(kLine);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(bar);
  painter.setPen(Qt::black);
  double widest = 0;
  for (const auto& [value, text] : ScaleTicks(g.low, g.high)) {
    const double fraction = g.high > g.low ? ScaleFraction(value, g.low, g.high) : 0.5;
    const double y = bar.bottom() - fraction * bar.height();
    painter.drawLine(QPointF(bar.right(), y), QPointF(bar.right() + 4, y));
    painter.drawText(QRectF(labels, y - fm.height() / 2, fm.horizontalAdvance(text) + 1, fm.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
    widest = std::max(widest, fm.horizontalAdvance(text));
  }
  painter.save();
  painter.translate(labels + widest + kPad, bar.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-bar.height() / 2, 0, bar.height(), fm.height()), Qt::AlignCenter,
                   Q(AxisTitle(QuantityNaming(content_.quantity))));
  painter.restore();
}

void StudyColourMap::mouseMoveEvent(QMouseEvent* event) {
  if (const std::optional<std::size_t> cell = cellAt(event->position())) emit readOutChanged(cellText(*cell));
  QWidget::mouseMoveEvent(event);
}

void StudyColourMap::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const std::optional<std::size_t> cell = cellAt(event->position());
    if (cell && content_.grid.cellRow[*cell] != kNoRow) emit rowChosen(content_.grid.cellRow[*cell]);
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace lamvero
