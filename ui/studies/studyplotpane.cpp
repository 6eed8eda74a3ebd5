#include "ui/studies/studyplotpane.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

#include "study/casesummary.h"
#include "text/language.h"
#include "ui/diagrams/chartexport.h"
#include "ui/studies/colourscale.h"
#include "ui/studies/studycolourmap.h"
#include "ui/studies/studynames.h"

namespace lamvero {

namespace {

// Rows arriving faster are drawn at most this often, and never for more
// than a fifth of the time, however long a drawing of many rows takes.
constexpr int kRedrawMs = 250;
constexpr int kRedrawShare = 5;
// Up to this many points each is marked; on denser curves only a point standing alone.
constexpr std::size_t kMarkedPoints = 2000;
// The result the charts open with: the whole drying time.
constexpr const char* kFirstResult = "Zeit";
// The curves take their colours from the scale, short of its palest end.
constexpr double kCurveScale = 0.85;
// A press and release closer than this (pixels) is a click, not a zoom.
constexpr int kClickSlack = 4;
enum Tab { kCurveTab, kMapTab };

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The varied input's values as the user reads them (decimal point in English).
std::vector<std::string> ShownTexts(const std::vector<std::string>& texts) {
  std::vector<std::string> shown;
  shown.reserve(texts.size());
  for (const std::string& t : texts) shown.push_back(ShownInputText(t));
  return shown;
}

QPen CurvePen(std::size_t curve, std::size_t curves) {
  const double at = curves > 1 ? kCurveScale * static_cast<double>(curve) / static_cast<double>(curves - 1) : 0.3;
  return QPen(ScaleColour(at), 2);
}

// Each stretch's values, kept alive with the chart's curve.
CurveData StretchData(const std::vector<StudyPoint>& stretch) {
  auto xy = std::make_shared<std::pair<std::vector<double>, std::vector<double>>>();
  for (const StudyPoint& p : stretch) {
    xy->first.push_back(p.x);
    xy->second.push_back(p.y);
  }
  CurveData data;
  data.x = xy->first.data();
  data.y = xy->second.data();
  data.n = stretch.size();
  data.owner = std::move(xy);
  return data;
}

}  // namespace

StudyPlotPane::StudyPlotPane(QWidget* parent) : QWidget(parent) {
  QHBoxLayout* choices = makeChoices();

  curves_ = new ChartPanel(QString(), QString(), QString());
  curves_->setObjectName(QStringLiteral("kurvenschar"));
  curves_->setMargins(0.04, 0.06);
  curves_->setPointText([this](const ChartPanel::NearPoint& p) { return pointText(p); });
  curves_->view().viewport()->installEventFilter(this);
  curvesRefused_ = new QLabel;
  curvesRefused_->setObjectName(QStringLiteral("lbl_KurvenscharNicht"));
  curvesRefused_->setWordWrap(true);
  curvesRefused_->setAlignment(Qt::AlignCenter);
  curvePage_ = new QStackedWidget;
  curvePage_->addWidget(curves_);
  curvePage_->addWidget(curvesRefused_);

  QWidget* mapPage = makeMapPage();

  tabs_ = new QTabWidget;
  tabs_->setObjectName(QStringLiteral("tab_Studiendiagramm"));
  tabs_->addTab(curvePage_, tr("&Kurvenschar"));
  tabs_->addTab(mapPage, tr("&Farbkarte"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(choices);
  layout->addWidget(tabs_, 1);

  throttle_ = new QTimer(this);
  throttle_->setSingleShot(true);
  throttle_->setInterval(kRedrawMs);
  connect(throttle_, &QTimer::timeout, this, [this] {
    if (!pending_) return;
    pending_ = false;
    rebuild();
    throttle_->start();
  });
  connect(result_, &QComboBox::currentIndexChanged, this, [this] { rebuild(); });
  connect(slice_, &QComboBox::currentIndexChanged, this, [this] { rebuild(); });
  connect(map_, &StudyColourMap::readOutChanged, mapReadOut_, &QLabel::setText);
  connect(map_, &StudyColourMap::rowChosen, this, &StudyPlotPane::rowChosen);
  showResults(nullptr);
}

// The result to show and, with a third varied input, the value of it.
QHBoxLayout* StudyPlotPane::makeChoices() {
  result_ = new QComboBox;
  result_->setObjectName(QStringLiteral("cmb_Ergebnis"));
  for (std::size_t q = 0; q < kStudyQuantityCount; ++q) {
    result_->addItem(Q(AxisTitle(QuantityNaming(q))));
    if (std::string(StudyQuantities()[q].result->key) == kFirstResult) result_->setCurrentIndex(static_cast<int>(q));
  }
  sliceLabel_ = new QLabel;
  slice_ = new QComboBox;
  slice_->setObjectName(QStringLiteral("cmb_Schnitt"));
  sliceLabel_->setBuddy(slice_);
  auto* choices = new QHBoxLayout;
  auto* resultLabel = new QLabel(tr("&Ergebnis:"));
  resultLabel->setBuddy(result_);
  choices->addWidget(resultLabel);
  choices->addWidget(result_);
  choices->addSpacing(16);
  choices->addWidget(sliceLabel_);
  choices->addWidget(slice_);
  choices->addStretch(1);
  return choices;
}

// The colour map with its read-out under it.
QWidget* StudyPlotPane::makeMapPage() {
  map_ = new StudyColourMap;
  mapReadOut_ = new QLabel(tr("Feld anklicken: diesen Fall wählen"));
  mapReadOut_->setObjectName(QStringLiteral("lbl_FarbkarteAblesung"));
  mapReadOut_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* mapPage = new QWidget;
  auto* mapLayout = new QVBoxLayout(mapPage);
  mapLayout->setContentsMargins(0, 0, 0, 0);
  mapLayout->addWidget(map_, 1);
  mapLayout->addWidget(mapReadOut_);
  return mapPage;
}

StudyPlotPane::~StudyPlotPane() = default;

void StudyPlotPane::showResults(const StudyResults* results) {
  throttle_->stop();
  pending_ = false;
  model_.reset(results);
  rebuild();
}

void StudyPlotPane::refresh() {
  if (throttle_->isActive()) {
    pending_ = true;
    return;
  }
  rebuild();
  throttle_->start();
}

std::size_t StudyPlotPane::quantity() const { return static_cast<std::size_t>(std::max(0, result_->currentIndex())); }

std::size_t StudyPlotPane::slice() const { return static_cast<std::size_t>(std::max(0, slice_->currentIndex())); }

std::string StudyPlotPane::sliceText() const {
  if (model_.axisCount() < 3 || slice() >= model_.axis(2).texts.size()) return {};
  return ValueText(InputNaming(model_.axis(2).field), ShownInputText(model_.axis(2).texts[slice()]));
}

void StudyPlotPane::rebuild() {
  QElapsedTimer clock;
  clock.start();
  model_.update();
  fillSlices();
  tabs_->setTabVisible(kMapTab, model_.axisCount() >= 2);
  rebuildCurves();
  rebuildColourMap();
  throttle_->setInterval(std::max<int>(kRedrawMs, kRedrawShare * static_cast<int>(clock.elapsed())));
}

// The third varied input's values; the one chosen stays chosen as more come.
void StudyPlotPane::fillSlices() {
  const bool third = model_.axisCount() >= 3;
  sliceLabel_->setVisible(third);
  slice_->setVisible(third);
  if (!third) return;
  const StudyAxisValues& axis = model_.axis(2);
  const NamedUnit named = InputNaming(axis.field);
  QStringList texts;
  for (const std::string& t : axis.texts) texts << Q(ShownInputText(t) + (named.unit.empty() ? "" : " " + named.unit));
  QStringList shown;
  for (int i = 0; i < slice_->count(); ++i) shown << slice_->itemText(i);
  if (texts == shown) return;
  const QString chosen = slice_->currentText();
  const QSignalBlocker quiet(slice_);
  slice_->clear();
  slice_->addItems(texts);
  slice_->setCurrentIndex(std::max(0, static_cast<int>(texts.indexOf(chosen))));
  sliceLabel_->setText(Q(named.name + ":"));
}

void StudyPlotPane::rebuildCurves() {
  curves_->clearCurves();
  pointsOf_.clear();
  curvePage_->setCurrentWidget(curves_);
  if (model_.axisCount() == 0) {
    curves_->chart().setTitle(QString());
    curves_->axisX().setTitleText(QString());
    curves_->axisY().setTitleText(QString());
    return;
  }
  const StudyAxisValues& across = model_.axis(0);
  const NamedUnit x = InputNaming(across.field), y = QuantityNaming(quantity());
  if (!across.numeric) {
    const auto notNumber = std::find_if(across.numbers.begin(), across.numbers.end(),
                                        [](double v) { return !std::isfinite(v); });
    const std::string& text = across.texts[static_cast<std::size_t>(notNumber - across.numbers.begin())];
    const QString refused = tr("Die Kurvenschar braucht Zahlen über „%1“, doch der Wert „%2“ ist keine.")
                                .arg(Q(x.name), Q(ShownInputText(text)));
    curvesRefused_->setText(model_.axisCount() >= 2 ? refused + tr(" Die Farbkarte zeigt die Fälle.") : refused);
    curvePage_->setCurrentWidget(curvesRefused_);
    return;
  }
  const std::string shown = sliceText();
  curves_->chart().setTitle(Q(shown.empty() ? y.name : y.name + "   (" + shown + ")"));
  curves_->axisX().setTitleText(Q(AxisTitle(x)));
  curves_->axisY().setTitleText(Q(AxisTitle(y)));
  curves_->setReadOutNames(Q(x.name), Q(x.unit), Q(y.name), Q(y.unit));
  const std::vector<StudyCurve> family = model_.curves(quantity(), slice());
  std::size_t points = 0;
  for (const StudyCurve& curve : family) {
    for (const auto& stretch : curve.stretches) points += stretch.size();
  }
  for (const StudyCurve& curve : family) {
    const QPen pen = CurvePen(curve.value, family.size());
    const QString name =
        model_.axisCount() >= 2
            ? Q(ValueText(InputNaming(model_.axis(1).field), ShownInputText(model_.axis(1).texts[curve.value])))
            : Q(y.name);
    if (curve.stretches.empty()) curves_->addLegendEntry(name, pen);
    for (std::size_t k = 0; k < curve.stretches.size(); ++k) {
      QLineSeries* series = curves_->addCurve(name, StretchData(curve.stretches[k]), pen, k == 0);
      series->setPointsVisible(points <= kMarkedPoints || curve.stretches[k].size() == 1);
      series->setMarkerSize(6);
      pointsOf_[series] = curve.stretches[k];
    }
  }
  curves_->resetZoom();
}

void StudyPlotPane::rebuildColourMap() {
  ColourMapContent content;
  content.quantity = quantity();
  if (model_.axisCount() >= 2) {
    content.grid = model_.grid(quantity(), slice());
    content.columnTexts = ShownTexts(model_.axis(0).texts);
    content.lineTexts = ShownTexts(model_.axis(1).texts);
    content.across = InputNaming(model_.axis(0).field);
    content.up = InputNaming(model_.axis(1).field);
    content.slice = sliceText();
  }
  map_->setContent(std::move(content));
}

std::optional<std::size_t> StudyPlotPane::rowAt(const ChartPanel::NearPoint& point) const {
  const auto it = pointsOf_.find(point.series);
  if (it == pointsOf_.end()) return std::nullopt;
  for (const StudyPoint& p : it->second) {
    if (p.x == point.at.x()) return p.row;
  }
  return std::nullopt;
}

// The case of the point: its number, every varied input's value and the result.
QString StudyPlotPane::pointText(const ChartPanel::NearPoint& point) const {
  const std::optional<std::size_t> row = rowAt(point);
  if (!row) return point.series->name();
  const StudyRow& r = model_.results()->rows[*row];
  std::string text = tr("Fall %1: ").arg(r.number).toStdString();
  for (std::size_t i = 0; i < model_.axisCount(); ++i) {
    text += ValueText(InputNaming(model_.axis(i).field), ShownInputText(r.varied.at(i))) + ", ";
  }
  text += ValueText(QuantityNaming(quantity()), QuantityText(quantity(), model_.valueOf(*row, quantity())));
  return Q(text);
}

bool StudyPlotPane::eventFilter(QObject* watched, QEvent* event) {
  if (watched == curves_->view().viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    if (mouse->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonPress) pressedAt_ = at;
    if (mouse->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonRelease &&
        (at - pressedAt_).manhattanLength() <= kClickSlack) {
      if (const std::optional<ChartPanel::NearPoint> near = curves_->nearestPoint(at)) {
        if (const std::optional<std::size_t> row = rowAt(*near)) emit rowChosen(*row);
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

std::optional<Failure> StudyPlotPane::nothingToExport() const {
  if (model_.axisCount() == 0) return Failure{"", tr("Es ist keine Studie gezeigt.").toStdString()};
  if (tabs_->currentIndex() == kCurveTab && curvePage_->currentWidget() != curves_) {
    return Failure{"", curvesRefused_->text().toStdString()};
  }
  return std::nullopt;
}

Status StudyPlotPane::exportPng(const QString& path) {
  if (const std::optional<Failure> none = nothingToExport()) return *none;
  if (tabs_->currentIndex() == kCurveTab) return WriteChartPng(*curves_, path);
  return WritePicturePng(map_->size(), map_->devicePixelRatioF(),
                         [this](QPainter& painter) { map_->paintPicture(painter); }, path);
}

Status StudyPlotPane::exportSvg(const QString& path) {
  if (const std::optional<Failure> none = nothingToExport()) return *none;
  if (tabs_->currentIndex() == kCurveTab) return WriteChartSvg(*curves_, path);
  return WritePictureSvg(map_->size(), result_->currentText(),
                         [this](QPainter& painter) { map_->paintPicture(painter); }, path);
}

}  // namespace lamvero
