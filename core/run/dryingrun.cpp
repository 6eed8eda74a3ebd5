#include "run/dryingrun.h"

#include <cmath>
#include <memory>

#include "inputs/inputcheck.h"
#include "inputs/inputreading.h"
#include "run/dryingperiods.h"
#include "run/setup.h"
#include "run/shownshrinkage.h"
#include "run/vectorstate.h"
#include "text/language.h"
#include "text/numberformat.h"

namespace lamvero {

namespace {

std::string StopMessage(const RunState& s, PeriodEnd end) {
  std::string when = FormatDuration(std::floor(s.now.Zeit + 0.5));
  if (when.front() != ' ') when.insert(0, " ");
  if (end == PeriodEnd::SeriesFull) {
    // A larger time step fits the run into the series, but the water error
    // stays small only while the grid number stays in its best range.
    return Filled(Tr("Lauf",
                     "Zeitreihen voll: Die Rechnung wurde bei der Zeit%1 angehalten, denn die Zeitreihen "
                     "fassen höchstens 500000 Zeitschritte. Bitte die Zeitschrittweite vergrößern und die "
                     "Ortsschrittweite mit der Wurzel desselben Faktors, damit Feuchteleitk. × "
                     "Zeitschrittweite / Ortsschrittweite² (in m²/s, s, m; hier %2) bei 0,3 bis 1 bleibt: "
                     "dort ist der Wasserfehler am kleinsten."),
                  {when, FormatSignificant(MoistureGridNumber(s.in.Feuchteleit, s.in.deltaT, s.run.dx), 2)});
  }
  return Filled(Tr("Lauf",
                   "Die Rechnung wurde bei der Zeit%1 angehalten, weil das Feuchteprofil keine endlichen "
                   "Werte mehr hat. Bitte die Eingaben prüfen (Zeitschrittweite verkleinern oder "
                   "Ortsschrittweite vergrößern)."),
                {when});
}

std::string UndefinedResultsMessage(const std::vector<std::string>& names) {
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) list += (i ? ", " : "") + names[i];
  return Filled(Tr("Lauf",
                   "Die Rechnung hat die Plattenmitte erreicht, aber diese Ergebnisse sind keine endlichen "
                   "Zahlen: %1. Der Lauf ist gescheitert. Bitte die Eingaben prüfen "
                   "(Wärmeübergangskoeffizient und Zeitschrittweite im üblichen Bereich)."),
                {list});
}

// The messages `make` gives, as files keep them and in the user's language
// (made once only in German).
template <class Make>
void Say(RunResult& result, Make make) {
  {
    const FileTexts kept;
    result.messages = make();
  }
  result.shownMessages = CurrentLanguage() == Language::German ? result.messages : make();
}

}  // namespace

RunResult RunSimulation(RunState& s, const InputTexts& inputs, RunEvents& events, const RunOptions& options) {
  ClearUpperVectorState();  // a run often starts on a thread the window's thread has just made
  RunResult result;
  const InputReading reading = ReadInputs(inputs);
  Say(result, [&] { return CheckInputs(inputs, reading, options.limits.maxSpatialSteps); });
  if (!result.messages.empty()) {
    result.outcome = RunOutcome::Refused;
    return result;
  }

  s.stopRequest = options.stop;
  s.limits = options.limits;
  s.record.inputs = inputs;
  s.record.airIntegration = options.airIntegration;
  s.record.messages.clear();
  s.record.controls.clear();
  s.record.profiles = ProfileCurves{};

  events.runBegun();
  SetUpRun(s, reading.values, events);
  PeriodEnd end = RunFirstPeriod(s, events);
  if (end == PeriodEnd::Done) end = RunSecondPeriod(s, events);
  s.thinning.keepLatest(s.record.series);  // the run's last step stays in the series
  std::vector<std::string> undefined;
  if (end == PeriodEnd::Done) {
    EvaluateRun(s, events);
    // A run whose results are not numbers has not succeeded.
    undefined = NonFiniteResults(s);
    if (!undefined.empty()) end = PeriodEnd::Failed;
  }
  events.runEnded();

  switch (end) {
    case PeriodEnd::Done: result.outcome = RunOutcome::Completed; break;
    case PeriodEnd::Stopped: result.outcome = RunOutcome::Stopped; break;
    case PeriodEnd::SeriesFull: result.outcome = RunOutcome::SeriesFull; break;
    case PeriodEnd::Failed: result.outcome = RunOutcome::Failed; break;
  }
  if (!undefined.empty()) {
    Say(result, [&] { return std::vector<std::string>{UndefinedResultsMessage(NonFiniteResults(s))}; });
  } else if (end == PeriodEnd::SeriesFull || end == PeriodEnd::Failed) {
    Say(result, [&] { return std::vector<std::string>{StopMessage(s, end)}; });
  }
  s.stopRequest = nullptr;
  RecordRun(s);
  // The listeners have drawn the model's own curves; what leaves the run shows shrinkage as shrinkage.
  LimitShrinkageToTotal(s.record);
  s.record.outcome = result.outcome;
  s.record.messages = result.messages;
  s.record.shownMessages = result.shownMessages;
  return result;
}

RunRecord RunCase(const InputTexts& inputs, RunEvents& events, const RunOptions& options) {
  const std::unique_ptr<RunState> s = std::make_unique<RunState>();
  if (options.limits.thinSeries && options.seriesCapacity > 0) {
    s->record.series = RunSeries::WithCapacity(options.seriesCapacity);
  }
  const RunResult result = RunSimulation(*s, inputs, events, options);
  if (result.outcome == RunOutcome::Refused) {
    RunRecord refused;
    refused.inputs = inputs;
    refused.messages = result.messages;
    refused.shownMessages = result.shownMessages;
    return refused;
  }
  return std::move(s->record);
}

}  // namespace lamvero
