#pragma once
// Reading a number the way the input boxes are read: comma or point as the
// decimal separator, blanks ignored, reading stops at the first character that
// cannot continue the number, 0 for a text without a leading number.

#include <optional>
#include <string>
#include <string_view>

namespace lamvero {

// The number at the start of text; std::nullopt only for a number beyond the
// range of a double (such as 1E400), which cannot be read.
std::optional<double> ParseNumber(std::string_view text);

enum class NumberReading {
  Number,        // a number, perhaps followed by blanks and a unit without digits
  NoNumber,      // no leading number at all (an empty text included)
  TrailingText,  // a number followed by more than a unit ("2O", "20x5", "1.850,5")
  TooLarge,      // beyond the range of a double
};

struct InputNumber {
  NumberReading reading;
  double value;      // the number when reading is Number, else 0
  std::string rest;  // the unit after a number, or the text that spoils it
};

// Reads an input box strictly: the number rules of ParseNumber, but a text
// that is no number or holds more than a number and its unit is not read as
// one.
InputNumber ReadInputNumber(std::string_view text);

}  // namespace lamvero
