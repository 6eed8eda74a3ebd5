#pragma once
// The result rows a run left visible in the left column of the window, top to
// bottom: what the runner prints, the clipboard receives and the report lists.
// Qt-free, read from a run's record and the control table.

#include <string>
#include <vector>

#include "run/runrecord.h"
#include "present/controltable.h"

namespace lamvero {

struct ResultRow {
  const ControlRow* control;  // the result box, or a warning label standing alone
  std::string caption;        // the box's label caption without trailing blanks; a warning's text (as shown)
  std::string text;           // the text the box shows (as shown); empty for a warning
  Rgb colour;                 // the colour the run left the row in
  bool warning = false;       // a warning label ("evtl. sehr ungenau !" ...)
};

// The state of a control after the run: what the run left, or how the window opened.
ControlState FinalState(const RunRecord& record, const ControlRow& row);

// The visible result rows of the left column, top to bottom.
std::vector<ResultRow> VisibleResultRows(const RunRecord& record);

// The visible result rows as a tab-separated table for a spreadsheet: a
// header line with the captions of the results table's columns, then per row
// the result's name (unique, as the results table names it), the text the
// window shows, the number in the precision the window shows it (decimal
// separator of the language; whole seconds for a duration) and that number's unit; a warning with
// its caption only. Lines end in "\n".
std::string ResultRowsTsv(const RunRecord& record);

// Whether the front-temperature warning "!" stands in the result diagram, and
// what it means in words (in the "Rechnerfenster" context of the catalogue).
bool FrontWarningShown(const RunRecord& record);
extern const char* const kFrontWarningNote;

}  // namespace lamvero
