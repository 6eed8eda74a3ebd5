#include "tools/unitnumber.h"

#include "text/parsenumber.h"

namespace lamvero {

std::optional<double> NumberWithUnit(const std::string& text, const std::string& unit) {
  std::string number = text;
  if (!unit.empty() && number.size() > unit.size() && number.compare(number.size() - unit.size(), unit.size(), unit) == 0) {
    number.erase(number.size() - unit.size());
  }
  const InputNumber n = ReadInputNumber(number);
  if (n.reading != NumberReading::Number || !n.rest.empty()) return std::nullopt;
  return n.value;
}

}  // namespace lamvero
