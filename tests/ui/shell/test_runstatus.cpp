// The status line of the shown run: a run that ended before the plate was
// dry says so and when, after its message; Anhalten stops a run also in a
// pause; a case file without series says why the curves are missing.

#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "text/numberformat.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/runstatus.h"
#include "ui/shell/statuslines.h"
#include "windowdriver.h"

namespace lamvero {
namespace {

RunRecord EndedAt(RunOutcome outcome, double seconds) {
  RunRecord r;
  r.outcome = outcome;
  r.series = RunSeries::WithCapacity(4);
  r.series.nReihe = 2;
  r.series.tReihe[2] = seconds;
  return r;
}

TEST(RunStatus, SaysWhyAndWhenARunEndedEarly) {
  EXPECT_EQ(RunStatus::EndedEarly(EndedAt(RunOutcome::Stopped, 5025.4)), "Lauf angehalten nach 1:23:45 (Stop)");
  EXPECT_EQ(RunStatus::EndedEarly(EndedAt(RunOutcome::SeriesFull, 39600.6)),
            "Lauf angehalten nach 11:00:01 (Zeitreihen voll)");
  EXPECT_EQ(RunStatus::EndedEarly(EndedAt(RunOutcome::Failed, 59)),
            "Lauf abgebrochen nach 0:00:59 (Feuchteprofil nicht mehr endlich)");
  EXPECT_EQ(RunStatus::EndedEarly(EndedAt(RunOutcome::Completed, 5025)), "");
  // A stored run without its series still says why it ended.
  RunRecord stored;
  stored.outcome = RunOutcome::Stopped;
  EXPECT_EQ(RunStatus::EndedEarly(stored), "Lauf angehalten (Stop)");
  // A case file's run: the curves of a completed run need its series.
  EXPECT_EQ(RunStatus::OfOpenedRun(EndedAt(RunOutcome::Completed, 5025), true), "");
  EXPECT_EQ(RunStatus::OfOpenedRun(EndedAt(RunOutcome::Completed, 5025), false),
            "Die Datei enthält keine Zeitreihen; Diagramme nach einem neuen Lauf");
  EXPECT_EQ(RunStatus::OfOpenedRun(stored, false), "Lauf angehalten (Stop)");
}

TEST(RunStatus, AnhaltenStopsARunAlsoInAPauseAndTheLineStaysUntilNochmal) {
  AppWindow app;
  app.show();
  MainWindow& area = app.area();
  QStringList messages;
  area.setMessagePresenter([&](const QString& text) { messages << text; });
  QAction* stop = app.action(QStringLiteral("act_Anhalten"));
  ASSERT_NE(stop, nullptr);
  EXPECT_FALSE(stop->isEnabled());
  auto line = [&] { return app.statusLines().text(QLatin1String(RunStatus::kLine)); };

  ASSERT_TRUE(area.runStart());
  EXPECT_TRUE(stop->isEnabled());
  auto* pause = area.findChild<QPushButton*>(QStringLiteral("cmd_Pause"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !pause->isHidden(); }, testing::Window::kRunTimeoutMs));
  pause->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return area.runController().holding(); }, testing::Window::kRunTimeoutMs));
  EXPECT_TRUE(stop->isEnabled());
  stop->trigger();
  EXPECT_FALSE(stop->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !area.runController().active(); }, testing::Window::kRunTimeoutMs));
  EXPECT_EQ(area.lastRun().outcome, RunOutcome::Stopped);
  EXPECT_TRUE(messages.isEmpty());
  const QString when = QString::fromStdString(FormatDuration(std::floor(area.runState().now.Zeit + 0.5))).trimmed();
  EXPECT_EQ(line(), QStringLiteral("Lauf angehalten nach %1 (Stop)").arg(when));

  area.findChild<QPushButton*>(QStringLiteral("cmd_Neustart"))->click();
  EXPECT_EQ(line(), "");
}

}  // namespace
}  // namespace lamvero
