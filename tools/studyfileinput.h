#pragma once
// The study a study file saved in the window defines, for --study; kept apart
// from the study options so that those see no Qt header.

#include <string>

#include "study/studydefinition.h"
#include "text/outcome.h"

namespace lamvero {

// The file's base inputs and varied inputs; a refusal names the file and what is wrong with it.
Outcome<StudyDefinition> ReadStudyDefinition(const std::string& path);

}  // namespace lamvero
