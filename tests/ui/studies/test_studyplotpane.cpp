// The study charts: the family of curves, the colour map, the third input's
// choice, clicks that choose a case, rows arriving while a study runs, and
// the pictures they write.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <map>

#include "ui/diagrams/chartlegend.h"
#include "ui/diagrams/chartpanel.h"
#include "ui/studies/colourscale.h"
#include "ui/studies/studycolourmap.h"
#include "ui/studies/studyplotpane.h"
#include "studysample.h"

namespace lamvero {
namespace {

using testing::ThreeByTwo;
using testing::ThreeByTwoByTwo;

// A shown pane of a size an engineer would give it.
struct Pane {
  StudyPlotPane pane;
  explicit Pane(const StudyResults* results) {
    pane.resize(900, 560);
    pane.show();
    pane.showResults(results);
  }
  template <class T>
  T* get(const char* name) {
    T* child = pane.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  ChartPanel& chart() { return *get<ChartPanel>("kurvenschar"); }
  StudyColourMap& map() { return *get<StudyColourMap>("farbkarte"); }
  QTabWidget& tabs() { return *get<QTabWidget>("tab_Studiendiagramm"); }
  void showMap() {
    tabs().setCurrentIndex(1);
    QCoreApplication::processEvents();
  }
};

// The points of every curve by its name, stretch after stretch.
std::map<QString, std::vector<std::vector<QPointF>>> Curves(ChartPanel& chart) {
  std::map<QString, std::vector<std::vector<QPointF>>> curves;
  for (QAbstractSeries* s : chart.chart().series()) {
    auto* line = static_cast<QLineSeries*>(s);
    const QList<QPointF> points = line->points();
    curves[line->name()].emplace_back(points.begin(), points.end());
  }
  return curves;
}

QStringList LegendTexts(ChartPanel& chart) {
  QStringList texts;
  for (const LegendEntry& e : chart.legend().entries()) texts << e.text;
  return texts;
}

// Where a point of the chart's values lies in its view.
QPoint ViewPointOf(ChartPanel& chart, QPointF value) {
  const QPointF scene = chart.chart().mapToScene(chart.chart().mapToPosition(value));
  return chart.view().mapFromScene(scene);
}

TEST(StudyCurves, OneCurvePerValueOfTheSecondInputWithItsPointsAndLegend) {
  const StudyResults results = ThreeByTwo();
  Pane p(&results);
  const auto curves = Curves(p.chart());
  EXPECT_EQ(LegendTexts(p.chart()),
            QStringList({QStringLiteral("Ablufttemperatur = 30 °C"), QStringLiteral("Ablufttemperatur = 40 °C")}));
  ASSERT_EQ(curves.size(), 2u);
  const auto& thirty = curves.at(QStringLiteral("Ablufttemperatur = 30 °C"));
  ASSERT_EQ(thirty.size(), 1u);
  EXPECT_EQ(thirty[0], (std::vector<QPointF>{{10, 130}, {20, 230}, {30, 330}}));
  EXPECT_EQ(curves.at(QStringLiteral("Ablufttemperatur = 40 °C"))[0],
            (std::vector<QPointF>{{10, 140}, {20, 240}, {30, 340}}));
  EXPECT_EQ(p.chart().axisX().titleText(), QStringLiteral("Anfangsdicke der Platte in mm"));
  EXPECT_EQ(p.chart().axisY().titleText(), QStringLiteral("Trocknungsdauer in h"));
  // Every point inside the axes, none on the frame.
  EXPECT_LT(p.chart().axisX().min(), 10);
  EXPECT_GT(p.chart().axisY().max(), 340);
  p.get<QComboBox>("cmb_Ergebnis")->setCurrentIndex(11);
  EXPECT_EQ(p.chart().axisY().titleText(), QStringLiteral("größte Schwindungsdifferenz Oberfläche – Kern in %"));
}

TEST(StudyCurves, ACaseThatDidNotCompleteIsAGapNotAZero) {
  StudyResults results = ThreeByTwo();
  results.rows[2].outcome = RunOutcome::Failed;  // 20 mm, 30 °C
  results.rows[2].values.fill(NAN);
  results.rows[3].outcome = RunOutcome::Stopped;  // 20 mm, 40 °C: stopped with a first-period value
  Pane p(&results);
  const auto curves = Curves(p.chart());
  EXPECT_EQ(curves.at(QStringLiteral("Ablufttemperatur = 30 °C")),
            (std::vector<std::vector<QPointF>>{{{10, 130}}, {{30, 330}}}));
  EXPECT_EQ(curves.at(QStringLiteral("Ablufttemperatur = 40 °C")),
            (std::vector<std::vector<QPointF>>{{{10, 140}}, {{30, 340}}}));
  // A broken curve is still one line of the legend.
  EXPECT_EQ(LegendTexts(p.chart()).size(), 2);
}

TEST(StudyCurves, TheThirdInputsChoiceShowsTheCurvesOfThatValue) {
  const StudyResults results = ThreeByTwoByTwo();
  Pane p(&results);
  auto* slice = p.get<QComboBox>("cmb_Schnitt");
  ASSERT_TRUE(slice->isVisible());
  ASSERT_EQ(slice->count(), 2);
  EXPECT_EQ(slice->itemText(1), QStringLiteral("20 °C"));
  EXPECT_EQ(Curves(p.chart()).at(QStringLiteral("Ablufttemperatur = 40 °C"))[0],
            (std::vector<QPointF>{{10, 140}, {20, 240}, {30, 340}}));
  slice->setCurrentIndex(1);
  EXPECT_EQ(Curves(p.chart()).at(QStringLiteral("Ablufttemperatur = 40 °C"))[0],
            (std::vector<QPointF>{{10, 20140}, {20, 20240}, {30, 20340}}));
  EXPECT_EQ(p.map().content().grid.high, 20340);
  EXPECT_EQ(p.map().content().slice, "Außenlufttemperatur = 20 °C");
}

TEST(StudyCurves, AClickOnAPointChoosesItsRowAndTheReadOutNamesTheCase) {
  const StudyResults results = ThreeByTwo();
  Pane p(&results);
  QSignalSpy chosen(&p.pane, &StudyPlotPane::rowChosen);
  const QPoint at = ViewPointOf(p.chart(), QPointF(20, 240));
  QTest::mouseMove(p.chart().view().viewport(), at);
  EXPECT_TRUE(p.chart().readOut().contains(
      QStringLiteral("Fall 4: Anfangsdicke der Platte = 20 mm, Ablufttemperatur = 40 °C, Trocknungsdauer = 240,00 h")))
      << p.chart().readOut().toStdString();
  QTest::mouseClick(p.chart().view().viewport(), Qt::LeftButton, {}, at);
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen[0][0].value<std::size_t>(), 3u);
  // A click far from every point chooses nothing, and the click did not zoom.
  const double span = p.chart().axisX().max() - p.chart().axisX().min();
  QTest::mouseClick(p.chart().view().viewport(), Qt::LeftButton, {}, ViewPointOf(p.chart(), QPointF(25, 150)));
  EXPECT_EQ(chosen.size(), 1);
  EXPECT_EQ(p.chart().axisX().max() - p.chart().axisX().min(), span);
}

TEST(StudyCurves, ValuesThatAreNoNumbersAreRefusedByNameAndTheColourMapShowsThem) {
  StudyResults results = ThreeByTwo();
  for (std::size_t i : {0u, 1u}) results.rows[i].varied[0] = "dünn";
  Pane p(&results);
  auto* refused = p.get<QLabel>("lbl_KurvenscharNicht");
  EXPECT_TRUE(refused->isVisible());
  EXPECT_TRUE(refused->text().contains(QStringLiteral("„Anfangsdicke der Platte“")));
  EXPECT_TRUE(refused->text().contains(QStringLiteral("„dünn“")));
  EXPECT_TRUE(p.chart().chart().series().isEmpty());
  QTemporaryDir dir;
  const Status written = p.pane.exportPng(dir.filePath(QStringLiteral("k.png")));
  EXPECT_FALSE(written.ok());
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("k.png"))));
  // The colour map takes the values in the order they came.
  EXPECT_EQ(p.map().content().columnTexts, (std::vector<std::string>{"dünn", "20", "30"}));
}

