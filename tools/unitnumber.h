#pragma once
// A number in an option's value, perhaps with its unit written after it, with
// or without a blank ("2,5t/h", "2,5 t/h", "120").

#include <optional>
#include <string>

namespace lamvero {

// The number, read as the input boxes read it, if text is a number alone or
// followed by unit; nothing otherwise. An empty unit takes the number alone.
std::optional<double> NumberWithUnit(const std::string& text, const std::string& unit);

}  // namespace lamvero
