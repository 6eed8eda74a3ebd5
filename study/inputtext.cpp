#include "study/inputtext.h"

#include <cstddef>

#include "text/language.h"
#include "text/numberformat.h"

namespace lamvero {

// Input texts are kept with the decimal comma whatever the language: they go
// into case and study files as they are.
std::string InputTextOf(double value) { return CanonicalInputText(FormatSixDigits(value)); }

std::string ExactInputText(double value) { return CanonicalInputText(FormatSignificant(value, 17)); }

InputTexts WithInputValues(const InputTexts& base, const std::vector<Input>& inputs, const std::vector<double>& values,
                           ValueText form) {
  InputTexts texts = base;
  for (std::size_t i = 0; i < inputs.size() && i < values.size(); ++i) {
    texts[inputs[i]] = form == ValueText::Exact ? ExactInputText(values[i]) : InputTextOf(values[i]);
  }
  return texts;
}

}  // namespace lamvero
