#pragma once
// The run presenter's display operations on the main window, on the window's thread.
// Texts and repaints are coalesced: a run writes its live values far more
// often than a screen can show them, so setText only records the text, repaint
// and refresh only mark the control dirty, and yield applies the texts. A run
// on its own thread reaches this display through a QueuedDisplay, which
// yields here once per frame.

#include <QFont>
#include <QString>
#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "present/display.h"

class QWidget;

namespace lamvero {

class PlotArea;

class QtDisplay : public Display {
 public:
  // Looks up every named child of `window` once.
  QtDisplay(QWidget& window, PlotArea& ausgabe, PlotArea& zeit);

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

  // Writes the recorded texts into their controls and marks them for repainting.
  void applyTexts();

  // The window's own use of any of its controls, by name (nothing for an unknown name).
  void setText(const char* control, const std::string& text);
  void setVisible(const char* control, bool visible);
  void setColor(const char* control, Rgb color);

  // The control of that name, or nullptr.
  QWidget* control(const std::string& name) const;

 private:
  struct Control {
    std::string name;
    QWidget* widget = nullptr;
    QFont font;                // as the control table made it
    QString toolTip;
    std::string pending;       // text to show at the next frame
    bool textDirty = false;
    bool dirty = false;        // in dirty_: text or repaint pending
  };
  Control* find(const char* name);
  Control* find(RunControl c) { return runControls_[IndexOf(c)]; }
  void setText(Control* c, const std::string& text);
  void setVisible(Control* c, bool visible);
  void setColor(Control* c, Rgb color);
  void markDirty(Control* c);
  PlotArea& area(Area a);

  QWidget& window_;
  PlotArea& ausgabe_;
  PlotArea& zeit_;
  std::unordered_map<std::string, Control> controls_;
  std::array<Control*, kRunControlCount> runControls_{};  // nullptr: not in the window
  std::vector<Control*> dirty_;
};

}  // namespace lamvero
