#pragma once
// The model's display operations on the main window. Texts and repaints are
// coalesced to the screen's frame rate: a run writes its live values far more
// often than a screen can show them, so setText only records the text, repaint
// and refresh only mark the control dirty, and the per-step yield applies the
// texts and processes the window's events when a frame's time has passed.

#include <QElapsedTimer>
#include <QString>
#include <string>
#include <unordered_map>
#include <vector>

#include "run/display.h"

class QWidget;

namespace lamvero {

class PlotArea;

class QtDisplay : public Display {
 public:
  // Looks up every named child of `window` once.
  QtDisplay(QWidget& window, PlotArea& ausgabe, PlotArea& zeit);

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

  // Writes the recorded texts into their controls and marks them for repainting.
  void applyTexts();
  // Applies the texts and processes all pending window events now.
  void flush();

  // The control of that name, or nullptr.
  QWidget* control(const std::string& name) const;

  // Milliseconds between two event processings of the per-step yield.
  static constexpr int kFrameMs = 16;

 private:
  struct Control {
    std::string name;
    QWidget* widget = nullptr;
    std::string pending;       // text to show at the next frame
    bool textDirty = false;
    bool dirty = false;        // in dirty_: text or repaint pending
  };
  Control* find(const char* name);
  void markDirty(Control* c);
  PlotArea& area(Area a);

  QWidget& window_;
  PlotArea& ausgabe_;
  PlotArea& zeit_;
  std::unordered_map<std::string, Control> controls_;
  // The model names its controls with the same few literals thousands of
  // times per run: remember where each name pointer led (checked by name).
  std::unordered_map<const char*, Control*> byPointer_;
  std::vector<Control*> dirty_;
  QElapsedTimer sinceEvents_;
};

}  // namespace lamvero
