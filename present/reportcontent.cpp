#include "present/reportcontent.h"

#include <cmath>
#include <cstddef>

#include "inputs/inputs.h"
#include "run/resultdescriptors.h"
#include "present/controltable.h"
#include "present/resultrows.h"
#include "text/numberformat.h"
#include "text/trim.h"

namespace lamvero {

namespace {

constexpr Rgb kRed{255, 0, 0};

// The set-up's values, in the report's order.
struct DerivedEntry {
  const char* key;
  const char* caption;  // the report's own name for it; nullptr: the result's caption
};
constexpr DerivedEntry kDerived[] = {
    {"DickeTr", "Dicke der getrockneten Platte"},
    {"AnzOS", nullptr},
    {"XSchwEnde", nullptr},
    {"offPoren", nullptr},
    {"XAbluft", nullptr},
    {"ThetaKgr", nullptr},
    {"XAussen", nullptr},
    {"LuftRohlingVerh", nullptr},
    {"LuftWasserVerh", nullptr},
};

// The unit column: a pure number has none.
std::string UnitText(const char* unit) { return std::string(unit) == "1" ? "" : unit; }

ReportLine ResultLine(const RunRecord& r, const std::string& caption, const ResultDescriptor& result) {
  ReportLine line{{caption, "", ReportNumber(result.value(r)), UnitText(result.unit)}, Rgb{0, 0, 0}};
  if (const ControlRow* box = *result.box ? FindControl(result.box) : nullptr) {
    const ControlState state = FinalState(r, *box);
    line.cells[1] = state.text;
    line.colour = state.color;
  }
  return line;
}

// A result row as the window showed it, with the number behind its text.
ReportLine RowLine(const RunRecord& r, const ResultRow& row) {
  ReportLine line{{row.caption, row.text, "", ""}, row.colour};
  if (const ResultDescriptor* result = FindResultOfBox(row.control->name)) {
    line.cells[2] = ReportNumber(result->value(r));
    line.cells[3] = UnitText(result->unit);
  }
  return line;
}

}  // namespace

std::string ReportNumber(double value) {
  if (!std::isfinite(value)) return "";
  return FormatSignificant(value, 6);
}

std::string CaptionWithoutUnit(const std::string& caption, const std::string& unit) {
  std::string text = WithoutTrailingBlanks(caption);
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

namespace {

ReportTable InputsTable(const RunRecord& r) {
  ReportTable inputs{"Eingaben", {"Eingabe", "Wert", "Einheit"}, {}};
  for (const InputField& f : InputFields()) {
    inputs.lines.push_back({{CaptionWithoutUnit(f.caption, f.unit), r.inputs[f.id], f.unit}, Rgb{0, 0, 0}});
  }
  return inputs;
}

// The derived values; derivedBoxes gets the boxes that show them.
ReportTable DerivedTable(const RunRecord& r, const std::vector<std::string>& columns,
                         std::vector<std::string>& derivedBoxes) {
  ReportTable derived{"Abgeleitete Werte", columns, {}};
  for (const DerivedEntry& e : kDerived) {
    const ResultDescriptor& result = ResultOf(e.key);
    if (*result.box) derivedBoxes.push_back(result.box);
    derived.lines.push_back(ResultLine(r, e.caption ? e.caption : result.tableCaption(), result));
  }
  return derived;
}

// The result rows as the window shows them, without the set-up's values,
// the water balance and the warnings, which have tables of their own; the
// warnings end up under the water balance, or else among the notes.
void AddResultTables(const RunRecord& r, const std::vector<std::string>& columns,
                     const std::vector<std::string>& derivedBoxes, std::vector<ReportTable>& tables,
                     ReportTable& notes) {
  ReportTable results{"Ergebnisse", columns, {}};
  std::vector<std::string> warnings;
  const ResultRow* water = nullptr;
  const std::vector<ResultRow> rows = VisibleResultRows(r);
  for (const ResultRow& row : rows) {
    if (row.warning) {
      warnings.push_back(WithoutTrailingBlanks(row.caption));
      continue;
    }
    if (row.control->name == "txt_Wasserfehler") {
      water = &row;
      continue;
    }
    bool isDerived = false;
    for (const std::string& box : derivedBoxes) isDerived = isDerived || box == row.control->name;
    if (isDerived) continue;
    results.lines.push_back(RowLine(r, row));
  }
  tables.push_back(std::move(results));

  if (water) {
    tables.push_back(ReportTable{"Wasserbilanz", columns, {RowLine(r, *water)}});
  }
  // The warning labels read top to bottom as one sentence, under the error they qualify.
  if (!warnings.empty()) {
    std::string sentence;
    for (const std::string& w : warnings) sentence += (sentence.empty() ? "" : " ") + w;
    (water ? tables.back() : notes).lines.push_back({{sentence}, kRed});
  }
}

}  // namespace

ReportContent ReportTables(const RunRecord& r) {
  ReportContent content;
  content.setUp.push_back(InputsTable(r));
  ReportTable notes{"Hinweise", {}, {}};
  if (r.outcome == RunOutcome::Refused) {
    for (const std::string& m : r.messages) notes.lines.push_back({{m}, kRed});
    if (!notes.lines.empty()) content.results.push_back(std::move(notes));
    return content;
  }

  const std::vector<std::string> columns = {"Größe", "Anzeige", "Wert", "Einheit"};
  std::vector<std::string> derivedBoxes;
  content.setUp.push_back(DerivedTable(r, columns, derivedBoxes));
  std::vector<ReportTable>& tables = content.results;
  AddResultTables(r, columns, derivedBoxes, tables, notes);

  if (FrontWarningShown(r)) notes.lines.push_back({{kFrontWarningNote}, kRed});
  for (const std::string& m : r.messages) notes.lines.push_back({{m}, kRed});
  // A run that did not use the standard air balance says which one it used.
  if (r.airIntegration != AirIntegration::Standard) {
    const AirIntegrationName& air = AirIntegrationNames()[static_cast<std::size_t>(r.airIntegration)];
    notes.lines.push_back({{std::string("Luftbilanz des 2. Trocknungsabschnitts „") + air.key + "“: " + air.help + "."}});
  }
  if (!notes.lines.empty()) tables.push_back(std::move(notes));
  return content;
}

}  // namespace lamvero
