#pragma once
// What the optimiser dialog offers before the user changes anything: which
// inputs it varies and within which bounds.

#include <vector>

#include "inputs/inputs.h"

namespace lamvero {

// The inputs a search of the dryer settings varies unless told otherwise:
// the exhaust air's temperature and humidity and the counter-current end.
const std::vector<Input>& UsualDecisionInputs();

// The inputs a search may vary at all: the plate and the air, not the numerical control.
bool IsDecisionCandidate(Input input);

struct DecisionBounds {
  double lower = 0;
  double upper = 0;
};

// Bounds around the case's value: a quarter of the input's usual range either
// side, measured on the search's scale (logarithmic for a range over a
// decade), cut off at the usual range; a value outside the usual range stays inside the bounds.
DecisionBounds DefaultDecisionBounds(Input input, double current);

}  // namespace lamvero
