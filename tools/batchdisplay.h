#pragma once
// The headless display of lamvero-batch: counts the profile curves and passes
// every call on to a window if one is given. While stderr is a terminal it
// shows the run's progress there.

#include <chrono>
#include <string>

#include "run/display.h"
#include "run/runstate.h"

namespace lamvero {

class BatchDisplay : public Display {
 public:
  BatchDisplay(const RunState& s, Display* window, bool progress) : s_(s), window_(window), progress_(progress) {}

  // Clears the progress line, so that the results stand on a clean terminal.
  void endProgress();

  int profileCurves() const { return profileCurves_; }

  void setText(const char* control, const std::string& text) override;
  void setVisible(const char* control, bool visible) override;
  void setColor(const char* control, Rgb color) override;
  void repaint(const char* control) override;
  void repaintWindow() override;
  void fillWhite(Area area, double x1, double y1, double x2, double y2) override;
  void drawShrinkageScale(const RunState& s) override;
  void drawProfile(const RunState& s, CurveStyle style) override;
  void drawResultPlots(const RunState& s) override;
  void refresh(Area area) override;
  void yield() override;

 private:
  void showProgress();

  const RunState& s_;
  Display* window_;
  bool progress_;
  int profileCurves_ = 0;
  long long yields_ = 0;
  std::chrono::steady_clock::time_point lastShown_{};
  bool shown_ = false;
};

}  // namespace lamvero
