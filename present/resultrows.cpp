#include "present/resultrows.h"

#include <algorithm>

#include "inputs/inputs.h"
#include "run/resultdescriptors.h"
#include "text/language.h"
#include "text/trim.h"

namespace lamvero {

namespace {

constexpr int kColumnDivider = 4680;  // twips: the left column ends here

bool IsInputBox(const std::string& name) {
  for (const InputField& f : InputFields()) {
    if (name == f.box) return true;
  }
  return false;
}

// A cell holds no tab or line break of its own.
std::string Cell(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

// The clipboard's columns: what a reader pastes beside a report.
constexpr ResultCell kClipboardCells[] = {ResultCell::Name, ResultCell::Shown, ResultCell::Value, ResultCell::Unit};

}  // namespace

const char* const kFrontWarningNote =
    LV_TR_NOOP("Rechnerfenster", "! (Temperatur des Trocknungsspiegels: mehr als 45 Iterationen)");

ControlState FinalState(const RunRecord& record, const ControlRow& row) {
  const auto it = record.controls.find(row.name);
  if (it != record.controls.end()) return it->second;
  return ControlState{row.caption, row.visibleAtOpen, row.colour};
}

std::vector<ResultRow> VisibleResultRows(const RunRecord& record) {
  std::vector<const ControlRow*> shown;
  for (const ControlRow& c : ControlTable()) {
    const bool resultBox = c.kind == ControlKind::TextBox && !c.label.empty() && !IsInputBox(c.name);
    const bool warning = c.kind == ControlKind::Label && record.controls.count(c.name) > 0 &&
                         c.name.rfind("lbl_ungenau", 0) == 0;
    if (c.left < kColumnDivider && (resultBox || warning) && FinalState(record, c).visible) shown.push_back(&c);
  }
  std::stable_sort(shown.begin(), shown.end(),
                   [](const ControlRow* a, const ControlRow* b) { return a->top < b->top; });
  std::vector<ResultRow> rows;
  rows.reserve(shown.size());
  for (const ControlRow* c : shown) {
    const ControlState state = FinalState(record, *c);
    ResultRow row{c, "", "", state.color, c->kind == ControlKind::Label};
    if (row.warning) {
      // The advice as the run worded it: which step to change depends on the grid.
      row.caption = state.text.empty() ? ShownCaption(*c) : ShownControlText(c->name, state.text);
    } else {
      const ControlRow* label = FindControl(c->label);
      row.caption = WithoutTrailingBlanks(label ? ShownCaption(*label) : c->label);
      row.text = ShownControlText(c->name, state.text);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string ResultRowsTsv(const RunRecord& record) {
  std::string tsv;
  for (ResultCell cell : kClipboardCells) tsv += std::string(tsv.empty() ? "" : "\t") + Tr("Ergebnisse", ResultColumnCaption(cell));
  tsv += "\n";
  for (const ResultRow& row : VisibleResultRows(record)) {
    if (row.warning) {
      tsv += Cell(row.caption) + "\n";
      continue;
    }
    // A box without a result behind it (a live value only) keeps its window caption.
    const ResultDescriptor* result = FindResultOfBox(row.control->name);
    std::string number, unit;
    if (result) {
      number = result->shownNumber(result->value(record));
      if (std::string(result->unit) != "1") unit = Tr("Ergebnisse", result->unit);  // a pure number has none
    }
    tsv += Cell(result ? result->name() : row.caption) + "\t" + Cell(row.text) + "\t" + number + "\t" + Cell(unit) +
           "\n";
  }
  if (FrontWarningShown(record)) tsv += Tr("Rechnerfenster", kFrontWarningNote) + "\n";
  return tsv;
}

bool FrontWarningShown(const RunRecord& record) {
  const ControlRow* achtung = FindControl("lbl_Achtung");
  return achtung && FinalState(record, *achtung).visible;
}

}  // namespace lamvero
