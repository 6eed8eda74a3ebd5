#include "ui/shell/backgroundjob.h"

#include <QMetaObject>
#include <utility>

namespace lamvero {

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob() { cancel(); }

void BackgroundJob::start(Work work) {
  cancel();
  const unsigned generation = ++generation_;
  stop_ = std::make_unique<StopRequest>();
  const StopRequest& stop = *stop_;
  thread_ = std::thread([this, generation, &stop, work = std::move(work)] {
    Delivery deliver = work(stop);
    QMetaObject::invokeMethod(
        this, [this, generation, deliver = std::move(deliver)] { finish(generation, deliver); }, Qt::QueuedConnection);
  });
  emit busyChanged(true);
}

void BackgroundJob::cancel() {
  if (!thread_.joinable()) return;
  stop_->request();
  thread_.join();
  ++generation_;  // whatever the work posted is now dropped
  emit busyChanged(false);
}

// Called by the work: the window's thread changes generation_ only while no
// work runs (before a start, after a join).
void BackgroundJob::post(Delivery call) {
  const unsigned generation = generation_;
  QMetaObject::invokeMethod(
      this,
      [this, generation, call = std::move(call)] {
        if (generation == generation_) call();
      },
      Qt::QueuedConnection);
}

void BackgroundJob::finish(unsigned generation, const Delivery& deliver) {
  if (generation != generation_) return;
  thread_.join();  // it has nothing left to do but return
  emit busyChanged(false);
  if (deliver) deliver();
}

}  // namespace lamvero
