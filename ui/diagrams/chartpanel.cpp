#include "ui/diagrams/chartpanel.h"

#include <QEvent>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QHBoxLayout>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/diagrams/chartlegend.h"
#include "ui/diagrams/decimation.h"

namespace lamvero {

namespace {

// Pixel columns a curve is prepared for: at least this many, more on a wide chart.
constexpr int kMinColumns = 1200;
// The legend beside the chart takes at most this width; longer names scroll.
constexpr int kMaxLegendWidth = 320;

// Decimals that resolve a thousandth of the span.
int DecimalsFor(double span) {
  if (!(span > 0)) return 3;
  return std::clamp(3 - static_cast<int>(std::floor(std::log10(span))), 0, 6);
}

// Ticks at round values (1, 2 or 5 times a power of ten apart, about six of
// them) over whatever range a zoom left.
void PlaceTicks(QValueAxis& axis) {
  const double span = axis.max() - axis.min();
  if (!(span > 0) || !std::isfinite(span)) return;
  const double raw = span / 6;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power;
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    step = m * power;
    if (step >= raw) break;
  }
  axis.setTickType(QValueAxis::TicksDynamic);
  axis.setTickAnchor(0);
  axis.setTickInterval(step);
}

QString Number(double v, int decimals) { return QLocale(QLocale::German).toString(v, 'f', decimals); }

}  // namespace

ChartPanel::ChartPanel(const QString& title, const QString& xTitle, const QString& yTitle, QWidget* parent)
    : QWidget(parent) {
  chart_ = new QChart;
  chart_->setTitle(title);
  chart_->setLocalizeNumbers(true);  // decimal comma on the axes
  chart_->setLocale(QLocale(QLocale::German, QLocale::Germany));
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
  readOut_->setText(QStringLiteral("Zoomen: Rechteck aufziehen; rechte Maustaste: zurück"));

  auto* chartAndLegend = new QHBoxLayout;
  chartAndLegend->setSpacing(0);
  chartAndLegend->addWidget(view_, 1);
  chartAndLegend->addWidget(legendScroll_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(chartAndLegend, 1);
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

void ChartPanel::addLegendEntry(const QString& text, const QPen& pen) {
  legend_->add(LegendEntry{text, pen});
  legendChanged();
}

void ChartPanel::addLabel(const QString& text, QPointF at) {
  auto* item = new QGraphicsSimpleTextItem(text, chart_);
  item->setBrush(QColor(110, 110, 110));
  QFont small = item->font();
  small.setPointSizeF(small.pointSizeF() * 0.8);
  item->setFont(small);
  item->setZValue(-1);  // under the curves
  labels_.emplace_back(item, at);
  placeLabels();
}

void ChartPanel::placeLabels() {
  const QRectF area = chart_->plotArea();
  const double xSpan = axisX_->max() - axisX_->min(), ySpan = axisY_->max() - axisY_->min();
  for (auto& [item, at] : labels_) {
    const QPointF p(area.left() + (at.x() - axisX_->min()) / xSpan * area.width(),
                    area.bottom() - (at.y() - axisY_->min()) / ySpan * area.height());
    item->setPos(p - QPointF(0, item->boundingRect().height()));
    item->setVisible(area.contains(QRectF(item->pos(), item->boundingRect().size())));
  }
}

void ChartPanel::clearCurves() {
  for (auto& label : labels_) delete label.first;
  labels_.clear();
  adjusting_ = true;
  chart_->removeAllSeries();
  curves_.clear();
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

QSize ChartPanel::pictureSize() const {
  const QSize chart = view_->size();
  const QSize legend = legend_->sizeFor(chart.height());
  return QSize(chart.width() + legend.width(), std::max(chart.height(), legend.height()));
}

void ChartPanel::paintPicture(QPainter& painter) {
  const QSize whole = pictureSize();
  painter.fillRect(QRect(QPoint(0, 0), whole), Qt::white);
  const QSize chart = view_->size();
  view_->render(&painter, QRectF(QPointF(0, 0), chart), view_->viewport()->rect());
  legend_->paintInto(painter, QRect(chart.width(), 0, whole.width() - chart.width(), whole.height()));
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

void ChartPanel::showValuesAt(QPointF viewPos) {
  const QRectF area = chart_->plotArea();
  const QPointF p = chart_->mapFromScene(view_->mapToScene(viewPos.toPoint()));
  if (!area.contains(p) || area.width() <= 0 || area.height() <= 0) return;
  const double xSpan = axisX_->max() - axisX_->min(), ySpan = axisY_->max() - axisY_->min();
  const double x = axisX_->min() + (p.x() - area.left()) / area.width() * xSpan;
  const double y = axisY_->max() - (p.y() - area.top()) / area.height() * ySpan;
  const int xd = DecimalsFor(xSpan), yd = DecimalsFor(ySpan);
  QString text = QStringLiteral("%1 = %2 %3    %4 = %5 %6")
                     .arg(xName_, Number(x, xd), xUnit_, yName_, Number(y, yd), yUnit_);

  // The nearest drawn point of a shown curve, within a few pixels.
  const double pxPerX = area.width() / xSpan, pxPerY = area.height() / ySpan;
  double best = 12 * 12;
  const QLineSeries* nearest = nullptr;
  QPointF at;
  for (const Curve& c : curves_) {
    if (!c.series->isVisible()) continue;
    for (const QPointF& q : c.series->points()) {
      const double dx = (q.x() - x) * pxPerX, dy = (q.y() - y) * pxPerY;
      if (dx * dx + dy * dy < best) {
        best = dx * dx + dy * dy;
        nearest = c.series;
        at = q;
      }
    }
  }
  if (nearest && !nearest->name().isEmpty()) {
    text += QStringLiteral("    %1: %2 = %3 %4, %5 = %6 %7")
                .arg(nearest->name(), xName_, Number(at.x(), xd), xUnit_, yName_, Number(at.y(), yd), yUnit_);
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
