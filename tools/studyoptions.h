#pragma once
// The runner's study options: sweeps over a grid of inputs or a table of
// cases, refinement of the steps, parts for several machines and putting
// those parts back together.

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "text/csvformat.h"
#include "inputs/inputs.h"
#include "text/outcome.h"
#include "tools/casefileoptions.h"

namespace lamvero {

struct StudyOptions {
  std::vector<std::string> vary;   // "txt_Name=VALUES", one per varied input
  std::string casesPath;           // CSV table of cases
  std::string studyPath;           // a study file saved in the window: its base inputs and varied inputs
  unsigned jobs = 0;               // worker threads; 0: one per core
  std::string shard;               // "K/N"
  int refinements = -1;            // halvings of the steps; -1: no refinement study
  std::string format = "csv";      // "csv" or "jsonl"
  std::vector<std::string> merge;  // shard outputs to put together
  bool progressLog = false;        // progress lines also when stderr is no terminal
};

void AddStudyOptions(CLI::App& app, StudyOptions& options);

// Whether the command line asks for a study (or a merge) rather than one run.
bool StudyRequested(const StudyOptions& options);

// Refuses a study option given without a study (such as --shard for one run)
// rather than ignore it. -j also sets the threads of a run's refined levels
// (levelsRequested: --accuracy, --auto-steps).
Status CheckStudyOnlyOptions(const CLI::App& app, const StudyOptions& options, bool levelsRequested);

// The worker threads the options ask for: -j, or one per core this process may use.
unsigned WorkerThreads(const StudyOptions& options);

// What the rest of the command line means for a study.
struct StudyContext {
  std::vector<std::string> singleRunOutputs;  // single-run options also given ("--json"): refused
  std::vector<OutputPath> inputFiles;         // files read besides the study's own (--inputs)
  bool inputsAssigned = false;                // txt_Name=TEXT given on the command line
  bool stdoutOpen = true;                     // false: stdout was closed when the program started
};

// Runs the study on top of base and writes it to stdout; returns the exit
// status. A closed stdout ends the command before anything runs, and stdout
// redirected into a file the study reads is refused. SIGTERM and SIGINT stop
// a running study: its output ends with a mark saying it is incomplete, and
// the status is 128 + the signal.
int RunStudyCommand(const StudyOptions& options, const InputTexts& base, CsvDialect dialect,
                    const StudyContext& context);

}  // namespace lamvero
