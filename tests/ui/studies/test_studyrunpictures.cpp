// The study charts of a real study: 4 thicknesses × 3 exhaust temperatures of
// the quick plate. With LAMVERO_STUDY_PICTURES set to a folder, the test
// leaves its pictures there (the ones in docs/ were made so).

#include <gtest/gtest.h>

#include <QLineSeries>
#include <QTabWidget>
#include <QTest>

#include "common/quickinputs.h"
#include "common/rowcollector.h"
#include "study/studydefinition.h"
#include "study/studyrunner.h"
#include "ui/diagrams/chartpanel.h"
#include "ui/studies/studycolourmap.h"
#include "ui/studies/studyplotpane.h"

namespace lamvero {
namespace {

using Collect = testing::RowCollector;

StudyResults FourByThree() {
  StudyDefinition definition;
  definition.base = testing::QuickInputs();
  definition.varied = {{Input::Dicke, "4:10:2"}, {Input::Lufttemp, "30;40;50"}};
  const Outcome<StudyPlan> plan = PlanOf(definition);
  EXPECT_TRUE(plan.ok()) << plan.message();
  StudyResults results;
  results.base = definition.base;
  results.variedFields = plan->variedFields();
  Collect collect(results);
  StudyRunOptions options;
  options.jobs = 2;
  RunStudy(plan->size(), [&](std::size_t i) { return plan->caseInputs(i); }, collect, options);
  return results;
}

// The pane as shown, into the folder LAMVERO_STUDY_PICTURES names, if any.
void LeavePicture(QWidget& pane, const char* name) {
  const QString folder = qEnvironmentVariable("LAMVERO_STUDY_PICTURES");
  if (folder.isEmpty()) return;
  QCoreApplication::processEvents();  // the chart lays out its new ticks
  EXPECT_TRUE(pane.grab().save(folder + QLatin1Char('/') + QLatin1String(name))) << name;
}

TEST(StudyOfRealRuns, ThickerPlatesDryLongerOnEveryCurveAndTheMapAgrees) {
  const StudyResults results = FourByThree();
  ASSERT_EQ(results.rows.size(), 12u);
  StudyPlotPane pane;
  pane.resize(900, 560);
  pane.show();
  pane.showResults(&results);
  auto& chart = *pane.findChild<ChartPanel*>(QStringLiteral("kurvenschar"));
  ASSERT_EQ(chart.chart().series().size(), 3);
  for (QAbstractSeries* s : chart.chart().series()) {
    const QList<QPointF> points = static_cast<QLineSeries*>(s)->points();
    ASSERT_EQ(points.size(), 4) << s->name().toStdString();
    EXPECT_EQ(points.front().x(), 4);
    for (qsizetype k = 1; k < points.size(); ++k) EXPECT_GT(points[k].y(), points[k - 1].y()) << k;
  }
  LeavePicture(pane, "studie-kurvenschar.png");

  pane.findChild<QTabWidget*>(QStringLiteral("tab_Studiendiagramm"))->setCurrentIndex(1);
  QCoreApplication::processEvents();
  auto& map = *pane.findChild<StudyColourMap*>(QStringLiteral("farbkarte"));
  const StudyGrid& grid = map.content().grid;
  ASSERT_EQ(grid.columns * grid.rows, 12u);
  // The thinnest plate in the warmest exhaust dries fastest, the thickest in the coolest slowest.
  EXPECT_EQ(grid.cellValue[0 + 4 * 2], grid.low);
  EXPECT_EQ(grid.cellValue[3 + 4 * 0], grid.high);
  LeavePicture(pane, "studie-farbkarte.png");
}

}  // namespace
}  // namespace lamvero
