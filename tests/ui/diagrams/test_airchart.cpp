// The h,X chart in both forms: where a state of the air sits, what the
// read-out says of it, the named background lines, and each run's air from
// the outside air to the exhaust air.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "common/quickrun.h"
#include "files/casefile.h"
#include "physics/moistair.h"
#include "present/displayedrun.h"
#include "ui/diagrams/airchart.h"
#include "ui/diagrams/chartlegend.h"
#include "ui/diagrams/chartpanel.h"
#include "ui/diagrams/diagramwindow.h"

namespace lamvero {
namespace {


const RunRecord& RunOfThickness(const char* dicke) { return testing::QuickRunOfThickness(dicke); }

// Air at 20 °C and 50 %: 7,37 g/kg and 38,8 kJ/kg at 1 bar.
const AirPoint kRoomAir{20, HumidityRatio(0.5 * SaturationPressure(20))};

// The window showing the h,X chart in the given form, at its usual size.
struct ShownAirChart {
  DiagramWindow w;
  explicit ShownAirChart(AirChartForm form) {
    w.setAirChartForm(form);
    w.findChild<QTabWidget*>(QStringLiteral("tab_Diagramme"))->setCurrentIndex(static_cast<int>(ChartKind::AirStates));
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
  }
  ~ShownAirChart() { w.setAirChartForm(AirChartForm::ThetaX); }  // the settings are shared by all tests
  ChartPanel& panel() { return w.chart(ChartKind::AirStates); }
  // The points of the curve of this name, as drawn.
  QList<QPointF> points(const QString& name) {
    for (QAbstractSeries* s : panel().chart().series()) {
      if (s->name() == name) return static_cast<QLineSeries*>(s)->points();
    }
    ADD_FAILURE() << "no curve " << name.toStdString();
    return {};
  }
};

double NumberAfter(const QString& text, const QString& name) {
  const QRegularExpression re(QRegularExpression::escape(name) + QStringLiteral(" = (-?[0-9]+,[0-9]+)"));
  const QRegularExpressionMatch m = re.match(text);
  EXPECT_TRUE(m.hasMatch()) << name.toStdString() << " in " << text.toStdString();
  return m.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

TEST(AirChartForm, AKnownStateSitsWhereTheFormSaysAndReadsBack) {
  const double h = Enthalpy(kRoomAir.theta, kRoomAir.X);
  const QPointF thetaX = AirChartPosition(AirChartForm::ThetaX, kRoomAir);
  EXPECT_DOUBLE_EQ(thetaX.x(), 7.369915099660358);
  EXPECT_DOUBLE_EQ(thetaX.y(), 20);
  // y = (h − 2500 X) / 1,005 = ϑ (1,005 + 1,86 X) / 1,005, hand-computed: 20,2728.
  const QPointF mollier = AirChartPosition(AirChartForm::Mollier, kRoomAir);
  EXPECT_DOUBLE_EQ(mollier.x(), thetaX.x());
  EXPECT_NEAR(mollier.y(), 20.272797, 1e-6);
  EXPECT_NEAR(mollier.y(), (h - 2500 * kRoomAir.X) / 1.005, 1e-12);
  for (AirChartForm form : {AirChartForm::ThetaX, AirChartForm::Mollier}) {
    const AirPoint back = AirStateAt(form, AirChartPosition(form, kRoomAir));
    EXPECT_NEAR(back.theta, 20, 1e-12);
    EXPECT_NEAR(back.X, kRoomAir.X, 1e-15);
    EXPECT_EQ(AirReadOut(form, AirChartPosition(form, kRoomAir)),
              (QStringList{"ϑ = 20,0 °C", "X = 7,37 g/kg", "φ = 50,0 %", "h = 38,8 kJ/kg"}));
  }
  // Enthalpy lines fall straight in the Mollier form, isotherms rise slightly.
  const auto y = [](double theta, double X) { return AirChartPosition(AirChartForm::Mollier, {theta, X}).y(); };
  const double hot = TemperatureFromEnthalpy(h, 0.030);
  EXPECT_NEAR((y(hot, 0.030) - y(20, kRoomAir.X)) / (30 - 1000 * kRoomAir.X), -2.5 / 1.005, 1e-9);
  EXPECT_GT(y(60, 0.05), y(60, 0));
  EXPECT_LT(y(60, 0.005), y(61, 0));  // 5 g/kg raise it about half a degree
  // Left of dry air there is nothing to read but where the cursor is.
  EXPECT_EQ(AirReadOut(AirChartForm::Mollier, QPointF(-1, 20)).size(), 2);
  EXPECT_EQ(AirChartFormOfKey(QStringLiteral("mollier")), AirChartForm::Mollier);
  EXPECT_EQ(AirChartFormOfKey(QStringLiteral("Unsinn")), AirChartForm::ThetaX);
}

TEST(AirChart, TheCursorReadsTemperatureHumidityRelativeHumidityAndEnthalpy) {
  for (AirChartForm form : {AirChartForm::ThetaX, AirChartForm::Mollier}) {
    ShownAirChart c(form);
    c.w.addSessionRun(RunOfThickness("4"));
    ChartPanel& p = c.panel();
    p.axisX().setRange(0, 20);
    p.axisY().setRange(0, 40);
    const QPointF inChart = p.chart().mapToPosition(AirChartPosition(form, kRoomAir));
    p.showValuesAt(QPointF(p.view().mapFromScene(p.chart().mapToScene(inChart))));
    // Within a pixel: 0,05 g/kg and 0,1 °C on these ranges.
    const QString text = p.readOut();
    EXPECT_NEAR(NumberAfter(text, QStringLiteral("ϑ")), 20, 0.2) << text.toStdString();
    EXPECT_NEAR(NumberAfter(text, QStringLiteral("X")), 7.37, 0.1) << text.toStdString();
    EXPECT_NEAR(NumberAfter(text, QStringLiteral("φ")), 50, 1.5) << text.toStdString();
    EXPECT_NEAR(NumberAfter(text, QStringLiteral("h")), 38.8, 0.5) << text.toStdString();
  }
}

// No name covers another; in the whole view every relative humidity line is named.
void ExpectLabelsApart(ChartPanel& p, bool wholeView = true) {
  const std::vector<ChartPanel::ShownLabel> shown = p.shownLabels();
  for (int percent = 10; wholeView && percent <= 100; percent += 10) {
    const QString name = QStringLiteral("%1 %").arg(percent);
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [&](const auto& l) { return l.text == name; }))
        << name.toStdString();
  }
  EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const auto& l) { return l.text.startsWith("h = "); }));
  // Nor does a name hide a state of the air.
  std::vector<QPointF> markers;
  for (QAbstractSeries* a : p.chart().series()) {
    const QList<QPointF> points = static_cast<QLineSeries*>(a)->points();
    if (points.size() == 1) markers.push_back(p.chart().mapToPosition(points.front()));
  }
  ASSERT_FALSE(markers.empty());
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (const QPointF& m : markers) EXPECT_FALSE(shown[i].rect.contains(m)) << shown[i].text.toStdString();
    EXPECT_TRUE(p.chart().plotArea().contains(shown[i].rect)) << shown[i].text.toStdString();
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      EXPECT_FALSE(shown[i].rect.intersects(shown[j].rect))
          << shown[i].text.toStdString() << " over " << shown[j].text.toStdString();
    }
  }
}

