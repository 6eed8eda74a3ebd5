#pragma once
// The runner's case-file and export options: --inputs FILE (a case file whose
// inputs the command line's txt_Name=TEXT then changes), --save FILE (the case
// with the run; --with-series adds the series), --csv-dialect plain|de and
// --every N for the --series table, which "-" sends to stdout. Output paths
// are checked before the run, so a run is never wasted on a path that cannot
// be written.

#include <optional>
#include <string>
#include <vector>

#include "files/casefile.h"
#include "text/csvformat.h"

namespace CLI {
class App;
}

namespace lamvero {

struct CaseFileOptions {
  std::string inputsPath;
  std::string savePath;
  bool withSeries = false;
  std::string csvDialect = "plain";
  int every = 1;

  void registerWith(CLI::App& app);
  CsvDialect dialect() const;  // valid once parsed (CLI11 checks the name)
};

// An output the runner is asked to write: the option and its path.
struct OutputPath {
  std::string option;  // "--save"
  std::string path;
};

struct OutputProblem {
  std::string message;  // names the option, the path and the reason
  bool usage = false;   // true: a usage error (empty path, two outputs to one file)
};

// Checks every output path before the run: not empty, no two outputs to the
// same file, an existing folder, writable; "-" (stdout) passes.
std::optional<OutputProblem> CheckOutputPaths(const std::vector<OutputPath>& outputs);

// Reads the case file of --inputs; the error names the file and the problem.
std::optional<CaseFile> LoadCaseInputs(const std::string& path, std::string& error);

}  // namespace lamvero
