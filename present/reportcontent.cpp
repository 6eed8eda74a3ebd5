#include "present/reportcontent.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

#include "inputs/inputs.h"
#include "run/resultdescriptors.h"
#include "present/controltable.h"
#include "present/plantrows.h"
#include "present/resultrows.h"
#include "text/language.h"
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
    {"DickeTr", LV_TR_NOOP("Bericht", "Dicke der getrockneten Platte")},
    {"AnzOS", nullptr},
    {"XSchwEnde", nullptr},
    {"offPoren", nullptr},
    {"XAbluft", nullptr},
    {"ThetaKgr", nullptr},
    {"XAussen", nullptr},
    {"LuftRohlingVerh", nullptr},
    {"LuftWasserVerh", nullptr},
};

// A result with its value and unit; none for a value the run did not reach.
std::optional<ReportLine> ResultLine(const RunRecord& r, const ResultDescriptor& result, const char* caption) {
  const double value = result.value(r);
  if (!std::isfinite(value)) return std::nullopt;
  return ReportLine{{caption ? Tr("Bericht", caption) : result.shownName(), result.shownText(value), result.shownCaptionUnit()},
                    Rgb{0, 0, 0}};
}

void AddResult(const RunRecord& r, const ResultDescriptor& result, ReportTable& table, const char* caption = nullptr) {
  if (std::optional<ReportLine> line = ResultLine(r, result, caption)) table.lines.push_back(std::move(*line));
}

// A value of a moment during the run (the window's "mom." rows), which says
// nothing about the run as a whole.
bool IsMomentary(const ResultDescriptor& result) { return std::string(result.caption).rfind("mom. ", 0) == 0; }

constexpr const char* kWaterErrorKey = "WasserfehlerProzent";

}  // namespace

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
    case RunOutcome::Completed: return Tr("Bericht", "vollständig gerechnet");
    case RunOutcome::Refused: return Tr("Bericht", "nicht gerechnet (Eingaben abgelehnt)");
    case RunOutcome::Stopped: return Tr("Bericht", "mit Stop angehalten");
    case RunOutcome::SeriesFull: return Tr("Bericht", "angehalten: Zeitreihen voll");
    case RunOutcome::Failed: return Tr("Bericht", "angehalten: keine endlichen Werte mehr");
  }
  return "";
}

namespace {

ReportTable InputsTable(const RunRecord& r) {
  ReportTable inputs{Tr("Bericht", "Eingaben"), {Tr("Bericht", "Eingabe"), Tr("Bericht", "Wert"), Tr("Bericht", "Einheit")}, {}};
  for (const InputField& f : InputFields()) {
    const std::string unit = Tr("Eingabefelder", f.unit);
    inputs.lines.push_back(
        {{CaptionWithoutUnit(Tr("Eingabefelder", f.caption), unit), ShownInputText(r.inputs[f.id]), unit}, Rgb{0, 0, 0}});
  }
  return inputs;
}

std::vector<std::string> ValueColumns() { return {Tr("Bericht", "Größe"), Tr("Bericht", "Wert"), Tr("Bericht", "Einheit")}; }

ReportTable DerivedTable(const RunRecord& r) {
  ReportTable derived{Tr("Bericht", "Abgeleitete Werte"), ValueColumns(), {}};
  for (const DerivedEntry& e : kDerived) AddResult(r, ResultOf(e.key), derived, e.caption);
  return derived;
}

bool IsDerived(const ResultDescriptor& result) {
  for (const DerivedEntry& e : kDerived) {
    if (std::string(e.key) == result.key) return true;
  }
  return false;
}

// The results of the run as a whole, in the order of the result table,
// without the set-up's values and the water balance, which have tables of
// their own; the warnings the window showed end up under the water balance,
// or else among the notes.
void AddResultTables(const RunRecord& r, std::vector<ReportTable>& tables, ReportTable& notes) {
  ReportTable results{Tr("Bericht", "Ergebnisse"), ValueColumns(), {}};
  for (const ResultDescriptor& result : ResultDescriptors()) {
    if (IsMomentary(result) || IsDerived(result) || result.key == std::string(kWaterErrorKey)) continue;
    AddResult(r, result, results);
  }
  tables.push_back(std::move(results));

  ReportTable water{Tr("Bericht", "Wasserbilanz"), ValueColumns(), {}};
  AddResult(r, ResultOf(kWaterErrorKey), water);
  const bool hasWater = !water.lines.empty();
  if (hasWater) tables.push_back(std::move(water));
  // The warning labels read top to bottom as one sentence, under the error they qualify.
  std::string sentence;
  for (const ResultRow& row : VisibleResultRows(r)) {
    if (row.warning) sentence += (sentence.empty() ? "" : " ") + WithoutTrailingBlanks(row.caption);
  }
  if (!sentence.empty()) (hasWater ? tables.back() : notes).lines.push_back({{sentence}, kRed});
}

}  // namespace

ReportContent ReportTables(const RunRecord& r) {
  ReportContent content;
  content.setUp.push_back(InputsTable(r));
  ReportTable notes{Tr("Bericht", "Hinweise"), {}, {}};
  if (r.outcome == RunOutcome::Refused) {
    for (const std::string& m : ShownMessages(r)) notes.lines.push_back({{m}, kRed});
    if (!notes.lines.empty()) content.results.push_back(std::move(notes));
    return content;
  }

  content.setUp.push_back(DerivedTable(r));
  std::vector<ReportTable>& tables = content.results;
  AddResultTables(r, tables, notes);

  if (FrontWarningShown(r)) notes.lines.push_back({{Tr("Rechnerfenster", kFrontWarningNote)}, kRed});
  for (const std::string& m : ShownMessages(r)) notes.lines.push_back({{m}, kRed});
  // A run that did not use the standard air balance says which one it used.
  if (r.airIntegration != AirIntegration::Standard) {
    const AirIntegrationName& air = AirIntegrationNames()[static_cast<std::size_t>(r.airIntegration)];
    notes.lines.push_back(
        {{Filled(Tr("Bericht", "Luftbilanz des 2. Trocknungsabschnitts „%1“: %2."), {air.key, Tr("Luftbilanz", air.help)})}});
  }
  if (!notes.lines.empty()) tables.push_back(std::move(notes));
  return content;
}

ReportTable PlantTable(const PlantData& plant, const RunRecord& record) {
  ReportTable table{Tr("Bericht", "Anlagendaten"), ValueColumns(), {}};
  std::vector<PlantRow> rows = PlantDataRows(plant);
  for (PlantRow& row : PlantFigureRows(plant, record)) {
    if (!row.text.empty()) rows.push_back(std::move(row));
  }
  for (PlantRow& row : rows) table.lines.push_back({{row.caption, row.text, row.unit}, Rgb{0, 0, 0}});
  return table;
}

}  // namespace lamvero
