#pragma once
// A study running beside the window: its cases on worker threads (one per
// core the process may use), the rows handed to the window's thread in case
// order. Rows and progress come in batches, at most one delivery per
// kBatchMs, so that thousands of quick cases do not flood the window with
// events. Cancelling stops the running cases at their next step and
// delivers every row finished before.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstddef>
#include <mutex>
#include <vector>

#include "study/studyplan.h"
#include "study/studyresults.h"
#include "ui/shell/backgroundjob.h"

namespace lamvero {

class StudyJob : public QObject {
  Q_OBJECT
 public:
  static constexpr int kBatchMs = 100;

  explicit StudyJob(QObject* parent = nullptr);
  ~StudyJob() override;

  // Runs the plan's cases on `jobs` worker threads; a study still running is cancelled first.
  void start(const StudyPlan& plan, unsigned jobs);
  // Stops the study and waits for its workers; the rows finished before are delivered, then finished(true, "").
  void cancel();
  bool busy() const { return job_.busy(); }

 signals:
  // Rows in case order, each batch after the one before.
  void rowsArrived(const std::vector<StudyRow>& rows);
  // Cases finished so far (in any order) of all.
  void progressed(std::size_t finished, std::size_t total);
  // The study has ended: all cases ran, or it was cancelled, or it broke off (`problem` says why).
  void finished(bool cancelled, const QString& problem);

 private:
  void rowDone(StudyRow row);                          // on a worker thread
  void progressOnWorker(std::size_t finished, std::size_t total);  // on a worker thread
  void requestDelivery();                              // on a worker thread
  void scheduleDelivery();
  void deliver();

  BackgroundJob job_;
  QTimer batch_;          // the next delivery, no sooner than kBatchMs after the last
  QElapsedTimer clock_;   // since the last delivery
  std::mutex mutex_;      // guards what follows, shared with the workers
  std::vector<StudyRow> pending_;
  std::size_t finished_ = 0, total_ = 0;
  bool deliveryPosted_ = false;
};

}  // namespace lamvero
