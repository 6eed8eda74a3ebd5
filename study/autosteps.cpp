#include "study/autosteps.h"

#include <atomic>
#include <cmath>
#include <limits>
#include <vector>

#include "text/language.h"
#include "inputs/inputcheck.h"
#include "run/resultdescriptors.h"
#include "study/accuracy.h"
#include "study/convergence.h"
#include "study/levelrunner.h"
#include "text/numberformat.h"
#include "text/parsenumber.h"

namespace lamvero {

namespace {

constexpr double kInfinite = std::numeric_limits<double>::infinity();

// The key result that changed most between the last two levels, and by how much (%).
struct LargestChange {
  std::string key;
  double percent = 0;
};

// A duration is resolved to one time step: one that moves by no more than the
// coarser level's step (a counter-current section that ends in the first step
// lasts exactly one step on every level) has not changed.
LargestChange LargestKeyChange(const LevelRun& coarser, const LevelRun& finer, double coarserStep) {
  LargestChange largest;
  for (const std::string& key : AccuracyKeys()) {
    const double from = LevelValue(coarser, key), to = LevelValue(finer, key);
    const bool withinStep = ResultOf(key).isDuration() && std::fabs(to - from) <= coarserStep;
    const double percent = withinStep ? 0 : ChangePercent(from, to);
    if (largest.key.empty() || percent > largest.percent) largest = {key, percent};
  }
  return largest;
}

std::string NotSettled(const LargestChange& change, double tolerancePercent) {
  const std::string amount =
      std::isinf(change.percent)
          ? Tr("Genauigkeit", "wird nur auf einer der Stufen erreicht")
          : Filled(Tr("Genauigkeit", "ändert sich noch um %1 %"), {FormatSignificant(change.percent, 3)});
  return Filled(Tr("Genauigkeit", "„%1“ %2 (Ziel: unter %3 %)"),
                {ResultOf(change.key).tableCaption(), amount, FormatSignificant(tolerancePercent, 3)});
}

// The choice from the levels run: the chosen level is the second finest.
AutoSteps Chosen(const std::vector<InputTexts>& levels, const std::vector<LevelRun>& runs, double tolerancePercent) {
  AutoSteps steps;
  const InputTexts& chosen = levels[levels.size() - 2];
  steps.deltaT = chosen[Input::deltaT];
  steps.Ortsschrittweite = chosen[Input::Ortsschrittweite];
  steps.runs = static_cast<int>(runs.size());
  const AccuracyScheme& both = *FindAccuracyScheme("both");
  steps.estimate.scheme = both.name;
  steps.estimate.tolerancePercent = tolerancePercent;
  for (const InputTexts& level : levels) steps.estimate.levels.push_back({level[Input::deltaT], level[Input::Ortsschrittweite]});
  steps.remainingErrorPercent = std::numeric_limits<double>::quiet_NaN();
  for (const std::string& key : AccuracyKeys()) {
    std::vector<double> values;
    for (const LevelRun& run : runs) values.push_back(LevelValue(run, key));
    steps.estimate.results.push_back(EstimateConvergence(key, values, both.ratio(), tolerancePercent));
    const double error = CoarserLevelErrorPercent(steps.estimate.results.back(), both.ratio());
    if (!std::isnan(error) && (std::isnan(steps.remainingErrorPercent) || error > steps.remainingErrorPercent)) {
      steps.remainingErrorPercent = error;
      steps.remainingErrorKey = key;
    }
  }
  return steps;
}

}  // namespace

double ChangePercent(double coarser, double finer) {
  if (std::isnan(coarser) && std::isnan(finer)) return 0;
  if (std::isnan(coarser) || std::isnan(finer)) return kInfinite;
  if (coarser == finer) return 0;
  if (finer == 0) return kInfinite;
  return 100 * std::fabs(finer - coarser) / std::fabs(finer);
}

Outcome<AutoSteps> ChooseSteps(const InputTexts& inputs, const AutoStepsOptions& o) {
  if (!(o.tolerancePercent > 0)) return Failure{Tr("Genauigkeit", "Toleranz"), Tr("Genauigkeit", "muss größer als 0 % sein")};
  const std::vector<InputProblem> problems = FindInputProblems(inputs);
  if (!problems.empty()) return Failure{Tr("Genauigkeit", "Eingabe"), problems.front().text};
  const AccuracyScheme& both = *FindAccuracyScheme("both");
  std::vector<InputTexts> levels = AccuracyLevels(inputs, both, 2);
  if (const Status fits = LevelFits(1, levels[1]); !fits) return fits.failure();
  std::atomic<std::size_t> finished{0};
  LevelRunOptions runOptions;
  runOptions.threads = o.threads;
  runOptions.stop = o.stop;
  runOptions.airIntegration = o.airIntegration;
  runOptions.levelDone = [&] {
    if (o.progress) o.progress(++finished);
  };
  std::vector<LevelRun> runs = RunLevels(levels, runOptions);
  for (;;) {
    if (const Status completed = LevelsCompleted(levels, runs, o.stop); !completed) return completed.failure();
    const double coarserStep = ParseNumber(levels[levels.size() - 2][Input::deltaT]).value_or(0);
    const LargestChange change = LargestKeyChange(runs[runs.size() - 2], runs.back(), coarserStep);
    if (change.percent < o.tolerancePercent) return Chosen(levels, runs, o.tolerancePercent);
    const std::size_t next = levels.size();
    levels.push_back(AccuracyLevels(inputs, both, static_cast<int>(next) + 1).back());
    Status fits = LevelFits(next, levels.back());
    if (fits && next > static_cast<std::size_t>(o.maxHalvings)) {
      fits = Failure{LevelName(next, levels.back()),
                     Filled(Tr("Genauigkeit", "mehr als %1 Halbierungen nimmt die automatische Wahl nicht vor"),
                            {std::to_string(o.maxHalvings)})};
    }
    if (!fits) {
      const std::string& why = fits.failure().reason;
      const bool sentence = !why.empty() && why.back() == '.';
      const std::string at = Filled(sentence ? Tr("Genauigkeit", " Bei %1 %2.") : Tr("Genauigkeit", "; bei %1 %2"),
                                    {LevelName(next - 1, levels[next - 1]), NotSettled(change, o.tolerancePercent)});
      return Failure{fits.failure().where, why + at};
    }
    runs.push_back(RunLevels({levels.back()}, runOptions).front());
  }
}

std::string AutoStepsLine(const AutoSteps& steps) {
  std::string line = Filled(Tr("Genauigkeit", "gewählte Schrittweiten: Zeitschrittweite %1 s, Ortsschrittweite %2 mm (%3 Läufe)"),
                            {ShownInputText(steps.deltaT), ShownInputText(steps.Ortsschrittweite), std::to_string(steps.runs)});
  if (!std::isnan(steps.remainingErrorPercent)) {
    line += Filled(Tr("Genauigkeit", "; größter geschätzter Restfehler %1 % (%2)"),
                   {FormatSignificant(steps.remainingErrorPercent, 2), ResultOf(steps.remainingErrorKey).tableCaption()});
  }
  return line;
}

}  // namespace lamvero
