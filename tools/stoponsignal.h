#pragma once
// SIGTERM and SIGINT (a batch system's time limit, Ctrl+C) turned into a stop
// request while a study runs, so that the study ends in order: the rows
// handed over stay written and the output says it is incomplete. The handler
// only sets the request; a second signal ends the program at once, as the
// first would have without this.

#include <csignal>
#include <string>

#include "run/stoprequest.h"

namespace lamvero {

class StopOnSignal {
 public:
  StopOnSignal();   // installs the handlers; one object at a time
  ~StopOnSignal();  // puts the previous handlers back
  StopOnSignal(const StopOnSignal&) = delete;
  StopOnSignal& operator=(const StopOnSignal&) = delete;

  const StopRequest& stop() const;
  // The signal that asked to stop, or 0.
  int signal() const;
  // "SIGTERM", "SIGINT".
  static std::string Name(int signal);

 private:
  struct sigaction previousTerm_ {};
  struct sigaction previousInt_ {};
};

}  // namespace lamvero
