#include "ui/fitting/fitjob.h"

#include <exception>
#include <functional>
#include <utility>

namespace lamvero {

namespace {

class PostingObserver : public FitObserver {
 public:
  explicit PostingObserver(std::function<void(const FitProgress&)> post) : post_(std::move(post)) {}
  void progress(const FitProgress& progress) override { post_(progress); }

 private:
  std::function<void(const FitProgress&)> post_;
};

}  // namespace

FitJob::FitJob(QObject* parent) : QObject(parent) {}

void FitJob::start(const FitProblem& problem) {
  job_.start([this, problem](const StopRequest& stop) -> BackgroundJob::Delivery {
    PostingObserver observer([this](const FitProgress& progress) {
      job_.post([this, progress] { emit progressed(progress); });
    });
    FitResult result;
    try {
      result = Fit(problem, &observer, &stop);
    } catch (const std::exception& e) {
      // Fit does not throw for an accepted problem; should memory run out, the dialog still hears of it.
      result.status = FitResult::Status::Failed;
      result.message = e.what();
    }
    return [this, result = std::move(result)] { emit finished(result); };
  });
}

void FitJob::cancel() { job_.cancel(); }

}  // namespace lamvero
