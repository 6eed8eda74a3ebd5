// libFuzzer target: the number reader and the input check on arbitrary texts.
// The input is split at line feeds; the first byte of each piece picks the box
// it goes into, the rest is its text. Whatever the check accepts must read as
// numbers and set up a run with finite values inside the model's limits.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "inputs/inputcheck.h"
#include "inputs/inputreading.h"
#include "inputs/inputs.h"
#include "text/parsenumber.h"
#include "inputs/plausibility.h"
#include "run/runstate.h"
#include "run/runevents.h"
#include "run/setup.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// The strict reader takes only numbers the box reader gives the same way.
void CheckReaders(std::string_view text) {
  const std::optional<double> loose = lamvero::ParseNumber(text);
  const lamvero::InputNumber strict = lamvero::ReadInputNumber(text);
  if (strict.reading == lamvero::NumberReading::Number) {
    Require(loose.has_value() && *loose == strict.value && std::isfinite(strict.value));
  }
  if (strict.reading == lamvero::NumberReading::TooLarge) Require(!loose.has_value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  CheckReaders(all);

  lamvero::InputTexts inputs = lamvero::InputTexts::Defaults();
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    const std::string_view piece = all.substr(start, end - start);
    if (!piece.empty()) {
      const auto& field = lamvero::InputFields()[static_cast<unsigned char>(piece[0]) % lamvero::kInputCount];
      inputs[field.id] = std::string(piece.substr(1));
      CheckReaders(piece.substr(1));
    }
    start = end + 1;
  }

  lamvero::FindUnusualInputs(inputs);
  if (!lamvero::FindInputProblems(inputs).empty()) return 0;

  static const std::unique_ptr<lamvero::RunState> state = std::make_unique<lamvero::RunState>();
  lamvero::NoRunEvents events;
  lamvero::RunState& s = *state;
  const lamvero::InputReading reading = lamvero::ReadInputs(inputs);
  lamvero::SetUpRun(s, reading.values, events);
  const lamvero::RunConstants& run = s.run;
  for (double v : {run.DickeTr, run.FlaechenmasseInv, run.XAbluft, run.ThetaKgr, run.LuftRohlingVerh, run.body.rho0,
                   run.body.offPoren, run.body.XSchwEnde, run.body.KappaGr, run.dx, s.now.qrand, s.now.mRand}) {
    Require(std::isfinite(v));
  }
  Require(run.AnzOS >= 10 && run.AnzOS <= lamvero::kMaxAnzOS);
  Require(s.in.AbluftFeuchte >= 0 && s.in.AbluftFeuchte < 1 && s.in.AussenluftFeuchte >= 0 &&
          s.in.AussenluftFeuchte <= 1);
  Require(run.body.offPoren > 0 && run.LuftRohlingVerh > 0 && run.DickeTr > 0);
  return 0;
}
