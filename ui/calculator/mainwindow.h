#pragma once
// The calculator area: inputs, outputs, run-control buttons and the two
// drawing areas at fixed places, built from the control table. It is shown
// inside the program's top-level window (AppWindow) and stands alone for the
// headless picture and the tests. A run executes inside the Start handler;
// Pause, Weiter and Stop act from within the run's per-step yield.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "run/dryingrun.h"
#include "inputs/inputs.h"
#include "run/runstate.h"
#include "present/controltable.h"
#include "present/display.h"

class QEventLoop;
class QLineEdit;

namespace lamvero {

class PlotArea;
class QtDisplay;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  void setInputs(const InputTexts& inputs);  // fill the 18 input boxes
  InputTexts inputs() const;                 // read them
  // The area as it opens: output rows, warnings and buttons as at the start,
  // both drawing areas white. The input texts stay.
  void showOpeningState();
  // The area as a stored run left it, without recomputing: the run's texts,
  // visibility and colours; the result curves if the record holds a completed
  // run's series. The profile curves are not stored: their area stays white.
  void showRecord(const RunRecord& record);
  // What Start does, without any message box; returns at the end of the run.
  RunResult runStart();
  const RunState& runState() const { return *state_; }
  RunState& runState() { return *state_; }
  // The record of the latest run that got past the input check.
  const RunRecord& lastRun() const { return state_->record; }
  Display& display();

  PlotArea& ausgabe() { return *ausgabe_; }
  PlotArea& zeit() { return *zeit_; }
  bool running() const { return running_; }
  // Whether the window holding the area may close now. During a run or a
  // pause it ends the pauses, asks the run to stop and returns false; the
  // window is closed once the run has unwound.
  bool mayClose();

  // How a message reaches the user (a message box unless replaced, e.g. by a test).
  using MessagePresenter = std::function<void(const QString& text)>;
  void setMessagePresenter(MessagePresenter present) { present_ = std::move(present); }
  // How a yes/no question reaches the user (a question box defaulting to No
  // unless replaced); true for yes.
  using Questioner = std::function<bool(const QString& text)>;
  void setQuestioner(Questioner ask) { ask_ = std::move(ask); }

 signals:
  void runStarted();
  void runEnded(const lamvero::RunResult& result);  // lastRun() is the run's record unless it was refused

 private slots:
  void onStart();
  void onPause();
  void onWeiter();
  void onStop();
  void onNeustart();
  void onReturnInInput();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void createControl(const ControlRow& row);
  void setControlVisible(const char* name, bool visible);
  void endPauses();
  // While locked, the input boxes take neither the focus nor edits and look read-only.
  void setInputsLocked(bool locked);
  void focusControl(const char* name);
  bool confirmUnusualInputs();

  std::unique_ptr<RunState> state_;  // ~44 MB of series: allocated once, kept for the result displays
  std::unique_ptr<QtDisplay> display_;
  PlotArea* ausgabe_ = nullptr;
  PlotArea* zeit_ = nullptr;
  std::vector<const ControlRow*> lines_;
  std::vector<QLineEdit*> inputBoxes_;  // in window order
  QPointer<QWidget> resumeFocus_;       // the input box that had the focus at Start
  MessagePresenter present_;
  Questioner ask_;

  std::int16_t PauseFlag_ = 0;       // 1 while a pause is in force
  // The waits of the pause handlers in progress (a run started during an
  // idle pause can be paused again); Weiter ends them all.
  std::vector<QEventLoop*> pauseLoops_;
  bool running_ = false;             // inside runStart
  bool closeRequested_ = false;      // the window was closed during a run
};

}  // namespace lamvero
