#pragma once
// A display in front of another: passes every call on and keeps the state
// the run leaves each control in (text, visibility, colour), starting from
// how the control looked before the run touched it.

#include <map>
#include <string>
#include <vector>

#include "model/display.h"
#include "model/runrecord.h"

namespace lamvero {

class ControlRecorder : public Display {
 public:
  ControlRecorder(Display& next, const ControlDefaults& defaults) : next_(next), defaults_(defaults) {}

  // Every control touched so far, by name.
  std::map<std::string, ControlState> controls() const;

  void setText(const char* control, const std::string& text) override;
  void setVisible(const char* control, bool visible) override;
  void setColor(const char* control, Rgb color) override;
  void repaint(const char* control) override { next_.repaint(control); }
  void repaintWindow() override { next_.repaintWindow(); }
  void fillWhite(Area area, double x1, double y1, double x2, double y2) override {
    next_.fillWhite(area, x1, y1, x2, y2);
  }
  void drawShrinkageScale(const RunState& s) override { next_.drawShrinkageScale(s); }
  void drawProfile(const RunState& s, CurveStyle style) override { next_.drawProfile(s, style); }
  void drawResultPlots(const RunState& s) override { next_.drawResultPlots(s); }
  void refresh(Area area) override { next_.refresh(area); }
  void yield() override { next_.yield(); }

 private:
  struct Entry {
    std::string name;
    ControlState state;
  };
  ControlState& at(const char* control);

  Display& next_;
  const ControlDefaults& defaults_;
  std::vector<Entry> entries_;  // a run touches a few dozen controls
};

}  // namespace lamvero
