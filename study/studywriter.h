#pragma once
// Writes a study's rows as they arrive in case order: CSV in the plain or the
// German spreadsheet dialect, or JSON Lines. One line per case: the case
// number (or the refinement level), the varied inputs, the outcome, the key
// results with their units, and the messages of a case that did not complete.
// A refinement study adds to every result its change from the level before.

#include <array>
#include <cstdio>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "study/casesummary.h"
#include "text/csvformat.h"
#include "inputs/inputs.h"

namespace lamvero {

enum class StudyFormat { Csv, JsonLines };

struct StudyLayout {
  StudyFormat format = StudyFormat::Csv;
  CsvDialect dialect = CsvDialect::Plain;
  std::vector<Input> variedFields;
  bool refinement = false;  // rows are refinement levels (from 0) with changes, not cases (from 1)
};

class StudyWriter {
 public:
  StudyWriter(std::FILE* out, StudyLayout layout) : out_(out), layout_(std::move(layout)) {}
  // Writes into a text instead of a stream (a study's table as the runner writes it).
  StudyWriter(std::string& text, StudyLayout layout) : text_(&text), layout_(std::move(layout)) {}

  // The CSV header lines of StudyHeader (nothing for JSON Lines). False when they could not be written.
  bool writeHeader();
  // The row of case `number` (from 1) or refinement level `number` (from 0).
  bool writeRow(std::size_t number, const CaseSummary& summary);
  // A line that marks the output (a part's or a stopped study's), with its line feed; nothing for "".
  bool writeMark(const std::string& line) { return line.empty() || put(line); }
  StudyFormat format() const { return layout_.format; }

 private:
  std::string csvRow(std::size_t number, const CaseSummary& summary) const;
  std::string jsonRow(std::size_t number, const CaseSummary& summary) const;
  bool put(const std::string& text);

  std::FILE* out_ = nullptr;
  std::string* text_ = nullptr;  // set instead of out_
  StudyLayout layout_;
  std::optional<std::array<double, kStudyQuantityCount>> previous_;  // the level before, for the changes
};

}  // namespace lamvero
