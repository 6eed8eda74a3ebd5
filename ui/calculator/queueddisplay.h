#pragma once
// The display a run sees on its own thread: every call is recorded with a copy
// of what it shows and handed, in frames, to the window's display on the
// window's thread, where the calls are made in the order the run made them.
// The run goes on changing its state while the window draws, so a drawing
// call copies what it draws (the profile, the scale, the record).

#include <chrono>
#include <functional>
#include <vector>

#include "present/display.h"

class QObject;

namespace lamvero {

class QueuedDisplay : public Display {
 public:
  // `target` is used only on the thread of `receiver`, which the frames are
  // posted to (a frame still queued when `receiver` goes is dropped).
  // `atYield` runs on the run's thread at every yield, after a frame that
  // was due has been sent.
  QueuedDisplay(Display& target, QObject& receiver, std::function<void()> atYield);

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
  // Sends the calls so far once a frame's time has passed since the last frame.
  void yield() override;

  // Sends the calls made since the last frame now; the target makes them and
  // then yields (shows the texts).
  void send();

  // Time between two frames.
  static constexpr std::chrono::milliseconds kFrame{16};

 private:
  // One call, made on the target.
  using Call = std::function<void(Display& target)>;

  Display& target_;
  QObject& receiver_;
  std::function<void()> atYield_;
  std::vector<Call> pending_;  // the run's thread only
  std::chrono::steady_clock::time_point lastFrame_{};
};

}  // namespace lamvero
