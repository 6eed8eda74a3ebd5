#pragma once
// A case file (NAME.lamvero): one calculation as readable JSON in UTF-8. It
// holds the 18 input texts exactly as typed, the optional project data
// (title, project, customer, author, comment) and, after a run, the run: outcome, messages, the inputs in model units,
// the derived values, the results (as the record keeps them and as a table of
// numbers with units and the texts the window showed), the state of every
// control the run touched, the date and the program, and the run's accuracy
// estimate when one was made. The time series are
// written only when asked for. Reading checks everything and names the first
// problem; a file that fails the check gives nothing.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inputs/inputs.h"
#include "run/accuracyestimate.h"
#include "run/measuredcurve.h"
#include "run/plantfigures.h"
#include "run/projectdata.h"
#include "run/runrecord.h"
#include "text/outcome.h"

namespace lamvero {

constexpr const char* kCaseFormatName = "lamvero-case";
constexpr int kCaseFormatVersion = 1;
constexpr const char* kCaseFileSuffix = ".lamvero";
// A file with every series of the longest run stays well below this.
constexpr std::size_t kMaxCaseFileBytes = std::size_t{256} << 20;
// Longest text of an input box, a control, a message (the longest a text box takes).
constexpr std::size_t kMaxCaseTextBytes = kMaxInputTextBytes;
constexpr std::size_t kMaxCaseCommentBytes = kMaxProjectCommentBytes;

struct CaseRun {
  RunRecord record;     // its series are empty (nReihe -1) unless the file holds them
  std::string date;     // when the run ended, ISO 8601 in UTC ("2026-12-08T04:45:13Z")
  std::string program;  // the program that ran it ("Lamvero 1.0.1")
  // The run's stored points, also when the file leaves the series out.
  int nReihe = -1;
  int nReihe1TA = 0;
  // The accuracy estimate of this run, when one was made; its first level has
  // the run's own steps.
  std::optional<AccuracyEstimate> accuracy;
  bool hasSeries() const { return record.series.nReihe >= 0; }
};

struct CaseFile {
  InputTexts inputs = InputTexts::Defaults();
  ProjectData about;  // each field written only when not empty
  // How the case's next run steps the air's balance (its run records its own).
  AirIntegration airIntegration = AirIntegration::Standard;
  // A laboratory test at constant air: the counter-current section ends at
  // once, the air stays at the exhaust state (the chamber's) for the whole run.
  bool constantAir = false;
  std::optional<PlantData> plant;        // the plant's throughput, when the user gave it
  std::optional<MeasuredCurve> measured; // a measured drying curve to compare and fit with
  std::optional<CaseRun> run;
};

// The run of a record as a case file keeps it (stamped with date and program).
CaseRun CaseRunOf(const RunRecord& record, std::string date, std::string program);

// The inputs of the file that do not read as the values its run was made
// with, in the order of the inputs: a file whose inputs were edited by hand after the
// run was saved. Empty when the run belongs to the inputs, or there is no run.
std::vector<Input> InputsNotOfRun(const CaseFile& file);

// The text of a case file; the run's series only if withSeries (and the run holds them).
std::string CaseFileText(const CaseFile& file, bool withSeries);

// Refuses a file larger than a case file can be, showing both sizes.
Status CheckCaseFileSize(std::uint64_t bytes);

// Whether a control name is one the window has (the run touched it).
using ControlNameCheck = std::function<bool(const std::string& name)>;

// Reads the text of a case file. Every field is checked: type, range, size;
// unknown and missing fields are errors; so are a newer format version and a
// results table that does not match the run. A failure says what is wrong,
// naming the field.
Outcome<CaseFile> ReadCaseFileText(std::string_view text, const ControlNameCheck& isControl);

}  // namespace lamvero
