// Trockner optimieren in the window: the dialog's first choices, a search on
// a quick case to its end, taking the optimum over, cancelling, a problem the
// search refuses and one it cannot meet.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <limits>

#include "common/quickinputs.h"
#include "run/resultdescriptors.h"
#include "ui/calculator/mainwindow.h"
#include "ui/fitting/decisionbounds.h"
#include "ui/fitting/decisiontable.h"
#include "ui/fitting/optimisedialog.h"
#include "ui/fitting/searchpathchart.h"
#include "ui/fitting/searchtexts.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/casedocument.h"
#include "ui/shell/progresstext.h"
#include "windowdriver.h"

namespace lamvero {
namespace {

constexpr int kSearchTimeoutMs = 300000;
constexpr int kQuickRuns = 8;

TEST(OptimiseDialogParts, BoundsReachAQuarterOfTheUsualRangeEitherSideOnTheSearchScale) {
  // Ablufttemperatur 20 to 60 °C: 35 °C gets 25 to 45 °C.
  DecisionBounds b = DefaultDecisionBounds(Input::Lufttemp, 35);
  EXPECT_DOUBLE_EQ(b.lower, 25);
  EXPECT_DOUBLE_EQ(b.upper, 45);
  // Cut off at the usual range: 55 °C gets 45 to 60 °C.
  b = DefaultDecisionBounds(Input::Lufttemp, 55);
  EXPECT_DOUBLE_EQ(b.lower, 45);
  EXPECT_DOUBLE_EQ(b.upper, 60);
  // A value outside the usual range stays inside its bounds.
  b = DefaultDecisionBounds(Input::Lufttemp, 70);
  EXPECT_DOUBLE_EQ(b.lower, 50);
  EXPECT_DOUBLE_EQ(b.upper, 70);
  // The conductivity spans 1 to 200: a factor of 200^(1/4) either side.
  b = DefaultDecisionBounds(Input::Feuchteleit, 40);
  EXPECT_NEAR(b.lower, 40 / std::pow(200.0, 0.25), 1e-9);
  EXPECT_NEAR(b.upper, 40 * std::pow(200.0, 0.25), 1e-9);
  EXPECT_FALSE(IsDecisionCandidate(Input::deltaT));
  EXPECT_TRUE(IsDecisionCandidate(Input::Waermeuebergang));
}

TEST(OptimiseDialogParts, LimitBoxesReadDurationsAndNumbersAndTimeLeftFollowsThePace) {
  EXPECT_EQ(LimitBoxText(22000.2, "s"), QStringLiteral("6:06:41"));  // an upper limit rounds up
  EXPECT_EQ(ReadLimitBox(QStringLiteral("6:06:41"), "s"), 22001);
  EXPECT_FALSE(ReadLimitBox(QStringLiteral("6,1"), "s"));
  EXPECT_EQ(ReadLimitBox(QStringLiteral("1,25 %"), "%"), 1.25);
  EXPECT_FALSE(ReadLimitBox(QStringLiteral("ca. 2"), "%"));
  EXPECT_EQ(QuantityText(3512.44, "kJ/kg"), QStringLiteral("3512,44 kJ/kg"));
  EXPECT_EQ(QuantityText(std::numeric_limits<double>::quiet_NaN(), "kJ/kg"), QStringLiteral("–"));

  EXPECT_EQ(TimeLeftText(10, 2, 6), QStringLiteral("0:00:20"));
  EXPECT_EQ(TimeLeftText(10, 3, 4), QStringLiteral("0:00:04"));  // 3,33 s rounded up
  EXPECT_TRUE(TimeLeftText(10, 0, 6).isEmpty());
  EXPECT_TRUE(TimeLeftText(10, 6, 6).isEmpty());
}

TEST(OptimiseDialogParts, ThePathChartFillsFeasibleRunsAndDrawsTheBestSoFar) {
  SearchPathChart chart;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto point = [](double goal, bool feasible) {
    SearchPoint p;
    p.goal = goal;
    p.feasible = feasible;
    return p;
  };
  const std::vector<SearchPoint> path{point(5, true), point(3, false), point(nan, false), point(4, true),
                                      point(6, true), point(2, true)};
  chart.showPath(path, OptimiseGoals().front());
  ASSERT_EQ(chart.feasible().count(), 4);
  ASSERT_EQ(chart.infeasible().count(), 1);
  EXPECT_EQ(chart.infeasible().at(0), QPointF(2, 3));
  // The best feasible goal: 5 from run 1, 4 from run 4, 2 from run 6, to the last run.
  const QList<QPointF> best = chart.best().points();
  ASSERT_FALSE(best.isEmpty());
  EXPECT_EQ(best.front(), QPointF(1, 5));
  EXPECT_EQ(best.back(), QPointF(6, 2));
  for (qsizetype i = 1; i < best.size(); ++i) EXPECT_LE(best[i].y(), best[i - 1].y());
  EXPECT_TRUE(best.contains(QPointF(4, 4)));
  chart.showPath({}, OptimiseGoals().front());
  EXPECT_EQ(chart.feasible().count(), 0);
  EXPECT_EQ(chart.best().count(), 0);
}

// The program window with a quick case and its dialog, opened from the menu.
struct OptimiserWindow {
  AppWindow app;
  QStringList messages;
  OptimiseDialog* dialog = nullptr;

