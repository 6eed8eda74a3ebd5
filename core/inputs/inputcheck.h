#pragma once
// The check that stands before every run: a run starts only when it finds
// nothing. Each problem names the input box by its caption, in German.

#include <string>
#include <vector>

#include "inputs/inputreading.h"
#include "inputs/inputs.h"

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
// The same with the texts already read (ReadInputs(inputs)).
std::vector<std::string> CheckInputs(const InputTexts& inputs, const InputReading& reading);

}  // namespace lamvero
