#include "present/runcurves.h"

namespace lamvero {

namespace {

// How each outcome names a run stopped before its evaluation.
struct StopNaming {
  RunOutcome outcome;
  const char* suffix;  // after the run's name
  const char* cause;   // why the run stopped, for a sentence
};
const StopNaming kStops[] = {
    {RunOutcome::Stopped, " (angehalten, ungeglättet)", "mit Stop angehalten"},
    {RunOutcome::SeriesFull, " (Zeitreihen voll, ungeglättet)", "angehalten, weil die Zeitreihen voll waren"},
    {RunOutcome::Failed, " (abgebrochen, ungeglättet)", "abgebrochen, weil die Werte nicht mehr endlich waren"},
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
  return stop ? stop->suffix : "";
}

std::string NoCurvesReason(const RunRecord& r) {
  if (r.series.points() >= 2) return "";
  if (r.outcome == RunOutcome::Refused) return "Die Eingaben wurden abgelehnt: der Lauf hat nichts gerechnet.";
  if (const StopNaming* stop = StopOf(r)) {
    return std::string("Der Lauf wurde ") + stop->cause + ", bevor zwei Punkte der Verläufe gespeichert waren.";
  }
  return "Die Falldatei enthält die Verläufe nicht (ohne Zeitreihen gespeichert).";
}

}  // namespace lamvero
