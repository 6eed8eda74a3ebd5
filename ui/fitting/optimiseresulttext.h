#pragma once
// The result of a search as the optimiser dialog shows it (rich text): how it
// ended, the optimum's inputs, its goal, each limit with its value and state,
// and the check run at the optimum.

#include <QString>

#include "study/optimise.h"

namespace lamvero {

QString OptimiseResultHtml(const OptimiseProblem& problem, const OptimiseResult& result);

// "aktiv", "eingehalten" or "verletzt".
QString ConstraintStateText(const ConstraintState& state);

}  // namespace lamvero
