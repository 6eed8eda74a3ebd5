#include "present/reportcontent.h"

#include <cmath>
#include <cstdio>

#include "inputs/inputs.h"
#include "run/resultquantities.h"
#include "present/controltable.h"
#include "present/resultrows.h"

namespace lamvero {

namespace {

constexpr Rgb kRed{255, 0, 0};

// The set-up's values: those with a box in the window, then those it keeps to itself.
struct DerivedEntry {
  const char* key;      // in ResultQuantities
  const char* caption;  // for a value without a box; a boxed one takes its label's caption
};
constexpr DerivedEntry kDerived[] = {
    {"DickeTr", "Dicke der getrockneten Platte"},
    {"AnzOS", nullptr},
    {"XSchwEnde", nullptr},
    {"offPoren", nullptr},
    {"XAbluft", "Wasserbeladung der Abluft"},
    {"ThetaKgr", "Kühlgrenztemperatur der Abluft"},
    {"XAussen", "Wasserbeladung der Außenluft"},
    {"LuftRohlingVerh", nullptr},
    {"LuftWasserVerh", nullptr},
};

std::string TrimRight(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

const ResultQuantity* QuantityOfBox(const std::vector<ResultQuantity>& all, const std::string& box) {
  for (const ResultQuantity& q : all) {
    if (box == q.box) return &q;
  }
  return nullptr;
}

// The caption of the label that belongs to a box.
std::string BoxCaption(const std::string& box) {
  const ControlRow* row = FindControl(box);
  const ControlRow* label = row ? FindControl(row->label) : nullptr;
  return TrimRight(label ? label->caption : box);
}

// The unit column: a pure number has none.
std::string UnitText(const char* unit) { return std::string(unit) == "1" ? "" : unit; }

ReportLine QuantityLine(const RunRecord& r, const std::string& caption, const ResultQuantity& q) {
  ReportLine line{{caption, "", ReportNumber(q.value), UnitText(q.unit)}, Rgb{0, 0, 0}};
  if (const ControlRow* box = *q.box ? FindControl(q.box) : nullptr) {
    const ControlState state = FinalState(r, *box);
    line.cells[1] = state.text;
    line.colour = state.color;
  }
  return line;
}

// A result row as the window showed it, with the number behind its text.
ReportLine RowLine(const ResultRow& row, const std::vector<ResultQuantity>& quantities) {
  ReportLine line{{row.caption, row.text, "", ""}, row.colour};
  if (const ResultQuantity* q = QuantityOfBox(quantities, row.control->name)) {
    line.cells[2] = ReportNumber(q->value);
    line.cells[3] = UnitText(q->unit);
  }
  return line;
}

}  // namespace

std::string ReportNumber(double value) {
  if (!std::isfinite(value)) return "";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  std::string text(buffer);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

std::string CaptionWithoutUnit(const std::string& caption, const std::string& unit) {
  std::string text = TrimRight(caption);
  const std::string suffix = " in " + unit;
  if (!unit.empty() && text.size() > suffix.size() &&
      text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0) {
    text.erase(text.size() - suffix.size());
  }
  return text;
}

std::string OutcomeText(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::Completed: return "vollständig gerechnet";
    case RunOutcome::Refused: return "nicht gerechnet (Eingaben abgelehnt)";
    case RunOutcome::Stopped: return "mit Stop angehalten";
    case RunOutcome::SeriesFull: return "angehalten: Zeitreihen voll";
    case RunOutcome::Failed: return "angehalten: keine endlichen Werte mehr";
  }
  return "";
}

ReportContent ReportTables(const RunRecord& r) {
  ReportContent content;

  ReportTable inputs{"Eingaben", {"Eingabe", "Wert", "Einheit"}, {}};
  for (const InputField& f : InputFields()) {
    inputs.lines.push_back({{CaptionWithoutUnit(f.caption, f.unit), r.inputs[f.id], f.unit}, Rgb{0, 0, 0}});
  }
  content.setUp.push_back(std::move(inputs));
  ReportTable notes{"Hinweise", {}, {}};
  if (r.outcome == RunOutcome::Refused) {
    for (const std::string& m : r.messages) notes.lines.push_back({{m}, kRed});
    if (!notes.lines.empty()) content.results.push_back(std::move(notes));
    return content;
  }

  const std::vector<ResultQuantity> quantities = ResultQuantities(r);
  const std::vector<std::string> columns = {"Größe", "Anzeige", "Wert", "Einheit"};

  ReportTable derived{"Abgeleitete Werte", columns, {}};
  std::vector<std::string> derivedBoxes;
  for (const DerivedEntry& e : kDerived) {
    const ResultQuantity* q = FindQuantity(quantities, e.key);
    if (!q) continue;
    if (*q->box) derivedBoxes.push_back(q->box);
    derived.lines.push_back(QuantityLine(r, e.caption ? e.caption : BoxCaption(q->box), *q));
  }
  content.setUp.push_back(std::move(derived));

  // The result rows as the window shows them, without the set-up's values,
  // the water balance and the warnings, which have tables of their own.
  ReportTable results{"Ergebnisse", columns, {}};
  std::vector<std::string> warnings;
  const ResultRow* water = nullptr;
  const std::vector<ResultRow> rows = VisibleResultRows(r);
  for (const ResultRow& row : rows) {
    if (row.warning) {
      warnings.push_back(TrimRight(row.caption));
      continue;
    }
    if (row.control->name == "txt_Wasserfehler") {
      water = &row;
      continue;
    }
    bool isDerived = false;
    for (const std::string& box : derivedBoxes) isDerived = isDerived || box == row.control->name;
    if (isDerived) continue;
    results.lines.push_back(RowLine(row, quantities));
  }
  std::vector<ReportTable>& tables = content.results;
  tables.push_back(std::move(results));

  if (water) {
    tables.push_back(ReportTable{"Wasserbilanz", columns, {RowLine(*water, quantities)}});
  }
  // The warning labels read top to bottom as one sentence, under the error they qualify.
  if (!warnings.empty()) {
    std::string sentence;
    for (const std::string& w : warnings) sentence += (sentence.empty() ? "" : " ") + w;
    (water ? tables.back() : notes).lines.push_back({{sentence}, kRed});
  }

  if (FrontWarningShown(r)) notes.lines.push_back({{kFrontWarningNote}, kRed});
  for (const std::string& m : r.messages) notes.lines.push_back({{m}, kRed});
  if (!notes.lines.empty()) tables.push_back(std::move(notes));
  return content;
}

}  // namespace lamvero
