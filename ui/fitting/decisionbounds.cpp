#include "ui/fitting/decisionbounds.h"

#include <algorithm>

#include "study/searchscale.h"

namespace lamvero {

namespace {
// How far either side of the case the bounds reach, as a share of the usual range on the search's scale.
constexpr double kReach = 0.25;
}  // namespace

const std::vector<Input>& UsualDecisionInputs() {
  static const std::vector<Input> inputs{Input::Lufttemp, Input::AbluftFeuchte, Input::ThetaGegenstromende};
  return inputs;
}

bool IsDecisionCandidate(Input input) {
  switch (input) {
    case Input::Ortsschrittweite:
    case Input::deltaT:
    case Input::rund:
      return false;
    default:
      return true;
  }
}

DecisionBounds DefaultDecisionBounds(Input input, double current) {
  const InputField& field = FieldOf(input);
  const SearchScale scale(field.usualMin, field.usualMax);
  const double u = scale.toUnit(current);
  DecisionBounds bounds{scale.fromUnit(std::max(0.0, u - kReach)), scale.fromUnit(std::min(1.0, u + kReach))};
  bounds.lower = std::min(bounds.lower, current);
  bounds.upper = std::max(bounds.upper, current);
  return bounds;
}

}  // namespace lamvero
