// The window's accuracy estimate: made in the background after a run, kept
// with the run, shown in the status line and the panel, dropped with the run;
// the choice of steps fills the input boxes.

#include <gtest/gtest.h>

#include <QAction>
#include <QTableWidget>
#include <QTest>

#include "common/quickinputs.h"
#include "study/accuracy.h"
#include "study/autosteps.h"
#include "ui/calculator/mainwindow.h"
#include "ui/shell/accuracycontrol.h"
#include "ui/shell/accuracypanel.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/casedocument.h"
#include "windowdriver.h"

namespace lamvero {
namespace {

constexpr int kEstimateTimeoutMs = 120000;

// A window that estimates every run, as the program does unless told otherwise.
struct EstimatingWindow {
  AppWindow app;
  EstimatingWindow() { app.accuracy().setAutomatic(true); }
  ~EstimatingWindow() { app.accuracy().setAutomatic(false); }
  bool waitForEstimate() {
    return QTest::qWaitFor([this] { return app.document().run() && app.document().run()->accuracy; },
                           kEstimateTimeoutMs);
  }
  QString status() { return app.accuracy().statusText(); }
};

TEST(AccuracyInWindow, ARunIsEstimatedInTheBackgroundKeptWithItAndShown) {
  EstimatingWindow w;
  EXPECT_TRUE(w.status().isEmpty());
  w.app.area().setInputs(testing::QuickInputs());
  ASSERT_EQ(testing::RunToEnd(w.app.area()).outcome, RunOutcome::Completed);
  EXPECT_TRUE(w.app.accuracy().busy());
  EXPECT_TRUE(w.status().startsWith(QStringLiteral("Genauigkeit: Schätzung läuft")));
  ASSERT_TRUE(w.waitForEstimate());

  const AccuracyEstimate& estimate = *w.app.document().run()->accuracy;
  EXPECT_EQ(estimate.results.size(), AccuracyKeys().size());
  EXPECT_EQ(estimate.levels.front().deltaT, testing::QuickInputs()[Input::deltaT]);
  EXPECT_TRUE(w.status().startsWith(QStringLiteral("Genauigkeit: ")));
  EXPECT_FALSE(w.status().contains(QStringLiteral("läuft")));
  auto* table = w.app.accuracy().panel().findChild<QTableWidget*>(QStringLiteral("tbl_Genauigkeit"));
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), static_cast<int>(AccuracyKeys().size()));

  // A stricter tolerance marks more, and nothing is computed again.
  const double before = w.app.accuracy().tolerancePercent();
  w.app.accuracy().setTolerancePercent(0.0001);
  EXPECT_FALSE(w.app.accuracy().busy());
  const AccuracyEstimate& strict = *w.app.document().run()->accuracy;
  EXPECT_TRUE(std::any_of(strict.results.begin(), strict.results.end(), [](const AccuracyResult& r) { return r.exceeds; }));
  EXPECT_TRUE(w.status().contains(QStringLiteral("über 0,0001 %")));
  w.app.accuracy().setTolerancePercent(before);

  // A new run drops the estimate of the old one and is estimated itself.
  InputTexts other = testing::QuickInputs();
  other[Input::Dicke] = "5";
  w.app.area().setInputs(other);
  ASSERT_EQ(testing::RunToEnd(w.app.area()).outcome, RunOutcome::Completed);
  EXPECT_FALSE(w.app.document().run()->accuracy);
  ASSERT_TRUE(w.waitForEstimate());
  EXPECT_EQ(w.app.document().run()->record.inputs[Input::Dicke], "5");
}

