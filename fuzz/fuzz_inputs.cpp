// libFuzzer target: the number reader and the input check on arbitrary texts.
// The input is split at line feeds; the first byte of each piece picks the box
// it goes into, the rest is its text. Whatever the check accepts must read as
// numbers, set up a run with finite values inside the model's limits and come
// back unchanged from a case file.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "inputpieces.h"
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

  const lamvero::InputTexts inputs = lamvero::InputsOfPieces(all, CheckReaders);

  lamvero::FindUnusualInputs(inputs);
  if (!lamvero::FindInputProblems(inputs).empty()) return 0;
  Require(lamvero::SurviveCaseFile(inputs));

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
