#pragma once
// The cases of a study: the base inputs, optionally a table of cases (one row
// per case, any subset of the input fields as columns), and the varied
// inputs. Every row of the table is crossed with the full grid of the varied
// inputs; the first varied input changes slowest, the last fastest, as nested
// loops in the order they were given. Cases are made on demand from their
// number, so a large grid costs no memory.

#include <cstddef>
#include <string>
#include <vector>

#include "inputs/inputs.h"
#include "study/studyaxis.h"
#include "text/outcome.h"

namespace lamvero {

// Cases given one per row. An empty cell takes the base value of its field.
struct CaseTable {
  std::vector<Input> columns;
  std::vector<std::vector<std::string>> rows;  // each as long as columns
};

// More cases than this are refused: a study that size is a typing error, not a plan.
constexpr std::size_t kMaxStudyCases = 1000000;

class StudyPlan {
 public:
  // Refuses a field that is given twice (in the table and as a varied input,
  // or varied twice), a table row of the wrong length, an empty table and a
  // study of more than kMaxStudyCases cases.
  static Outcome<StudyPlan> Make(InputTexts base, CaseTable table, std::vector<StudyAxis> axes);

  std::size_t size() const { return size_; }
  // The inputs of case index (0 .. size()-1).
  InputTexts caseInputs(std::size_t index) const;
  // The fields a case sets: the table's columns, then the varied inputs.
  const std::vector<Input>& variedFields() const { return variedFields_; }

 private:
  StudyPlan() = default;
  InputTexts base_;
  CaseTable table_;
  std::vector<StudyAxis> axes_;
  std::vector<Input> variedFields_;
  std::size_t gridSize_ = 1;
  std::size_t size_ = 0;
};

}  // namespace lamvero
