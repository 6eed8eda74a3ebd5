#pragma once
// A display in front of another: passes every call on and keeps a copy of
// each moisture profile the run draws, so that the profile plot can be drawn
// again after the run (in a report, at any resolution).

#include "present/display.h"
#include "run/runrecord.h"

namespace lamvero {

class ProfileRecorder : public Display {
 public:
  explicit ProfileRecorder(Display& next) : next_(next) {}

  // The profiles drawn so far; taken out, the recorder starts empty.
  ProfileCurves take();

  void setText(RunControl control, const std::string& text) override { next_.setText(control, text); }
  void setVisible(RunControl control, bool visible) override { next_.setVisible(control, visible); }
  void setColor(RunControl control, Rgb color) override { next_.setColor(control, color); }
  void repaint(RunControl control) override { next_.repaint(control); }
  void repaintWindow() override { next_.repaintWindow(); }
  void fillWhite(Area area, double x1, double y1, double x2, double y2) override {
    next_.fillWhite(area, x1, y1, x2, y2);
  }
  void drawShrinkageScale(const ShrinkageScale& scale) override {
    curves_.scaleAfter.push_back(curves_.count());
    next_.drawShrinkageScale(scale);
  }
  void drawProfile(const std::vector<double>& X, double XAnf, CurveStyle style) override;
  void drawResultPlots(const RunRecord& record) override { next_.drawResultPlots(record); }
  void refresh(Area area) override { next_.refresh(area); }
  void yield() override { next_.yield(); }

 private:
  Display& next_;
  ProfileCurves curves_;
};

}  // namespace lamvero
