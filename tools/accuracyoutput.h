#pragma once
// What the runner writes of an accuracy estimate and of steps chosen for a
// tolerance: members of the --json object, and lines for the table of rows.

#include <string>

#include "run/accuracyestimate.h"
#include "study/autosteps.h"
#include "text/outcome.h"

namespace lamvero {

// ,"accuracy":{...}, or ,"accuracy":{"failure":"..."} when no estimate could be made.
std::string AccuracyJsonMember(const Outcome<AccuracyEstimate>& estimate);

// ,"autoSteps":{"tolerancePercent":...,"txt_deltaT":...,"txt_Ortsschrittweite":...,"runs":...,
// "remainingErrorPercent":...,"remainingErrorKey":...,"estimate":{...}}
std::string AutoStepsJsonMember(const AutoSteps& steps, double tolerancePercent);

// The estimate as lines in German: the scheme and levels, then one line per key result.
std::string AccuracyLines(const AccuracyEstimate& estimate);

}  // namespace lamvero
