#include "study/levelrunner.h"

#include <algorithm>
#include <cmath>
#include <atomic>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "text/language.h"
#include "inputs/inputcheck.h"
#include "inputs/inputreading.h"
#include "run/dryingrun.h"
#include "run/resultdescriptors.h"
#include "run/runevents.h"
#include "run/runlimits.h"
#include "study/memorybudget.h"

namespace lamvero {

namespace {

LevelRun RunOneLevel(const InputTexts& inputs, const LevelRunOptions& options) {
  NoRunEvents events;
  RunOptions runOptions;
  runOptions.stop = options.stop;
  runOptions.airIntegration = options.airIntegration;
  runOptions.limits = RunLimits::Extended();  // finer than a single run may be
  LevelRun run;
  try {
    run = LevelRunOf(RunCase(inputs, events, runOptions));
  } catch (const std::exception& e) {  // no memory for a run state: this level fails
    run.outcome = RunOutcome::Failed;
    run.messages = {Tr("Studie", "Lauf nicht möglich: ") + e.what()};
  }
  return run;
}

Status LevelCompleted(std::size_t level, const InputTexts& inputs, const LevelRun& run) {
  if (run.outcome == RunOutcome::Completed) return Done{};
  std::string why = Filled(Tr("Genauigkeit", "Lauf nicht vollständig (%1)"), {RunOutcomeName(run.outcome)});
  for (const std::string& m : run.messages) why += "; " + m;
  return Failure{LevelName(level, inputs), why};
}

}  // namespace

LevelRun LevelRunOf(const RunRecord& record) {
  LevelRun run;
  run.outcome = record.outcome;
  run.messages = record.messages;
  run.nReihe = record.series.nReihe;
  for (const ResultDescriptor& d : ResultDescriptors()) run.values.push_back(d.value(record));
  return run;
}

std::vector<LevelRun> RunLevels(const std::vector<InputTexts>& levels, const LevelRunOptions& options) {
  std::vector<LevelRun> runs(levels.size());
  std::atomic<std::size_t> next{0};
  std::mutex doneMutex;
  std::exception_ptr error;  // the first that ended a worker; guarded by doneMutex
  auto work = [&] {
    try {
      for (std::size_t i = next++; i < levels.size(); i = next++) {
        runs[i] = RunOneLevel(levels[i], options);
        const std::lock_guard<std::mutex> lock(doneMutex);
        if (options.levelDone) options.levelDone();
      }
    } catch (...) {  // nothing may leave a thread: no further level starts, the caller gets the error
      next = levels.size();
      const std::lock_guard<std::mutex> lock(doneMutex);
      if (!error) error = std::current_exception();
    }
  };
  const std::size_t workers = std::min<std::size_t>(std::max(options.threads, 1u), levels.size());
  std::vector<std::thread> threads;
  try {
    for (std::size_t w = 1; w < workers; ++w) threads.emplace_back(work);
  } catch (...) {  // fewer threads than asked for: the ones there are do the work
  }
  work();  // the calling thread is one of the workers
  for (std::thread& t : threads) t.join();
  if (error) std::rethrow_exception(error);
  return runs;
}

double LevelValue(const LevelRun& run, const std::string& key) {
  const std::vector<ResultDescriptor>& table = ResultDescriptors();
  const ResultDescriptor& result = ResultOf(key);
  return run.values.at(static_cast<std::size_t>(&result - table.data()));
}

std::string LevelName(std::size_t level, const InputTexts& inputs) {
  return Filled(Tr("Genauigkeit", "Stufe %1 (Zeitschrittweite %2 s, Ortsschrittweite %3 mm)"),
                {std::to_string(level), ShownInputText(inputs[Input::deltaT]), ShownInputText(inputs[Input::Ortsschrittweite])});
}

Status LevelFits(std::size_t level, const InputTexts& inputs) {
  const std::vector<std::string> problems =
      CheckInputs(inputs, ReadInputs(inputs), RunLimits::Extended().maxSpatialSteps);
  if (!problems.empty()) return Failure{LevelName(level, inputs), problems.front()};
  const std::optional<std::uint64_t> available = AvailableMemoryBytes();
  if (!available) return Done{};  // a machine that does not tell is not asked
  if (const Status fits = CheckLevelsFit({LevelMemoryBytes(inputs)}, 1, *available); !fits) {
    return Failure{LevelName(level, inputs), fits.message()};
  }
  return Done{};
}

Status LevelsCompleted(const std::vector<InputTexts>& levels, const std::vector<LevelRun>& runs,
                       const StopRequest* stop) {
  if (stop && stop->requested()) return Failure{"", Tr("Genauigkeit", "abgebrochen")};
  for (std::size_t k = 0; k < runs.size(); ++k) {
    if (const Status completed = LevelCompleted(k, levels[k], runs[k]); !completed) return completed;
  }
  return Done{};
}

}  // namespace lamvero
