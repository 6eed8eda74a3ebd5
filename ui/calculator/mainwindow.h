#pragma once
// The calculator area: inputs, outputs, run-control buttons and the two
// drawing areas at fixed places, built from the control table. It is shown
// inside the program's top-level window (AppWindow) and stands alone for the
// headless picture and the tests. Runs execute on a thread of their own
// (RunController); Start, Pause, Weiter, Stop and Nochmal drive it.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "run/dryingrun.h"
#include "inputs/inputs.h"
#include "run/runstate.h"
#include "present/controltable.h"
#include "present/display.h"

class QLineEdit;

namespace lamvero {

class OutdatedVeil;
class PlotArea;
class QtDisplay;
class RunController;

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
  // Dims the output boxes and both drawing areas (a veil over them, the
  // controls unchanged) while they show a run whose inputs have changed since,
  // or shows them plainly again.
  void setResultsOutdated(bool outdated);
  bool resultsOutdated() const;
  // Whether the area shows a run's results: after a run that got past the
  // input check or showRecord, until Nochmal or showOpeningState.
  bool showsRun() const { return showsRun_; }
  // What Start does after asking about unusual inputs: starts a run with the
  // inputs as they stand, unless one is in progress (false). runEnded tells
  // its end; a refused input or a run that had to stop is also reported in a message.
  bool runStart();
  // Stop, also from a pause (Esc, Berechnung ▸ Anhalten): the run ends as a
  // stopped run at its next step, or at the step it holds at. False, changing
  // nothing, if no run is going or paused.
  bool stopRun();
  // Keeps an input box read-only between runs too (a box that follows another
  // box's text), or lets it be edited again.
  void setInputHeld(Input id, bool held);
  // The runs' state machine: what the window's commands depend on.
  RunController& runController() { return *controller_; }
  // The state of the runs; while a run is active its thread owns it, so read
  // it only between runs (or while the controller says the run holds).
  const RunState& runState() const { return *state_; }
  // The same for a caller that runs in it itself, on the window's thread with no run active (the batch picture).
  RunState& runState() { return *state_; }
  // The record of the latest run that got past the input check.
  const RunRecord& lastRun() const { return state_->record; }
  Display& display();

  PlotArea& ausgabe() { return *ausgabe_; }
  PlotArea& zeit() { return *zeit_; }
  // Whether the window holding the area may close now. During a run or a
  // pause it asks the run to stop and returns false; the window is closed
  // once the run has ended.
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
  void createVeil();
  QWidget* makeLabel(const ControlRow& row);
  QWidget* makeTextBox(const ControlRow& row);
  QWidget* makeButton(const ControlRow& row);
  void setControlVisible(const char* name, bool visible);
  void onRunFinished(const RunResult& result);
  void report(const RunResult& result);
  // While locked, the input boxes take neither the focus nor edits and look read-only.
  void setInputsLocked(bool locked);
  void focusControl(const char* name);
  // After refused inputs: the first refused input box takes the focus, its text selected.
  void focusRefusedInput();
  bool confirmUnusualInputs();
  // A run that will probably fill its series is computed only when the user confirms it.
  bool confirmSeriesFit();
  // Asks the user a yes/no question (No by default); true for yes.
  bool ask(const QString& text);

  std::unique_ptr<RunState> state_;  // ~44 MB of series: allocated once, kept for the result displays
  std::unique_ptr<QtDisplay> display_;
  std::unique_ptr<RunController> controller_;  // ends a run before the state and the display go
  PlotArea* ausgabe_ = nullptr;
  PlotArea* zeit_ = nullptr;
  OutdatedVeil* veil_ = nullptr;
  std::vector<const ControlRow*> lines_;
  std::vector<QLineEdit*> inputBoxes_;  // in window order
  std::vector<QLineEdit*> heldBoxes_;   // read-only also between runs
  QPointer<QWidget> resumeFocus_;       // the input box that had the focus at Start
  QPointer<QWidget> refusedFocus_;      // the widget that had it: it gets it back if no input box is to blame
  MessagePresenter present_;
  Questioner ask_;
  bool closeRequested_ = false;  // the window was closed during a run
  bool showsRun_ = false;
};

}  // namespace lamvero
