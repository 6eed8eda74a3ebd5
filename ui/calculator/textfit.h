#pragma once
// Texts kept whole in the fixed boxes of the calculator area. Liberation Sans
// runs a little wider than the hinted Arial the layout was made for, and a
// duration of ten hours or more has one digit more than its box was made for:
// such a text is set a little tighter rather than cut off at the box's edge.
// An English caption, often much longer than the German one, is cut short instead.

#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;

namespace lamvero {

// `base` if `text`, blanks included, fits into `available` pixels in it; otherwise `base` with
// the letter spacing tightened until it fits, keeping the font size. A single
// sign (the temperature sign ϑ) is narrowed instead.
QFont FittingFont(const QFont& base, const QString& text, double available);

// Keeps a label's text within `available` pixels: in German its font is
// tightened, once; in English a longer text is cut short with an ellipsis
// and shown whole in the tooltip, now and whenever SetLabelText changes it.
void FitLabel(QLabel& label, double available);
// Sets a label's text, cut short as FitLabel decided for the label.
void SetLabelText(QLabel& label, const QString& text);

// The pixels a line edit's text may take without being cut off or scrolled.
double TextRoom(const QLineEdit& box);

// Shows `text` in an output box in `base`, or tighter if it does not fit; a
// tightened text is also shown whole in the tooltip, before `toolTip`.
void ShowWhole(QLineEdit& box, const QString& text, const QFont& base, const QString& toolTip);

}  // namespace lamvero