TEST(AirChart, LabelsNeverOverlapWithOneRunOrThreeInEitherForm) {
  for (AirChartForm form : {AirChartForm::ThetaX, AirChartForm::Mollier}) {
    ShownAirChart c(form);
    c.w.addSessionRun(RunOfThickness("4"));
    ExpectLabelsApart(c.panel());
    c.w.addSessionRun(RunOfThickness("6"));
    c.w.addSessionRun(RunOfThickness("8"));
    ExpectLabelsApart(c.panel());
    if (form == AirChartForm::Mollier) {
      const auto shown = c.panel().shownLabels();
      EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const auto& l) { return l.text == "60 °C"; }));
    }
    // A zoom places them again.
    c.panel().axisX().setRange(5, 15);
    c.panel().axisY().setRange(10, 30);
    QTest::qWait(20);
    ExpectLabelsApart(c.panel(), false);
    EXPECT_GE(c.panel().shownLabels().size(), 3u);
  }
}

TEST(AirChart, EachRunsAirFromOutsideThroughHeaterChamberAndCounterCurrentToTheExhaust) {
  const RunRecord& r = RunOfThickness("4");
  ASSERT_TRUE(std::isfinite(r.results.DauerGegenstrom));
  ShownAirChart c(AirChartForm::Mollier);
  c.w.addSessionRun(r);
  const auto at = [](double theta, double X) { return AirChartPosition(AirChartForm::Mollier, {theta, X}); };
  const QPointF outside = at(r.values.AussenluftTemp, r.derived.XAussen);
  const QPointF supply = at(r.results.ThetaZuluft, r.derived.XAussen);
  const QPointF chamber = at(r.results.ThetaLuft, r.results.XLuft);
  EXPECT_EQ(c.points(QStringLiteral("Lauf 1 – Erhitzer")), (QList<QPointF>{outside, supply}));
  EXPECT_EQ(c.points(QStringLiteral("Lauf 1 – Zuluft → Kammer")), (QList<QPointF>{supply, chamber}));
  // The counter-current section as the run went through it, from the exhaust air.
  const QList<QPointF> path = c.points(QStringLiteral("Lauf 1 – Gegenstromabschnitt"));
  ASSERT_GT(path.size(), 10);
  EXPECT_EQ(path.front(), at(r.series.ThetaLuftReihe[0], r.series.XLuftReihe[0]));
  EXPECT_NEAR(path.back().x(), chamber.x(), 1e-6);
  EXPECT_NEAR(path.back().y(), chamber.y(), 1e-6);
  for (const char* state : {"Außenluft", "Zuluft", "Kammer", "Abluft"}) {
    EXPECT_EQ(c.points(QStringLiteral("Lauf 1 – %1").arg(QString::fromUtf8(state))).size(), 1) << state;
  }
  EXPECT_EQ(c.points(QStringLiteral("Lauf 1 – Abluft")).front(), at(r.values.Lufttemp, r.derived.XAbluft));
  // The legend names the run by its colour and the parts by their line style.
  QStringList legend;
  for (const LegendEntry& e : c.panel().legend().entries()) legend << e.text;
  EXPECT_EQ(legend.front(), QStringLiteral("Lauf 1"));
  EXPECT_TRUE(legend.contains(QStringLiteral("Zuluft → Kammer")));
  // The nearest state is named in the read-out with its values.
  const QPointF inChart = c.panel().chart().mapToPosition(supply);
  c.panel().showValuesAt(QPointF(c.panel().view().mapFromScene(c.panel().chart().mapToScene(inChart))));
  EXPECT_TRUE(c.panel().readOut().contains(QStringLiteral("Lauf 1 – Zuluft: ϑ = "))) << c.panel().readOut().toStdString();
}

