#include "inputs/constantair.h"

#include <algorithm>

namespace lamvero {

InputTexts WithConstantAir(InputTexts inputs) {
  inputs[Input::ThetaGegenstromende] = inputs[Input::Lufttemp];
  return inputs;
}

std::vector<InputWarning> ConstantAirWarnings(std::vector<InputWarning> warnings) {
  warnings.erase(std::remove_if(warnings.begin(), warnings.end(),
                                [](const InputWarning& w) { return w.field == Input::ThetaGegenstromende; }),
                 warnings.end());
  return warnings;
}

}  // namespace lamvero
