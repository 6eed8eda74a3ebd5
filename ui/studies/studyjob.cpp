#include "ui/studies/studyjob.h"

#include <exception>
#include <utility>

#include "study/studyrunner.h"

namespace lamvero {

namespace {

// Hands each summary to the job as the row the study keeps.
class RowObserver : public StudyObserver {
 public:
  RowObserver(std::vector<Input> fields, std::function<void(StudyRow)> row,
              std::function<void(std::size_t, std::size_t)> progress)
      : fields_(std::move(fields)), row_(std::move(row)), progress_(std::move(progress)) {}
  bool caseDone(std::size_t ordinal, CaseSummary summary) override {
    row_(RowOf(ordinal + 1, fields_, summary));
    return true;
  }
  void progress(std::size_t finished, std::size_t total) override { progress_(finished, total); }

 private:
  std::vector<Input> fields_;
  std::function<void(StudyRow)> row_;
  std::function<void(std::size_t, std::size_t)> progress_;
};

}  // namespace

StudyJob::StudyJob(QObject* parent) : QObject(parent) {
  batch_.setSingleShot(true);
  connect(&batch_, &QTimer::timeout, this, &StudyJob::deliver);
}

StudyJob::~StudyJob() { job_.cancel(); }

void StudyJob::start(const StudyPlan& plan, unsigned jobs) {
  cancel();
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    pending_.clear();
    finished_ = 0;
    total_ = plan.size();
    deliveryPosted_ = false;
  }
  clock_.start();
  job_.start([this, plan, jobs](const StopRequest& stop) -> BackgroundJob::Delivery {
    RowObserver observer(
        plan.variedFields(), [this](StudyRow row) { rowDone(std::move(row)); },
        [this](std::size_t finished, std::size_t total) { progressOnWorker(finished, total); });
    StudyRunOptions options;
    options.jobs = jobs;
    options.stop = &stop;
    QString problem;
    try {
      RunStudy(plan.size(), [&plan](std::size_t i) { return plan.caseInputs(i); }, observer, options);
    } catch (const std::exception& e) {
      problem = QString::fromUtf8(e.what());
    }
    return [this, problem] {
      batch_.stop();
      deliver();
      emit finished(false, problem);
    };
  });
}

void StudyJob::cancel() {
  if (!job_.busy()) return;
  job_.cancel();  // the workers have stopped; what they handed over waits in pending_
  batch_.stop();
  deliver();
  emit finished(true, QString());
}

void StudyJob::rowDone(StudyRow row) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    pending_.push_back(std::move(row));
    if (finished_ < pending_.back().number) finished_ = pending_.back().number;
  }
  requestDelivery();
}

void StudyJob::progressOnWorker(std::size_t finished, std::size_t total) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    finished_ = finished;
    total_ = total;
  }
  requestDelivery();
}

// One posted event at a time: the rows that come meanwhile join its batch.
void StudyJob::requestDelivery() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (deliveryPosted_) return;
    deliveryPosted_ = true;
  }
  job_.post([this] { scheduleDelivery(); });
}

void StudyJob::scheduleDelivery() {
  if (batch_.isActive()) return;
  const qint64 since = clock_.elapsed();
  batch_.start(since >= kBatchMs ? 0 : static_cast<int>(kBatchMs - since));
}

void StudyJob::deliver() {
  std::vector<StudyRow> rows;
  std::size_t finished = 0, total = 0;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    rows.swap(pending_);
    finished = finished_;
    total = total_;
    deliveryPosted_ = false;
  }
  clock_.restart();
  if (!rows.empty()) emit rowsArrived(rows);
  emit progressed(finished, total);
}

}  // namespace lamvero
