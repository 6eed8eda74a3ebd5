#include "ui/shell/constantairbox.h"

#include <QLineEdit>

#include "inputs/constantair.h"
#include "text/language.h"
#include "ui/calculator/mainwindow.h"

namespace lamvero {

QString ConstantAirCaption() { return QString::fromStdString(Tr("Eingabefelder", kConstantAirCaption)); }

namespace {
QLineEdit& Box(MainWindow& area, Input id) {
  return *area.findChild<QLineEdit*>(QString::fromLatin1(FieldOf(id).box));
}
}  // namespace

ConstantAirBox::ConstantAirBox(MainWindow& area, QObject* parent)
    : QObject(parent),
      area_(area),
      exhaust_(Box(area, Input::Lufttemp)),
      end_(Box(area, Input::ThetaGegenstromende)),
      toolTip_(end_.toolTip()) {
  // Whatever sets either box's text (typing, a value taken over from elsewhere), the rule holds.
  connect(&exhaust_, &QLineEdit::textChanged, this, &ConstantAirBox::follow);
  connect(&end_, &QLineEdit::textChanged, this, &ConstantAirBox::follow);
}

void ConstantAirBox::set(bool on) {
  if (on == on_) return;
  if (on) before_ = end_.text();
  on_ = on;
  if (!on) end_.setText(before_);
  apply();
}

void ConstantAirBox::reset(bool on) {
  before_ = end_.text();
  on_ = on;
  apply();
}

void ConstantAirBox::apply() {
  area_.setInputHeld(Input::ThetaGegenstromende, on_);
  QString tip = toolTip_;
  if (on_) {
    tip += tr("\n\n%1 (Menü Berechnung): der Kasten folgt der Ablufttemperatur, die Luft bleibt den "
                          "ganzen Lauf im Zustand der Klimakammer. Abschalten, um ihn wieder zu bearbeiten.")
               .arg(ConstantAirCaption());
  }
  end_.setToolTip(tip);
  follow();
}

// The one rule of the test, applied to the boxes.
void ConstantAirBox::follow() {
  if (!on_) return;
  const std::string text = WithConstantAir(area_.inputs())[Input::ThetaGegenstromende];
  if (end_.text().toStdString() != text) {
    end_.setText(QString::fromStdString(text));
    end_.setCursorPosition(0);
  }
}

}  // namespace lamvero
