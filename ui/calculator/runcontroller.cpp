#include "ui/calculator/runcontroller.h"

#include <QMetaObject>

#include "present/displayedrun.h"

namespace lamvero {

RunController::RunController(RunState& state, Display& display, QObject* parent)
    : QObject(parent), state_(state), display_(display, *this, [this] { atYield(); }) {}

RunController::~RunController() {
  if (!worker_.joinable()) return;
  // The run's last frames and its end are posted to this object, which drops them.
  request(stopRequested_, true);
  worker_.join();
}

bool RunController::active() const {
  return phase_ == RunPhase::Running || phase_ == RunPhase::Paused || phase_ == RunPhase::Stopping;
}

bool RunController::holding() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return holding_;
}

bool RunController::start(const InputTexts& inputs, const ControlDefaults& controlsAtOpen) {
  if (active()) return false;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    pauseRequested_ = false;
    stopRequested_ = false;
  }
  setPhase(RunPhase::Running);
  DisplayRunOptions options;
  options.controlsAtOpen = controlsAtOpen;
  options.airIntegration = airIntegration_;
  worker_ = std::thread([this, inputs, options] {
    const RunResult result = RunOnDisplay(state_, inputs, display_, options);
    display_.send();  // the run's last values
    QMetaObject::invokeMethod(this, [this, result] { ended(result); }, Qt::QueuedConnection);
  });
  return true;
}

bool RunController::pause() {
  if (phase_ != RunPhase::Running) return false;
  request(pauseRequested_, true);
  setPhase(RunPhase::Paused);
  return true;
}

bool RunController::resume() {
  if (phase_ != RunPhase::Paused) return false;
  request(pauseRequested_, false);
  setPhase(RunPhase::Running);
  return true;
}

bool RunController::stop() {
  if (phase_ != RunPhase::Running && phase_ != RunPhase::Paused) return false;
  request(stopRequested_, true);
  setPhase(RunPhase::Stopping);
  return true;
}

bool RunController::clear() {
  if (phase_ != RunPhase::Finished) return false;
  setPhase(RunPhase::Idle);
  return true;
}

void RunController::request(bool& flag, bool value) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    flag = value;
  }
  wake_.notify_all();
}

void RunController::atYield() {
  std::unique_lock<std::mutex> lock(mutex_);
  if (pauseRequested_ && !stopRequested_) {
    lock.unlock();
    display_.send();  // the values at the moment of the pause stay on the screen
    lock.lock();
    holding_ = true;
    wake_.wait(lock, [this] { return !pauseRequested_ || stopRequested_; });
    holding_ = false;
  }
  // Read right after the yield, as the Stop button's flag always was.
  if (stopRequested_) state_.StopFlag = true;
}

void RunController::ended(const RunResult& result) {
  worker_.join();
  setPhase(result.outcome == RunOutcome::Refused ? RunPhase::Idle : RunPhase::Finished);
  emit finished(result);
}

void RunController::setPhase(RunPhase phase) {
  if (phase_ == phase) return;
  phase_ = phase;
  emit phaseChanged(phase);
}

}  // namespace lamvero
