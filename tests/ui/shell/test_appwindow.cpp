// The program window around the calculator area: natural size, small
// screens, and closing during a run.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QUrl>

#include <cstdio>
#include "text/csvformat.h"
#include "inputs/inputs.h"
#include "common/quickinputs.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/casedocument.h"
#include "disk/casefiles.h"
#include "ui/shell/filemenu.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"
#include "windowdriver.h"
#include "present/resultrows.h"

namespace lamvero {
namespace {

TEST(AppWindowSize, TheWholeAreaWhenItFitsElseTheScreenWithRoomForTheScrollBar) {
  const QSize area(1020, 739);
  EXPECT_EQ(AppWindow::FittingSize(area, QSize(1904, 1032), 15), area);
  EXPECT_EQ(AppWindow::FittingSize(area, area, 15), area);
  // 1366 x 768 with a panel: only the height is short, the width takes the bar.
  EXPECT_EQ(AppWindow::FittingSize(area, QSize(1350, 690), 15), QSize(1035, 690));
  // 1920 x 1080 at 150 %: 1280 x 720 logical pixels.
  EXPECT_EQ(AppWindow::FittingSize(area, QSize(1264, 672), 15), QSize(1035, 672));
  // Short in both directions.
  EXPECT_EQ(AppWindow::FittingSize(area, QSize(800, 600), 15), QSize(800, 600));
  // Only the width is short.
  EXPECT_EQ(AppWindow::FittingSize(area, QSize(900, 1000), 15), QSize(900, 754));
}

TEST(AppWindowSize, TheAreaKeepsItsSizeAndStartStaysReachableOnASmallScreen) {
  AppWindow app;
  app.show();
  MainWindow& area = app.area();
  EXPECT_EQ(app.scrollArea().widget(), &area);
  EXPECT_EQ(area.size(), QSize(1020, 739));  // scrolled, not squeezed
  // No file yet: the title names an untitled case before the program and its subject.
  EXPECT_EQ(app.windowTitle(),
            QStringLiteral("Unbenannt[*]  -  ") + ProgramName() + QStringLiteral("  -  Symmetrische Trocknung einer Platte aus Ziegelton"));

  // The offscreen screen is narrower than the area: the window fits it and scrolls.
  const QSize free = QGuiApplication::primaryScreen()->availableGeometry().size();
  ASSERT_LT(free.width(), area.width());
  EXPECT_LE(app.width(), free.width());
  EXPECT_LE(app.height(), free.height());
  QScrollArea& scroll = app.scrollArea();
  EXPECT_EQ(scroll.horizontalScrollBar()->maximum(), area.width() - scroll.viewport()->width());
  for (const char* name : {"pic_Zeit", "cmd_Start", "lbl_Dicke"}) {
    QWidget* w = area.findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(w, nullptr) << name;
    scroll.ensureWidgetVisible(w, 0, 0);
    const QRect shown(w->mapTo(scroll.viewport(), QPoint(0, 0)), w->size());
    EXPECT_TRUE(scroll.viewport()->rect().contains(shown)) << name;
  }
}

TEST(AppWindowKeys, TabCirclesThroughTheAreasInputsAndStartOnly) {
  AppWindow app;
  app.show();
  QWidget* first = app.area().findChild<QWidget*>(QStringLiteral("txt_Dicke"));
  first->setFocus();
  QStringList order;
  for (std::size_t i = 0; i < kInputCount + 1; ++i) {
    QTest::keyClick(app.focusWidget(), Qt::Key_Tab);
    order << app.focusWidget()->objectName();
  }
  EXPECT_EQ(order.size(), static_cast<int>(kInputCount) + 1);
  EXPECT_EQ(order[kInputCount - 1], "cmd_Start");
  EXPECT_EQ(order.back(), "txt_Dicke");
  EXPECT_FALSE(order.contains("scroll_Lamvero"));
}

TEST(AppWindowClose, ClosingDuringARunStopsItAndThenClosesTheWindow) {
  AppWindow app;
  app.show();
  MainWindow& area = app.area();
  area.setMessagePresenter([](const QString&) {});
  ASSERT_TRUE(area.runStart());
  app.close();
  EXPECT_TRUE(app.isVisible());  // until the run has ended
  EXPECT_TRUE(QTest::qWaitFor([&] { return !area.runController().active(); }, testing::Window::kRunTimeoutMs));
  EXPECT_TRUE(area.runState().StopFlag);
  EXPECT_FALSE(app.isVisible());
  EXPECT_TRUE(area.findChild<QWidget*>(QStringLiteral("txt_ThetaZuluft"))->isHidden());
}

// While a run is active, also while it is paused, every entry that writes
// files, opens a dialog or would change the inputs is disabled, and a file
// dropped or named is refused; afterwards they work again.
TEST(AppWindowMenus, EntriesThatWouldInterfereFollowTheRunsPhase) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("fall.lamvero"));
  AppWindow app;
  app.show();
  FileMenu::Dialogs dialogs;
  dialogs.askSave = [](const QString&) { return QMessageBox::Discard; };
  dialogs.warn = [](const QString& text) { ADD_FAILURE() << text.toStdString(); };
  app.fileActions().setDialogs(dialogs);
  MainWindow& area = app.area();
  area.setInputs(testing::QuickInputs());
  testing::RunToEnd(area);
  ASSERT_TRUE(app.document().saveAs(path).ok());
  area.findChild<QPushButton*>(QStringLiteral("cmd_Neustart"))->click();
  area.setInputs(InputTexts::Defaults());

