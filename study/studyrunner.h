#pragma once
// Runs the cases of a study on several worker threads, each case in a run
// state of its own, and hands their summaries back in case order on the
// calling thread, whatever order they finish in.

#include <cstddef>
#include <functional>

#include "study/casesummary.h"
#include "inputs/inputs.h"
#include "run/runlimits.h"
#include "run/stoprequest.h"

namespace lamvero {

class StudyObserver {
 public:
  virtual ~StudyObserver() = default;
  // The summary of case `ordinal` (0, 1, 2, ... in order). Returning false
  // ends the study: no further case starts and no further row follows.
  virtual bool caseDone(std::size_t ordinal, CaseSummary summary) = 0;
  // Called now and then while the study runs: how many cases have finished
  // (in any order) out of how many.
  virtual void progress(std::size_t finished, std::size_t total) = 0;
};

struct StudyRunOptions {
  unsigned jobs = 1;                  // worker threads; at most one per case is started
  const StopRequest* stop = nullptr;  // cancels the study from outside; running cases stop at their next step
  // How many cases the workers may run ahead of the row handed over last.
  // Behind one long case, the summaries of the quick ones after it wait in
  // memory; this bounds them (a few MB) however large the study is.
  std::size_t lookAhead = 4096;
  // The limits of every case: a refinement study runs under RunLimits::Extended().
  RunLimits limits;
};

// Runs cases 0 .. count-1 with the inputs inputsOf(ordinal), which is called
// on the worker threads. Returns how many summaries were handed over: count,
// unless the observer or the stop request ended the study early. An exception
// from inputsOf, the observer or a worker's bookkeeping ends the study and is
// rethrown here once every worker has stopped (a run that throws is a failed
// case instead).
std::size_t RunStudy(std::size_t count, const std::function<InputTexts(std::size_t)>& inputsOf,
                     StudyObserver& observer, const StudyRunOptions& options = {});

}  // namespace lamvero
