#include "ui/shell/progresstext.h"

#include <algorithm>
#include <cmath>

#include "text/numberformat.h"

namespace lamvero {

QString DurationText(double seconds) {
  return QString::fromStdString(FormatDuration(std::ceil(std::max(0.0, seconds)))).trimmed();
}

QString TimeLeftText(double elapsed, std::size_t done, std::size_t total) {
  if (done == 0 || done >= total) return QString();
  return DurationText(elapsed * static_cast<double>(total - done) / static_cast<double>(done));
}

}  // namespace lamvero
