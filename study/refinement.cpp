#include "study/refinement.h"

#include <cmath>

#include "text/csvformat.h"
#include "text/parsenumber.h"

namespace lamvero {

std::string HalvedText(const std::string& text, int halvings) {
  const double value = ParseNumber(text).value_or(std::nan(""));
  return CsvNumber(std::ldexp(value, -halvings), CsvDialect::German);
}

std::vector<InputTexts> RefinementLevels(const InputTexts& base, int refinements) {
  std::vector<InputTexts> levels{base};
  for (int k = 1; k <= refinements; ++k) {
    InputTexts level = base;
    level[Input::deltaT] = HalvedText(base[Input::deltaT], k);
    level[Input::Ortsschrittweite] = HalvedText(base[Input::Ortsschrittweite], k);
    levels.push_back(level);
  }
  return levels;
}

}  // namespace lamvero
