// libFuzzer target: the case-file reader on arbitrary texts. Whatever it
// accepts must be written again (with and without the series) as a text that
// reads back to the same case file, and writing that again gives the very
// same text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "files/casefile.h"
#include "run/recordfields.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

bool Same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }

void RequireSameRun(const lamvero::CaseRun& a, const lamvero::CaseRun& b, bool withSeries) {
  const lamvero::RunRecord& x = a.record;
  const lamvero::RunRecord& y = b.record;
  Require(a.date == b.date && a.program == b.program && a.nReihe == b.nReihe && a.nReihe1TA == b.nReihe1TA);
  Require(x.outcome == y.outcome && x.airIntegration == y.airIntegration && x.messages == y.messages);
  Require(x.controls == y.controls && a.accuracy.has_value() == b.accuracy.has_value());
  Require(std::memcmp(&x.values, &y.values, sizeof x.values) == 0);  // all doubles; null reads as the same NaN
  Require(x.derived.AnzOS == y.derived.AnzOS && x.results.nGlatt == y.results.nGlatt &&
          x.results.nIter == y.results.nIter);
  for (const auto& f : lamvero::DerivedFields()) Require(Same(x.derived.*f.member, y.derived.*f.member));
  for (const auto& f : lamvero::ResultFields()) Require(Same(x.results.*f.member, y.results.*f.member));
  Require(a.hasSeries() == (withSeries && b.hasSeries()));
  if (!a.hasSeries()) return;
  for (const lamvero::SeriesColumn& c : lamvero::SeriesColumns()) {
    for (int k = 0; k < x.series.points(); ++k) Require(Same((x.series.*c.member)[k], (y.series.*c.member)[k]));
  }
}

// What `file` writes reads back as `file`, and writes the same text again.
void RequireRoundTrip(const lamvero::CaseFile& file, bool withSeries) {
  const std::string text = lamvero::CaseFileText(file, withSeries);
  const lamvero::Outcome<lamvero::CaseFile> again = lamvero::ReadCaseFileText(text, nullptr);
  Require(again.ok());
  const lamvero::CaseFile& read = again.value();
  for (const lamvero::InputField& f : lamvero::InputFields()) Require(read.inputs[f.id] == file.inputs[f.id]);
  Require(read.about == file.about && read.airIntegration == file.airIntegration);
  Require(read.measured == file.measured);
  Require(read.constantAir == file.constantAir && read.plant == file.plant);
  Require(read.run.has_value() == file.run.has_value());
  if (read.run) RequireSameRun(*read.run, *file.run, withSeries);
  Require(lamvero::CaseFileText(read, withSeries) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const lamvero::Outcome<lamvero::CaseFile> read = lamvero::ReadCaseFileText(text, nullptr);
  if (!read) {
    Require(!read.message().empty());
    return 0;
  }
  RequireRoundTrip(read.value(), true);
  RequireRoundTrip(read.value(), false);
  return 0;
}
