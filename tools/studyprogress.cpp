#include "tools/studyprogress.h"

#include <cmath>

#include "text/language.h"
#include "text/numberformat.h"

namespace lamvero {

StudyProgress::StudyProgress(Style style, std::FILE* err)
    : style_(style), err_(err), start_(std::chrono::steady_clock::now()), lastShown_(start_) {}

std::string StudyProgress::Line(std::size_t finished, std::size_t total, double elapsed) {
  std::string line = "lamvero-batch: " + Filled(Tr("lamvero-batch", "%1/%2 Fälle fertig, bisher%3"),
                                                {std::to_string(finished), std::to_string(total),
                                                 FormatDuration(std::floor(elapsed))});
  if (finished == 0) return line + Tr("lamvero-batch", ", Restzeit noch unbekannt");
  // Cases are alike on average: the time left is the mean time per case times the cases left.
  const double left = elapsed / static_cast<double>(finished) * static_cast<double>(total - finished);
  return line + Filled(Tr("lamvero-batch", ", noch etwa%1"), {FormatDuration(std::ceil(left))});
}

void StudyProgress::update(std::size_t finished, std::size_t total) {
  if (style_ == Style::Off) return;
  const auto now = std::chrono::steady_clock::now();
  const auto interval = style_ == Style::Terminal ? std::chrono::milliseconds(100) : std::chrono::milliseconds(10000);
  const bool last = finished == total;
  if (shown_ && (last ? finished == lastFinished_ : now - lastShown_ < interval)) return;
  lastShown_ = now;
  lastFinished_ = finished;
  const std::string line = Line(finished, total, std::chrono::duration<double>(now - start_).count());
  if (style_ == Style::Terminal) {
    std::fprintf(err_, "\r\033[K%s", line.c_str());
  } else {
    std::fprintf(err_, "%s\n", line.c_str());
  }
  std::fflush(err_);
  shown_ = true;
}

void StudyProgress::end() {
  if (style_ == Style::Terminal && shown_) std::fputs("\r\033[K", err_);
  shown_ = false;
}

}  // namespace lamvero
