#pragma once
// The marks that make a study's output say what it is. A part (what
// --shard K/N writes) opens with a mark holding the study's fingerprint (the
// program, the output format and dialect, the base inputs, the varied inputs
// with their values or the case table's columns, count and hash, the study's
// and the part's case count) and closes with a mark saying how many rows it
// holds and whether it is complete. A part without its closing mark was cut
// off. A whole study stopped half-way ends with a mark saying so.
//
//   CSV:        # lamvero-study-part {JSON}        JSON Lines: {"lamveroStudyPart":{JSON}}
//               # lamvero-study-part-end {JSON}                {"lamveroStudyPartEnd":{JSON}}
//               # lamvero-study-incomplete {JSON}              {"lamveroStudyIncomplete":{JSON}}

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inputs/inputs.h"
#include "study/studyaxis.h"
#include "study/studyplan.h"
#include "study/studyshard.h"
#include "study/studywriter.h"
#include "text/outcome.h"

namespace lamvero {

// The layout of the marks; a part of another version is refused.
constexpr int kStudyPartVersion = 1;

// The longest first line of a part that is read: the fingerprint holds every
// value of the varied inputs, which a study of at most kMaxStudyCases cases
// keeps well below this.
constexpr std::size_t kMaxPartMarkBytes = std::size_t{64} << 20;

// What makes a study: two parts belong together when these are the same.
struct StudyIdentity {
  std::string program;  // "lamvero-batch 1.2.0"
  StudyFormat format = StudyFormat::Csv;
  CsvDialect dialect = CsvDialect::Plain;
  InputTexts base;
  std::vector<StudyAxis> axes;
  std::optional<CaseTable> table;
  std::size_t studyCases = 0;
};

// How a part or a stopped study ended.
struct StudyEnd {
  std::size_t rows = 0;        // rows written
  std::size_t incomplete = 0;  // of them, cases that did not complete
  bool complete = true;
  std::string reason;          // why not, e.g. "SIGTERM"
};

// A part's first line, read back.
struct PartMark {
  std::string study;  // the fingerprint without the shard: equal for the parts of one study
  StudyFormat format = StudyFormat::Csv;
  StudyShard shard;
  std::size_t studyCases = 0;
  std::size_t partCases = 0;
  std::size_t rowLimit = 0;  // the longest row this study can write, with margin
};

// The longest row a study can write whose input texts are at most
// longestText bytes, `fields` of them varied: the fixed part (case number,
// outcome, results, messages) and room for messages that repeat the texts.
std::size_t StudyRowLimit(std::size_t fields, std::size_t longestText);

// The lines, each with its line feed.
std::string PartBeginLine(const StudyIdentity& study, StudyShard shard);
std::string PartEndLine(StudyFormat format, const StudyEnd& end);
std::string IncompleteLine(StudyFormat format, const StudyEnd& end, std::size_t studyCases);

// Whether a text may begin a part: it starts with a part's first mark in
// either format, or with the beginning of one (too short to tell).
bool StartsLikePart(std::string_view text);
// Reads a part's first line (without its line feed); a failure says what is wrong with it.
Outcome<PartMark> ReadPartBegin(std::string_view line);
// Reads a line as a part's closing mark; nothing when it is not one (a row).
std::optional<Outcome<StudyEnd>> ReadPartEnd(std::string_view line, StudyFormat format);

// Reads a line as the mark of a whole study stopped half-way; nothing when
// it is not one. The mark must name a study of studyCases cases.
std::optional<Outcome<StudyEnd>> ReadIncompleteMark(std::string_view line, StudyFormat format,
                                                    std::size_t studyCases);

// The first key in which two fingerprints differ, as a message names it
// ("Grundeingabe txt_Lufttemp: 45 statt 35").
std::string FingerprintDifference(const std::string& expected, const std::string& found);

}  // namespace lamvero
