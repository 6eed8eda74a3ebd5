#pragma once
// The window's runs on a thread of their own, and the one place that knows
// what a run is doing. The run shows itself through a QueuedDisplay, which
// hands its calls to the window's display on the window's thread; at every
// step's yield the run holds while paused and takes a stop as the Stop
// button's StopFlag.
//
//   Idle ──start──▶ Running ──pause──▶ Paused
//                    │   ▲──resume─────┘ │
//                   stop                stop
//                    ▼                   ▼
//                   Stopping ◀───────────┘
//   Running, Paused or Stopping ──the run ends──▶ Finished (Idle after refused inputs)
//   Finished ──clear──▶ Idle;  Finished ──start──▶ Running
//
// While a run is active (Running, Paused, Stopping) its thread owns the
// state: the window reads only what the display calls hand it, and the state
// again after finished().

#include <QObject>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "run/controlstate.h"
#include "run/dryingrun.h"
#include "ui/calculator/queueddisplay.h"

namespace lamvero {

enum class RunPhase { Idle, Running, Paused, Stopping, Finished };

class RunController : public QObject {
  Q_OBJECT
 public:
  // Runs in `state` and shows on `display`; both belong to the thread the
  // controller is made on.
  RunController(RunState& state, Display& display, QObject* parent = nullptr);
  // Stops a run in progress and waits for its thread.
  ~RunController() override;

  RunPhase phase() const { return phase_; }
  // Running, paused or stopping: the run's thread owns the state.
  bool active() const;
  // Whether the run holds at a pause now: its state does not change until it
  // is resumed or stopped.
  bool holding() const;

  // Each returns false, changing nothing, if the phase does not allow it.
  // From Idle or Finished: runs the inputs (the controls' look before the run: `controlsAtOpen`).
  bool start(const InputTexts& inputs, const ControlDefaults& controlsAtOpen);
  bool pause();   // Running: the run holds at its next step
  bool resume();  // Paused
  bool stop();    // Running or Paused: the run ends at its next step
  bool clear();   // Finished

  // How the runs started from now on step the air's balance.
  AirIntegration airIntegration() const { return airIntegration_; }
  void setAirIntegration(AirIntegration choice) { airIntegration_ = choice; }

 signals:
  void phaseChanged(lamvero::RunPhase phase);
  // The run has ended and its thread is gone; the state is the window's again.
  void finished(const lamvero::RunResult& result);

 private:
  void atYield();  // the run's thread
  void ended(const RunResult& result);
  void setPhase(RunPhase phase);
  // Sets a request under the lock and wakes a run holding at a pause.
  void request(bool& flag, bool value);

  RunState& state_;
  QueuedDisplay display_;
  RunPhase phase_ = RunPhase::Idle;
  AirIntegration airIntegration_ = AirIntegration::Standard;
  std::thread worker_;

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  // Written under mutex_; the run reads them at each yield.
  bool pauseRequested_ = false;
  bool stopRequested_ = false;
  bool holding_ = false;
};

}  // namespace lamvero
