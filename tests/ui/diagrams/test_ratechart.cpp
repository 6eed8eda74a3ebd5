// The drying-rate chart: its explanation, the Krischer form of a laboratory
// test at constant air, and runs that stopped before their evaluation.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "common/quickinputs.h"
#include "common/quickrun.h"
#include "inputs/constantair.h"
#include "present/displayedrun.h"
#include "present/ratechart.h"
#include "run/dryingrun.h"
#include "run/resultdescriptors.h"
#include "run/stoprequest.h"
#include "ui/diagrams/chartlegend.h"
#include "ui/diagrams/chartpanel.h"
#include "ui/diagrams/comparisontable.h"
#include "ui/diagrams/diagramwindow.h"
#include "ui/calculator/mainwindow.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/filemenu.h"
#include "windowdriver.h"

namespace lamvero {
namespace {

const RunRecord& DryerRun() { return testing::QuickRunOfThickness("4"); }

// The quick case as a laboratory test at constant air, run once.
const RunRecord& LaboratoryRun() {
  static const RunRecord record = [] {
    NullDisplay none;
    return RunCaseOnDisplay(WithConstantAir(testing::QuickInputs()), none);
  }();
  EXPECT_EQ(record.outcome, RunOutcome::Completed);
  return record;
}

// Asks the run to stop at the top of its n-th step, as Stop does.
class StopAtStep : public NoRunEvents {
 public:
  StopAtStep(StopRequest& stop, int step) : stop_(stop), step_(step) {}
  void stepBegins() override {
    if (++steps_ == step_) stop_.request();
  }

