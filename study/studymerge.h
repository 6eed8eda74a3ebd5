#pragma once
// Puts the parts of a study (what --shard K/N writes) back together: the rows
// of all parts in case order, a CSV header once, no marks. The result is byte
// for byte what the study writes when it runs unsharded.
//
// Every part must prove that it belongs: its first mark names the study, its
// shard and its case count, its last mark says it is complete. Refused, with
// the part and what is wrong: a file that is no part, parts of different
// studies, a shard given twice or missing, a part cut off or marked
// incomplete, rows that are not its shard's cases in order.

#include <string>
#include <vector>

#include "text/outcome.h"

namespace lamvero {

// A part as read: a name for the messages (its path) and its text.
struct StudyPartText {
  std::string name;
  std::string text;
};

struct MergedStudy {
  std::string text;
  std::size_t cases = 0;       // rows in the merged study
  std::size_t incomplete = 0;  // of them, cases that did not complete (as the parts' end marks count them)
};

Outcome<MergedStudy> MergeStudyParts(const std::vector<StudyPartText>& parts);

// Reads a part's file, refusing what cannot be one before reading it all: a
// folder, a FIFO or a device, a file whose beginning is no part's mark, or
// more bytes than a part of its case count can hold.
Outcome<StudyPartText> ReadStudyPartFile(const std::string& path);

}  // namespace lamvero