  const QStringList interfering = {"act_Neu", "act_Oeffnen", "act_Speichern", "act_SpeichernUnter",
                                   "act_Exportieren", "act_Zuletzt", "act_ZeitreihenCsv", "act_ErgebnisseCsv",
                                   "act_FensterbildPng", "act_BerichtPdf", "act_Drucken", "act_ErgebnisseKopieren"};
  auto enabled = [&](const QString& name) {
    const QAction* a = app.action(name);
    EXPECT_NE(a, nullptr) << name.toStdString();
    return a && a->isEnabled();
  };
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  auto dropAccepted = [&] {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app, &enter);
    return enter.isAccepted();
  };
  for (const QString& name : interfering) EXPECT_TRUE(enabled(name)) << name.toStdString();
  EXPECT_TRUE(dropAccepted());

  ASSERT_TRUE(area.runStart());
  for (const bool paused : {false, true}) {
    SCOPED_TRACE(paused ? "paused" : "running");
    if (paused) {
      ASSERT_TRUE(area.runController().pause());
    }
    for (const QString& name : interfering) EXPECT_FALSE(enabled(name)) << name.toStdString();
    EXPECT_TRUE(enabled(QStringLiteral("act_Beenden")));
    EXPECT_TRUE(enabled(QStringLiteral("act_UeberLamvero")));
    EXPECT_FALSE(dropAccepted());
    EXPECT_FALSE(app.openFile(path));
    EXPECT_EQ(area.inputs()[Input::Dicke], InputTexts::Defaults()[Input::Dicke]);
  }
  ASSERT_TRUE(area.runController().stop());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !area.runController().active(); }, testing::Window::kRunTimeoutMs));
  for (const QString& name : interfering) EXPECT_TRUE(enabled(name)) << name.toStdString();
  EXPECT_TRUE(dropAccepted());
  EXPECT_TRUE(app.openFile(path));
  EXPECT_EQ(area.inputs()[Input::Dicke], testing::QuickInputs()[Input::Dicke]);
}

// The titles of a menu's entries, "-" for a separator, "Title >" for a submenu.
QStringList Entries(const QMenu* menu) {
  QStringList entries;
  for (const QAction* a : menu->actions()) {
    entries << (a->isSeparator() ? QStringLiteral("-") : a->menu() ? a->text() + QStringLiteral(" >") : a->text());
  }
  return entries;
}

