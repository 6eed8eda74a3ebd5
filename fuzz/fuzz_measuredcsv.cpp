// libFuzzer target: the measured-curve reader on arbitrary texts, with and
// without a dry mass from the caller. What it accepts is a curve a fit and a
// chart can use: enough points, the time from 0 on strictly increasing, a
// finite moisture of at least 0 at every point, every quantity as long as the
// time; a refusal always says why.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "files/measuredcsv.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

void RequireSound(const lamvero::MeasuredCurve& c) {
  using lamvero::MeasuredQuantity;
  Require(c.points() >= lamvero::kMinMeasuredPoints && c.has(MeasuredQuantity::Moisture));
  for (std::size_t k = 0; k < c.points(); ++k) {
    Require(std::isfinite(c.time[k]) && c.time[k] >= 0 && (k == 0 || c.time[k] > c.time[k - 1]));
    const double x = c[MeasuredQuantity::Moisture][k];
    Require(std::isfinite(x) && x >= 0);
  }
  for (const auto& values : c.values) Require(values.empty() || values.size() == c.points());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const std::optional<double> dryMass : {std::optional<double>(), std::optional<double>(85.2)}) {
    const lamvero::Outcome<lamvero::MeasuredCurve> read = lamvero::ReadMeasuredCurveText(text, dryMass, "fuzz");
    if (read) {
      RequireSound(read.value());
    } else {
      Require(!read.failure().reason.empty());
    }
  }
  lamvero::NeedsDryMass(text);
  return 0;
}
