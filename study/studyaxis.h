#pragma once
// One input a study varies and the texts it takes, read from what the user
// wrote after "txt_Name=": a range start:stop:step (inclusive) or a list.
//
// Ranges are counted in decimal digits, not in doubles, so 0,1:0,3:0,1 gives
// exactly 0,1 0,2 0,3. Every value is written with a decimal comma, as the
// input boxes show their defaults, with as many decimals as the most precise
// of start, stop and step ("1:2:0,25" gives 1,00 1,25 1,50 1,75 2,00).
//
// Lists: with a semicolon, the semicolons separate the values and each value
// may use a decimal comma or point ("0,5;1,5"). Without one, commas separate
// the values when they cannot be decimal commas: two or more of them
// ("35,45,55"), or a decimal point beside them ("0.5,1.5"). A single comma
// between digits ("35,45") could be either and is refused with a hint.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "inputs/inputs.h"
#include "text/outcome.h"

namespace lamvero {

struct StudyAxis {
  Input field = Input::Dicke;
  std::vector<std::string> texts;  // in the order the study runs them
};

// The most values one range may give: a misplaced decimal in the step would
// otherwise start millions of runs.
constexpr std::size_t kMaxAxisValues = 100000;

// Reads "txt_Name=VALUES"; a refusal names the field and what is wrong.
Outcome<StudyAxis> ReadStudyAxis(std::string_view given);

// Reads VALUES alone: the range or the list, each value as a text with a decimal comma.
Outcome<StudyAxis> ReadAxisValues(Input field, std::string_view values);

// A number as a study writes it: digits with an optional sign, an optional
// decimal comma or point and an optional exponent, nothing else.
bool IsPlainNumber(std::string_view text);

}  // namespace lamvero
