#pragma once
// Inputs that can be computed but lie outside what a brick dryer usually
// sees: the run may go ahead, but the user is told first.

#include <string>
#include <vector>

#include "inputs/inputs.h"

namespace lamvero {

struct InputWarning {
  Input field;
  double value;      // as entered, in the caption's unit
  std::string text;  // in the user's language, naming the box by caption, its value and the usual range
};

// Every readable input outside its usual range (InputField::usualMin..usualMax).
// Texts that are no number are left to the input check.
std::vector<InputWarning> FindUnusualInputs(const InputTexts& inputs);

}  // namespace lamvero
