#include "ui/calculator/textfit.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace lamvero {

namespace {
// A line edit keeps this many pixels free on each side of its text, and one
// for the cursor after it.
constexpr int kLineEditMargin = 2;
constexpr int kCursorWidth = 1;
}  // namespace

QFont FittingFont(const QFont& base, const QString& text, double available) {
  if (text.isEmpty()) return base;
  const double width = QFontMetricsF(base).horizontalAdvance(text);
  if (width <= available) return base;
  QFont f = base;
  if (text.size() == 1) {
    f.setStretch(static_cast<int>(100 * available / width));
  } else {
    f.setLetterSpacing(QFont::AbsoluteSpacing, -(width - available) / (text.size() - 1));
  }
  return f;
}

void FitLabel(QLabel& label, double available) {
  // A caption's trailing blank is not seen: it may reach beyond the label.
  label.setFont(FittingFont(label.font(), label.text().trimmed(), available));
}

double TextRoom(const QLineEdit& box) {
  // The frame as the line edit itself asks its style for it.
  QStyleOptionFrame frame;
  frame.initFrom(&box);
  frame.rect = box.contentsRect();
  frame.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &box) : 0;
  frame.midLineWidth = 0;
  frame.state |= QStyle::State_Sunken;
  if (box.isReadOnly()) frame.state |= QStyle::State_ReadOnly;
  const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &frame, &box);
  const QMargins text = box.textMargins();
  // The line edit rounds a text's width to whole pixels before it compares.
  return contents.width() - text.left() - text.right() - 2 * kLineEditMargin - kCursorWidth + 0.5;
}

void ShowWhole(QLineEdit& box, const QString& text, const QFont& base, const QString& toolTip) {
  const QFont font = FittingFont(base, text, TextRoom(box));
  if (box.font() != font) box.setFont(font);
  QString tip = toolTip;
  if (font != base) tip = toolTip.isEmpty() ? text.trimmed() : text.trimmed() + QStringLiteral("\n\n") + toolTip;
  if (box.toolTip() != tip) box.setToolTip(tip);
}

}  // namespace lamvero
