#include "study/refinement.h"

#include <cmath>

#include "text/language.h"
#include "study/levelrunner.h"
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

Status CheckRefinementLevels(const std::vector<InputTexts>& levels) {
  for (std::size_t k = 0; k < levels.size(); ++k) {
    const Status fits = LevelFits(k, levels[k]);
    if (fits) continue;
    std::string why = fits.failure().reason;
    if (k > 0) {
      why += why.empty() || why.back() != '.' ? ". " : " ";
      why += k == 1 ? Tr("Genauigkeit", "Schon die erste Verfeinerung ist nicht zulässig.")
                    : Filled(Tr("Genauigkeit", "--refine=%1 ist die feinste zulässige Stufe."), {std::to_string(k - 1)});
    }
    return Failure{fits.failure().where, why};
  }
  return Done{};
}

}  // namespace lamvero
