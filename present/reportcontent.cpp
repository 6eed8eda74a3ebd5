#include "present/reportcontent.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

#include "inputs/inputs.h"
#include "run/resultdescriptors.h"
#include "present/controltable.h"
#include "present/resultrows.h"
#include "text/numberformat.h"
#include "text/trim.h"

namespace lamvero {

// Where a caption ends in its unit ("… in kg/kg atro", "… in h:mm:ss"), that
// unit as the caption writes it; otherwise the result's unit, a pure number
// written "–".
CaptionAndUnit SplitCaption(const ResultDescriptor& result) {
  const std::string full = WithoutTrailingBlanks(result.fullCaption());
  const std::size_t in = full.rfind(" in ");
  if (in != std::string::npos) {
    std::string unit = full.substr(in + 4);
    if (result.isDuration() || unit.rfind(result.unit, 0) == 0) return {full.substr(0, in), std::move(unit)};
  }
  return {full, std::string(result.unit) == "1" ? "–" : result.unit};
}

// The window's number format where the window writes the result, else a
// fixed form; a duration as h:mm:ss.
std::string ResultValueText(const ResultDescriptor& result, double value) {
  if (result.isDuration()) {
    std::string text = FormatDuration(value);
    text.erase(0, text.find_first_not_of(' '));
    return text;
  }
  return *result.pattern ? Format(value, result.pattern) : ReportNumber(value);
}

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

// A result with its value and unit; none for a value the run did not reach.
std::optional<ReportLine> ResultLine(const RunRecord& r, const ResultDescriptor& result, const char* caption) {
  const double value = result.value(r);
  if (!std::isfinite(value)) return std::nullopt;
  CaptionAndUnit text = SplitCaption(result);
  if (caption) text.caption = caption;
  return ReportLine{{text.caption, ResultValueText(result, value), text.unit}, Rgb{0, 0, 0}};
}

void AddResult(const RunRecord& r, const ResultDescriptor& result, ReportTable& table, const char* caption = nullptr) {
  if (std::optional<ReportLine> line = ResultLine(r, result, caption)) table.lines.push_back(std::move(*line));
}

// A value of a moment during the run (the window's "mom." rows), which says
// nothing about the run as a whole.
bool IsMomentary(const ResultDescriptor& result) { return std::string(result.caption).rfind("mom. ", 0) == 0; }

constexpr const char* kWaterErrorKey = "WasserfehlerProzent";

}  // namespace

std::string ReportNumber(double value) {
  if (!std::isfinite(value)) return "";
  // Six significant digits before the last decimal, at most eight decimals.
  const int magnitude = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
  const int decimals = std::clamp(5 - magnitude, 0, 8);
  std::string text = Format(value, ("#0." + std::string(static_cast<std::size_t>(decimals), '0')).c_str());
  if (text.find(',') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == ',') text.pop_back();
  }
  return text;
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

const std::vector<std::string> kValueColumns = {"Größe", "Wert", "Einheit"};

ReportTable DerivedTable(const RunRecord& r) {
  ReportTable derived{"Abgeleitete Werte", kValueColumns, {}};
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
  ReportTable results{"Ergebnisse", kValueColumns, {}};
  for (const ResultDescriptor& result : ResultDescriptors()) {
    if (IsMomentary(result) || IsDerived(result) || result.key == std::string(kWaterErrorKey)) continue;
    AddResult(r, result, results);
  }
  tables.push_back(std::move(results));

  ReportTable water{"Wasserbilanz", kValueColumns, {}};
  AddResult(r, ResultOf(kWaterErrorKey), water);
  if (!water.lines.empty()) tables.push_back(std::move(water));
  // The warning labels read top to bottom as one sentence, under the error they qualify.
  std::string sentence;
  for (const ResultRow& row : VisibleResultRows(r)) {
    if (row.warning) sentence += (sentence.empty() ? "" : " ") + WithoutTrailingBlanks(row.caption);
  }
  if (!sentence.empty()) (tables.back().heading == "Wasserbilanz" ? tables.back() : notes).lines.push_back({{sentence}, kRed});
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

  content.setUp.push_back(DerivedTable(r));
  std::vector<ReportTable>& tables = content.results;
  AddResultTables(r, tables, notes);

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