TEST(AirChart, AFileWithoutTheAirsHumidityDrawsItsSectionStraight) {
  const RunRecord& r = RunOfThickness("4");
  CaseFile f;
  f.inputs = r.inputs;
  f.run = CaseRunOf(r, "2026-12-08T20:00:00Z", "Lamvero");
  nlohmann::json j = nlohmann::json::parse(CaseFileText(f, true));
  j["series"].erase("XLuftReihe");
  const Outcome<CaseFile> read = ReadCaseFileText(j.dump(), [](const std::string&) { return true; });
  ASSERT_TRUE(read) << read.message();
  ShownAirChart c(AirChartForm::ThetaX);
  c.w.addRun(read->run->record, QStringLiteral("alt"));
  EXPECT_EQ(c.points(QStringLiteral("alt – Gegenstromabschnitt")),
            (QList<QPointF>{{1000 * r.derived.XAbluft, r.values.Lufttemp}, {1000 * r.results.XLuft, r.results.ThetaLuft}}));
  EXPECT_TRUE(c.panel().legend().entries().front().text.contains(QStringLiteral("Gerade")));
  EXPECT_EQ(c.points(QStringLiteral("alt – Zuluft → Kammer")).size(), 2);
}

TEST(AirChart, TheChosenFormIsKeptForTheNextWindow) {
  {
    ShownAirChart c(AirChartForm::Mollier);
    c.w.addSessionRun(RunOfThickness("4"));
    EXPECT_TRUE(c.panel().axisY().titleText().contains(QStringLiteral("2500")));
    DiagramWindow next;
    EXPECT_EQ(next.airChartForm(), AirChartForm::Mollier);
    auto* choice = next.findChild<QComboBox*>(QStringLiteral("cbo_hXForm"));
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->currentText(), QString::fromUtf8(InfoOf(AirChartForm::Mollier).caption));
  }
  DiagramWindow back;
  EXPECT_EQ(back.airChartForm(), AirChartForm::ThetaX);
  EXPECT_EQ(back.chart(ChartKind::AirStates).axisY().titleText(), QStringLiteral("Lufttemperatur ϑ in °C"));
}

}  // namespace
}  // namespace lamvero
