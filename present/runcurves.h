#pragma once
// How far a run's curves may be read. A completed run's series went through
// the evaluation (mean and core moisture rescaled to the balance, the
// temperatures and the rate smoothed); a run that stopped (Stop, full
// series, values no longer finite) kept its raw series up to the stop, and
// the results that only the evaluation gives were never reached. Qt-free:
// the Diagramme window and the report name the runs with it.

#include <string>

#include "run/runrecord.h"

namespace lamvero {

// Whether the record's series are those of the evaluation.
bool SeriesEvaluated(const RunRecord& r);

// What the name of a run stopped before its evaluation adds in lists and
// legends, e.g. " (angehalten, ungeglättet)"; empty for a completed run.
std::string UnevaluatedSuffix(const RunRecord& r);

// Why a run has no curves to draw, in a sentence; empty where it has curves
// (two stored points or more).
std::string NoCurvesReason(const RunRecord& r);

}  // namespace lamvero
