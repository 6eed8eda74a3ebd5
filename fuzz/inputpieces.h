#pragma once
// The input texts a fuzzing input stands for, and the promise every text the
// input check accepts must keep: a case file written with it reads back the
// same. Shared by the fuzz target and the unit test that runs its seeds.

#include <string>
#include <string_view>

#include "files/casefile.h"
#include "inputs/inputs.h"

namespace lamvero {

// The data split at line feeds; the first byte of each piece picks the box
// it goes into, the rest is its text. eachText sees every piece's text, also
// one a later piece replaces.
template <class EachText>
InputTexts InputsOfPieces(std::string_view all, EachText&& eachText) {
  InputTexts inputs = InputTexts::Defaults();
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    const std::string_view piece = all.substr(start, end - start);
    if (!piece.empty()) {
      const auto& field = InputFields()[static_cast<unsigned char>(piece[0]) % kInputCount];
      inputs[field.id] = std::string(piece.substr(1));
      eachText(piece.substr(1));
    }
    start = end + 1;
  }
  return inputs;
}

// Whether these inputs, saved as a case file and opened again, are the same texts.
inline bool SurviveCaseFile(const InputTexts& inputs) {
  CaseFile file;
  file.inputs = inputs;
  const Outcome<CaseFile> read = ReadCaseFileText(CaseFileText(file, false), nullptr);
  return read && ChangedInputs(inputs, read.value().inputs).empty();
}

}  // namespace lamvero
