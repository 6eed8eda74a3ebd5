// The display on a real window: texts reach their boxes when it yields,
// colours show, drawing lands where the user scale puts it.

#include <gtest/gtest.h>

#include <QLabel>
#include <QFontMetricsF>
#include <QLineEdit>
#include <limits>

#include "ui/calculator/mainwindow.h"
#include "ui/calculator/plotarea.h"
#include "ui/calculator/qtdisplay.h"

namespace lamvero {
namespace {

// Text is antialiased: count the pixels that are clearly red.
int CountReddish(const QImage& image) {
  int n = 0;
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb p = rgb.pixel(x, y);
      n += qRed(p) > 160 && qGreen(p) < 110 && qBlue(p) < 110;
    }
  return n;
}

int CountPixels(const QImage& image, QRgb colour) {
  int n = 0;
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x) n += (rgb.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
  return n;
}

TEST(QtDisplay, TextsAndColoursReachTheControls) {
  MainWindow w;
  w.show();
  auto& d = dynamic_cast<QtDisplay&>(w.display());
  auto* box = w.findChild<QLineEdit*>("txt_Wasserfehler");
  auto* label = w.findChild<QLabel*>("lbl_Wasserfehler");
  ASSERT_TRUE(box && label);

  d.setVisible(RunControl::txt_Wasserfehler, true);
  d.setVisible(RunControl::lbl_Wasserfehler, true);
  d.setText(RunControl::txt_Wasserfehler, "7,5");
  d.yield();
  EXPECT_EQ(box->text(), "7,5");
  ASSERT_EQ(CountReddish(box->grab().toImage()), 0);  // dark blue at first

  d.setColor(RunControl::txt_Wasserfehler, Rgb{255, 0, 0});
  d.setColor(RunControl::lbl_Wasserfehler, Rgb{255, 0, 0});
  d.repaint(RunControl::txt_Wasserfehler);
  // Names the window does not have change nothing.
  d.setText("txt_Unbekannt", "1");
  d.setVisible("lbl_Unbekannt", true);
  d.setColor("lbl_Unbekannt", Rgb{1, 2, 3});

  d.yield();
  // The red shows in both, despite the boxes' own border style.
  EXPECT_GT(CountReddish(box->grab().toImage()), 5);
  EXPECT_GT(CountReddish(label->grab().toImage()), 5);
}

// A duration of ten hours or more has one digit more than its box was made
// for: it is set tighter and shown whole, with the whole text as a tooltip;
// a text that fits keeps the box's own font, so that it looks as before.
TEST(QtDisplay, LongDurationsAreShownWholeAndShortOnesUnchanged) {
  MainWindow w;
  w.show();
  auto& d = dynamic_cast<QtDisplay&>(w.display());
  // The running time has a wider box: twelve hours fit it as they are.
  const struct {
    RunControl control;
    bool tightened;
  } boxes[] = {{RunControl::txt_Zeit, false},  {RunControl::txt_Dauer1TA, true}, {RunControl::txt_t1xse, true},
               {RunControl::txt_t2xse, true}, {RunControl::txt_DauerGegenstrom, true}};
  for (const auto& [control, tightened] : boxes) {
    SCOPED_TRACE(ControlName(control));
    auto* box = w.findChild<QLineEdit*>(QString::fromLatin1(ControlName(control)));
    ASSERT_TRUE(box);
    const QFont font = box->font();
    const QString tip = box->toolTip();
    d.setVisible(control, true);
    d.setText(control, " 12:34:56");
    d.yield();
    EXPECT_EQ(box->text(), " 12:34:56");
    // The whole text, its leading blank included, in whole pixels as the line
    // edit counts it, within the box less its border and padding (1 + 1
    // pixels a side), the line edit's margins (2 a side) and the cursor (1).
    EXPECT_LE(qRound(QFontMetricsF(box->font()).horizontalAdvance(box->text())), box->contentsRect().width() - 9);
    EXPECT_EQ(box->font().pointSizeF(), font.pointSizeF());
    EXPECT_EQ(box->font() != font, tightened);
    if (tightened) {
      EXPECT_TRUE(box->toolTip().startsWith("12:34:56\n\n")) << box->toolTip().toStdString();
      EXPECT_TRUE(box->toolTip().endsWith(tip));
    } else {
      EXPECT_EQ(box->toolTip(), tip);
    }

    d.setText(control, " 1:23:45");
    d.yield();
    EXPECT_EQ(box->font(), font);
    EXPECT_EQ(box->toolTip(), tip);
  }
  // An input box keeps its font whatever it holds.
  auto* dicke = w.findChild<QLineEdit*>("txt_Dicke");
  const QFont inputFont = dicke->font();
  d.setText("txt_Dicke", "123456789012345678901234567890");
  d.yield();
  EXPECT_EQ(dicke->font(), inputFont);
}

TEST(QtDisplay, DrawingFollowsTheUserScaleAndFillWhiteClearsOnlyItsRectangle) {
  MainWindow w;
  w.show();
  Display& d = w.display();
  PlotArea& area = w.ausgabe();
  // Two full-width lines, one in the part Start clears, one below it.
  area.setPenWidth(1);
  area.line(0, 3000, 10500, 3000, Rgb{0, 0, 0});
  area.line(0, 5500, 10500, 5500, Rgb{0, 0, 0});
  d.refresh(Area::Ausgabe);
  const QImage before = area.image();
  // 6000 units over the inside's 291 pixels.
  const int row3000 = 3000 * before.height() / 6000, row5500 = 5500 * before.height() / 6000;
  EXPECT_EQ(before.pixel(before.width() / 2, row3000) & 0xffffff, 0u);
  EXPECT_EQ(before.pixel(before.width() / 2, row5500) & 0xffffff, 0u);
  EXPECT_EQ(CountPixels(before, qRgb(0, 0, 0)), 2 * before.width());

  d.fillWhite(Area::Ausgabe, 0, 0, 10500, 5000);
  const QImage after = area.image();
  EXPECT_EQ(after.pixel(after.width() / 2, row3000) & 0xffffff, 0xffffffu);
  EXPECT_EQ(after.pixel(after.width() / 2, row5500) & 0xffffff, 0u);

  // Lines reaching far out are clipped; lines outside or not finite draw nothing.
  area.line(-1e6f, 100, 1e6f, 100, Rgb{255, 0, 0});
  area.line(0, std::numeric_limits<float>::quiet_NaN(), 100, 100, Rgb{255, 0, 0});
  area.line(0, 100, std::numeric_limits<float>::infinity(), 100, Rgb{255, 0, 0});
  area.line(20000, 100, 30000, 200, Rgb{255, 0, 0});
  EXPECT_EQ(CountPixels(area.image(), qRgb(255, 0, 0)), area.image().width());  // only the first
  area.line(-1e30f, 200, 1e30f, 300, Rgb{0, 255, 0});  // absurd, but harmless
  EXPECT_LE(CountPixels(area.image(), qRgb(0, 255, 0)), area.image().width());
}

}  // namespace
}  // namespace lamvero
