#pragma once
// A thin plate on a coarse grid with a long time step: a complete run of about
// two thousand steps, quick enough for every test that needs a whole run.

#include "inputs/inputs.h"

namespace lamvero::testing {

inline InputTexts QuickInputs() {
  InputTexts in = InputTexts::Defaults();
  in[Input::Dicke] = "4";
  in[Input::Ortsschrittweite] = "0,2";
  in[Input::deltaT] = "2";
  in[Input::rund] = "100";
  return in;
}

}  // namespace lamvero::testing
