#pragma once
// A display that remembers what the run showed: the last text, visibility and
// colour of every control, and the order of all calls.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "present/display.h"

namespace lamvero::testing {

class RecordingDisplay : public Display {
 public:
  std::map<std::string, std::string> texts;
  std::map<std::string, bool> visible;
  std::map<std::string, Rgb> colors;
  std::vector<std::string> calls;
  int yields = 0;
  int profiles = 0;
  int redProfiles = 0;
  int shrinkageScales = 0;
  int resultPlots = 0;
  bool recordCalls = true;
  // Called at every yield with the run state: a test's hand on the buttons.
  std::function<void(int yieldNumber)> onYield;

  void setText(RunControl c, const std::string& t) override {
    texts[ControlName(c)] = t;
    log(std::string("text ") + ControlName(c) + "=" + t);
  }
  void setVisible(RunControl c, bool v) override {
    visible[ControlName(c)] = v;
    log(std::string(v ? "show " : "hide ") + ControlName(c));
  }
  void setColor(RunControl c, Rgb rgb) override {
    colors[ControlName(c)] = rgb;
    log(std::string("color ") + ControlName(c));
  }
  void repaint(RunControl c) override { log(std::string("repaint ") + ControlName(c)); }
  void repaintWindow() override { log("repaintWindow"); }
  void fillWhite(Area a, double, double, double, double) override { log(area("fill ", a)); }
  void drawShrinkageScale(const ShrinkageScale&) override {
    ++shrinkageScales;
    log("shrinkageScale");
  }
  void drawProfile(const std::vector<double>&, double, CurveStyle style) override {
    ++profiles;
    if (style == CurveStyle::Final) ++redProfiles;
    log(style == CurveStyle::Final ? "profile red" : "profile");
  }
  void drawResultPlots(const RunRecord&) override {
    ++resultPlots;
    log("resultPlots");
  }
  void refresh(Area a) override { log(area("refresh ", a)); }
  void yield() override {
    ++yields;
    if (onYield) onYield(yields);
  }

  bool isVisible(const std::string& c) const {
    auto it = visible.find(c);
    return it != visible.end() && it->second;
  }
  // Index of the first call equal to `call` at or after `from`, or -1.
  int find(const std::string& call, int from = 0) const {
    for (int i = from; i < static_cast<int>(calls.size()); ++i) {
      if (calls[i] == call) return i;
    }
    return -1;
  }

 private:
  void log(std::string call) {
    if (recordCalls) calls.push_back(std::move(call));
  }
  static std::string area(const char* what, Area a) {
    return std::string(what) + (a == Area::Ausgabe ? "pic_Ausgabe" : "pic_Zeit");
  }
};

}  // namespace lamvero::testing
