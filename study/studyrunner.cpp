#include "study/studyrunner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <limits>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "text/language.h"
#include "run/dryingrun.h"
#include "run/runevents.h"

namespace lamvero {

namespace {

// How often the calling thread reports progress while no case finishes.
constexpr std::chrono::milliseconds kProgressInterval{250};

// What the workers and the calling thread share; the members below the
// mutex are guarded by it.
struct StudyQueue {
  StudyQueue(std::size_t count, std::size_t lookAhead) : count_(count), lookAhead_(lookAhead) {}

  // The next case to run, or nothing once every case is taken or the study
  // ends. Waits while the case lies too far ahead of the rows handed over.
  bool take(std::size_t& ordinal) {
    if (cancel_.requested()) return false;
    ordinal = next_.fetch_add(1, std::memory_order_relaxed);
    if (ordinal >= count_) return false;
    std::unique_lock<std::mutex> lock(mutex_);
    roomAhead_.wait(lock, [&] { return ordinal < handed_ + lookAhead_ || cancel_.requested(); });
    return !cancel_.requested();
  }

  // The calling thread has handed over the rows before ordinal `handed`.
  void handedUpTo(std::size_t handed) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      handed_ = handed;
    }
    roomAhead_.notify_all();
  }

  void finish(std::size_t ordinal, CaseSummary summary) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      finished_.emplace(ordinal, std::move(summary));
      ++finishedCount_;
    }
    changed_.notify_one();
  }

  // A worker could not go on (no memory for the queue, inputs that could not
  // be made): the study ends and the calling thread rethrows the first such error.
  void fail(std::exception_ptr error) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (!error_) error_ = std::move(error);
      requestCancel();
    }
    changed_.notify_one();
  }

  void workerExited() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      ++workersExited_;
    }
    changed_.notify_one();
  }

  const StopRequest& cancel() const { return cancel_; }
  // Called with mutex_ held, so that no worker misses the wake-up.
  void requestCancel() {
    cancel_.request();
    roomAhead_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable changed_;    // a case finished or a worker left
  std::condition_variable roomAhead_;  // the rows handed over moved on, or the study ends
  std::map<std::size_t, CaseSummary> finished_;  // finished out of order, not yet handed over
  std::size_t finishedCount_ = 0;
  unsigned workersExited_ = 0;
  std::size_t handed_ = 0;
  std::exception_ptr error_;

  const std::size_t count_;
  const std::size_t lookAhead_;
  std::atomic<std::size_t> next_{0};
  StopRequest cancel_;
};

void Work(StudyQueue& queue, const std::function<InputTexts(std::size_t)>& inputsOf, const RunLimits& limits) {
  NoRunEvents events;  // a study keeps numbers only
  RunOptions runOptions;
  runOptions.stop = &queue.cancel();
  runOptions.limits = limits;
  std::size_t ordinal = 0;
  try {
    while (queue.take(ordinal)) {
      const InputTexts inputs = inputsOf(ordinal);
      CaseSummary summary;
      try {
        summary = SummarizeRun(RunCase(inputs, events, runOptions));
      } catch (const std::exception& e) {  // no memory for a run state: this case fails, the study goes on
        summary.inputs = inputs;
        summary.outcome = RunOutcome::Failed;
        summary.messages = {Tr("Studie", "Lauf nicht möglich: ") + e.what()};
        summary.values.fill(std::numeric_limits<double>::quiet_NaN());
      }
      queue.finish(ordinal, std::move(summary));
    }
  } catch (...) {  // nothing may leave a thread: the study ends, the caller gets the error
    queue.fail(std::current_exception());
  }
  queue.workerExited();
}

// Hands the summaries to the observer in case order as the workers finish
// them; returns how many were handed over.
std::size_t HandOver(StudyQueue& queue, std::size_t count, unsigned workers, StudyObserver& observer,
                     const StopRequest* stop) {
  std::size_t handed = 0;
  std::unique_lock<std::mutex> lock(queue.mutex_);
  while (handed < count) {
    if (stop && stop->requested()) queue.requestCancel();
    if (queue.cancel().requested()) break;
    const auto it = queue.finished_.find(handed);
    if (it != queue.finished_.end()) {
      CaseSummary summary = std::move(it->second);
      queue.finished_.erase(it);
      const std::size_t finished = queue.finishedCount_;
      lock.unlock();
      const bool goOn = observer.caseDone(handed, std::move(summary));
      ++handed;
      observer.progress(finished, count);
      if (goOn) queue.handedUpTo(handed);
      lock.lock();
      if (!goOn) {
        queue.requestCancel();
        break;
      }
      continue;
    }
    if (queue.workersExited_ == workers) break;  // cannot happen unless cancelled; never wait forever
    const std::size_t finished = queue.finishedCount_;
    if (queue.changed_.wait_for(lock, kProgressInterval) == std::cv_status::timeout) {
      lock.unlock();
      observer.progress(finished, count);
      lock.lock();
    }
  }
  return handed;
}

}  // namespace

std::size_t RunStudy(std::size_t count, const std::function<InputTexts(std::size_t)>& inputsOf,
                     StudyObserver& observer, const StudyRunOptions& options) {
  if (count == 0) return 0;
  StudyQueue queue(count, std::max<std::size_t>(options.lookAhead, 1));
  const unsigned workers =
      static_cast<unsigned>(std::min<std::size_t>(std::max(options.jobs, 1u), count));
  std::vector<std::thread> threads;
  std::size_t handed = 0;
  std::exception_ptr error;
  try {
    threads.reserve(workers);
    for (unsigned w = 0; w < workers; ++w) {
      threads.emplace_back(Work, std::ref(queue), std::cref(inputsOf), std::cref(options.limits));
    }
    handed = HandOver(queue, count, static_cast<unsigned>(threads.size()), observer, options.stop);
  } catch (...) {  // the observer's, or no thread to be had: the workers stop before it goes on
    error = std::current_exception();
    const std::lock_guard<std::mutex> lock(queue.mutex_);
    queue.requestCancel();
  }
  for (std::thread& t : threads) t.join();
  if (!error) error = queue.error_;
  if (error) std::rethrow_exception(error);
  return handed;
}

}  // namespace lamvero
