// libFuzzer target: the study inputs on arbitrary texts. The first byte picks
// the reader: a table of cases, one or two varied inputs ("txt_Name=VALUES"
// per line), a shard "K/N", or the parts of a study to merge (separated by a
// line "--part--"). No input may crash, and whatever is accepted must hold
// together: a plan has as many cases as its table rows times its axes' values,
// a shard's cases lie in the study, a merge has one row per case.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "study/casetable.h"
#include "study/studyaxis.h"
#include "study/studymerge.h"
#include "study/studyplan.h"
#include "study/studyshard.h"

namespace {

using namespace lamvero;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  for (std::size_t at = 0;;) {
    const std::size_t next = text.find(separator, at);
    pieces.push_back(text.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at));
    if (next == std::string_view::npos) return pieces;
    at = next + separator.size();
  }
}

void FuzzCaseTable(std::string_view text) {
  const Outcome<CaseTable> table = ParseCaseTable(text, "fuzz.csv");
  if (!table) return;
  Require(!table->columns.empty());
  for (const std::vector<std::string>& row : table->rows) Require(row.size() == table->columns.size());
  const std::size_t rows = table->rows.size();
  const Outcome<StudyPlan> plan = StudyPlan::Make(InputTexts::Defaults(), table.value(), {});
  if (!plan) return;
  Require(plan->size() == rows && rows <= kMaxStudyCases);
  Require(plan->variedFields() == table->columns);
  const InputTexts last = plan->caseInputs(plan->size() - 1);
  for (std::size_t c = 0; c < table->columns.size(); ++c) {
    const std::string& cell = table->rows.back()[c];
    Require(cell.empty() || last[table->columns[c]] == cell);
  }
}

void FuzzAxes(std::string_view text) {
  std::vector<StudyAxis> axes;
  std::size_t product = 1;
  for (const std::string_view line : Split(text, "\n")) {
    const Outcome<StudyAxis> axis = ReadStudyAxis(line);
    if (!axis) continue;
    Require(!axis->texts.empty() && axis->texts.size() <= kMaxAxisValues);
    for (const std::string& value : axis->texts) Require(!value.empty());
    product = product > kMaxStudyCases ? product : product * axis->texts.size();
    axes.push_back(axis.value());
    if (axes.size() == 2) break;
  }
  if (axes.empty()) return;
  const Outcome<StudyPlan> plan = StudyPlan::Make(InputTexts::Defaults(), CaseTable{}, axes);
  if (!plan) return;
  Require(plan->size() == product && product <= kMaxStudyCases);
  // The last case takes the last value of every axis.
  const InputTexts last = plan->caseInputs(plan->size() - 1);
  for (const StudyAxis& axis : axes) Require(last[axis.field] == axis.texts.back());
}

void FuzzShard(std::string_view text) {
  const Outcome<StudyShard> shard = ReadStudyShard(text);
  if (!shard) return;
  Require(shard->k >= 1 && shard->k <= shard->n);
  for (std::size_t cases = 0; cases < 40; ++cases) {
    // The shard's last case lies in the study, and the one after it would not.
    const std::size_t count = shard->caseCount(cases);
    if (count == 0) {
      Require(shard->k > cases);
    } else {
      const std::size_t last = shard->caseIndex(count - 1);
      Require(last < cases && cases - 1 - last < shard->n);
    }
  }
}

void FuzzMerge(std::string_view text) {
  std::vector<StudyPartText> parts;
  for (const std::string_view piece : Split(text, "--part--\n")) {
    parts.push_back(StudyPartText{"part" + std::to_string(parts.size() + 1), std::string(piece)});
  }
  const Outcome<MergedStudy> merged = MergeStudyParts(parts);
  if (!merged) return;
  std::size_t lines = 0;
  for (const char c : merged->text) lines += c == '\n' ? 1 : 0;
  Require(!merged->text.empty() || merged->cases == 0);
  // A CSV header on top: captions and machine names, or the one line of older versions.
  Require(lines >= merged->cases && lines <= merged->cases + 2);
  Require(merged->incomplete <= merged->cases);
  Require(merged->text.size() <= text.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 4) {
    case 0: FuzzCaseTable(text); break;
    case 1: FuzzAxes(text); break;
    case 2: FuzzShard(text); break;
    default: FuzzMerge(text); break;
  }
  return 0;
}