 private:
  StopRequest& stop_;
  int step_;
  int steps_ = 0;
};

RunRecord StoppedRun(int step) {
  StopRequest stop;
  StopAtStep events(stop, step);
  RunOptions options;
  options.stop = &stop;
  return RunCase(testing::QuickInputs(), events, options);
}

std::vector<const QScatterSeries*> Marks(ChartPanel& p) {
  std::vector<const QScatterSeries*> marks;
  for (QAbstractSeries* s : p.chart().series()) {
    if (auto* m = qobject_cast<QScatterSeries*>(s)) marks.push_back(m);
  }
  return marks;
}

const QLineSeries* Curve(ChartPanel& p, const QString& name) {
  for (QAbstractSeries* s : p.chart().series()) {
    auto* line = qobject_cast<QLineSeries*>(s);
    if (line && !qobject_cast<QScatterSeries*>(s) && s->name() == name) return line;
  }
  return nullptr;
}

TEST(RateChart, ItsExplanationSaysWhatIsPlottedOverWhatAndWhyTheFirstPeriodRises) {
  DiagramWindow w;
  w.show();
  w.addSessionRun(DryerRun());
  ChartPanel& rate = w.chart(ChartKind::Rate);
  const QString note = rate.note();
  EXPECT_TRUE(note.contains(QStringLiteral("Verdunstungsrate über der mittleren Feuchte X"))) << note.toStdString();
  EXPECT_TRUE(note.contains(QStringLiteral("Gegenstromstrecke")));
  EXPECT_TRUE(note.contains(QStringLiteral("steigt die Rate im 1. Trocknungsabschnitt")));
  EXPECT_FALSE(rate.findChild<QLabel*>(QStringLiteral("lbl_Erlaeuterung"))->isHidden());
  EXPECT_FALSE(rate.axisX().isReverse());
  EXPECT_TRUE(Marks(rate).empty());
  // The other charts need none.
  EXPECT_TRUE(w.chart(ChartKind::Moisture).note().isEmpty());

  // The picture (PNG, SVG) carries the explanation under the chart: it is taller than the chart.
  EXPECT_GT(rate.pictureSize().height(), rate.view().height());
  ChartPanel& moisture = w.chart(ChartKind::Moisture);
  const int chartHeight = moisture.view().height();
  EXPECT_EQ(moisture.pictureSize().height(), std::max(chartHeight, moisture.legend().sizeFor(chartHeight).height()));
}

TEST(RateChart, ALaboratoryTestTakesTheKrischerFormWithItsFirstPeriodEndMarked) {
  DiagramWindow w;
  w.show();
  const RunRecord& lab = LaboratoryRun();
  w.addSessionRun(lab, true);
  ChartPanel& rate = w.chart(ChartKind::Rate);
  w.findChild<QTabWidget*>(QStringLiteral("tab_Diagramme"))->setCurrentWidget(&rate);
  QCoreApplication::processEvents();
  // Moisture falls to the right: the drying proceeds from left to right.
  EXPECT_TRUE(rate.axisX().isReverse());
  EXPECT_TRUE(rate.chart().title().contains(QStringLiteral("Krischer")));
  EXPECT_TRUE(rate.note().contains(QStringLiteral("Trocknungsverlaufskurve nach Krischer")));
  EXPECT_TRUE(rate.note().contains(QStringLiteral("Knickpunkt")));

  const RunSeries& s = lab.series;
  const auto end = static_cast<std::size_t>(s.nReihe1TA);
  const std::vector<const QScatterSeries*> marks = Marks(rate);
  const auto isEnd = [](const QScatterSeries* m) { return m->name().contains(QStringLiteral("Ende 1. TA")); };
  const auto found = std::find_if(marks.begin(), marks.end(), isEnd);
  ASSERT_NE(found, marks.end());
  ASSERT_EQ((*found)->count(), 1);
  EXPECT_EQ((*found)->at(0), QPointF(s.XReihe[end], s.WasserdampfReihe[end]));
  EXPECT_TRUE((*found)->name().startsWith(QStringLiteral("Lauf 1 – ")));
  // The first period's end is the X1TA the window shows.
  EXPECT_NEAR(s.XReihe[end], lab.results.X1TA, 1e-9);
  // Each mark's moisture is written beside it.
  EXPECT_FALSE(rate.shownLabels().empty());

  // The textbook form: at constant air the first period's rate stays level
  // (after the plate's warm-up), and after the knee it only falls.
  const std::vector<RateMark> krischer = KrischerMarks(lab);
  ASSERT_FALSE(krischer.empty());
  const std::size_t knee = krischer.back().index;
  for (std::size_t k = knee + 1; k <= static_cast<std::size_t>(s.nReihe); ++k) {
    EXPECT_LT(s.WasserdampfReihe[k], s.WasserdampfReihe[k - 1]) << k;
  }
  const double level = s.WasserdampfReihe[end];
  for (std::size_t k = end / 2; k < end; ++k) EXPECT_NEAR(s.WasserdampfReihe[k], level, 0.05 * level) << k;
}

TEST(RateChart, DryerRunsAndLaboratoryTestsTogetherAreEachExplained) {
  DiagramWindow w;
  w.show();
  w.addSessionRun(DryerRun());
  w.addSessionRun(LaboratoryRun(), true);
  ChartPanel& rate = w.chart(ChartKind::Rate);
  EXPECT_FALSE(rate.axisX().isReverse());
  EXPECT_TRUE(rate.note().contains(QStringLiteral("Trocknerläufe")));
  EXPECT_TRUE(rate.note().contains(QStringLiteral("Laborversuche (Luft konstant)")));
  // Only the laboratory test is marked.
  const std::vector<const QScatterSeries*> marks = Marks(rate);
  ASSERT_FALSE(marks.empty());
  for (const QScatterSeries* m : marks) EXPECT_TRUE(m->name().startsWith(QStringLiteral("Lauf 2 – "))) << m->name().toStdString();

  // Without the laboratory test the chart is the dryer's again.
  w.setShown(w.runs().entries().back().id, false);
  EXPECT_FALSE(rate.note().contains(QStringLiteral("Laborversuche")));
  EXPECT_TRUE(Marks(rate).empty());
}

TEST(RateChart, TheKneeIsWhereTheLastUninterruptedFallBegins) {
  RunRecord r = DryerRun();
  RunSeries& s = r.series;
  // A made-up curve: level to point 3 (the first period's end), up to 7 at point 5, then falling.
  const double rates[] = {4, 5, 5, 5, 6, 7, 6, -100, 4, 2};
  s.nReihe = 9;
  s.nReihe1TA = 3;
  for (std::size_t k = 0; k < 10; ++k) {
    s.XReihe[k] = 0.2 - 0.02 * static_cast<double>(k);
    s.WasserdampfReihe[k] = rates[k];
  }
  const std::vector<RateMark> marks = KrischerMarks(r);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[0].index, 3u);
  EXPECT_EQ(marks[0].name, "Ende 1. TA");
  // The poorly converged step (-100) does not end the fall.
  EXPECT_EQ(marks[1].index, 5u);
  EXPECT_EQ(marks[1].rate, 7);

