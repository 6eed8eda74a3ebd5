#pragma once
// The counter-current end box during a laboratory test at constant air
// (Berechnung ▸ Laborversuch, Luft konstant): it shows the exhaust
// temperature's text and follows it as the user types, read-only, with a
// tooltip that says why. Switching the test off gives the box back the text
// it had before. The box keeps its place and caption.

#include <QObject>
#include <QString>

class QLineEdit;

namespace lamvero {

class MainWindow;

// The name of the laboratory test at constant air, in the window's language.
QString ConstantAirCaption();

class ConstantAirBox : public QObject {
  Q_OBJECT
 public:
  explicit ConstantAirBox(MainWindow& area, QObject* parent = nullptr);

  bool on() const { return on_; }
  // The user's switch: on keeps the box's text to give back when switched off.
  void set(bool on);
  // A case opened or begun with the boxes as they now stand: the test is on
  // or off from here, and the box's text now is the one to give back. Off
  // before new texts are set, so that the box takes its own.
  void reset(bool on);

 private:
  void follow();
  void apply();

  MainWindow& area_;
  QLineEdit& exhaust_;  // txt_Lufttemp
  QLineEdit& end_;      // txt_ThetaGegenstromende
  const QString toolTip_;  // the end box's own tooltip
  QString before_;         // its text before the test was switched on
  bool on_ = false;
};

}  // namespace lamvero
