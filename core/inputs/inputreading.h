#pragma once
// Reading the 18 input texts: each as a number, and all of them converted to
// model units. The input check and the set-up read through the same function.

#include <array>
#include <optional>
#include <string>

#include "inputs/inputs.h"

namespace lamvero {

struct InputReading {
  // Each text as the number typed; empty where the text cannot be read or
  // reads as an infinity.
  std::array<std::optional<double>, kInputCount> typed;
  // The same in model units; 0 for a text that cannot be read.
  InputValues values;

  const std::optional<double>& operator[](Input id) const { return typed[static_cast<std::size_t>(id)]; }
};

InputReading ReadInputs(const InputTexts& texts);

// Spatial steps per half plate as the set-up writes them into their box
// (txt_AnzOS): Dicke / Ortsschrittweite / 2, rounded to a whole number.
std::string SpatialStepsText(double Dicke, double Ortsschrittweite);
// That text read back, as the run reads every box (0 if it cannot be read).
double SpatialStepsFrom(const std::string& text);
// The same as the count the run works with: the text holds a whole number,
// from 10 to 500 once the input check has passed; 0 beyond the range of an int.
int SpatialStepCount(const std::string& text);

}  // namespace lamvero
