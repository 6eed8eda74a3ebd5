#pragma once
// A study as the window defines it and a study file keeps it: the base case
// and the inputs it varies, each with its values as the user wrote them, a
// range "20:40:5" or a list "35;45;55" (what the runner's --vary takes after
// "txt_Name="). The first varied input changes slowest.

#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "study/studyplan.h"
#include "text/outcome.h"

namespace lamvero {

struct StudyVariation {
  Input field = Input::Dicke;
  std::string values;  // "20:40:5" or "35;45;55", as typed
};

struct StudyDefinition {
  InputTexts base = InputTexts::Defaults();
  std::vector<StudyVariation> varied;
};

// The cases of the definition; a refusal names the varied input and what is
// wrong with its values, or why the plan as a whole cannot run.
Outcome<StudyPlan> PlanOf(const StudyDefinition& definition);

// The runner's option for a variation: "txt_Dicke=20:40:5".
std::string VaryOption(const StudyVariation& variation);

}  // namespace lamvero
