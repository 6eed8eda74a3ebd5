#pragma once
// A study file (NAME.lamvero-studie): a study as the Studie window keeps it,
// readable JSON in UTF-8. It holds the base inputs exactly as typed, the
// varied inputs with their values as typed, and, once the study has run, its
// rows: the case number, the varied texts, the outcome, the messages and the
// key results as exact numbers, so that opening the file gives the very
// values the study computed. Reading checks everything against the study's
// plan and names the first problem; a file that fails the check gives nothing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "study/studydefinition.h"
#include "study/studyresults.h"
#include "text/outcome.h"

namespace lamvero {

constexpr const char* kStudyFormatName = "lamvero-study";
constexpr int kStudyFormatVersion = 1;
constexpr const char* kStudyFileSuffix = ".lamvero-studie";
// A row of a sound study takes a few hundred bytes (its thirteen results at
// most 24 characters each, the varied texts, the outcome, a refusal's
// messages); kMaxStudyCases such rows stay well below this.
constexpr std::size_t kMaxStudyFileBytes = std::size_t{1} << 30;
// The messages one row may keep: a refused case names each of its 18 inputs at most once, and a few more.
constexpr std::size_t kMaxStudyRowMessages = 100;

struct StudyFile {
  StudyDefinition definition;
  std::optional<StudyResults> results;  // its base and varied fields are the definition's
};

// The text of a study file. The results are written with the definition's
// base inputs; their rows must be cases of its plan, as the study made them.
std::string StudyFileText(const StudyFile& file);

// The first text of the definition a study file could not keep (a base
// input, the values of a varied input: not UTF-8, a control character, longer
// than a box takes), naming it; Done when the file keeps every one. A file
// saved with such a text could not be opened again.
Status KeepableStudy(const StudyDefinition& definition);

// Refuses a file larger than a study file can be, showing both sizes.
Status CheckStudyFileSize(std::uint64_t bytes);

// Reads the text of a study file. Refused, naming the field or the row: an
// unknown input box, values that make no plan, rows that are not the plan's
// cases, a field given twice, another format, a newer version.
Outcome<StudyFile> ReadStudyFileText(std::string_view text);

}  // namespace lamvero
