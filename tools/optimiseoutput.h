#pragma once
// What the runner writes of an optimisation: lines in German, or the members
// of its --json object.

#include <string>

#include "study/optimise.h"

namespace lamvero {

// "Optimierung: <message>", the goal, each decision with its bounds, each
// limit with its value at the optimum (aktiv, verletzt), the check run, runs and time.
std::string OptimiseLines(const OptimiseProblem& problem, const OptimiseResult& result);

// ,"optimise":{"status":...,"message":...,"goal":{...},"decisions":[...],"constraints":[...],"blockedBy":...,
// "check":{...},"runs":...,"seconds":...,"path":[...],"optimumInputs":{...}}
std::string OptimiseJsonMember(const OptimiseProblem& problem, const OptimiseResult& result);

// The status as the JSON names it: "found", "infeasible", "stopped", "failed".
const char* OptimiseStatusKey(OptimiseResult::Status status);

}  // namespace lamvero
