#pragma once
// How the study charts name what they show: a varied input or a key result
// by its caption without the unit, the unit apart (a pure number has none),
// and a result's value in the window's number format.

#include <cstddef>
#include <string>

#include "inputs/inputs.h"

namespace lamvero {

struct NamedUnit {
  std::string name;  // "Anfangsdicke der Platte"
  std::string unit;  // "mm"; "" for a pure number
};

NamedUnit InputNaming(Input field);
// Of the key result at that index of StudyQuantities(), in the unit the study reports it in.
NamedUnit QuantityNaming(std::size_t quantity);

// "Anfangsdicke der Platte in mm", or the name alone for a pure number.
std::string AxisTitle(const NamedUnit& named);
// "Anfangsdicke der Platte = 20,0 mm" for a value written as `text`.
std::string ValueText(const NamedUnit& named, const std::string& text);

// A key result's value with a decimal comma: as the window writes that
// result, hours with two decimals, four significant digits where the window
// writes it in no fixed form; "–" for no value.
std::string QuantityText(std::size_t quantity, double value);

}  // namespace lamvero
