#include "ui/diagrams/diagramcharts.h"

#include <QImage>
#include <QPen>
#include <cmath>

#include "files/csvexport.h"
#include "physics/moistair.h"

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
// The legend's strokes: a run's colour, and a quantity's line style in a neutral colour.
constexpr qreal kRunStroke = 3;
const QColor kStyleColour(60, 60, 60);
// A rate of -100 marks a poorly converged step that the evaluation did not reach.
constexpr double kNoMarkers = 0;

const std::vector<ChartLayout>& Layouts() {
  static const std::vector<ChartLayout> layouts{
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
  return layouts;
}

const ChartLayout& LayoutOf(ChartKind kind) {
  for (const ChartLayout& s : Layouts()) {
    if (s.kind == kind) return s;
  }
  return Layouts().front();
}

const char* SeriesName(Series RunSeries::*member) {
  for (const SeriesColumn& c : SeriesColumns()) {
    if (c.member == member) return c.name;
  }
  return "";
}

// Points of a line computed here rather than stored in a run.
struct Line {
  std::vector<double> x, y;
};

CurveData DataOf(const std::shared_ptr<const Line>& line) {
  CurveData d;
  d.owner = line;
  d.x = line->x.data();
  d.y = line->y.data();
  d.n = line->x.size();
  return d;
}

// The states of a run's dryer air that the run determines exactly: X in kg/kg, θ in °C.
struct AirState {
  const char* name;
  double X;
  double theta;
};

std::vector<AirState> AirStatesOf(const RunRecord& r) {
  std::vector<AirState> states{
      {"Außenluft", r.derived.XAussen, r.values.AussenluftTemp},
  };
  if (r.outcome == RunOutcome::Completed) states.push_back({"Zuluft", r.derived.XAussen, r.results.ThetaZuluft});
  states.push_back({"Abluft", r.derived.XAbluft, r.values.Lufttemp});
  // The air at the plate is held from the end of the counter-current section on.
  const bool switched = std::isfinite(r.results.DauerGegenstrom);
  states.push_back({switched ? "Kammer" : "Ende", r.results.XLuft, r.results.ThetaLuft});
  return states;
}

// Humidity ratio in g/kg at theta and relative humidity phi (total pressure 1 bar).
double GramsPerKg(double theta, double phi) { return 1000 * HumidityRatio(phi * SaturationPressure(theta)); }

// Lines of constant relative humidity and constant enthalpy, with their names.
void DrawAirChartBackground(ChartPanel& panel) {
  const QPen thin(QColor(185, 185, 185), 1);
  const QPen saturation(QColor(90, 90, 90), 1.6);
  for (int percent = 10; percent <= 100; percent += 10) {
    auto line = std::make_shared<Line>();
    for (double theta = -10; theta <= 100; theta += 0.5) {
      line->x.push_back(GramsPerKg(theta, percent / 100.0));
      line->y.push_back(theta);
    }
    CurveData d = DataOf(line);
    d.framesView = false;
    panel.addCurve(QString(), d, percent == 100 ? saturation : thin, false);
    const double labelTheta = percent == 100 ? 30 : 20 + 0.6 * percent;
    panel.addLabel(QStringLiteral("%1 %").arg(percent), QPointF(GramsPerKg(labelTheta, percent / 100.0), labelTheta));
  }
  // h = 1.005 θ + X (2500 + 1.86 θ) kJ per kg dry air, X in kg/kg.
  QPen dashed = thin;
  dashed.setStyle(Qt::DashLine);
  for (int h = 20; h <= 400; h += 20) {
    // From dry air to saturation, where its name stands.
    auto line = std::make_shared<Line>();
    for (double g = 0; g <= 300; g += 0.5) {
      const double X = g / 1000;
      const double theta = (h - 2500 * X) / (1.005 + 1.86 * X);
      if (theta < -10) break;
      line->x.push_back(g);
      line->y.push_back(theta);
      if (g >= GramsPerKg(theta, 1.0)) break;
    }
    CurveData d = DataOf(line);
    d.framesView = false;
    panel.addCurve(QString(), d, dashed, false);
    panel.addLabel(QStringLiteral("h = %1").arg(h), QPointF(line->x.back(), line->y.back()));
  }
}

void DrawAirStates(ChartPanel& panel, const RunEntry& run) {
  const std::vector<AirState> states = AirStatesOf(*run.record);
  const auto line = [&](const QString& part, std::vector<const AirState*> points, Qt::PenStyle style) {
    auto l = std::make_shared<Line>();
    for (const AirState* p : points) {
      l->x.push_back(1000 * p->X);
      l->y.push_back(p->theta);
    }
    QLineSeries* series = panel.addCurve(QStringLiteral("%1 – %2").arg(run.label, part), DataOf(l),
                                         QPen(run.color, 2, style));
    series->setPointsVisible(true);
    series->setMarkerSize(7);
  };
  const AirState* outside = &states.front();
  if (states.size() == 4) line(QStringLiteral("Erhitzer"), {outside, &states[1]}, Qt::DashLine);
  line(QStringLiteral("Gegenstromabschnitt"), {&states[states.size() - 2], &states.back()}, Qt::SolidLine);
  if (std::string(states.back().name) == "Kammer") {
    // The chamber holds the air at one state: a square on it.
    auto at = std::make_shared<Line>(Line{{1000 * states.back().X}, {states.back().theta}});
    QImage square(12, 12, QImage::Format_ARGB32);
    square.fill(run.color);
    QLineSeries* chamber = panel.addCurve(QStringLiteral("%1 – Kammer").arg(run.label), DataOf(at), QPen(run.color, 2));
    chamber->setMarkerSize(12);
    chamber->setLightMarker(square);
    chamber->setPointsVisible(true);
  }
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
      {ChartKind::AirStates, "h,X-Diagramm",
       "Trocknerluft im h,X-Diagramm: Erhitzer, Gegenstromabschnitt, Kammer; grau: rel. Feuchte in %, "
       "Enthalpie h in kJ/kg",
       "Wasserbeladung X in g/kg trockene Luft", "Lufttemperatur ϑ in °C", "X", "g/kg", "ϑ", "°C"},
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
  if (kind == ChartKind::AirStates) {
    panel.setMargins(0.06, 0.06);  // the states sit on the frame otherwise
    DrawAirChartBackground(panel);
    for (const RunEntry* run : runs) {
      if (run->record->outcome != RunOutcome::Refused) DrawAirStates(panel, *run);
    }
    panel.resetZoom();
    return;
  }
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
      const QString name = several ? QStringLiteral("%1 – %2").arg(run->label, QString::fromUtf8(c.part)) : run->label;
      panel.addCurve(name, std::move(data), pen, !several);
    }
    if (several) panel.addLegendEntry(run->label, QPen(run->color, kRunStroke));
  }
  if (several && !panel.legend().entries().empty()) {
    for (const CurveLayout& c : layout.curves) {
      panel.addLegendEntry(QString::fromUtf8(c.part), QPen(kStyleColour, c.width, c.style));
    }
  }
  panel.resetZoom();
}

