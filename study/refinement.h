#pragma once
// The levels of a step-refinement study: a case at its own time step and
// spatial step, then with both halved, and again, so the user sees whether
// the results have settled. Each halving costs about four times the run
// before it (twice the steps on twice the grid).

#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "text/outcome.h"

namespace lamvero {

// Five halvings take a run 1024 times as long as the first level (the levels
// run under extended limits, so their grid may grow beyond that of a single
// run; the study's memory check refuses what the machine cannot hold).
constexpr int kMaxRefinements = 5;

// Level 0 is base itself; level k has txt_deltaT and txt_Ortsschrittweite
// divided by 2^k (exact in binary), written in their shortest form with a
// decimal comma ("0,5" -> "0,25" -> "0,125").
std::vector<InputTexts> RefinementLevels(const InputTexts& base, int refinements);

// Whether every level can run (study/levelrunner.h LevelFits: the input check
// under extended limits and the machine's memory), said before any runs. The
// failure names the first level that cannot and the finest one that can
// ("--refine=2 ist die feinste zulässige Stufe").
Status CheckRefinementLevels(const std::vector<InputTexts>& levels);

// The text of a step's value divided by 2^halvings, as the input box reads it
// back ("0,5", 2 -> "0,125"); a text that is no number gives "NaN".
std::string HalvedText(const std::string& text, int halvings);

}  // namespace lamvero
