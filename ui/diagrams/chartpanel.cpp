#include "ui/diagrams/chartpanel.h"

#include <QEvent>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "ui/diagrams/chartlegend.h"
#include "ui/diagrams/decimation.h"
#include "ui/diagrams/roundstep.h"
#include "ui/diagrams/shownlocale.h"

namespace lamvero {

namespace {

// Pixel columns a curve is prepared for: at least this many, more on a wide chart.
constexpr int kMinColumns = 1200;
// The legend beside the chart takes at most this width; longer names scroll.
constexpr int kMaxLegendWidth = 320;
// Room around the explanation in a picture, in pixels.
constexpr int kNotePadding = 6;

// Decimals that resolve a thousandth of the span.
int DecimalsFor(double span) {
  if (!(span > 0)) return 3;
  return std::clamp(3 - static_cast<int>(std::floor(std::log10(span))), 0, 6);
}

// Ticks at round values over whatever range a zoom left.
void PlaceTicks(QValueAxis& axis) {
  const double step = RoundStep(axis.max() - axis.min());
  if (!(step > 0)) return;
  axis.setTickType(QValueAxis::TicksDynamic);
  axis.setTickAnchor(0);
  axis.setTickInterval(step);
}

QString Number(double v, int decimals) { return ShownLocale().toString(v, 'f', decimals); }

// Where a value lies along its axis, 0 at the axis's start (left, bottom) and
// 1 at its end, whichever way the axis runs; and the value at such a place.
double PlaceOf(const QValueAxis& axis, double value) {
  const double f = (value - axis.min()) / (axis.max() - axis.min());
  return axis.isReverse() ? 1 - f : f;
}
double ValueAt(const QValueAxis& axis, double place) {
  return axis.min() + (axis.isReverse() ? 1 - place : place) * (axis.max() - axis.min());
}

// The plot area's point of a view position in axis values; nothing outside the plot area.
std::optional<QPointF> AxisValuesAt(const QChart& chart, const QChartView& view, const QValueAxis& axisX,
                                    const QValueAxis& axisY, QPointF viewPos) {
  const QRectF area = chart.plotArea();
  const QPointF p = chart.mapFromScene(view.mapToScene(viewPos.toPoint()));
  if (!area.contains(p) || area.width() <= 0 || area.height() <= 0) return std::nullopt;
  return QPointF(ValueAt(axisX, (p.x() - area.left()) / area.width()),
                 ValueAt(axisY, (area.bottom() - p.y()) / area.height()));
}

}  // namespace

ChartPanel::ChartPanel(const QString& title, const QString& xTitle, const QString& yTitle, QWidget* parent)
    : QWidget(parent) {
  chart_ = new QChart;
  chart_->setTitle(title);
  chart_->setLocalizeNumbers(true);  // the language's decimal separator on the axes
  chart_->setLocale(ShownLocale());
  // The chart's own legend drops entries it has no room for: the legend stands beside it.
  chart_->legend()->hide();
  chart_->setMargins(QMargins(6, 6, 6, 6));
  axisX_ = new QValueAxis;
  axisX_->setTitleText(xTitle);
  axisY_ = new QValueAxis;
  axisY_->setTitleText(yTitle);
  for (QValueAxis* a : {axisX_, axisY_}) {
    a->setLabelFormat(QStringLiteral("%.4g"));
    a->setMinorTickCount(1);
  }
  chart_->addAxis(axisX_, Qt::AlignBottom);
  chart_->addAxis(axisY_, Qt::AlignLeft);

  makeViewAndLegend();

  auto* chartAndLegend = new QHBoxLayout;
  chartAndLegend->setSpacing(0);
  chartAndLegend->addWidget(view_, 1);
  chartAndLegend->addWidget(legendScroll_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(chartAndLegend, 1);
  layout->addWidget(note_);
  layout->addWidget(readOut_);

  // A zoom changes both axes one after the other: the points are chosen
  // again once both have their new range.
  for (QValueAxis* a : {axisX_, axisY_}) {
    connect(a, &QValueAxis::rangeChanged, this, [this] {
      if (adjusting_ || redecimatePending_) return;
      redecimatePending_ = true;
      QMetaObject::invokeMethod(this, [this] {
        redecimatePending_ = false;
        redecimate();
      }, Qt::QueuedConnection);
    });
  }
  connect(chart_, &QChart::plotAreaChanged, this, [this] { placeLabels(); });
}

ChartPanel::~ChartPanel() = default;

// The chart's view (rubber-band zoom, the mouse read off), the legend beside
// it and the line under it that reads the point under the mouse.
void ChartPanel::makeViewAndLegend() {
  view_ = new QChartView(chart_);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setRubberBand(QChartView::RectangleRubberBand);
  view_->setMouseTracking(true);
  view_->viewport()->setMouseTracking(true);
  view_->viewport()->installEventFilter(this);
  view_->setMinimumSize(360, 220);

  legend_ = new ChartLegend;
  legendScroll_ = new QScrollArea;
  legendScroll_->setObjectName(QStringLiteral("scroll_Legende"));
  legendScroll_->setWidget(legend_);
  legendScroll_->setWidgetResizable(true);
  legendScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  legendScroll_->setFrameShape(QFrame::NoFrame);
  legendScroll_->hide();

  readOut_ = new QLabel(this);
  readOut_->setObjectName(QStringLiteral("lbl_Ablesung"));
  readOut_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  readOut_->setText(tr("Zoomen: Rechteck aufziehen; rechte Maustaste: zurück"));

  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("lbl_Erlaeuterung"));
  note_->setWordWrap(true);
  note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  note_->hide();
}

void ChartPanel::setNote(const QString& text) {
  note_->setText(text);
  note_->setVisible(!text.isEmpty());
}

QString ChartPanel::note() const { return note_->text(); }

void ChartPanel::setReadOutNames(const QString& xName, const QString& xUnit, const QString& yName,
                                 const QString& yUnit) {
  xName_ = xName;
  xUnit_ = xUnit;
  yName_ = yName;
  yUnit_ = yUnit;
}

QLineSeries* ChartPanel::addCurve(const QString& name, CurveData values, const QPen& pen, bool inLegend) {
  auto* series = new QLineSeries;
  series->setName(name);
  series->setPen(pen);
  chart_->addSeries(series);
  series->attachAxis(axisX_);
  series->attachAxis(axisY_);
  if (inLegend) addLegendEntry(name, pen);
  curves_.push_back(Curve{series, std::move(values)});
  return series;
}

QScatterSeries* ChartPanel::addMarkers(const QString& name, const QList<QPointF>& points, const QColor& colour,
                                       QScatterSeries::MarkerShape shape) {
  auto* series = new QScatterSeries;
  series->setName(name);
  series->setMarkerShape(shape);
  series->setMarkerSize(kMarkerSize);
  series->setColor(colour);
  series->setBorderColor(colour.darker(130));
  series->replace(points);
  chart_->addSeries(series);
  series->attachAxis(axisX_);
  series->attachAxis(axisY_);
  const LegendMark mark = shape == QScatterSeries::MarkerShapeCircle ? LegendMark::Circle : LegendMark::Square;
  legend_->add(LegendEntry{name, QPen(colour), mark});
  legendChanged();
  markers_.push_back(series);
  return series;
}

void ChartPanel::addLegendEntry(const QString& text, const QPen& pen) {
  legend_->add(LegendEntry{text, pen});
  legendChanged();
}

void ChartPanel::addLabel(const QString& text, std::vector<QPointF> places) {
  auto* item = new QGraphicsSimpleTextItem(text, chart_);
  item->setBrush(QColor(110, 110, 110));
  QFont small = item->font();
  small.setPointSizeF(small.pointSizeF() * 0.8);
  item->setFont(small);
  item->setZValue(-1);  // under the curves
  labels_.push_back(Label{item, std::move(places)});
  placeLabels();
}

// In the order they were added, each label at its first free place: clear
// of the labels before it and of the curves drawn as a single marker.
void ChartPanel::placeLabels() {
  const QRectF area = chart_->plotArea();
  const auto pixel = [&](QPointF at) {
    return QPointF(area.left() + PlaceOf(*axisX_, at.x()) * area.width(),
                   area.bottom() - PlaceOf(*axisY_, at.y()) * area.height());
  };
  std::vector<QRectF> taken;
  for (const Curve& c : curves_) {
    if (c.data.n != 1) continue;
    const qreal half = c.series->markerSize() / 2;
    const QPointF p = pixel(QPointF(c.data.x[0] * c.data.xScale, c.data.y[0] * c.data.yScale));
    taken.emplace_back(p - QPointF(half, half), QSizeF(2 * half, 2 * half));
  }
  for (Label& label : labels_) {
    const QSizeF size = label.item->boundingRect().size();
    bool placed = false;
    for (const QPointF& at : label.places) {
      const QRectF rect(pixel(at) - QPointF(0, size.height()), size);
      if (!area.contains(rect)) continue;
      const auto clashes = [&](const QRectF& other) { return other.adjusted(-2, -1, 2, 1).intersects(rect); };
      if (std::any_of(taken.begin(), taken.end(), clashes)) continue;
      label.item->setPos(rect.topLeft());
      taken.push_back(rect);
      placed = true;
      break;
    }
    label.item->setVisible(placed);
  }
}

std::vector<ChartPanel::ShownLabel> ChartPanel::shownLabels() const {
  std::vector<ShownLabel> shown;
  for (const Label& label : labels_) {
    if (label.item->isVisible()) {
      shown.push_back(ShownLabel{label.item->text(), QRectF(label.item->pos(), label.item->boundingRect().size())});
    }
  }
  return shown;
}

void ChartPanel::clearCurves() {
  for (Label& label : labels_) delete label.item;
  labels_.clear();
  adjusting_ = true;
  chart_->removeAllSeries();
  curves_.clear();
  markers_.clear();
  adjusting_ = false;
  legend_->clear();
  legendChanged();
}

// The legend's column as wide as its longest name, up to a limit; no legend, no column.
void ChartPanel::legendChanged() {
  const bool any = !legend_->entries().empty();
  legendScroll_->setVisible(any);
  if (!any) return;
  const int scrollBar = legendScroll_->verticalScrollBar()->sizeHint().width();
  legendScroll_->setFixedWidth(std::min(kMaxLegendWidth, legend_->sizeHint().width() + scrollBar));
}

// The explanation's box under the chart and legend of a picture that wide; empty without one.
QRect ChartPanel::noteBox(int top, int width) const {
  if (note_->text().isEmpty()) return QRect();
  const QRect inner(kNotePadding, 0, width - 2 * kNotePadding, 1 << 20);
  const QRect text = note_->fontMetrics().boundingRect(inner, Qt::TextWordWrap, note_->text());
  return QRect(kNotePadding, top + kNotePadding, inner.width(), text.height());
}

QSize ChartPanel::pictureSize() const {
  const QSize chart = view_->size();
  const QSize legend = legend_->sizeFor(chart.height());
  const QSize upper(chart.width() + legend.width(), std::max(chart.height(), legend.height()));
  const QRect note = noteBox(upper.height(), upper.width());
  return note.isEmpty() ? upper : QSize(upper.width(), note.bottom() + 1 + kNotePadding);
}

void ChartPanel::paintPicture(QPainter& painter) {
  const QSize whole = pictureSize();
  painter.fillRect(QRect(QPoint(0, 0), whole), Qt::white);
  const QSize chart = view_->size();
  const int upper = std::max(chart.height(), legend_->sizeFor(chart.height()).height());
  view_->render(&painter, QRectF(QPointF(0, 0), chart), view_->viewport()->rect());
  legend_->paintInto(painter, QRect(chart.width(), 0, whole.width() - chart.width(), upper));
  const QRect note = noteBox(upper, whole.width());
  if (note.isEmpty()) return;
  painter.setFont(note_->font());
  painter.setPen(Qt::black);
  painter.drawText(note, Qt::TextWordWrap, note_->text());
}

void ChartPanel::resetZoom() {
  double x0 = std::numeric_limits<double>::infinity(), x1 = -x0, y0 = x0, y1 = -x0;
  for (const Curve& c : curves_) {
    const CurveData& d = c.data;
    for (std::size_t k = 0; k < d.n; ++k) {
      const double x = d.x[k] * d.xScale, y = d.y[k] * d.yScale;
      if (!d.framesView || !std::isfinite(x) || !std::isfinite(y) || d.y[k] < d.yFloor) continue;
      x0 = std::min(x0, x);
      x1 = std::max(x1, x);
      y0 = std::min(y0, y);
      y1 = std::max(y1, y);
    }
  }
  for (const QScatterSeries* m : markers_) {
    for (const QPointF& p : m->points()) {
      x0 = std::min(x0, p.x());
      x1 = std::max(x1, p.x());
      y0 = std::min(y0, p.y());
      y1 = std::max(y1, p.y());
    }
  }
  if (!(x1 >= x0)) x0 = 0, x1 = 1, y0 = 0, y1 = 1;  // nothing to show
  if (x1 == x0) x0 -= 0.5, x1 += 0.5;
  if (y1 == y0) y0 -= 0.5, y1 += 0.5;
  const double padX = marginX_ * (x1 - x0), padY = marginY_ * (y1 - y0);
  adjusting_ = true;
  chart_->zoomReset();
  axisX_->setRange(x0 - padX, x1 + padX);
  axisY_->setRange(y0 - padY, y1 + padY);
  adjusting_ = false;
  redecimate();
}

void ChartPanel::redecimate() {
  const double x0 = axisX_->min(), x1 = axisX_->max(), y0 = axisY_->min(), y1 = axisY_->max();
  const int columns = std::max(kMinColumns, static_cast<int>(chart_->plotArea().width()));
  adjusting_ = true;
  for (Curve& c : curves_) {
    const CurveData& d = c.data;
    QList<QPointF> points;
    if (d.xScale > 0) {
      const std::vector<std::size_t> kept =
          DecimatedIndices(d.x, d.y, d.n, x0 / d.xScale, x1 / d.xScale, columns, d.yFloor);
      points.reserve(static_cast<qsizetype>(kept.size()));
      for (std::size_t k : kept) points.append(QPointF(d.x[k] * d.xScale, d.y[k] * d.yScale));
    }
    c.series->replace(points);
  }
  // New points must not move the axes the user chose.
  axisX_->setRange(x0, x1);
  axisY_->setRange(y0, y1);
  PlaceTicks(*axisX_);
  PlaceTicks(*axisY_);
  adjusting_ = false;
  placeLabels();
}

int ChartPanel::drawnPoints() const {
  int n = 0;
  for (const Curve& c : curves_) n += static_cast<int>(c.series->count());
  return n;
}

QString ChartPanel::readOut() const { return readOut_->text(); }

std::optional<ChartPanel::NearPoint> ChartPanel::nearestPoint(QPointF viewPos) const {
  const std::optional<QPointF> value = AxisValuesAt(*chart_, *view_, *axisX_, *axisY_, viewPos);
  if (!value) return std::nullopt;
  const QRectF area = chart_->plotArea();
  const double pxPerX = area.width() / (axisX_->max() - axisX_->min());
  const double pxPerY = area.height() / (axisY_->max() - axisY_->min());
  double best = 12 * 12;
  std::optional<NearPoint> nearest;
  // Of points in the same place, the one drawn on top.
  for (auto c = curves_.rbegin(); c != curves_.rend(); ++c) {
    if (!c->series->isVisible() || c->series->name().isEmpty()) continue;
    for (const QPointF& q : c->series->points()) {
      const double dx = (q.x() - value->x()) * pxPerX, dy = (q.y() - value->y()) * pxPerY;
      if (dx * dx + dy * dy < best) {
        best = dx * dx + dy * dy;
        nearest = NearPoint{c->series, q};
      }
    }
  }
  return nearest;
}

void ChartPanel::showValuesAt(QPointF viewPos) {
  const std::optional<QPointF> value = AxisValuesAt(*chart_, *view_, *axisX_, *axisY_, viewPos);
  if (!value) return;
  const int xd = DecimalsFor(axisX_->max() - axisX_->min()), yd = DecimalsFor(axisY_->max() - axisY_->min());
  const auto describe = [&](QPointF q) {
    if (describe_) return describe_(q);
    return QStringList{QStringLiteral("%1 = %2 %3").arg(xName_, Number(q.x(), xd), xUnit_),
                       QStringLiteral("%1 = %2 %3").arg(yName_, Number(q.y(), yd), yUnit_)};
  };
  QString text = describe(*value).join(QStringLiteral("    "));
  if (const std::optional<NearPoint> near = nearestPoint(viewPos)) {
    text += QStringLiteral("    ") +
            (pointText_ ? pointText_(*near)
                        : QStringLiteral("%1: %2").arg(near->series->name(), describe(near->at).join(QStringLiteral(", "))));
  }
  readOut_->setText(text);
}

bool ChartPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_->viewport() && event->type() == QEvent::MouseMove) {
    showValuesAt(static_cast<QMouseEvent*>(event)->position());
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace lamvero
