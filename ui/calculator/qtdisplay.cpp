#include "ui/calculator/qtdisplay.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "ui/calculator/plotarea.h"
#include "ui/calculator/textfit.h"
#include "present/profileplot.h"
#include "present/resultplots.h"

namespace lamvero {

QtDisplay::QtDisplay(QWidget& window, PlotArea& ausgabe, PlotArea& zeit)
    : window_(window), ausgabe_(ausgabe), zeit_(zeit) {
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (w->objectName().isEmpty()) continue;
    Control& c = controls_[w->objectName().toStdString()];
    c.name = w->objectName().toStdString();
    c.widget = w;
    c.font = w->font();
    c.toolTip = w->toolTip();
  }
  for (std::size_t i = 0; i < kRunControlCount; ++i) runControls_[i] = find(ControlName(static_cast<RunControl>(i)));
}

QtDisplay::Control* QtDisplay::find(const char* name) {
  if (!name) return nullptr;
  auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : &it->second;
}

void QtDisplay::markDirty(Control* c) {
  if (!c->dirty) {
    c->dirty = true;
    dirty_.push_back(c);
  }
}

QWidget* QtDisplay::control(const std::string& name) const {
  auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second.widget;
}

PlotArea& QtDisplay::area(Area a) { return a == Area::Ausgabe ? ausgabe_ : zeit_; }

void QtDisplay::setText(RunControl control, const std::string& text) { setText(find(control), text); }

void QtDisplay::setText(const char* control, const std::string& text) { setText(find(control), text); }

void QtDisplay::setText(Control* c, const std::string& text) {
  if (!c) return;
  c->pending = text;
  c->textDirty = true;
  markDirty(c);
}

void QtDisplay::applyTexts() {
  for (Control* c : dirty_) {
    c->dirty = false;
    c->widget->update();
    if (!c->textDirty) continue;
    c->textDirty = false;
    const QString text = QString::fromStdString(c->pending);
    if (auto* edit = qobject_cast<QLineEdit*>(c->widget)) {
      if (edit->text() != text) {
        edit->setText(text);
        edit->setCursorPosition(0);  // show the beginning of a long text
      }
      // An output that outgrows its box (a duration of ten hours or more) is set tighter, never cut off.
      if (edit->isReadOnly() && !edit->property("input").toBool()) ShowWhole(*edit, text, c->font, c->toolTip);
    } else if (auto* label = qobject_cast<QLabel*>(c->widget)) {
      SetLabelText(*label, text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(c->widget)) {
      button->setText(text);
    }
  }
  dirty_.clear();
}

void QtDisplay::setVisible(RunControl control, bool visible) { setVisible(find(control), visible); }

void QtDisplay::setVisible(const char* control, bool visible) { setVisible(find(control), visible); }

void QtDisplay::setVisible(Control* c, bool visible) {
  if (c) c->widget->setVisible(visible);
}

void QtDisplay::setColor(RunControl control, Rgb color) { setColor(find(control), color); }

void QtDisplay::setColor(const char* control, Rgb color) { setColor(find(control), color); }

void QtDisplay::setColor(Control* c, Rgb color) {
  if (!c) return;
  QPalette p = c->widget->palette();
  const QColor q(color.r, color.g, color.b);
  p.setColor(QPalette::WindowText, q);
  p.setColor(QPalette::Text, q);
  p.setColor(QPalette::ButtonText, q);
  c->widget->setPalette(p);
}

void QtDisplay::repaint(RunControl control) {
  if (Control* c = find(control)) markDirty(c);
}

void QtDisplay::repaintWindow() { window_.update(); }

void QtDisplay::fillWhite(Area a, double x1, double y1, double x2, double y2) {
  PlotArea& p = area(a);
  p.fillRect(x1, y1, x2, y2, Rgb{255, 255, 255});
  p.update();
}

void QtDisplay::drawShrinkageScale(const ShrinkageScale& scale) { DrawShrinkageScale(scale, ausgabe_); }

void QtDisplay::drawProfile(const std::vector<double>& X, double XAnf, CurveStyle style) {
  DrawProfileCurve(X, XAnf, style, ausgabe_);
}

void QtDisplay::drawResultPlots(const RunRecord& record) { DrawResultPlots(record, zeit_); }

void QtDisplay::refresh(Area a) { area(a).refresh(); }

void QtDisplay::yield() { applyTexts(); }

}  // namespace lamvero
