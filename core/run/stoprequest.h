#pragma once
// A request to stop a run, which the caller may set from any thread (a study's
// cancel); the run reads it right after each yield, as it reads Stop.

#include <atomic>

namespace lamvero {

class StopRequest {
 public:
  void request() { requested_.store(true, std::memory_order_relaxed); }
  void clear() { requested_.store(false, std::memory_order_relaxed); }
  bool requested() const { return requested_.load(std::memory_order_relaxed); }

 private:
  std::atomic<bool> requested_{false};
};

}  // namespace lamvero