TEST(StudyCurves, OneVariedInputHasTheCurveAloneWithoutAColourMap) {
  StudyResults results;
  results.variedFields = {Input::XAnf};
  results.rows = {testing::SampleRow(1, {"0,2"}, 5), testing::SampleRow(2, {"0,25"}, 6)};
  Pane p(&results);
  EXPECT_FALSE(p.tabs().isTabVisible(1));
  EXPECT_FALSE(p.get<QComboBox>("cmb_Schnitt")->isVisible());
  const auto curves = Curves(p.chart());
  ASSERT_EQ(curves.size(), 1u);
  EXPECT_EQ(curves.begin()->second[0], (std::vector<QPointF>{{0.2, 5}, {0.25, 6}}));
}

// The colour of the map a little below a cell's centre, where its value is not written.
QColor CellColour(StudyColourMap& map, std::size_t cell) {
  const QImage image = map.grab().toImage();
  const QPointF centre = map.cellCentre(cell);
  const double ratio = image.devicePixelRatio();
  return image.pixelColor(QPoint(static_cast<int>(centre.x() * ratio), static_cast<int>((centre.y() + 25) * ratio)));
}

TEST(StudyColourMap, TheSmallestAndLargestValuesTakeTheEndsOfTheScaleAndACaseWithoutValueIsGrey) {
  StudyResults results = ThreeByTwo();
  results.rows[3].outcome = RunOutcome::Failed;  // 20 mm, 40 °C
  Pane p(&results);
  p.showMap();
  StudyColourMap& map = p.map();
  const StudyGrid& grid = map.content().grid;
  ASSERT_EQ(grid.columns, 3u);
  ASSERT_EQ(grid.rows, 2u);
  EXPECT_EQ(grid.low, 130);
  EXPECT_EQ(grid.high, 340);
  // Thickness across, exhaust air up: the lowest value at the bottom left, the highest at the top right.
  EXPECT_EQ(CellColour(map, 0), ScaleColour(0));
  EXPECT_EQ(CellColour(map, 5), ScaleColour(1));
  EXPECT_EQ(CellColour(map, 2), ScaleColour((330.0 - 130) / 210));
  const QColor failed = CellColour(map, 4);
  EXPECT_TRUE(failed.red() == failed.green() && failed.green() == failed.blue()) << failed.name().toStdString();
  EXPECT_EQ(map.cellText(4), QStringLiteral("Anfangsdicke der Platte = 20 mm, Ablufttemperatur = 40 °C: "
                                            "Trocknungsdauer ohne Wert"));
  EXPECT_EQ(map.cellText(1), QStringLiteral("Anfangsdicke der Platte = 20 mm, Ablufttemperatur = 30 °C: "
                                            "Trocknungsdauer = 230,00 h"));
}

