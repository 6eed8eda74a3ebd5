#pragma once
// Input texts for values a search chose: the exact text each of its runs
// reads, and the rounder text a user takes over into the window.

#include <string>
#include <vector>

#include "inputs/inputs.h"

namespace lamvero {

// The text an input box gets when a user takes a fitted or optimised value
// over: six significant digits, fixed, decimal comma ("37,8125").
std::string InputTextOf(double value);

// A text the input reader turns back into exactly this double (17
// significant digits, decimal comma): what a search's own runs are given.
std::string ExactInputText(double value);

// base with each of inputs[i] replaced by values[i], exactly or as a user
// types it.
enum class ValueText { Exact, AsTyped };
InputTexts WithInputValues(const InputTexts& base, const std::vector<Input>& inputs, const std::vector<double>& values,
                           ValueText form);

}  // namespace lamvero
