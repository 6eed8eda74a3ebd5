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

// A 2 mm plate in 1 ms steps: more steps than the series hold, so the window's
// run stops with "Zeitreihen voll".
inline InputTexts SeriesFullInputs() {
  InputTexts in = QuickInputs();
  in[Input::Dicke] = "2";
  in[Input::Ortsschrittweite] = "0,1";  // 10 steps: the coarsest grid accepted
  in[Input::deltaT] = "0,001";
  in[Input::rund] = "100000";
  return in;
}

}  // namespace lamvero::testing
