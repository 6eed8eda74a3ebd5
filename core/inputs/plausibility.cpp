#include "inputs/plausibility.h"

#include "text/language.h"
#include "text/numberformat.h"
#include "text/parsenumber.h"

namespace lamvero {

namespace {

std::string WithUnit(double value, const char* unit) {
  return *unit ? FormatSignificant(value, 6) + " " + unit : FormatSignificant(value, 6);
}

}  // namespace

std::vector<InputWarning> FindUnusualInputs(const InputTexts& inputs) {
  std::vector<InputWarning> warnings;
  for (const InputField& f : InputFields()) {
    const InputNumber x = ReadInputNumber(inputs[f.id]);
    if (x.reading != NumberReading::Number) continue;
    if (x.value >= f.usualMin && x.value <= f.usualMax) continue;
    warnings.push_back({f.id, x.value,
                        Filled(Tr("Plausibilität", "„%1“: %2 liegt außerhalb des üblichen Bereichs von %3 bis %4."),
                               {ShownCaption(f.id), WithUnit(x.value, f.unit), WithUnit(f.usualMin, f.unit),
                                WithUnit(f.usualMax, f.unit)})});
  }
  return warnings;
}

}  // namespace lamvero
