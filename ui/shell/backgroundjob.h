#pragma once
// One piece of long work at a time on a thread of its own, for the work the
// window does beside the user (the accuracy estimate of a run, the choice of
// steps): starting new work stops the old and drops its result, cancelling
// stops it, and destroying the job stops it and waits. The work reads its
// stop request as a run does; what it returns is done on the window's thread.

#include <QObject>
#include <functional>
#include <memory>
#include <thread>

#include "run/stoprequest.h"

namespace lamvero {

class BackgroundJob : public QObject {
  Q_OBJECT
 public:
  // What to do on the window's thread once the work is done.
  using Delivery = std::function<void()>;
  // Runs on the job's thread.
  using Work = std::function<Delivery(const StopRequest& stop)>;

  explicit BackgroundJob(QObject* parent = nullptr);
  ~BackgroundJob() override;

  void start(Work work);
  // Stops the work in progress, waits for its thread and drops its result.
  void cancel();
  bool busy() const { return thread_.joinable(); }

  // Runs `call` on the window's thread soon, unless the work it belongs to
  // has been cancelled or replaced by then (for progress reports from the work).
  void post(Delivery call);

 signals:
  void busyChanged(bool busy);

 private:
  void finish(unsigned generation, const Delivery& deliver);

  std::thread thread_;
  std::unique_ptr<StopRequest> stop_;  // a fresh one for each piece of work
  unsigned generation_ = 0;            // counts pieces of work; a delivery names its own
};

}  // namespace lamvero
