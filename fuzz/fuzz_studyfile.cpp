// libFuzzer target: study files and a study's output on arbitrary texts. The
// first byte picks the reader: a study file, or the runner's output of a
// study of six quick cases (txt_Dicke 20:30:5 by txt_Lufttemp 35;45). No input may
// crash, and whatever is accepted must hold together: a study file written
// again reads back to the same text, an output's rows are cases of the study
// and its table in every form reads back to the same rows.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/studyfile.h"
#include "study/studyoutput.h"
#include "study/studytable.h"

namespace {

using namespace lamvero;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

void FuzzStudyFile(std::string_view text) {
  const Outcome<StudyFile> read = ReadStudyFileText(text);
  if (!read) return;
  const std::string written = StudyFileText(read.value());
  const Outcome<StudyFile> again = ReadStudyFileText(written);
  Require(again.ok());
  Require(StudyFileText(again.value()) == written);
}

void FuzzStudyOutput(std::string_view text) {
  StudyDefinition definition;
  definition.base[Input::Ortsschrittweite] = "0,2";
  definition.base[Input::deltaT] = "2";
  definition.base[Input::rund] = "100";
  definition.varied = {{Input::Dicke, "20:30:5"}, {Input::Lufttemp, "35;45"}};
  const Outcome<StudyResults> read = ReadStudyOutput(text, definition);
  if (!read) return;
  Require(read->rows.size() <= 6 && read->complete == (read->rows.size() == 6));
  for (std::size_t r = 0; r < read->rows.size(); ++r) Require(read->rows[r].number == r + 1);
  for (const StudyFormat format : {StudyFormat::Csv, StudyFormat::JsonLines}) {
    for (const CsvDialect dialect : {CsvDialect::Plain, CsvDialect::German}) {
      const std::string table = StudyTableText(read.value(), format, dialect);
      const Outcome<StudyResults> again = ReadStudyOutput(table, definition);
      Require(again.ok() && again->rows.size() == read->rows.size());
      Require(StudyTableText(again.value(), format, dialect) == table);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] % 2 == 0) {
    FuzzStudyFile(text);
  } else {
    FuzzStudyOutput(text);
  }
  return 0;
}
