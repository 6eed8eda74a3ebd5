#pragma once
// The only way the model talks to the outside: a small set of display
// operations. The window implements it with widgets, the headless runner with
// plain records, the tests with a recorder.

#include <string>

namespace lamvero {

struct RunState;

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// A profile curve: drawn while a drying period runs ("StilEins", black), or
// the last one of the first period ("StilNull", red).
enum class CurveStyle { Running = 1, Final = 0 };

// The two drawing areas: the moisture profile and the result curves.
enum class Area { Ausgabe, Zeit };

class Display {
 public:
  virtual ~Display() = default;

  // Controls are addressed by their names ("txt_Zeit", "lbl_Achtung", "cmd_Stop").
  virtual void setText(const char* control, const std::string& text) = 0;
  virtual void setVisible(const char* control, bool visible) = 0;
  virtual void setColor(const char* control, Rgb color) = 0;
  virtual void repaint(const char* control) = 0;  // show that control's new state now
  virtual void repaintWindow() = 0;

  // Drawing areas, in their user coordinates (10500 x 6000 and 10500 x 4300).
  virtual void fillWhite(Area area, double x1, double y1, double x2, double y2) = 0;
  virtual void drawShrinkageScale(const RunState& s) = 0;   // blue marks and limit line
  virtual void drawProfile(const RunState& s, CurveStyle style) = 0;
  virtual void drawResultPlots(const RunState& s) = 0;
  virtual void refresh(Area area) = 0;

  // Called once at the top of every time step: handle the user's clicks.
  virtual void yield() = 0;
};

// A display that shows nothing (benchmarks, batch runs that only want numbers).
class NullDisplay : public Display {
 public:
  void setText(const char*, const std::string&) override {}
  void setVisible(const char*, bool) override {}
  void setColor(const char*, Rgb) override {}
  void repaint(const char*) override {}
  void repaintWindow() override {}
  void fillWhite(Area, double, double, double, double) override {}
  void drawShrinkageScale(const RunState&) override {}
  void drawProfile(const RunState&, CurveStyle) override {}
  void drawResultPlots(const RunState&) override {}
  void refresh(Area) override {}
  void yield() override {}
};

}  // namespace lamvero
