#include "ui/diagrams/diagramcharts.h"

#include <QCoreApplication>
#include <QPen>
#include <QScatterSeries>
#include <cmath>

#include "files/csvexport.h"
#include "present/ratechart.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "ui/diagrams/airchart.h"
#include "ui/diagrams/chartlegend.h"
#include "ui/diagrams/chartpanel.h"

namespace lamvero {

namespace {

constexpr double kHoursPerSecond = 1.0 / 3600.0;

struct CurveLayout {
  const char* part;             // "Oberfläche"
  Series RunSeries::*y;
  Qt::PenStyle style;
  qreal width;
  double yFloor;                // values below are not drawn
  int from;                     // first point drawn: the set-up leaves some series 0 at point 0
};

struct ChartLayout {
  ChartKind kind;
  Series RunSeries::*x;
  double xScale;                // to the axis unit
  std::vector<CurveLayout> curves;
};

constexpr double kAll = -1e300;
// A rate of -100 marks a poorly converged step that the evaluation did not reach.
constexpr double kNoMarkers = 0;

const std::vector<ChartLayout>& Layouts() {
  static const std::vector<ChartLayout> layouts{
      {ChartKind::Moisture,
       &RunSeries::tReihe,
       kHoursPerSecond,
       {{QT_TRANSLATE_NOOP("DiagramCharts", "mittel"), &RunSeries::XReihe, Qt::SolidLine, 2.2, kAll, 0},
        {QT_TRANSLATE_NOOP("DiagramCharts", "Oberfläche"), &RunSeries::XOberflReihe, Qt::DashLine, 1.4, kAll, 1},
        {QT_TRANSLATE_NOOP("DiagramCharts", "Kern"), &RunSeries::XKernReihe, Qt::DotLine, 2.0, kAll, 1}}},
      {ChartKind::Rate,
       &RunSeries::XReihe,
       1.0,
       {{QT_TRANSLATE_NOOP("DiagramCharts", "Verdunstungsrate"), &RunSeries::WasserdampfReihe, Qt::SolidLine, 2.0,
         kNoMarkers, 0}}},
      {ChartKind::Temperature,
       &RunSeries::tReihe,
       kHoursPerSecond,
       {{QT_TRANSLATE_NOOP("DiagramCharts", "Luft"), &RunSeries::ThetaLuftReihe, Qt::SolidLine, 2.2, kAll, 0},
        {QT_TRANSLATE_NOOP("DiagramCharts", "Oberfläche"), &RunSeries::ThetaObReihe, Qt::DashLine, 1.4, kAll, 0},
        {QT_TRANSLATE_NOOP("DiagramCharts", "Kern"), &RunSeries::ThetaKReihe, Qt::DotLine, 2.0, kAll, 0}}},
      {ChartKind::Shrinkage,
       &RunSeries::tReihe,
       kHoursPerSecond,
       {{QT_TRANSLATE_NOOP("DiagramCharts", "Oberfläche"), &RunSeries::SchwOberflReihe, Qt::DashLine, 1.4, kAll, 0},
        {QT_TRANSLATE_NOOP("DiagramCharts", "Kern"), &RunSeries::SchwKernReihe, Qt::SolidLine, 2.0, kAll, 0}}},
  };
  return layouts;
}

const ChartLayout& LayoutOf(ChartKind kind) {
  for (const ChartLayout& s : Layouts()) {
    if (s.kind == kind) return s;
  }
  return Layouts().front();
}

const SeriesColumn& ColumnOf(Series RunSeries::*member) {
  for (const SeriesColumn& c : SeriesColumns()) {
    if (c.member == member) return c;
  }
  return SeriesColumns().front();
}

// Which measured quantities a chart shows as markers, and how.
struct MeasuredLayout {
  ChartKind chart;
  MeasuredQuantity quantity;
  const char* part;  // as the chart's curves name it, where a chart shows two measured quantities
  QScatterSeries::MarkerShape shape;
};
const MeasuredLayout kMeasuredLayouts[] = {
    {ChartKind::Moisture, MeasuredQuantity::Moisture, QT_TRANSLATE_NOOP("DiagramCharts", "mittel"),
     QScatterSeries::MarkerShapeCircle},
    {ChartKind::Temperature, MeasuredQuantity::SurfaceTemperature, QT_TRANSLATE_NOOP("DiagramCharts", "Oberfläche"),
     QScatterSeries::MarkerShapeCircle},
    {ChartKind::Temperature, MeasuredQuantity::CoreTemperature, QT_TRANSLATE_NOOP("DiagramCharts", "Kern"),
     QScatterSeries::MarkerShapeRectangle},
    {ChartKind::Shrinkage, MeasuredQuantity::Shrinkage, QT_TRANSLATE_NOOP("DiagramCharts", "mittel"),
     QScatterSeries::MarkerShapeCircle},
};
// Measured points stand apart from every run's colour.
const QColor kMeasuredColour(20, 20, 20);

// The measured curve's points of the chart's quantities, time in h, missing readings left out.
void AddMeasuredMarkers(ChartPanel& panel, ChartKind kind, const MeasuredCurve& measured) {
  std::vector<const MeasuredLayout*> shown;
  for (const MeasuredLayout& m : kMeasuredLayouts) {
    if (m.chart == kind && measured.has(m.quantity)) shown.push_back(&m);
  }
  const QString name =
      QCoreApplication::translate("DiagramCharts", "Messung (%1)").arg(QString::fromStdString(measured.source));
  for (const MeasuredLayout* m : shown) {
    QList<QPointF> points;
    const std::vector<double>& values = measured[m->quantity];
    for (std::size_t k = 0; k < measured.points(); ++k) {
      if (std::isfinite(values[k])) points.append(QPointF(measured.time[k] * kHoursPerSecond, values[k]));
    }
    const QString label =
        shown.size() > 1 ? QStringLiteral("%1 – %2").arg(name, QCoreApplication::translate("DiagramCharts", m->part))
                         : name;
    panel.addMarkers(label, points, kMeasuredColour, m->shape);
  }
}

// How the rate chart shows its marks of the Krischer form: the end of the
// first period as a circle, the knee as a square, each labelled with its
// moisture.
QScatterSeries::MarkerShape MarkShape(std::size_t mark) {
  return mark == 0 ? QScatterSeries::MarkerShapeCircle : QScatterSeries::MarkerShapeRectangle;
}

// The rate chart in the form of the runs it shows: title, the way its
// moisture axis runs, the explanation, and the marks of the laboratory tests.
void ShapeRateChart(ChartPanel& panel, const std::vector<const RunEntry*>& runs) {
  int dryer = 0, laboratory = 0;
  for (const RunEntry* run : runs) {
    if (run->hasSeries()) ++(run->constantAir ? laboratory : dryer);
  }
  const RateChartForm form = RateChartFormOf(dryer, laboratory);
  panel.chart().setTitle(QString::fromStdString(Tr("Diagramme", RateChartTitle(form))));
  panel.axisX().setReverse(MoistureFallsToTheRight(form));
  panel.setNote(QString::fromStdString(Tr("Diagramme", RateChartNote(form))));
  for (const RunEntry* run : runs) {
    if (!run->hasSeries() || !run->constantAir) continue;
    const std::vector<RateMark> marks = KrischerMarks(*run->record);
    for (std::size_t i = 0; i < marks.size(); ++i) {
      const RateMark& m = marks[i];
      const QPointF at(m.X, m.rate);
      panel.addMarkers(QStringLiteral("%1 – %2").arg(run->shownName(), QString::fromStdString(m.name)), {at},
                       run->color, MarkShape(i));
      // Beside the mark, or under the level first period towards the start
      // of the drying, where the mark is at the chart's edge.
      std::vector<QPointF> places{at};
      const double start = run->record->series.XReihe[0];
      for (double towardsStart : {0.05, 0.2, 0.35, 0.5}) {
        places.emplace_back(m.X + towardsStart * (start - m.X), 0.94 * m.rate);
      }
      // The legend names the mark; the label gives its moisture.
      panel.addLabel(QStringLiteral("X = %1").arg(QString::fromStdString(Format(m.X, "#0.0000"))), std::move(places));
    }
  }
}

// The first column of a diagram's table: the run it belongs to.
const CsvColumnName kRunColumn{"Lauf", "run"};

}  // namespace

const std::vector<ChartInfo>& Charts() {
  static const std::vector<ChartInfo> charts{
      {ChartKind::Moisture, QT_TRANSLATE_NOOP("DiagramCharts", "Feuchte"),
       QT_TRANSLATE_NOOP("DiagramCharts", "Feuchte des Rohlings: mittel, Oberfläche und Kern"),
       QT_TRANSLATE_NOOP("DiagramCharts", "Zeit t in h"), QT_TRANSLATE_NOOP("DiagramCharts", "Feuchte X in kg/kg atro"),
       "t", "h", "X", "kg/kg"},
      {ChartKind::Rate, QT_TRANSLATE_NOOP("DiagramCharts", "Trocknungsgeschwindigkeit"),
       RateChartTitle(RateChartForm::Dryer), QT_TRANSLATE_NOOP("DiagramCharts", "mittlere Feuchte X in kg/kg atro"),
       QT_TRANSLATE_NOOP("DiagramCharts", "Verdunstungsrate in kg/(m² h)"), "X", "kg/kg", "m", "kg/(m² h)"},
      {ChartKind::Temperature, QT_TRANSLATE_NOOP("DiagramCharts", "Temperaturen"),
       QT_TRANSLATE_NOOP("DiagramCharts", "Temperaturen: Luft, Oberfläche und Kern"), "Zeit t in h",
       QT_TRANSLATE_NOOP("DiagramCharts", "Temperatur ϑ in °C"), "t", "h", "ϑ", "°C"},
      {ChartKind::Shrinkage, QT_TRANSLATE_NOOP("DiagramCharts", "Schwindung"),
       QT_TRANSLATE_NOOP("DiagramCharts", "Lineare Schwindung: Oberfläche und Kern"), "Zeit t in h",
       QT_TRANSLATE_NOOP("DiagramCharts", "lineare Schwindung in %"), "t", "h", "S", "%"},
      {ChartKind::AirStates, QT_TRANSLATE_NOOP("DiagramCharts", "h,X-Diagramm"), InfoOf(AirChartForm::ThetaX).title,
       QT_TRANSLATE_NOOP("DiagramCharts", "Wasserbeladung X in g/kg trockene Luft"),
       InfoOf(AirChartForm::ThetaX).yTitle, "X", "g/kg", "ϑ", "°C"},
  };
  return charts;
}

const ChartInfo& InfoOf(ChartKind kind) {
  for (const ChartInfo& c : Charts()) {
    if (c.kind == kind) return c;
  }
  return Charts().front();
}

ChartPanel* MakeChartPanel(const ChartInfo& info) {
  const auto shown = [](const char* text) { return QCoreApplication::translate("DiagramCharts", text); };
  auto* panel = new ChartPanel(shown(info.title), shown(info.xTitle), shown(info.yTitle));
  panel->setObjectName(QStringLiteral("chart_%1").arg(QString::fromUtf8(info.name)));
  panel->setReadOutNames(QString::fromUtf8(info.xName), QString::fromUtf8(info.xUnit),
                         QString::fromUtf8(info.yName), QString::fromUtf8(info.yUnit));
  return panel;
}

void FillChart(ChartPanel& panel, ChartKind kind, const std::vector<const RunEntry*>& runs, AirChartForm form,
               const MeasuredCurve* measured) {
  if (kind == ChartKind::AirStates) {
    FillAirChart(panel, form, runs);
    return;
  }
  panel.clearCurves();
  const ChartLayout& layout = LayoutOf(kind);
  // Several curves a run: the legend names the runs by colour and the quantities by line style.
  const bool several = layout.curves.size() > 1;
  for (const RunEntry* run : runs) {
    if (!run->hasSeries()) continue;
    const RunSeries& s = run->record->series;
    for (const CurveLayout& c : layout.curves) {
      CurveData data;
      data.owner = run->record;
      data.x = (s.*layout.x).begin() + c.from;
      data.y = (s.*c.y).begin() + c.from;
      data.n = static_cast<std::size_t>(s.points() - c.from);
      data.xScale = layout.xScale;
      data.yFloor = c.yFloor;
      QPen pen(run->color, c.width, c.style);
      const QString name = several ? QStringLiteral("%1 – %2").arg(run->shownName(),
                                                                   QCoreApplication::translate("DiagramCharts", c.part))
                                   : run->shownName();
      panel.addCurve(name, std::move(data), pen, !several);
    }
    if (several) panel.addLegendEntry(run->shownName(), QPen(run->color, kRunStroke));
  }
  if (several && !panel.legend().entries().empty()) {
    for (const CurveLayout& c : layout.curves) {
      panel.addLegendEntry(QCoreApplication::translate("DiagramCharts", c.part), QPen(kStyleColour, c.width, c.style));
    }
  }
  if (kind == ChartKind::Rate) ShapeRateChart(panel, runs);
  if (measured) AddMeasuredMarkers(panel, kind, *measured);
  panel.resetZoom();
}

std::string ChartCsv(ChartKind kind, const std::vector<const RunEntry*>& runs, CsvDialect dialect, int every) {
  const ChartInfo& info = InfoOf(kind);
  if (kind == ChartKind::AirStates) {
    // In the chart's units: X in g/kg, as its axis.
    std::string csv = CsvHeader({kRunColumn,
                                 {"Zustand", "state"},
                                 {std::string("Wasserbeladung der Luft in ") + info.xUnit, "X"},
                                 {std::string("Lufttemperatur in ") + info.yUnit, "theta"}},
                                dialect);
    for (const RunEntry* run : runs) {
      if (run->record->outcome == RunOutcome::Refused) continue;
      for (const AirState& a : AirStatesOf(*run->record)) {
        csv += CsvRow({CsvText(run->shownName().toStdString(), dialect), CsvText(a.name, dialect),
                       CsvNumber(1000 * a.X, dialect), CsvNumber(a.theta, dialect)},
                      dialect);
      }
    }
    return csv;
  }
  const ChartLayout& layout = LayoutOf(kind);
  std::vector<Series RunSeries::*> columns{layout.x};
  for (const CurveLayout& c : layout.curves) columns.push_back(c.y);

  // The horizontal axis in the chart's unit (time in h), the curves in their own.
  std::vector<CsvColumnName> names{kRunColumn};
  for (auto member : columns) {
    const SeriesColumn& c = ColumnOf(member);
    names.push_back({std::string(c.caption) + " in " + (member == layout.x ? info.xUnit : c.unit), c.name});
  }
  std::string csv = CsvHeader(names, dialect);
  std::vector<std::string> cells;
  for (const RunEntry* run : runs) {
    if (!run->hasSeries()) continue;
    const RunSeries& s = run->record->series;
    const std::string label = CsvText(run->shownName().toStdString(), dialect);
    const int last = s.points() - 1;
    for (int k = 0; k <= last; k = NextExportedPoint(k, last, every)) {
      cells.assign(1, label);
      for (auto member : columns) {
        const double value = (s.*member)[static_cast<std::size_t>(k)];
        cells.push_back(CsvNumber(member == layout.x ? value * layout.xScale : value, dialect));
      }
      csv += CsvRow(cells, dialect);
    }
  }
  return csv;
}

}  // namespace lamvero
