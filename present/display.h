#pragma once
// What the run's presenter shows through: a small set of display operations
// on the window's controls and its two drawing areas. The window implements
// it with widgets, the headless runner with plain records, the tests with a
// recorder.

#include <string>
#include <vector>

#include "present/profileplot.h"
#include "run/runcontrol.h"
#include "run/controlstate.h"
#include "run/runrecord.h"

namespace lamvero {

// The two drawing areas: the moisture profile and the result curves.
enum class Area { Ausgabe, Zeit };

class Display {
 public:
  virtual ~Display() = default;

  virtual void setText(RunControl control, const std::string& text) = 0;
  virtual void setVisible(RunControl control, bool visible) = 0;
  virtual void setColor(RunControl control, Rgb color) = 0;
  virtual void repaint(RunControl control) = 0;  // show that control's new state now
  virtual void repaintWindow() = 0;

  // Drawing areas, in their user coordinates (10500 x 6000 and 10500 x 4300).
  virtual void fillWhite(Area area, double x1, double y1, double x2, double y2) = 0;
  virtual void drawShrinkageScale(const ShrinkageScale& scale) = 0;  // blue marks and limit line
  // A profile: surface node, the layers and the mirror node (kg/kg), with the initial moisture at the top.
  virtual void drawProfile(const std::vector<double>& X, double XAnf, CurveStyle style) = 0;
  virtual void drawResultPlots(const RunRecord& record) = 0;
  virtual void refresh(Area area) = 0;

  // Called once at the top of every time step: handle the user's clicks.
  virtual void yield() = 0;
};

// A display that shows nothing (benchmarks, batch runs that only want numbers).
class NullDisplay : public Display {
 public:
  void setText(RunControl, const std::string&) override {}
  void setVisible(RunControl, bool) override {}
  void setColor(RunControl, Rgb) override {}
  void repaint(RunControl) override {}
  void repaintWindow() override {}
  void fillWhite(Area, double, double, double, double) override {}
  void drawShrinkageScale(const ShrinkageScale&) override {}
  void drawProfile(const std::vector<double>&, double, CurveStyle) override {}
  void drawResultPlots(const RunRecord&) override {}
  void refresh(Area) override {}
  void yield() override {}
};

}  // namespace lamvero
