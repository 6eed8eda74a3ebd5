#pragma once
// The accuracy of the run the window shows. After every completed run, and
// for a run opened from a case file without an estimate, the same case is
// computed on refined steps in the background, on the cores the window does
// not need; a new run, a new file or closing the window stops it. The status
// line says how far it is and what it found; the Genauigkeit panel shows it
// per key result; the case document keeps it with its run. Schrittweiten
// automatisch chooses steps for a tolerance the same way and puts them into
// the input boxes. The tolerance and whether every run is estimated are
// remembered between sessions.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "run/accuracyestimate.h"

class QProgressDialog;
class QWidget;

namespace lamvero {

class AccuracyPanel;
class BackgroundJob;
class CaseDocument;
class MainWindow;
class StatusLines;

class AccuracyControl : public QObject {
  Q_OBJECT
 public:
  AccuracyControl(CaseDocument& document, MainWindow& area, StatusLines& status, QWidget& window);
  ~AccuracyControl() override;

  // The accuracy's line in the status bar; empty when there is nothing to say.
  QString statusText() const;
  AccuracyPanel& panel() { return *panel_; }
  bool busy() const;

  double tolerancePercent() const;
  void setTolerancePercent(double percent);
  bool automatic() const;
  void setAutomatic(bool on);

  // Estimates the shown run now (the panel's "Jetzt schätzen").
  void estimateNow();
  // Asks for a tolerance, then chooses steps for it (Schrittweiten automatisch).
  void askAndChooseSteps();
  // Chooses steps for that tolerance in the background; the chosen steps go
  // into the input boxes and a message says what was found.
  void chooseSteps(double tolerancePercent);

  // How a message reaches the user (a message box unless replaced, e.g. by a test).
  using MessagePresenter = std::function<void(const QString& text)>;
  void setMessagePresenter(MessagePresenter present) { present_ = std::move(present); }

 private:
  void onRunChanged();
  void onRunStarted();
  void showState(const QString& state);
  void estimate();
  void stepsChosen(const QString& deltaT, const QString& Ortsschrittweite, const QString& message);
  void present(const QString& text);

  CaseDocument& document_;
  MainWindow& area_;
  QWidget& window_;
  BackgroundJob* job_ = nullptr;
  AccuracyPanel* panel_ = nullptr;
  StatusLines& status_;
  QProgressDialog* progress_ = nullptr;  // while steps are chosen
  QString state_;                        // where the estimate of the shown run stands, if not done
  MessagePresenter present_;
};

}  // namespace lamvero
