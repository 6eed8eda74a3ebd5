#pragma once
// The check that stands before every run: a run starts only when it finds
// nothing. Each problem names the input box by its caption, in the user's language.

#include <string>
#include <vector>

#include "inputs/inputreading.h"
#include "inputs/inputs.h"
#include "physics/moisturestep.h"
#include "text/outcome.h"

namespace lamvero {

// One reason why a run cannot start: the boxes that cause it and a text in the
// user's language that names them by caption and says why.
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

// Why a box cannot hold this text: a control character (a tab, the line end of
// a pasted list) is invisible there and a case file could not keep it, nor
// bytes that are not UTF-8 or a text longer than a box takes. Empty if it can.
// The check refuses such a text; the message quotes it with the character escaped.
std::string UnkeptInputText(const std::string& text);

// The first input whose text a case file could not keep, naming its box by
// caption; Done when a file keeps every one.
Status KeepableInputs(const InputTexts& inputs);

}  // namespace lamvero
