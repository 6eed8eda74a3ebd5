#pragma once
// The check that stands before every run: a run starts only when it finds
// nothing. Each problem names the input box by its caption, in German.

#include <string>
#include <vector>

#include "inputs/inputreading.h"
#include "inputs/inputs.h"
#include "physics/moisturestep.h"

namespace lamvero {

// One reason why a run cannot start: the boxes that cause it and a German
// text that names them by caption and says why.
struct InputProblem {
  std::vector<Input> fields;
  std::string text;
};

// Every problem of these input texts; empty when a meaningful run can start.
// Changes nothing.
std::vector<InputProblem> FindInputProblems(const InputTexts& inputs);

// The texts of FindInputProblems.
std::vector<std::string> CheckInputs(const InputTexts& inputs);
// The same with the texts already read (ReadInputs(inputs)), accepting up to
// maxSpatialSteps spatial steps per half plate (Dicke / Ortsschrittweite / 2):
// kMaxAnzOS for the run as the window starts it, more for a run under
// extended limits (run/runlimits.h).
std::vector<std::string> CheckInputs(const InputTexts& inputs, const InputReading& reading,
                                     int maxSpatialSteps = kMaxAnzOS);

}  // namespace lamvero
