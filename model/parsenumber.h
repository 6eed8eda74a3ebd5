#pragma once
// Reading a number the way the input boxes are read: comma or point as the
// decimal separator, blanks ignored, reading stops at the first character that
// cannot continue the number, 0 for a text without a leading number.

#include <optional>
#include <string_view>

namespace lamvero {

// The number at the start of text; std::nullopt only for a number beyond the
// range of a double (such as 1E400), which cannot be read.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace lamvero
