#include "tools/stoponsignal.h"

#include <atomic>

namespace lamvero {

namespace {

// Only lock-free atomics may be touched in a signal handler.
static_assert(std::atomic<bool>::is_always_lock_free, "a stop request must be settable from a signal handler");

StopRequest gStop;
volatile std::sig_atomic_t gSignal = 0;

extern "C" void RequestStop(int signal) {
  gSignal = signal;
  gStop.request();
}

}  // namespace

StopOnSignal::StopOnSignal() {
  gStop.clear();
  gSignal = 0;
  struct sigaction action {};
  action.sa_handler = RequestStop;
  sigemptyset(&action.sa_mask);
  // Writes under way go on; the second signal finds the default action again.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  sigaction(SIGTERM, &action, &previousTerm_);
  sigaction(SIGINT, &action, &previousInt_);
}

StopOnSignal::~StopOnSignal() {
  sigaction(SIGTERM, &previousTerm_, nullptr);
  sigaction(SIGINT, &previousInt_, nullptr);
}

const StopRequest& StopOnSignal::stop() const { return gStop; }

int StopOnSignal::signal() const { return gSignal; }

std::string StopOnSignal::Name(int signal) {
  if (signal == SIGTERM) return "SIGTERM";
  if (signal == SIGINT) return "SIGINT";
  return "Signal " + std::to_string(signal);
}

}  // namespace lamvero