TEST(AppWindowMenus, EntriesShortcutsAndWhatWaitsForAFinishedRun) {
  AppWindow app;
  // Datei: … Exportieren ▸ (…, Fensterbild als PNG…, Bericht als PDF…), Drucken…, -, Beenden.
  const QStringList datei = Entries(&app.fileMenu());
  const int print = datei.indexOf(QStringLiteral("&Drucken…"));
  ASSERT_GE(print, 1) << datei.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(datei[print - 1], QStringLiteral("&Exportieren >"));
  EXPECT_EQ(datei.mid(print + 1), (QStringList{QStringLiteral("-"), QStringLiteral("&Beenden")}));
  const QStringList exports = Entries(&app.exportMenu());
  EXPECT_EQ(exports.mid(exports.size() - 2),
            (QStringList{QStringLiteral("&Fensterbild als PNG…"), QStringLiteral("&Bericht als PDF…")}));
  EXPECT_EQ(Entries(&app.editMenu()), QStringList{QStringLiteral("Ergebnisse &kopieren")});
  EXPECT_EQ(Entries(&app.helpMenu()), (QStringList{QStringLiteral("&Handbuch"), QStringLiteral("Über &Lamvero")}));
  EXPECT_TRUE(app.editMenu().menuAction()->isVisible());
  EXPECT_TRUE(app.helpMenu().menuAction()->isVisible());
  EXPECT_EQ(app.action(QStringLiteral("act_Drucken"))->shortcut(), QKeySequence(QKeySequence::Print));

  // Before the first run there is nothing to report, print or copy.
  const QStringList needRun = {QStringLiteral("act_BerichtPdf"), QStringLiteral("act_Drucken"),
                               QStringLiteral("act_ErgebnisseKopieren")};
  for (const QString& name : needRun) EXPECT_FALSE(app.action(name)->isEnabled()) << name.toStdString();
  EXPECT_TRUE(app.action(QStringLiteral("act_FensterbildPng"))->isEnabled());
  EXPECT_TRUE(app.action(QStringLiteral("act_UeberLamvero"))->isEnabled());

  // While a run executes nothing writes files or opens a dialog; the window itself refreshes its menu first.
  int checkedDuringRun = 0;
  QObject::connect(&app.area(), &MainWindow::runStarted, &app, [&] {
    ++checkedDuringRun;
    for (const QString& name : needRun) EXPECT_FALSE(app.action(name)->isEnabled()) << name.toStdString();
    EXPECT_FALSE(app.action(QStringLiteral("act_FensterbildPng"))->isEnabled());
    EXPECT_TRUE(app.action(QStringLiteral("act_UeberLamvero"))->isEnabled());
  });
  app.area().setInputs(testing::QuickInputs());
  ASSERT_EQ(testing::RunToEnd(app.area()).outcome, RunOutcome::Completed);
  EXPECT_EQ(checkedDuringRun, 1);
  for (const QString& name : needRun) EXPECT_TRUE(app.action(name)->isEnabled()) << name.toStdString();
  EXPECT_TRUE(app.action(QStringLiteral("act_FensterbildPng"))->isEnabled());

  // A refused input keeps the last run to report on.
  InputTexts bad = testing::QuickInputs();
  bad[Input::Ortsschrittweite] = "0";
  app.area().setInputs(bad);
  app.area().setMessagePresenter([](const QString&) {});
  ASSERT_EQ(testing::RunToEnd(app.area()).outcome, RunOutcome::Refused);
  for (const QString& name : needRun) EXPECT_TRUE(app.action(name)->isEnabled()) << name.toStdString();

  // The About box and the title bar give the same version.
  const QString about = AppWindow::AboutText();
  EXPECT_TRUE(about.contains(ProgramName()));
  EXPECT_TRUE(app.windowTitle().contains(ProgramName()));
  EXPECT_TRUE(about.contains(QLatin1String("GPL-3.0-or-later")));
  EXPECT_TRUE(about.contains(QStringLiteral("Qt %1").arg(QLatin1String(qVersion()))));
  EXPECT_TRUE(about.contains(QLatin1String("LGPL")));
}

TEST(AppWindowCommands, CopyPutsTheVisibleResultRowsOnTheClipboardAsTabSeparatedLines) {
  AppWindow app;
  QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
  app.action(QStringLiteral("act_ErgebnisseKopieren"))->trigger();  // disabled: no run yet
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("vorher"));

  app.area().setInputs(testing::QuickInputs());
  ASSERT_EQ(testing::RunToEnd(app.area()).outcome, RunOutcome::Completed);
  app.action(QStringLiteral("act_ErgebnisseKopieren"))->trigger();
  const QString copied = QGuiApplication::clipboard()->text();
  const RunRecord& r = app.area().lastRun();
  EXPECT_EQ(copied.toStdString(), ResultRowsTsv(r));

  const QStringList lines = copied.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  const std::vector<ResultRow> rows = VisibleResultRows(r);
  ASSERT_EQ(lines.size(), static_cast<int>(rows.size()) + 1);
  EXPECT_EQ(lines[0], QStringLiteral("Ergebnis\tAnzeige im Fenster\tWert\tEinheit"));
  // The whole seconds the window's h:mm:ss shows.
  const std::string shown = r.controls.at("txt_Dauer1TA").text;
  int h = 0, m = 0, sec = 0;
  ASSERT_EQ(std::sscanf(shown.c_str(), " %d:%d:%d", &h, &m, &sec), 3) << shown;
  const QString dauer = QStringLiteral("Dauer des 1. Trocknungsabschnitts\t%1\t%2\ts")
                            .arg(QString::fromStdString(shown), QString::number(3600 * h + 60 * m + sec));
  EXPECT_TRUE(lines.contains(dauer)) << copied.toStdString();
  EXPECT_TRUE(lines.contains(QStringLiteral("mom. oberfl. Kapillarströmung in mm/h\t-\t\t")));
  // The quick run's water error is high: its warning closes the table, one label a line.
  EXPECT_EQ(lines.mid(lines.size() - 3), (QStringList{QStringLiteral("evtl. sehr ungenau !"),
                                                      QStringLiteral("Zeitschrittweite verkleinern od."),
                                                      QStringLiteral("Ortsschrittweite vergrößern!")}));
  for (int i = 0; i < lines.size() - 3; ++i) EXPECT_EQ(lines[i].count(QLatin1Char('\t')), 3) << lines[i].toStdString();
}

