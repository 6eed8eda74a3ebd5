#pragma once
// The runner's fit: the base case's chosen inputs fitted to a measured curve
// (--fit DATA.csv --fit-param txt_Name[=lo:hi] …), the result as text or JSON.

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "inputs/inputs.h"
#include "run/airintegration.h"
#include "study/fit.h"
#include "text/outcome.h"

namespace lamvero {

struct FitOptions {
  std::string dataPath;              // the measured curve, CSV
  std::vector<std::string> params;   // "txt_Name" or "txt_Name=lo:hi"
  std::vector<std::string> weights;  // "quantity=WEIGHT"
  std::string dryMass;               // the sample's dry mass in g, as typed; empty: from the file
  std::size_t maxRuns = 0;           // 0: the fit's own default
};

void AddFitOptions(CLI::App& app, FitOptions& options);

bool FitRequested(const FitOptions& options);

// The fitted parameters and weights the options name, on top of base; the
// data are read separately. A failure names the option and the reason.
Outcome<FitProblem> FitProblemOf(const FitOptions& options, const InputTexts& base);

struct FitCommand {
  InputTexts base;
  AirIntegration airIntegration = AirIntegration::Standard;
  unsigned jobs = 1;
  bool json = false;
  bool progressLog = false;  // progress lines also when stderr is no terminal
};

// Reads the data, fits and writes the result to stdout; returns the exit
// status: 2 for a bad option, data file or problem, 3 when no run completed,
// 128 + the signal when SIGTERM or SIGINT stopped it (the best point so far
// is written), 1 when stdout could not be written.
int RunFitCommand(const FitOptions& options, const FitCommand& command);

}  // namespace lamvero
