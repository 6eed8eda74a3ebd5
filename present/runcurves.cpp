#include "present/runcurves.h"

#include "text/language.h"

namespace lamvero {

namespace {

// How each outcome names a run stopped before its evaluation.
struct StopNaming {
  RunOutcome outcome;
  const char* suffix;  // after the run's name
  const char* reason;  // why it left no curves
};
const StopNaming kStops[] = {
    {RunOutcome::Stopped, LV_TR_NOOP("Verläufe", " (angehalten, ungeglättet)"),
     LV_TR_NOOP("Verläufe", "Der Lauf wurde mit Stop angehalten, bevor zwei Punkte der Verläufe gespeichert waren.")},
    {RunOutcome::SeriesFull, LV_TR_NOOP("Verläufe", " (Zeitreihen voll, ungeglättet)"),
     LV_TR_NOOP("Verläufe", "Der Lauf wurde angehalten, weil die Zeitreihen voll waren, bevor zwei Punkte der "
                            "Verläufe gespeichert waren.")},
    {RunOutcome::Failed, LV_TR_NOOP("Verläufe", " (abgebrochen, ungeglättet)"),
     LV_TR_NOOP("Verläufe", "Der Lauf wurde abgebrochen, weil die Werte nicht mehr endlich waren, bevor zwei "
                            "Punkte der Verläufe gespeichert waren.")},
};

const StopNaming* StopOf(const RunRecord& r) {
  for (const StopNaming& s : kStops) {
    if (s.outcome == r.outcome) return &s;
  }
  return nullptr;
}

}  // namespace

bool SeriesEvaluated(const RunRecord& r) { return r.outcome == RunOutcome::Completed; }

std::string UnevaluatedSuffix(const RunRecord& r) {
  const StopNaming* stop = StopOf(r);
  return stop ? Tr("Verläufe", stop->suffix) : "";
}

std::string NoCurvesReason(const RunRecord& r) {
  if (r.series.points() >= 2) return "";
  if (r.outcome == RunOutcome::Refused) return Tr("Verläufe", "Die Eingaben wurden abgelehnt: der Lauf hat nichts gerechnet.");
  if (const StopNaming* stop = StopOf(r)) return Tr("Verläufe", stop->reason);
  return Tr("Verläufe", "Die Falldatei enthält die Verläufe nicht (ohne Zeitreihen gespeichert).");
}

}  // namespace lamvero
