#include "study/accuracy.h"

#include <atomic>
#include <cmath>

#include "text/language.h"
#include "inputs/inputcheck.h"
#include "run/resultdescriptors.h"
#include "study/convergence.h"
#include "study/levelrunner.h"
#include "study/refinement.h"

namespace lamvero {

namespace {

// name, time-step halvings, spatial-step halvings per level, caption
// The default first: measured on the default case, halving the spatial step
// with a quarter of the time step (the grid number Δt/Δx² stays the same) is
// the refinement whose estimate brackets a much finer direct run for every
// key result; halving the time step alone misses the spatial error, halving
// both changes the grid number and makes the observed order lie.
const std::vector<AccuracyScheme> kSchemes = {
    {"space2-time4", 2, 1, LV_TR_NOOP("Genauigkeit", "Ortsschrittweite halbiert, Zeitschrittweite geviertelt")},
    {"time", 1, 0, LV_TR_NOOP("Genauigkeit", "Zeitschrittweite halbiert")},
    {"both", 1, 1, LV_TR_NOOP("Genauigkeit", "Zeit- und Ortsschrittweite halbiert")},
};

const std::vector<std::string> kKeys = {
    "Zeit", "DauerGegenstrom", "Dauer1TA", "t1xse", "t2xse", "schwinddiff", "schwindgrad", "spezEnergie", "relEnergie",
};

AccuracyEstimate Evaluate(const std::vector<InputTexts>& levels, const std::vector<LevelRun>& runs,
                          const AccuracyOptions& o) {
  AccuracyEstimate estimate;
  estimate.scheme = o.scheme->name;
  estimate.tolerancePercent = o.tolerancePercent;
  for (const InputTexts& level : levels) estimate.levels.push_back({level[Input::deltaT], level[Input::Ortsschrittweite]});
  for (const std::string& key : kKeys) {
    std::vector<double> values;
    for (const LevelRun& run : runs) values.push_back(LevelValue(run, key));
    estimate.results.push_back(EstimateConvergence(key, values, o.scheme->ratio(), o.tolerancePercent));
  }
  return estimate;
}

}  // namespace

double AccuracyScheme::ratio() const { return std::ldexp(1.0, timeHalvings); }

const std::vector<AccuracyScheme>& AccuracySchemes() { return kSchemes; }

const AccuracyScheme* FindAccuracyScheme(const std::string& name) {
  for (const AccuracyScheme& s : kSchemes) {
    if (name == s.name) return &s;
  }
  return nullptr;
}

const std::vector<std::string>& AccuracyKeys() { return kKeys; }

std::vector<InputTexts> AccuracyLevels(const InputTexts& inputs, const AccuracyScheme& scheme, int levels) {
  std::vector<InputTexts> texts;
  for (int k = 0; k < levels; ++k) {
    InputTexts level = inputs;
    level[Input::deltaT] = HalvedText(inputs[Input::deltaT], k * scheme.timeHalvings);
    level[Input::Ortsschrittweite] = HalvedText(inputs[Input::Ortsschrittweite], k * scheme.spaceHalvings);
    texts.push_back(level);
  }
  return texts;
}

Outcome<AccuracyEstimate> EstimateAccuracy(const InputTexts& inputs, const AccuracyOptions& o) {
  if (o.levels < 2 || o.levels > 3) {
    return Failure{Tr("Genauigkeit", "Stufen"), Filled(Tr("Genauigkeit", "2 oder 3 Stufen, nicht %1"), {std::to_string(o.levels)})};
  }
  if (!(o.tolerancePercent > 0)) return Failure{Tr("Genauigkeit", "Toleranz"), Tr("Genauigkeit", "muss größer als 0 % sein")};
  const std::vector<InputProblem> problems = FindInputProblems(inputs);
  if (!problems.empty()) return Failure{Tr("Genauigkeit", "Eingabe"), problems.front().text};
  const std::vector<InputTexts> levels = AccuracyLevels(inputs, *o.scheme, o.levels);
  const std::size_t total = levels.size();
  std::atomic<std::size_t> finished{o.userRun ? 1u : 0u};
  LevelRunOptions runOptions;
  runOptions.stop = o.stop;
  runOptions.airIntegration = o.airIntegration;
  runOptions.levelDone = [&] {
    if (o.progress) o.progress(++finished, total);
  };
  // The user's level first: its length tells whether the finer ones fit.
  std::vector<LevelRun> runs =
      o.userRun ? std::vector<LevelRun>{LevelRunOf(*o.userRun)} : RunLevels({levels.front()}, runOptions);
  if (const Status completed = LevelsCompleted(levels, runs, o.stop); !completed) return completed.failure();
  for (std::size_t k = 1; k < total; ++k) {
    if (const Status fits = LevelFits(k, levels[k]); !fits) return fits.failure();
  }
  runOptions.threads = o.threads;
  for (LevelRun& run : RunLevels({levels.begin() + 1, levels.end()}, runOptions)) runs.push_back(std::move(run));
  if (const Status completed = LevelsCompleted(levels, runs, o.stop); !completed) return completed.failure();
  return Evaluate(levels, runs, o);
}

}  // namespace lamvero
