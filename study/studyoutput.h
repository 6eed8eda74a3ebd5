#pragma once
// Reads back what the runner writes for a study (`--vary`, `--study`, or the
// parts put together by `--merge`): CSV in the plain or the German dialect,
// told apart by the header, or JSON Lines. The output must be the study's:
// the header names its varied inputs, every row is the next case of its plan
// with that case's varied texts, and every line is exactly what the runner
// writes for such a row, so the values come back bit for bit. A study stopped
// half-way (its last line says so) gives the rows it finished; a part of a
// sharded study is refused until the parts are put together.

#include <cstddef>
#include <string_view>

#include "study/studydefinition.h"
#include "study/studyresults.h"
#include "text/outcome.h"

namespace lamvero {

// The most bytes an output of the study can hold: header and marks, and a
// row of the longest form for each case. More than that is no output of it.
std::size_t MaxStudyOutputBytes(const StudyDefinition& definition);

// The rows, or why not: the failure names the line ("Zeile 7") and what is
// wrong with it. `complete` of the results says whether every case is there.
Outcome<StudyResults> ReadStudyOutput(std::string_view text, const StudyDefinition& definition);

}  // namespace lamvero
