#pragma once
// One of N parts of a study, for running it on several machines: shard K of N
// runs the cases K, K+N, K+2N, ... (cases and shards counted from 1, as job
// arrays and job numbers count). Taking every N-th case spreads the costly
// corner of a grid (the thick plates, the fine steps) over all parts.

#include <cstddef>
#include <string_view>

#include "text/outcome.h"

namespace lamvero {

struct StudyShard {
  std::size_t k = 1;  // 1 .. n
  std::size_t n = 1;

  // How many of cases 1 .. caseCount this shard runs.
  std::size_t caseCount(std::size_t studyCases) const { return studyCases >= k ? (studyCases - k) / n + 1 : 0; }
  // The study's case index (from 0) of this shard's i-th case (from 0).
  std::size_t caseIndex(std::size_t i) const { return k - 1 + i * n; }
};

// Reads "K/N", 1 <= K <= N; a refusal names the option and its value.
Outcome<StudyShard> ReadStudyShard(std::string_view text);

}  // namespace lamvero