TEST(StudyColourMap, AClickOnACellChoosesItsRow) {
  const StudyResults results = ThreeByTwo();
  Pane p(&results);
  p.showMap();
  QSignalSpy chosen(&p.pane, &StudyPlotPane::rowChosen);
  auto* readOut = p.get<QLabel>("lbl_FarbkarteAblesung");
  const QPoint topMiddle = p.map().cellCentre(4).toPoint();  // 20 mm, 40 °C
  QTest::mouseMove(&p.map(), topMiddle);
  EXPECT_TRUE(readOut->text().contains(QStringLiteral("Ablufttemperatur = 40 °C"))) << readOut->text().toStdString();
  QTest::mouseClick(&p.map(), Qt::LeftButton, {}, topMiddle);
  QTest::mouseClick(&p.map(), Qt::LeftButton, {}, p.map().cellCentre(0).toPoint());
  ASSERT_EQ(chosen.size(), 2);
  EXPECT_EQ(chosen[0][0].value<std::size_t>(), 3u);
  EXPECT_EQ(chosen[1][0].value<std::size_t>(), 0u);
  // Outside the cells (on the scale) nothing is chosen.
  QTest::mouseClick(&p.map(), Qt::LeftButton, {}, QPoint(p.map().width() - 60, p.map().height() / 2));
  EXPECT_EQ(chosen.size(), 2);
}

TEST(StudyRowsArriving, RowsThatComeWhileTheStudyRunsAreDrawnAFewTimesASecond) {
  const StudyResults all = ThreeByTwo();
  StudyResults growing;
  growing.variedFields = all.variedFields;
  Pane p(&growing);
  EXPECT_TRUE(p.chart().chart().series().isEmpty());
  growing.rows.assign(all.rows.begin(), all.rows.begin() + 2);
  p.pane.refresh();  // the first rows at once
  EXPECT_EQ(p.chart().drawnPoints(), 2);
  growing.rows = all.rows;
  p.pane.refresh();  // more right after: drawn when the pause is over
  EXPECT_EQ(p.chart().drawnPoints(), 2);
  QTRY_COMPARE_WITH_TIMEOUT(p.chart().drawnPoints(), 6, 2000);
  EXPECT_EQ(p.map().content().grid.high, 340);
  p.pane.showResults(nullptr);
  EXPECT_EQ(p.chart().drawnPoints(), 0);
  EXPECT_EQ(p.map().content().grid.columns, 0u);
}

TEST(StudyChartExport, BothChartsAreWrittenAsPngAndSvg) {
  const StudyResults results = ThreeByTwo();
  Pane p(&results);
  QTemporaryDir dir;
  for (int tab : {0, 1}) {
    p.tabs().setCurrentIndex(tab);
    QCoreApplication::processEvents();
    const QString png = dir.filePath(QStringLiteral("s%1.png").arg(tab));
    const QString svg = dir.filePath(QStringLiteral("s%1.svg").arg(tab));
    ASSERT_TRUE(p.pane.exportPng(png).ok());
    ASSERT_TRUE(p.pane.exportSvg(svg).ok());
    QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 400);
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("<svg")) << tab;
    EXPECT_TRUE(text.contains("</svg>")) << tab;
  }
  const Status missing = p.pane.exportPng(dir.filePath(QStringLiteral("nicht/da.png")));
  EXPECT_FALSE(missing.ok());
  p.pane.showResults(nullptr);
  const Status none = p.pane.exportSvg(dir.filePath(QStringLiteral("leer.svg")));
  EXPECT_FALSE(none.ok());
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("leer.svg"))));
}

}  // namespace
}  // namespace lamvero
