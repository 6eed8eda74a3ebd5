#include "ui/diagramcharts.h"

#include <QPen>

#include "ui/chartpanel.h"

namespace lamvero {

namespace {

constexpr double kHoursPerSecond = 1.0 / 3600.0;

struct CurveSpec {
  const char* part;             // "Oberfläche"
  Series RunSeries::*y;
  Qt::PenStyle style;
  qreal width;
  double yFloor;                // values below are not drawn
  int from;                     // first point drawn: the set-up leaves some series 0 at point 0
};

struct ChartSpec {
  ChartKind kind;
  Series RunSeries::*x;
  double xScale;                // to the axis unit
  std::vector<CurveSpec> curves;
};

constexpr double kAll = -1e300;
// A rate of -100 marks a poorly converged step that the evaluation did not reach.
constexpr double kNoMarkers = 0;

const std::vector<ChartSpec>& Specs() {
  static const std::vector<ChartSpec> specs{
      {ChartKind::Moisture, &RunSeries::tReihe, kHoursPerSecond,
       {{"mittel", &RunSeries::XReihe, Qt::SolidLine, 2.2, kAll, 0},
        {"Oberfläche", &RunSeries::XOberflReihe, Qt::DashLine, 1.4, kAll, 1},
        {"Kern", &RunSeries::XKernReihe, Qt::DotLine, 2.0, kAll, 1}}},
      {ChartKind::Rate, &RunSeries::XReihe, 1.0,
       {{"Verdunstungsrate", &RunSeries::WasserdampfReihe, Qt::SolidLine, 2.0, kNoMarkers, 0}}},
      {ChartKind::Temperature, &RunSeries::tReihe, kHoursPerSecond,
       {{"Luft", &RunSeries::ThetaLuftReihe, Qt::SolidLine, 2.2, kAll, 0},
        {"Oberfläche", &RunSeries::ThetaObReihe, Qt::DashLine, 1.4, kAll, 0},
        {"Kern", &RunSeries::ThetaKReihe, Qt::DotLine, 2.0, kAll, 0}}},
      {ChartKind::Shrinkage, &RunSeries::tReihe, kHoursPerSecond,
       {{"Oberfläche", &RunSeries::SchwOberflReihe, Qt::DashLine, 1.4, kAll, 0},
        {"Kern", &RunSeries::SchwKernReihe, Qt::SolidLine, 2.0, kAll, 0}}},
  };
  return specs;
}

const ChartSpec& SpecOf(ChartKind kind) {
  for (const ChartSpec& s : Specs()) {
    if (s.kind == kind) return s;
  }
  return Specs().front();
}

const char* SeriesName(Series RunSeries::*member) {
  for (const SeriesColumn& c : SeriesColumns()) {
    if (c.member == member) return c.name;
  }
  return "";
}

}  // namespace

const std::vector<ChartInfo>& Charts() {
  static const std::vector<ChartInfo> charts{
      {ChartKind::Moisture, "Feuchte", "Feuchte des Rohlings: mittel, Oberfläche und Kern", "Zeit t in h",
       "Feuchte X in kg/kg atro", "t", "h", "X", "kg/kg"},
      {ChartKind::Rate, "Trocknungsgeschwindigkeit", "Trocknungsgeschwindigkeit über der mittleren Feuchte",
       "mittlere Feuchte X in kg/kg atro", "Verdunstungsrate in kg/(m² h)", "X", "kg/kg", "m", "kg/(m² h)"},
      {ChartKind::Temperature, "Temperaturen", "Temperaturen: Luft, Oberfläche und Kern", "Zeit t in h",
       "Temperatur ϑ in °C", "t", "h", "ϑ", "°C"},
      {ChartKind::Shrinkage, "Schwindung", "Lineare Schwindung: Oberfläche und Kern", "Zeit t in h",
       "lineare Schwindung in %", "t", "h", "S", "%"},
  };
  return charts;
}

ChartPanel* MakeChartPanel(const ChartInfo& info) {
  auto* panel = new ChartPanel(QString::fromUtf8(info.title), QString::fromUtf8(info.xTitle),
                               QString::fromUtf8(info.yTitle));
  panel->setObjectName(QStringLiteral("chart_%1").arg(QString::fromUtf8(info.name)));
  panel->setReadOutNames(QString::fromUtf8(info.xName), QString::fromUtf8(info.xUnit),
                         QString::fromUtf8(info.yName), QString::fromUtf8(info.yUnit));
  return panel;
}

void FillChart(ChartPanel& panel, ChartKind kind, const std::vector<const RunEntry*>& runs) {
  panel.clearCurves();
  const ChartSpec& spec = SpecOf(kind);
  for (const RunEntry* run : runs) {
    if (!run->hasSeries()) continue;
    const RunSeries& s = run->record->series;
    for (const CurveSpec& c : spec.curves) {
      CurveData data;
      data.owner = run->record;
      data.x = (s.*spec.x).begin() + c.from;
      data.y = (s.*c.y).begin() + c.from;
      data.n = static_cast<std::size_t>(s.points() - c.from);
      data.xScale = spec.xScale;
      data.yFloor = c.yFloor;
      QPen pen(run->color, c.width, c.style);
      const QString name = spec.curves.size() > 1 ? QStringLiteral("%1 – %2").arg(run->label, QString::fromUtf8(c.part))
                                                   : run->label;
      panel.addCurve(name, std::move(data), pen);
    }
  }
  panel.resetZoom();
}

std::string ChartCsv(ChartKind kind, const std::vector<const RunEntry*>& runs, CsvDialect dialect) {
  const ChartSpec& spec = SpecOf(kind);
  std::vector<Series RunSeries::*> columns{spec.x};
  for (const CurveSpec& c : spec.curves) columns.push_back(c.y);

  std::vector<std::string> cells{CsvText("Lauf", dialect)};
  for (auto member : columns) cells.push_back(CsvText(SeriesName(member), dialect));
  std::string csv = CsvRow(cells, dialect);
  for (const RunEntry* run : runs) {
    if (!run->hasSeries()) continue;
    const RunSeries& s = run->record->series;
    const std::string label = CsvText(run->label.toStdString(), dialect);
    for (int k = 0; k < s.points(); ++k) {
      cells.assign(1, label);
      for (auto member : columns) cells.push_back(CsvNumber((s.*member)[static_cast<std::size_t>(k)], dialect));
      csv += CsvRow(cells, dialect);
    }
  }
  return csv;
}

}  // namespace lamvero
