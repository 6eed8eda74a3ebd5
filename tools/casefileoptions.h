#pragma once
// The runner's case-file and export options: --inputs FILE (a case file whose
// inputs the command line's txt_Name=TEXT then changes), --save FILE (the case
// with the run; --with-series adds the series), --csv-dialect plain|de and
// --every N for the --series table, which "-" sends to stdout. Output paths
// are checked before the run, so a run is never wasted on a path that cannot
// be written.

#include <string>
#include <vector>

#include "text/csvformat.h"
#include "text/outcome.h"

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
// A file the runner reads is named the same way ("--inputs" and its path).
struct OutputPath {
  std::string option;  // "--save"
  std::string path;
};

// stdout as an output beside the files, for the checks below.
inline const OutputPath kStdoutPath{"stdout", "-"};

// Whether an output may be asked for beside the earlier ones: a path that is
// not empty, no file another output writes too and no file the command reads
// (inputs: --inputs, --cases, the parts of --merge). Paths are compared as
// files (tools/fileidentity.h); "-" is stdout, which clashes only when it is
// redirected into one of those files. A failure is a usage error naming both
// options.
Status OutputPathUsable(const OutputPath& output, const std::vector<OutputPath>& earlier,
                        const std::vector<OutputPath>& inputs);

// Whether the output's file can be written: an existing folder, writable;
// "-" (stdout) passes.
Status OutputPathWritable(const OutputPath& output);

}  // namespace lamvero
