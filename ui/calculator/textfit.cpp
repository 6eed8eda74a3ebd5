#include "ui/calculator/textfit.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVariant>

#include "text/language.h"

namespace lamvero {

namespace {
// A line edit keeps this many pixels free on each side of its text, and one
// for the cursor after it.
constexpr int kLineEditMargin = 2;
constexpr int kCursorWidth = 1;
// A label cut short keeps the pixels it may take and its own tooltip in these properties.
const char* const kRoom = "lamveroRoom";
const char* const kOwnToolTip = "lamveroOwnToolTip";
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
  if (CurrentLanguage() == Language::English) {
    // English captions run longer than the German ones the layout was made
    // for: tightened that much they would not read, so they are cut short.
    label.setProperty(kRoom, available);
    label.setProperty(kOwnToolTip, label.toolTip());
    SetLabelText(label, label.text());
    return;
  }
  // A caption's trailing blank is not seen: it may reach beyond the label.
  label.setFont(FittingFont(label.font(), label.text().trimmed(), available));
}

void SetLabelText(QLabel& label, const QString& text) {
  const QVariant room = label.property(kRoom);
  if (!room.isValid()) {
    label.setText(text);
    return;
  }
  const QString whole = text.trimmed();
  const QFontMetricsF metrics(label.font());
  const QString own = label.property(kOwnToolTip).toString();
  QString tip = own;
  if (metrics.horizontalAdvance(whole) <= room.toDouble()) {
    label.setText(text);
  } else {
    label.setText(metrics.elidedText(whole, Qt::ElideRight, room.toDouble()));
    tip = own.isEmpty() ? whole : whole + QStringLiteral("\n\n") + own;
  }
  if (label.toolTip() != tip) label.setToolTip(tip);
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
