#pragma once
// The memory a refinement study's levels need, and whether the machine can
// give it, so a study that could not finish is refused before any level runs.

#include <cstdint>
#include <optional>
#include <vector>

#include "inputs/inputs.h"
#include "text/outcome.h"

namespace lamvero {

// Bytes one run under extended limits holds at most with AnzOS spatial steps
// per half plate: the profile and the solver's storage, a profile copied out
// per curve interval, and the twelve series at full capacity with the
// ordinals of a thinned run. The series are bounded by their capacity however
// long the run is.
std::uint64_t RunMemoryBytes(int AnzOS);

// The same for a run of these inputs (their spatial steps per half plate).
std::uint64_t LevelMemoryBytes(const InputTexts& inputs);

// The memory the machine can give now: MemAvailable of /proc/meminfo, or else
// the free physical pages; nullopt when neither can be read.
std::optional<std::uint64_t> AvailableMemoryBytes();

// The levels' needs (RunMemoryBytes each) against what is available, with up
// to `jobs` levels running at once: the largest level alone must fit, and so
// must the `jobs` largest together. The failure names the level, what it
// needs and what there is, in MB.
Status CheckLevelsFit(const std::vector<std::uint64_t>& levelBytes, unsigned jobs, std::uint64_t available);

}  // namespace lamvero
