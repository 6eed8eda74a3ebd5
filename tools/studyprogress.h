#pragma once
// The progress of a study on stderr: cases finished, time so far and an
// estimate of the time left. On a terminal one line that updates itself (at
// most ten times a second); otherwise, when asked for, a plain line at most
// every ten seconds, for a log.

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <string>

namespace lamvero {

class StudyProgress {
 public:
  enum class Style { Off, Terminal, Log };
  explicit StudyProgress(Style style, std::FILE* err = stderr);

  void update(std::size_t finished, std::size_t total);
  // Clears the terminal line, so that what follows stands on a clean line.
  void end();

  // The text of one report; elapsed in seconds.
  static std::string Line(std::size_t finished, std::size_t total, double elapsed);

 private:
  Style style_;
  std::FILE* err_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastShown_;
  std::size_t lastFinished_ = 0;
  bool shown_ = false;
};

}  // namespace lamvero