  OptimiserWindow() {
    app.setMessagePresenter([this](const QString& text) { messages << text; });
    app.area().setInputs(testing::QuickInputs());
    app.show();
    app.action(QStringLiteral("act_Optimieren"))->trigger();
    dialog = app.findChild<OptimiseDialog*>(QStringLiteral("dlg_Optimieren"));
    EXPECT_NE(dialog, nullptr);
    get<QSpinBox>("spn_Laeufe")->setValue(kQuickRuns);
  }
  template <class T = QWidget>
  T* get(const char* name) {
    T* child = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QString text(const char* name) { return get<QLabel>(name)->text(); }
  bool search() {
    get<QPushButton>("cmd_Start")->click();
    return QTest::qWaitFor([this] { return !dialog->running(); }, kSearchTimeoutMs);
  }
};

TEST(OptimiseDialog, OpensWithTheUsualChoicesOfTheCase) {
  OptimiserWindow w;
  auto* table = w.get<DecisionTable>("tbl_Entscheidungen");
  for (Input ticked : UsualDecisionInputs()) {
    EXPECT_EQ(table->item(table->rowOf(ticked), DecisionTable::Caption)->checkState(), Qt::Checked);
  }
  EXPECT_EQ(table->item(table->rowOf(Input::Dicke), DecisionTable::Caption)->checkState(), Qt::Unchecked);
  EXPECT_EQ(table->rowOf(Input::rund), -1);
  EXPECT_EQ(table->item(table->rowOf(Input::Dicke), DecisionTable::Current)->text(), QStringLiteral("4"));
  EXPECT_EQ(table->item(table->rowOf(Input::Lufttemp), DecisionTable::Lower)->text(), QStringLiteral("25"));
  EXPECT_EQ(table->item(table->rowOf(Input::Lufttemp), DecisionTable::Upper)->text(), QStringLiteral("45"));
  EXPECT_TRUE(w.get<QCheckBox>("chk_maxWaterBalanceError")->isChecked());
  EXPECT_EQ(w.get<QLineEdit>("txt_maxWaterBalanceError")->text(), QStringLiteral("6"));
  EXPECT_FALSE(w.get<QCheckBox>("chk_maxDryingTime")->isChecked());
  EXPECT_TRUE(w.get<QLineEdit>("txt_maxDryingTime")->text().isEmpty());  // no run of this case yet
  // Without plant data the heater power cannot be the goal.
  auto* goal = w.get<QComboBox>("cmb_Ziel");
  const int heater = goal->findData(static_cast<int>(OptimiseGoal::HeaterPower));
  ASSERT_GE(heater, 0);
  auto* goals = qobject_cast<QStandardItemModel*>(goal->model());
  EXPECT_FALSE(goals->item(heater)->isEnabled());
  EXPECT_FALSE(goals->item(heater)->toolTip().isEmpty());
  // With the plant's throughput in the case it can.
  w.app.document().setPlant(PlantData{PlantData::Basis::TonnesPerHour, 10, 0});
  w.get<QPushButton>("cmd_Grundfall")->click();
  EXPECT_TRUE(goals->item(heater)->isEnabled());
  goal->setCurrentIndex(heater);
  EXPECT_TRUE(w.text("lbl_Problem").isEmpty());
  ASSERT_TRUE(w.dialog->problem());
  EXPECT_EQ(w.dialog->problem()->goal, OptimiseGoal::HeaterPower);
  EXPECT_EQ(w.dialog->problem()->plant, w.app.document().plant());
  EXPECT_TRUE(w.text("lbl_Problem").isEmpty());
  EXPECT_TRUE(w.get<QPushButton>("cmd_Start")->isEnabled());
}

TEST(OptimiseDialog, LimitsStartFromTheRunOfTheCaseWhenItBelongsToTheBoxes) {
  AppWindow app;
  app.area().setInputs(testing::QuickInputs());
  ASSERT_EQ(testing::RunToEnd(app.area()).outcome, RunOutcome::Completed);
  const RunRecord& run = app.document().run()->record;
  app.action(QStringLiteral("act_Optimieren"))->trigger();
  auto* dialog = app.findChild<OptimiseDialog*>(QStringLiteral("dlg_Optimieren"));
  ASSERT_NE(dialog, nullptr);
  auto box = [dialog](const char* name) { return dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->text(); };
  EXPECT_EQ(ReadLimitBox(box("txt_maxDryingTime"), "s"), std::ceil(ResultOf("Zeit").value(run)));
  EXPECT_NEAR(ReadLimitBox(box("txt_maxShrinkageDifference"), "%").value_or(-1), std::fabs(ResultOf("schwinddiff").value(run)),
              1e-5 * std::fabs(ResultOf("schwinddiff").value(run)));
  EXPECT_NEAR(ReadLimitBox(box("txt_maxSupplyAirTemperature"), "°C").value_or(-1), ResultOf("ThetaZuluft").value(run), 1e-4);
  EXPECT_EQ(box("txt_maxWaterBalanceError"), QStringLiteral("6"));  // the usual limit, whatever the run's error
}

TEST(OptimiseDialog, SaysWhenTheWindowsInputsLeaveTheBaseAndTakesThemOnRequest) {
  OptimiserWindow w;
  auto* table = w.get<DecisionTable>("tbl_Entscheidungen");
  EXPECT_FALSE(w.text("lbl_Grundfall").contains(QStringLiteral("geändert")));
  InputTexts edited = w.app.area().inputs();
  edited[Input::Lufttemp] = "40";
  w.app.area().setInputs(edited);
  EXPECT_TRUE(w.text("lbl_Grundfall").contains(QStringLiteral("Ablufttemperatur")));
  EXPECT_EQ(table->item(table->rowOf(Input::Lufttemp), DecisionTable::Current)->text(), QStringLiteral("35"));
  w.get<QPushButton>("cmd_Grundfall")->click();
  EXPECT_FALSE(w.text("lbl_Grundfall").contains(QStringLiteral("geändert")));
  EXPECT_EQ(table->item(table->rowOf(Input::Lufttemp), DecisionTable::Current)->text(), QStringLiteral("40"));
  EXPECT_EQ(table->item(table->rowOf(Input::Lufttemp), DecisionTable::Upper)->text(), QStringLiteral("50"));
}

TEST(OptimiseDialog, ARefusedProblemIsSaidInRedAndCannotStart) {
  OptimiserWindow w;
  auto* table = w.get<DecisionTable>("tbl_Entscheidungen");
  table->item(table->rowOf(Input::Lufttemp), DecisionTable::Lower)->setText(QStringLiteral("zwanzig"));
  EXPECT_TRUE(w.text("lbl_Problem").contains(QStringLiteral("Ablufttemperatur")));
  EXPECT_TRUE(w.text("lbl_Problem").contains(QStringLiteral("untere Grenze")));
  EXPECT_FALSE(w.get<QPushButton>("cmd_Start")->isEnabled());
  table->item(table->rowOf(Input::Lufttemp), DecisionTable::Lower)->setText(QStringLiteral("25"));
  EXPECT_TRUE(w.get<QPushButton>("cmd_Start")->isEnabled());
  // A ticked limit without its value.
  w.get<QCheckBox>("chk_maxDryingTime")->setChecked(true);
  EXPECT_FALSE(w.text("lbl_Problem").isEmpty());
  EXPECT_FALSE(w.get<QPushButton>("cmd_Start")->isEnabled());
  w.get<QLineEdit>("txt_maxDryingTime")->setText(QStringLiteral("5:00:00"));
  EXPECT_TRUE(w.text("lbl_Problem").isEmpty());
  // A laboratory test at constant air is no dryer to optimise.
  w.app.document().setConstantAir(true);
  w.get<QPushButton>("cmd_Grundfall")->click();
  EXPECT_TRUE(w.text("lbl_Problem").contains(QStringLiteral("Laborversuch")));
  EXPECT_FALSE(w.get<QPushButton>("cmd_Start")->isEnabled());
  w.app.document().setConstantAir(false);
  w.get<QPushButton>("cmd_Grundfall")->click();
  w.get<QLineEdit>("txt_maxDryingTime")->setText(QStringLiteral("5:00:00"));
  EXPECT_TRUE(w.get<QPushButton>("cmd_Start")->isEnabled());
  // Nothing to vary: the optimiser's own refusal.
  for (Input ticked : UsualDecisionInputs()) {
    table->item(table->rowOf(ticked), DecisionTable::Caption)->setCheckState(Qt::Unchecked);
  }
  EXPECT_FALSE(w.text("lbl_Problem").isEmpty());
  EXPECT_FALSE(w.get<QPushButton>("cmd_Start")->isEnabled());
}

TEST(OptimiseDialog, ASearchRunsToItsEndAndUebernehmenChangesOnlyTheVariedBoxes) {
  OptimiserWindow w;
  const InputTexts before = w.app.area().inputs();
  QTemporaryDir folder;
  ASSERT_TRUE(w.app.document().saveAs(folder.filePath(QStringLiteral("schnell.lamvero"))).ok());
  ASSERT_FALSE(w.app.document().isModified());
  w.get<QLineEdit>("txt_maxWaterBalanceError")->setText(QStringLiteral("20"));  // the coarse steps' error is about 11 %
  ASSERT_TRUE(w.search());
  ASSERT_TRUE(w.dialog->result());
  const OptimiseResult& result = *w.dialog->result();
  ASSERT_EQ(result.status, OptimiseResult::Status::Found) << result.message;
  EXPECT_TRUE(w.text("lbl_Ergebnis").contains(QStringLiteral("Optimum gefunden")));
  EXPECT_TRUE(w.text("lbl_Ergebnis").contains(QString::fromStdString(result.optimum[Input::Lufttemp])));
  EXPECT_TRUE(w.text("lbl_Ergebnis").contains(QStringLiteral("Kontrolllauf")));
  EXPECT_EQ(w.get<QProgressBar>("bar_Fortschritt")->value(), static_cast<int>(std::min<std::size_t>(result.runs, kQuickRuns)));
  auto* chart = w.get<SearchPathChart>("chart_Suchpfad");
  EXPECT_GT(chart->feasible().count(), 0);
  EXPECT_EQ(w.app.area().inputs()[Input::Lufttemp], before[Input::Lufttemp]);  // nothing taken over yet

  auto* adopt = w.get<QPushButton>("cmd_Uebernehmen");
  ASSERT_TRUE(adopt->isEnabled());
  adopt->click();
  const InputTexts after = w.app.area().inputs();
  std::vector<Input> expected;
  for (Input varied : UsualDecisionInputs()) {
    EXPECT_EQ(after[varied], result.optimum[varied]);
    if (before[varied] != result.optimum[varied]) expected.push_back(varied);
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ChangedInputs(before, after), expected);
  EXPECT_FALSE(expected.empty());
  EXPECT_TRUE(w.app.document().isModified());
}

TEST(OptimiseDialog, AbbrechenStopsTheSearchAndLeavesTheInputsUnchanged) {
  OptimiserWindow w;
  const InputTexts before = w.app.area().inputs();
  w.get<QSpinBox>("spn_Laeufe")->setValue(200);
  w.get<QPushButton>("cmd_Start")->click();
  ASSERT_TRUE(w.dialog->running());
  EXPECT_FALSE(w.get<QPushButton>("cmd_Start")->isEnabled());
  w.get<QPushButton>("cmd_Abbrechen")->click();
  EXPECT_FALSE(w.dialog->running());
  EXPECT_TRUE(w.text("lbl_Ergebnis").contains(QStringLiteral("Abgebrochen")));
  EXPECT_FALSE(w.get<QPushButton>("cmd_Uebernehmen")->isEnabled());
  EXPECT_TRUE(w.get<QPushButton>("cmd_Start")->isEnabled());
  QTest::qWait(50);  // anything the search posted before it stopped
  EXPECT_TRUE(ChangedInputs(before, w.app.area().inputs()).empty());
  EXPECT_FALSE(w.dialog->result());
}

TEST(OptimiseDialog, AProblemNoRunCanMeetIsShownAsInfeasibleWithItsBlockingLimit) {
  OptimiserWindow w;
  w.get<QCheckBox>("chk_maxDryingTime")->setChecked(true);
  w.get<QLineEdit>("txt_maxDryingTime")->setText(QStringLiteral("0:00:01"));
  ASSERT_TRUE(w.search());
  ASSERT_TRUE(w.dialog->result());
  EXPECT_EQ(w.dialog->result()->status, OptimiseResult::Status::Infeasible);
  EXPECT_EQ(w.dialog->result()->blockedBy, OptimiseLimit::DryingTime);
  EXPECT_TRUE(w.text("lbl_Ergebnis").contains(QStringLiteral("Kein zulässiger Punkt")));
  EXPECT_TRUE(w.text("lbl_Ergebnis").contains(QStringLiteral("#c00000")));
  EXPECT_FALSE(w.get<QPushButton>("cmd_Uebernehmen")->isEnabled());
}

}  // namespace
}  // namespace lamvero
