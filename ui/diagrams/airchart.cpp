#include "ui/diagrams/airchart.h"

#include <QCoreApplication>
#include <QImage>
#include <QPen>
#include <cmath>
#include <memory>

#include "physics/moistair.h"
#include "ui/diagrams/chartlegend.h"
#include "ui/diagrams/chartpanel.h"

namespace lamvero {

namespace {

// The background: relative humidity in steps of 10 %, enthalpy every 20 kJ/kg,
// temperature every 10 °C, over the range a dryer's air takes.
constexpr double kLowestTheta = -10;
constexpr double kHighestTheta = 100;  // of the lines of constant relative humidity
constexpr double kHighestIsotherm = 200;
constexpr double kThetaStep = 0.5;
constexpr double kGramsStep = 0.5;
constexpr double kWidestX = 1;  // kg/kg: where the isotherms end
constexpr int kIsothermPlaces = 60;

// Points of a line computed here rather than stored in a run.
struct Line {
  std::vector<double> x, y;
  void add(QPointF p) {
    x.push_back(p.x());
    y.push_back(p.y());
  }
};

CurveData DataOf(const std::shared_ptr<const Line>& line, bool framesView) {
  CurveData d;
  d.owner = line;
  d.x = line->x.data();
  d.y = line->y.data();
  d.n = line->x.size();
  d.framesView = framesView;
  return d;
}

// The line's points as places for its name, from its last point back.
std::vector<QPointF> PlacesBackwards(const Line& line) {
  std::vector<QPointF> places;
  for (std::size_t k = line.x.size(); k-- > 0;) places.emplace_back(line.x[k], line.y[k]);
  return places;
}

double SaturationX(double theta) { return HumidityRatio(SaturationPressure(theta)); }

struct Background {
  std::shared_ptr<Line> line;
  QString name;
  std::vector<QPointF> places;
};

std::vector<Background> HumidityLines(AirChartForm form) {
  std::vector<Background> lines;
  for (int percent = 10; percent <= 100; percent += 10) {
    auto line = std::make_shared<Line>();
    for (double theta = kLowestTheta; theta <= kHighestTheta; theta += kThetaStep) {
      line->add(AirChartPosition(form, {theta, HumidityRatio(percent / 100.0 * SaturationPressure(theta))}));
    }
    // Named where the line leaves the view: the lines fan out there.
    lines.push_back({line, QStringLiteral("%1 %").arg(percent), PlacesBackwards(*line)});
  }
  return lines;
}

// From dry air to saturation, named at saturation first.
std::vector<Background> EnthalpyLines(AirChartForm form) {
  std::vector<Background> lines;
  for (int h = 20; h <= 400; h += 20) {
    auto line = std::make_shared<Line>();
    for (double g = 0;; g += kGramsStep) {
      const double X = g / 1000;
      const double theta = TemperatureFromEnthalpy(h, X);
      if (theta < kLowestTheta) break;
      line->add(AirChartPosition(form, {theta, X}));
      if (X >= SaturationX(theta)) break;
    }
    lines.push_back({line, QStringLiteral("h = %1").arg(h), PlacesBackwards(*line)});
  }
  return lines;
}

// Straight from dry air to saturation, named from dry air on.
std::vector<Background> Isotherms(AirChartForm form) {
  std::vector<Background> lines;
  for (double theta = kLowestTheta + 10; theta <= kHighestIsotherm; theta += 10) {
    const double end = std::min(SaturationX(theta), kWidestX);
    auto line = std::make_shared<Line>();
    line->add(AirChartPosition(form, {theta, 0}));
    line->add(AirChartPosition(form, {theta, end}));
    std::vector<QPointF> places;
    for (int i = 0; i < kIsothermPlaces; ++i) {
      places.push_back(AirChartPosition(form, {theta, end * i / (4.0 * kIsothermPlaces)}));
    }
    lines.push_back({line, QStringLiteral("%1 °C").arg(theta), places});
  }
  return lines;
}

void DrawBackground(ChartPanel& panel, AirChartForm form) {
  const QPen thin(QColor(185, 185, 185), 1);
  const QPen saturation(QColor(90, 90, 90), 1.6);
  QPen dashed = thin;
  dashed.setStyle(Qt::DashLine);
  QPen dotted(QColor(160, 160, 200), 1, Qt::DotLine);
  const std::vector<Background> humidity = HumidityLines(form);
  for (std::size_t i = 0; i < humidity.size(); ++i) {
    panel.addCurve(QString(), DataOf(humidity[i].line, false), i + 1 == humidity.size() ? saturation : thin, false);
  }
  std::vector<Background> others = form == AirChartForm::Mollier ? Isotherms(form) : std::vector<Background>{};
  const std::size_t isotherms = others.size();
  for (Background& b : EnthalpyLines(form)) others.push_back(std::move(b));
  for (std::size_t i = 0; i < others.size(); ++i) {
    panel.addCurve(QString(), DataOf(others[i].line, false), i < isotherms ? dotted : dashed, false);
  }
  // Every humidity line keeps its name: they are placed first.
  for (const Background& b : humidity) panel.addLabel(b.name, b.places);
  for (const Background& b : others) panel.addLabel(b.name, b.places);
}

const AirState* Find(const std::vector<AirState>& states, AirRole role) {
  for (const AirState& s : states) {
    if (s.role == role) return &s;
  }
  return nullptr;
}

// The line styles of the chain, for the curves and the legend.
struct ChainPart {
  const char* name;
  const char* legend;
  Qt::PenStyle style;
};
const ChainPart kHeater{QT_TRANSLATE_NOOP("AirChart", "Erhitzer"),
                        QT_TRANSLATE_NOOP("AirChart", "Erhitzer (X konstant)"), Qt::DashLine};
const ChainPart kToChamber{QT_TRANSLATE_NOOP("AirChart", "Zuluft → Kammer"),
                           QT_TRANSLATE_NOOP("AirChart", "Zuluft → Kammer"), Qt::DotLine};
const ChainPart kCounterCurrent{QT_TRANSLATE_NOOP("AirChart", "Gegenstromabschnitt"),
                                QT_TRANSLATE_NOOP("AirChart", "Gegenstromabschnitt"), Qt::SolidLine};
constexpr qreal kChainWidth = 2;

void AddPart(ChartPanel& panel, const RunEntry& run, const ChainPart& part, std::shared_ptr<const Line> line) {
  panel.addCurve(QStringLiteral("%1 – %2").arg(run.shownName(), QCoreApplication::translate("AirChart", part.name)),
                 DataOf(line, true), QPen(run.color, kChainWidth, part.style), false);
}

std::shared_ptr<const Line> Straight(AirChartForm form, const AirState& from, const AirState& to) {
  auto line = std::make_shared<Line>();
  line->add(AirChartPosition(form, {from.theta, from.X}));
  line->add(AirChartPosition(form, {to.theta, to.X}));
  return line;
}

// The air at the plate over the run: from the exhaust air upstream to where the section ended.
std::shared_ptr<const Line> StoredPath(AirChartForm form, const RunSeries& s) {
  auto line = std::make_shared<Line>();
  for (int k = 0; k < s.points(); ++k) {
    const auto i = static_cast<std::size_t>(k);
    line->add(AirChartPosition(form, {s.ThetaLuftReihe[i], s.XLuftReihe[i]}));
  }
  return line;
}

void AddMarker(ChartPanel& panel, AirChartForm form, const RunEntry& run, const AirState& state) {
  auto at = std::make_shared<Line>();
  at->add(AirChartPosition(form, {state.theta, state.X}));
  QLineSeries* marker = panel.addCurve(
      QStringLiteral("%1 – %2").arg(run.shownName(), QCoreApplication::translate("AirChart", state.name)),
      DataOf(at, true), QPen(run.color, kChainWidth), false);
  marker->setPointsVisible(true);
  marker->setMarkerSize(8);
  if (state.role == AirRole::Chamber) {
    // The chamber holds the air at one state: a square on it.
    QImage square(12, 12, QImage::Format_ARGB32);
    square.fill(run.color);
    marker->setMarkerSize(12);
    marker->setLightMarker(square);
  }
}

void DrawChain(ChartPanel& panel, AirChartForm form, const RunEntry& run) {
  const std::vector<AirState> states = AirStatesOf(*run.record);
  const AirState* outside = Find(states, AirRole::Outside);
  const AirState* supply = Find(states, AirRole::Supply);
  const AirState* exhaust = Find(states, AirRole::Exhaust);
  const AirState* chamber = Find(states, AirRole::Chamber);
  const AirState* last = chamber ? chamber : Find(states, AirRole::End);
  if (supply) AddPart(panel, run, kHeater, Straight(form, *outside, *supply));
  if (supply && chamber) AddPart(panel, run, kToChamber, Straight(form, *supply, *chamber));
  AddPart(panel, run, kCounterCurrent,
          HoldsAirPath(run) ? StoredPath(form, run.record->series) : Straight(form, *exhaust, *last));
  for (const AirState& s : states) AddMarker(panel, form, run, s);
}

void AddLegend(ChartPanel& panel, const std::vector<const RunEntry*>& drawn) {
  if (drawn.empty()) return;
  for (const RunEntry* run : drawn) {
    const QString straight = QCoreApplication::translate("AirChart", " (ohne Verlauf: Gerade)");
    panel.addLegendEntry(run->shownName() + (HoldsAirPath(*run) ? QString() : straight), QPen(run->color, kRunStroke));
  }
  for (const ChainPart* part : {&kHeater, &kToChamber, &kCounterCurrent}) {
    panel.addLegendEntry(QCoreApplication::translate("AirChart", part->legend),
                         QPen(kStyleColour, kChainWidth, part->style));
  }
  // The states are named in the read-out; the legend says which they are.
  for (const char* line :
       {QT_TRANSLATE_NOOP("AirChart", "● Außenluft, Zuluft, Abluft"), QT_TRANSLATE_NOOP("AirChart", "■ Kammer")}) {
    panel.addLegendEntry(QCoreApplication::translate("AirChart", line), QPen(Qt::NoPen));
  }
}

}  // namespace

std::vector<AirState> AirStatesOf(const RunRecord& r) {
  std::vector<AirState> states{
      {AirRole::Outside, QT_TRANSLATE_NOOP("AirChart", "Außenluft"), r.derived.XAussen, r.values.AussenluftTemp},
  };
  if (r.outcome == RunOutcome::Completed) {
    states.push_back(
        {AirRole::Supply, QT_TRANSLATE_NOOP("AirChart", "Zuluft"), r.derived.XAussen, r.results.ThetaZuluft});
  }
  states.push_back({AirRole::Exhaust, QT_TRANSLATE_NOOP("AirChart", "Abluft"), r.derived.XAbluft, r.values.Lufttemp});
  // The air at the plate is held from the end of the counter-current section on.
  if (std::isfinite(r.results.DauerGegenstrom)) {
    states.push_back({AirRole::Chamber, QT_TRANSLATE_NOOP("AirChart", "Kammer"), r.results.XLuft, r.results.ThetaLuft});
  } else {
    states.push_back({AirRole::End, QT_TRANSLATE_NOOP("AirChart", "Ende"), r.results.XLuft, r.results.ThetaLuft});
  }
  return states;
}

bool HoldsAirPath(const RunEntry& run) {
  const RunSeries& s = run.record->series;
  return run.hasSeries() && s.XLuftReihe.capacity() >= static_cast<std::size_t>(s.points()) &&
         std::isfinite(s.XLuftReihe[0]);
}

void FillAirChart(ChartPanel& panel, AirChartForm form, const std::vector<const RunEntry*>& runs) {
  panel.clearCurves();
  const AirChartFormInfo& info = InfoOf(form);
  panel.chart().setTitle(QCoreApplication::translate("AirChartForm", info.title));
  panel.axisY().setTitleText(QCoreApplication::translate("AirChartForm", info.yTitle));
  panel.setReadOutText([form](QPointF at) { return AirReadOut(form, at); });
  panel.setMargins(0.06, 0.06);  // the states sit on the frame otherwise
  DrawBackground(panel, form);
  std::vector<const RunEntry*> drawn;
  for (const RunEntry* run : runs) {
    if (run->record->outcome == RunOutcome::Refused) continue;
    DrawChain(panel, form, *run);
    drawn.push_back(run);
  }
  AddLegend(panel, drawn);
  panel.resetZoom();
}

}  // namespace lamvero