TEST(AppWindowCommands, AnOpenedCaseFileIsWhatIsCopiedAndReported) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("platte.lamvero"));
  QString copiedAfterRun;
  {
    AppWindow app;
    app.area().setInputs(testing::QuickInputs());
    ASSERT_EQ(testing::RunToEnd(app.area()).outcome, RunOutcome::Completed);
    ASSERT_TRUE(app.document().saveAs(path).ok());
    app.copyResults();
    copiedAfterRun = QGuiApplication::clipboard()->text();
  }
  AppWindow app;
  for (const char* name : {"act_BerichtPdf", "act_Drucken", "act_ErgebnisseKopieren"}) {
    EXPECT_FALSE(app.action(QLatin1String(name))->isEnabled()) << name;  // nothing shown yet
  }
  ASSERT_TRUE(app.openFile(path));
  EXPECT_TRUE(app.action(QStringLiteral("act_ErgebnisseKopieren"))->isEnabled());
  QGuiApplication::clipboard()->clear();
  app.copyResults();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), copiedAfterRun);
  const ReportInfo info = app.reportInfo();
  EXPECT_EQ(info.title, QStringLiteral("platte"));
  EXPECT_EQ(info.fileName, QDir::toNativeSeparators(path));
  app.setMessagePresenter([](const QString& text) { ADD_FAILURE() << text.toStdString(); });
  EXPECT_TRUE(app.exportReport(dir.filePath(QStringLiteral("platte.pdf"))));
}

TEST(AppWindowCommands, ExportsWriteThePictureAndTheReportAndSayWhyTheyCouldNot) {
  AppWindow app;
  app.show();
  QTemporaryDir dir;
  QString chosen;
  QStringList suggested;
  app.setSavePathChooser([&](const QString&, const QString& suggestion, const QString&) {
    suggested << suggestion;
    return chosen;
  });
  QStringList messages;
  app.setMessagePresenter([&](const QString& text) { messages << text; });
  app.area().setInputs(testing::QuickInputs());
  ASSERT_EQ(testing::RunToEnd(app.area()).outcome, RunOutcome::Completed);

  chosen = dir.filePath(QStringLiteral("fenster"));  // the suffix comes with the format
  app.action(QStringLiteral("act_FensterbildPng"))->trigger();
  const QImage picture(chosen + QStringLiteral(".png"));
  EXPECT_EQ(picture.size(), app.area().size());
  EXPECT_TRUE(suggested.last().endsWith(QLatin1String("Lamvero-Fenster.png")));

  chosen = dir.filePath(QStringLiteral("bericht.pdf"));
  app.action(QStringLiteral("act_BerichtPdf"))->trigger();
  QFile pdf(chosen);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  // The next dialog opens where the last export went.
  EXPECT_TRUE(suggested.last().startsWith(dir.path())) << suggested.last().toStdString();
  EXPECT_TRUE(messages.isEmpty());

  chosen = dir.filePath(QStringLiteral("fehlt/bericht.pdf"));
  app.action(QStringLiteral("act_BerichtPdf"))->trigger();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(chosen)) << messages[0].toStdString();
  chosen = dir.filePath(QStringLiteral("fehlt/fenster.png"));
  app.action(QStringLiteral("act_FensterbildPng"))->trigger();
  ASSERT_EQ(messages.size(), 2);
  EXPECT_TRUE(messages[1].contains(chosen)) << messages[1].toStdString();

  // Cancelling the dialog writes nothing and says nothing.
  chosen.clear();
  app.action(QStringLiteral("act_BerichtPdf"))->trigger();
  EXPECT_EQ(messages.size(), 2);
}

}  // namespace
}  // namespace lamvero