  // Falling from the first period's end on: one mark for both.
  s.WasserdampfReihe[4] = 4.5, s.WasserdampfReihe[5] = 4.4, s.WasserdampfReihe[6] = 4.3;
  const std::vector<RateMark> one = KrischerMarks(r);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].index, 3u);
  EXPECT_EQ(one[0].name, "Knickpunkt = Ende 1. TA");

  // Stopped in the first period: no falling section, no marks.
  r.results.Dauer1TA = 0;
  EXPECT_TRUE(KrischerMarks(r).empty());
}

TEST(StoppedRun, ItsCurvesReachTheStopNamedUnsmoothedAndItsEvaluatedResultsAreNotReached) {
  const RunRecord& whole = DryerRun();
  const int stopStep = whole.series.points() * 3 / 4;  // in the second period
  const RunRecord stopped = StoppedRun(stopStep);
  ASSERT_EQ(stopped.outcome, RunOutcome::Stopped);
  ASSERT_GT(stopped.results.Dauer1TA, 0);

  DiagramWindow w;
  w.show();
  ASSERT_NE(w.addSessionRun(stopped), 0);
  const QString name = QStringLiteral("Lauf 1 (angehalten, ungeglättet)");
  EXPECT_EQ(w.findChild<QListWidget*>(QStringLiteral("lst_Laeufe"))->item(0)->text(), name);
  EXPECT_TRUE(w.notice().isEmpty());

  // The moisture curve runs up to the stop and no further.
  const QLineSeries* mean = Curve(w.chart(ChartKind::Moisture), name + QStringLiteral(" – mittel"));
  ASSERT_NE(mean, nullptr);
  double last = 0;
  for (const QPointF& p : mean->points()) last = std::max(last, p.x());
  const double stopHours = stopped.series.tReihe[static_cast<std::size_t>(stopped.series.nReihe)] / 3600;
  EXPECT_DOUBLE_EQ(last, stopHours);
  EXPECT_LT(stopHours, whole.results.Zeit / 3600);
  EXPECT_NE(Curve(w.chart(ChartKind::Rate), name), nullptr);

  // What only the evaluation gives is not reached: a dash, never 0 or a stale number.
  ComparisonTable& t = w.table();
  for (const char* key : {"spezEnergie", "relEnergie", "WasserfehlerProzent", "ThetaZuluft", "WasserdampfMax"}) {
    const int row = t.rowOf(QString::fromLatin1(key));
    ASSERT_GE(row, 0) << key;
    EXPECT_EQ(t.item(row, 0)->text(), QStringLiteral("–")) << key;
  }
  EXPECT_EQ(t.horizontalHeaderItem(0)->text(), name);
  // The CSV of the chart names it the same way.
  EXPECT_NE(w.chartCsv(ChartKind::Moisture, CsvDialect::Plain).find("angehalten, ungeglättet"), std::string::npos);
}

