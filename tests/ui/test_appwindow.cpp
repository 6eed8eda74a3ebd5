// The program window around the calculator area: natural size, small
// screens, and closing during a run.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "model/inputs.h"
#include "ui/appwindow.h"
#include "ui/mainwindow.h"

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
  // No file yet: the title names an untitled case before the area's caption.
  EXPECT_EQ(app.windowTitle(), QStringLiteral("Unbenannt[*]  -  ") + area.windowTitle());

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
  QTimer::singleShot(40, [&] { app.close(); });
  area.findChild<QPushButton*>(QStringLiteral("cmd_Start"))->click();
  EXPECT_FALSE(area.running());
  EXPECT_EQ(area.runState().StopFlag, 1);
  EXPECT_FALSE(app.isVisible());
  EXPECT_TRUE(area.findChild<QWidget*>(QStringLiteral("txt_ThetaZuluft"))->isHidden());
}

}  // namespace
}  // namespace lamvero
