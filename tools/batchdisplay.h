#pragma once
// The headless display of lamvero-batch: counts the profile curves and passes
// every call on to a window if one is given. While stderr is a terminal it
// shows the run's progress there.

#include <chrono>
#include <string>

#include "present/display.h"
#include "run/runstate.h"

namespace lamvero {

class BatchDisplay : public Display {
 public:
  BatchDisplay(const RunState& s, Display* window, bool progress) : s_(s), window_(window), progress_(progress) {}

  // Clears the progress line, so that the results stand on a clean terminal.
  void endProgress();

  int profileCurves() const { return profileCurves_; }

  void setText(RunControl control, const std::string& text) override;
  void setVisible(RunControl control, bool visible) override;
  void setColor(RunControl control, Rgb color) override;
  void repaint(RunControl control) override;
  void repaintWindow() override;
  void fillWhite(Area area, double x1, double y1, double x2, double y2) override;
  void drawShrinkageScale(const ShrinkageScale& scale) override;
  void drawProfile(const std::vector<double>& X, double XAnf, CurveStyle style) override;
  void drawResultPlots(const RunRecord& record) override;
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
