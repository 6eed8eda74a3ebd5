#include "study/inputtext.h"

#include <cstddef>

#include "text/numberformat.h"

namespace lamvero {

std::string InputTextOf(double value) { return FormatSixDigits(value); }

std::string ExactInputText(double value) { return FormatSignificant(value, 17); }

InputTexts WithInputValues(const InputTexts& base, const std::vector<Input>& inputs, const std::vector<double>& values,
                           ValueText form) {
  InputTexts texts = base;
  for (std::size_t i = 0; i < inputs.size() && i < values.size(); ++i) {
    texts[inputs[i]] = form == ValueText::Exact ? ExactInputText(values[i]) : InputTextOf(values[i]);
  }
  return texts;
}

}  // namespace lamvero