TEST(AccuracyInWindow, ANewRunStopsTheEstimateOfTheOldAndClosingWaitsForNothing) {
  auto w = std::make_unique<EstimatingWindow>();
  InputTexts in = InputTexts::Defaults();  // an estimate of many seconds
  w->app.area().setInputs(in);
  ASSERT_EQ(testing::RunToEnd(w->app.area()).outcome, RunOutcome::Completed);
  ASSERT_TRUE(w->app.accuracy().busy());
  w->app.area().setInputs(testing::QuickInputs());
  ASSERT_EQ(testing::RunToEnd(w->app.area()).outcome, RunOutcome::Completed);
  ASSERT_TRUE(w->waitForEstimate());  // the quick run's, not the default case's
  EXPECT_EQ(w->app.document().run()->accuracy->levels.front().deltaT, testing::QuickInputs()[Input::deltaT]);

  w->app.area().setInputs(in);
  ASSERT_EQ(testing::RunToEnd(w->app.area()).outcome, RunOutcome::Completed);
  ASSERT_TRUE(w->app.accuracy().busy());
  w.reset();  // stops the estimate's levels at their next step
}

TEST(AccuracyInWindow, WithoutTheAutomaticEstimateTheStatusSaysHowToAskForOne) {
  AppWindow app;
  ASSERT_FALSE(app.accuracy().automatic());
  app.area().setInputs(testing::QuickInputs());
  ASSERT_EQ(testing::RunToEnd(app.area()).outcome, RunOutcome::Completed);
  EXPECT_FALSE(app.accuracy().busy());
  EXPECT_TRUE(app.accuracy().statusText().contains(QStringLiteral("nicht geschätzt")));
  app.accuracy().estimateNow();
  EXPECT_TRUE(QTest::qWaitFor([&] { return app.document().run()->accuracy.has_value(); }, kEstimateTimeoutMs));
}

TEST(AccuracyInWindow, ChosenStepsGoIntoTheInputBoxesAndAMessageSaysWhatWasFound) {
  AppWindow app;
  QStringList messages;
  app.accuracy().setMessagePresenter([&](const QString& text) { messages << text; });
  app.area().setInputs(testing::QuickInputs());
  app.accuracy().chooseSteps(2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }, kEstimateTimeoutMs));
  EXPECT_TRUE(messages.front().contains(QStringLiteral("gewählte Schrittweiten"))) << messages.front().toStdString();
  const InputTexts chosen = app.area().inputs();
  EXPECT_NE(chosen[Input::deltaT], testing::QuickInputs()[Input::deltaT]);
  EXPECT_TRUE(messages.front().contains(QString::fromStdString(chosen[Input::deltaT])));
  EXPECT_EQ(chosen[Input::Dicke], testing::QuickInputs()[Input::Dicke]);  // nothing else touched
}

TEST(AccuracyInWindow, StepsFinerThanAWindowRunTakesAreToldAndLeaveTheBoxesAlone) {
  AppWindow app;
  QStringList messages;
  app.accuracy().setMessagePresenter([&](const QString& text) { messages << text; });
  InputTexts thick = testing::QuickInputs();
  thick[Input::Dicke] = "40";
  thick[Input::Ortsschrittweite] = "0,05";
  thick[Input::deltaT] = "50";
  app.area().setInputs(thick);
  app.accuracy().chooseSteps(0.5);  // chooses 0,0125 mm: 1500 spatial steps per half plate
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }, kEstimateTimeoutMs));
  EXPECT_TRUE(messages.front().contains(QStringLiteral("0,0125 mm"))) << messages.front().toStdString();
  EXPECT_TRUE(messages.front().contains(QStringLiteral("nimmt eine Rechnung im Fenster nicht")));
  EXPECT_EQ(app.area().inputs()[Input::Ortsschrittweite], "0,05");
}

TEST(AccuracyInWindow, TheMenusReachThePanelAndTheChoiceOfSteps) {
  AppWindow app;
  ASSERT_NE(app.action(QStringLiteral("act_Genauigkeit")), nullptr);
  ASSERT_NE(app.action(QStringLiteral("act_SchrittweitenAutomatisch")), nullptr);
  app.action(QStringLiteral("act_Genauigkeit"))->trigger();
  EXPECT_TRUE(app.accuracy().panel().isVisible());
  app.accuracy().panel().close();
}

}  // namespace
}  // namespace lamvero
