#pragma once
// Runs the lamvero-batch program of this build in a shell and collects its
// exit status and output.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace lamvero::testing {

struct BatchResult {
  int status = -1;
  std::string out, err;
};

inline std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

inline void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A file name of its own for the running test, also when other checkouts run the same tests at once.
inline std::string TestFile(const std::string& name) {
  return ::testing::TempDir() + "lamvero_study_" + std::to_string(getpid()) + "_" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" + name;
}

// The runner in a shell line: `before` goes ahead of it ("timeout 60", "yes |"),
// args as a shell would read them after it; stdout goes to stdoutTo when
// given (">&-", ">>FILE"), else it is collected like stderr.
inline BatchResult RunBatchIn(const std::string& before, const std::string& args, const std::string& stdoutTo = "") {
  const std::string out = TestFile("stdout"), err = TestFile("stderr");
  std::remove(out.c_str());
  const std::string command = "export QT_QPA_PLATFORM=none; " + before + " " + std::string(LAMVERO_BATCH) + " " + args +
                              " " + (stdoutTo.empty() ? ">" + out : stdoutTo) + " 2>" + err;
  const int raw = std::system(command.c_str());
  BatchResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = Slurp(out);
  r.err = Slurp(err);
  return r;
}

inline BatchResult RunBatch(const std::string& args) { return RunBatchIn("", args); }

// The quick plate's inputs on a command line: a complete run of about two thousand steps.
inline const std::string kQuickArgs = "txt_Dicke=4 txt_Ortsschrittweite=0,2 txt_deltaT=2 txt_rund=100";

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace lamvero::testing
