#pragma once
// A fit running beside the window on a thread of its own: its progress after
// each run and its result are handed to the window's thread. Cancelling stops
// the fit at the next step of its run and drops what it found.

#include <QObject>

#include "study/fit.h"
#include "ui/shell/backgroundjob.h"

namespace lamvero {

class FitJob : public QObject {
  Q_OBJECT
 public:
  explicit FitJob(QObject* parent = nullptr);

  // Runs the fit; one still running is cancelled first.
  void start(const FitProblem& problem);
  // Stops the fit and waits for it; nothing more is delivered.
  void cancel();
  bool busy() const { return job_.busy(); }

 signals:
  void progressed(const lamvero::FitProgress& progress);
  void finished(const lamvero::FitResult& result);

 private:
  BackgroundJob job_;
};

}  // namespace lamvero
