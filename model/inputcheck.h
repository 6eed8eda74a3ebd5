#pragma once
// The check that stands before every run: a run starts only when it finds
// nothing. Each problem names the input box by its caption, in German.

#include <string>
#include <vector>

#include "model/inputs.h"

namespace lamvero {

// Every problem of these input texts; empty when a meaningful run can start.
// Changes nothing.
std::vector<std::string> CheckInputs(const InputTexts& inputs);

}  // namespace lamvero