TEST(StoppedRun, ARunWithoutCurvesOrARefusedOneIsExplained) {
  DiagramWindow w;
  w.show();
  // Stopped in its first step: one stored point, nothing to draw.
  const RunRecord early = StoppedRun(1);
  ASSERT_EQ(early.outcome, RunOutcome::Stopped);
  ASSERT_NE(w.addSessionRun(early), 0);
  EXPECT_TRUE(w.notice().contains(QStringLiteral("„Lauf 1“ ohne Verläufe"))) << w.notice().toStdString();
  EXPECT_TRUE(w.notice().contains(QStringLiteral("mit Stop angehalten")));
  EXPECT_TRUE(w.findChild<QLabel*>(QStringLiteral("lbl_Nachricht"))->isVisible());

  RunRecord refused;
  refused.messages = {"Anfangsdicke: muss größer als 0 sein"};
  EXPECT_EQ(w.addSessionRun(refused), 0);
  EXPECT_TRUE(w.notice().startsWith(QStringLiteral("Nicht aufgenommen: Die Eingaben wurden abgelehnt")));
  EXPECT_TRUE(w.notice().contains(QStringLiteral("Anfangsdicke")));

  // A run with curves clears the notice.
  w.addSessionRun(DryerRun());
  EXPECT_TRUE(w.notice().isEmpty());
  EXPECT_FALSE(w.findChild<QLabel*>(QStringLiteral("lbl_Nachricht"))->isVisible());
}

// The program window hands the diagrams every run: a stopped one, a refused one as the reason it is missing, and a
// laboratory test as such.
TEST(StoppedRun, TheProgramWindowPassesStoppedRefusedAndLaboratoryRunsOn) {
  AppWindow app;
  MainWindow& area = app.area();
  area.setMessagePresenter([](const QString&) {});
  DiagramWindow& diagrams = app.diagrams();

  // Stop right after Start: the run ends at its next step.
  RunOutcome outcome = RunOutcome::Completed;
  bool ended = false;
  QObject context;
  QObject::connect(&area, &MainWindow::runEnded, &context, [&](const RunResult& r) {
    outcome = r.outcome;
    ended = true;
  });
  area.setInputs(testing::QuickInputs());
  ASSERT_TRUE(area.runStart());
  area.stopRun();
  ASSERT_TRUE(QTest::qWaitFor([&] { return ended; }, 30000));
  EXPECT_EQ(outcome, RunOutcome::Stopped);
  ASSERT_EQ(diagrams.runs().entries().size(), 1u);
  EXPECT_EQ(diagrams.runs().entries().front().shownName(), QStringLiteral("Lauf 1 (angehalten, ungeglättet)"));
  EXPECT_FALSE(diagrams.runs().entries().front().constantAir);

  InputTexts refused = testing::QuickInputs();
  refused[Input::Dicke] = "0";
  area.setInputs(refused);
  EXPECT_EQ(testing::RunToEnd(area).outcome, RunOutcome::Refused);
  EXPECT_EQ(diagrams.runs().entries().size(), 1u);
  EXPECT_TRUE(diagrams.notice().startsWith(QStringLiteral("Nicht aufgenommen"))) << diagrams.notice().toStdString();

  app.findChild<QAction*>(QStringLiteral("act_LaborversuchLuftKonstant"))->setChecked(true);
  area.setInputs(testing::QuickInputs());
  EXPECT_EQ(testing::RunToEnd(area).outcome, RunOutcome::Completed);
  ASSERT_EQ(diagrams.runs().entries().size(), 2u);
  EXPECT_TRUE(diagrams.runs().entries().back().constantAir);
  EXPECT_TRUE(diagrams.notice().isEmpty());
  // The laboratory test alone (the stopped run, however far it came, unticked): the Krischer form.
  diagrams.setShown(diagrams.runs().entries().front().id, false);
  diagrams.show();
  EXPECT_TRUE(diagrams.chart(ChartKind::Rate).axisX().isReverse());
  EXPECT_TRUE(diagrams.chart(ChartKind::Rate).note().contains(QStringLiteral("nach Krischer")));
  FileMenu::Dialogs dialogs;
  dialogs.askSave = [](const QString&) { return QMessageBox::Discard; };
  app.fileActions().setDialogs(dialogs);
  app.close();
}

}  // namespace
}  // namespace lamvero
