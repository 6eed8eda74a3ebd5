#pragma once
// What a report of a run says, as tables of text: the inputs as typed, the
// derived values and the results of the run as a whole (each with its value
// in the window's number format and its unit, from the result table), and
// the water balance with its warnings. Qt-free; ui/report.* lays it out
// on pages, the tests read it directly.

#include <string>
#include <vector>

#include "run/controlstate.h"
#include "run/plantfigures.h"
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

// The caption of an input without its trailing unit ("Anfangsdicke der Platte").
std::string CaptionWithoutUnit(const std::string& caption, const std::string& unit);

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

// The block "Anlagendaten": the throughput as given and the plant figures of
// the run (those it reached).
ReportTable PlantTable(const PlantData& plant, const RunRecord& record);

}  // namespace lamvero
