#include "study/studydefinition.h"

#include <utility>

namespace lamvero {

Outcome<StudyPlan> PlanOf(const StudyDefinition& definition) {
  std::vector<StudyAxis> axes;
  for (const StudyVariation& variation : definition.varied) {
    Outcome<StudyAxis> axis = ReadAxisValues(variation.field, variation.values);
    if (!axis) return axis.failure();
    axes.push_back(std::move(axis).value());
  }
  return StudyPlan::Make(definition.base, CaseTable{}, std::move(axes));
}

std::string VaryOption(const StudyVariation& variation) {
  return std::string(FieldOf(variation.field).box) + "=" + variation.values;
}

}  // namespace lamvero
