#include "tools/batchdisplay.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "text/language.h"
#include "text/numberformat.h"

namespace lamvero {

void BatchDisplay::endProgress() {
  if (shown_) std::fputs("\r\033[K", stderr);
  shown_ = false;
}

void BatchDisplay::setText(RunControl control, const std::string& text) {
  if (window_) window_->setText(control, text);
}

void BatchDisplay::setVisible(RunControl control, bool visible) {
  if (window_) window_->setVisible(control, visible);
}

void BatchDisplay::setColor(RunControl control, Rgb color) {
  if (window_) window_->setColor(control, color);
}

void BatchDisplay::repaint(RunControl control) {
  if (window_) window_->repaint(control);
}

void BatchDisplay::repaintWindow() {
  if (window_) window_->repaintWindow();
}

void BatchDisplay::fillWhite(Area area, double x1, double y1, double x2, double y2) {
  if (window_) window_->fillWhite(area, x1, y1, x2, y2);
}

void BatchDisplay::drawShrinkageScale(const ShrinkageScale& scale) {
  if (window_) window_->drawShrinkageScale(scale);
}

void BatchDisplay::drawProfile(const std::vector<double>& X, double XAnf, CurveStyle style) {
  ++profileCurves_;
  if (window_) window_->drawProfile(X, XAnf, style);
}

void BatchDisplay::drawResultPlots(const RunRecord& record) {
  if (window_) window_->drawResultPlots(record);
}

void BatchDisplay::refresh(Area area) {
  if (window_) window_->refresh(area);
}

void BatchDisplay::yield() {
  // A clock read costs more than many steps of a small grid: look at it
  // only every few thousand steps, and write at most ten times a second.
  if (progress_ && ++yields_ % 4096 == 0) {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastShown_ >= std::chrono::milliseconds(100)) {
      lastShown_ = now;
      showProgress();
    }
  }
  if (window_) window_->yield();
}

void BatchDisplay::showProgress() {
  // Short enough for one line of a narrow terminal, or \r could not overwrite it.
  std::string line = "\r\033[Klamvero-batch" + FormatDuration(std::floor(s_.now.Zeit + 0.5)) + "  xmom " +
                     Format(s_.now.xmom, "#0.0000") + " kg/kg";
  if (s_.now.sSpiegel > 0) {
    // The interpolated front may pass the last layer; it is shown at most at the centre.
    line += Filled(Tr("lamvero-batch", "  Spiegel %1/%2 mm"),
                   {Format(1000 * std::min(s_.now.sSpiegel, s_.run.DickeTr / 2), "#0.00"),
                    Format(1000 * s_.run.DickeTr / 2, "#0.00")});
  }
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  shown_ = true;
}

}  // namespace lamvero
