#include "study/refinement.h"

#include <cmath>

#include "text/csvformat.h"
#include "text/parsenumber.h"

namespace lamvero {

namespace {

// The text of base's value divided by 2^k, as the input box reads it back.
std::string Halved(const std::string& text, int k) {
  const double value = ParseNumber(text).value_or(std::nan(""));
  return CsvNumber(std::ldexp(value, -k), CsvDialect::German);
}

}  // namespace

std::vector<InputTexts> RefinementLevels(const InputTexts& base, int refinements) {
  std::vector<InputTexts> levels{base};
  for (int k = 1; k <= refinements; ++k) {
    InputTexts level = base;
    level[Input::deltaT] = Halved(base[Input::deltaT], k);
    level[Input::Ortsschrittweite] = Halved(base[Input::Ortsschrittweite], k);
    levels.push_back(level);
  }
  return levels;
}

}  // namespace lamvero