std::string ChartCsv(ChartKind kind, const std::vector<const RunEntry*>& runs, CsvDialect dialect, int every) {
  if (kind == ChartKind::AirStates) {
    std::string csv = CsvRow({CsvText("Lauf", dialect), CsvText("Zustand", dialect), CsvText("X in kg/kg", dialect),
                              CsvText("ϑ in °C", dialect)},
                             dialect);
    for (const RunEntry* run : runs) {
      if (run->record->outcome == RunOutcome::Refused) continue;
      for (const AirState& a : AirStatesOf(*run->record)) {
        csv += CsvRow({CsvText(run->label.toStdString(), dialect), CsvText(a.name, dialect), CsvNumber(a.X, dialect),
                       CsvNumber(a.theta, dialect)},
                      dialect);
      }
    }
    return csv;
  }
  const ChartLayout& layout = LayoutOf(kind);
  std::vector<Series RunSeries::*> columns{layout.x};
  for (const CurveLayout& c : layout.curves) columns.push_back(c.y);

  std::vector<std::string> cells{CsvText("Lauf", dialect)};
  for (auto member : columns) cells.push_back(CsvText(SeriesName(member), dialect));
  std::string csv = CsvRow(cells, dialect);
  for (const RunEntry* run : runs) {
    if (!run->hasSeries()) continue;
    const RunSeries& s = run->record->series;
    const std::string label = CsvText(run->label.toStdString(), dialect);
    const int last = s.points() - 1;
    for (int k = 0; k <= last; k = NextExportedPoint(k, last, every)) {
      cells.assign(1, label);
      for (auto member : columns) cells.push_back(CsvNumber((s.*member)[static_cast<std::size_t>(k)], dialect));
      csv += CsvRow(cells, dialect);
    }
  }
  return csv;
}

}  // namespace lamvero
