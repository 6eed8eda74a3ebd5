#include "inputs/constantair.h"

namespace lamvero {

InputTexts WithConstantAir(InputTexts inputs) {
  inputs[Input::ThetaGegenstromende] = inputs[Input::Lufttemp];
  return inputs;
}

}  // namespace lamvero
