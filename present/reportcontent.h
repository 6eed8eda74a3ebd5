#pragma once
// What a report of a run says, as tables of text: the inputs as typed, the
// derived values and the results of the run as a whole (each with its value
// in the window's number format and its unit, from the result table), and
// the water balance with its warnings. Qt-free; ui/report.* lays it out
// on pages, the tests read it directly.

#include <string>
#include <vector>

#include "run/controlstate.h"
#include "run/resultdescriptors.h"
#include "run/runrecord.h"

namespace lamvero {

struct ReportLine {
  std::vector<std::string> cells;
  Rgb colour{0, 0, 0};
};

struct ReportTable {
  std::string heading;              // "Eingaben"
  std::vector<std::string> header;  // column titles
  std::vector<ReportLine> lines;
};

// A number for a reader: six significant digits (at most eight decimals),
// fixed, decimal comma, no trailing zeros; empty for a value the run did not
// reach.
std::string ReportNumber(double value);

// The caption of an input without its trailing unit ("Anfangsdicke der Platte").
std::string CaptionWithoutUnit(const std::string& caption, const std::string& unit);

// A result's caption and its unit apart: where the caption ends in its unit
// ("… in kg/kg atro", "… in h:mm:ss"), that unit as the caption writes it;
// otherwise the result's unit, a pure number written "–".
struct CaptionAndUnit {
  std::string caption, unit;
};
CaptionAndUnit SplitCaption(const ResultDescriptor& result);

// A result's value (in the unit of the result table) in the window's number
// format where the window writes the result, else a fixed form; a duration as h:mm:ss.
std::string ResultValueText(const ResultDescriptor& result, double value);

// How the run ended, in words ("vollständig gerechnet").
std::string OutcomeText(RunOutcome outcome);

// The tables of the report: those of the set-up (Eingaben, Abgeleitete
// Werte), then those of the results (Ergebnisse, Wasserbilanz with the
// warnings the run showed and, where the run had to stop, showed a warning,
// was refused or used an air balance other than the standard one, Hinweise).
struct ReportContent {
  std::vector<ReportTable> setUp;
  std::vector<ReportTable> results;
};
ReportContent ReportTables(const RunRecord& record);

}  // namespace lamvero
