#pragma once
// Puts the outputs of a study's shards back together: the rows of all files
// in case order, a CSV header once. The result is byte for byte what the
// study writes when it runs unsharded. Refuses files of different formats or
// headers, a case that appears twice and a case missing between the first
// and the last.

#include <cstdio>
#include <string>
#include <vector>

#include "text/outcome.h"

namespace lamvero {

// Writes the merged study to out; a failure names the file and line or the option.
Status MergeStudyShards(const std::vector<std::string>& paths, std::FILE* out);

}  // namespace lamvero
