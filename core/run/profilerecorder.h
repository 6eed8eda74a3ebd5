#pragma once
// A display in front of another: passes every call on and keeps a copy of
// each moisture profile the run draws, so that the profile plot can be drawn
// again after the run (in a report, at any resolution).

#include "run/display.h"
#include "run/runrecord.h"

namespace lamvero {

class ProfileRecorder : public Display {
 public:
  explicit ProfileRecorder(Display& next) : next_(next) {}

  // The profiles drawn so far; taken out, the recorder starts empty.
  ProfileCurves take();

  void setText(const char* control, const std::string& text) override { next_.setText(control, text); }
  void setVisible(const char* control, bool visible) override { next_.setVisible(control, visible); }
  void setColor(const char* control, Rgb color) override { next_.setColor(control, color); }
  void repaint(const char* control) override { next_.repaint(control); }
  void repaintWindow() override { next_.repaintWindow(); }
  void fillWhite(Area area, double x1, double y1, double x2, double y2) override {
    next_.fillWhite(area, x1, y1, x2, y2);
  }
  void drawShrinkageScale(const RunState& s) override {
    curves_.scaleAfter.push_back(curves_.count());
    next_.drawShrinkageScale(s);
  }
  void drawProfile(const RunState& s, CurveStyle style) override;
  void drawResultPlots(const RunState& s) override { next_.drawResultPlots(s); }
  void refresh(Area area) override { next_.refresh(area); }
  void yield() override { next_.yield(); }

 private:
  Display& next_;
  ProfileCurves curves_;
};

}  // namespace lamvero
