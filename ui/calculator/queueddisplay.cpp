#include "ui/calculator/queueddisplay.h"

#include <QMetaObject>
#include <QObject>
#include <memory>
#include <utility>

namespace lamvero {

QueuedDisplay::QueuedDisplay(Display& target, QObject& receiver, std::function<void()> atYield)
    : target_(target), receiver_(receiver), atYield_(std::move(atYield)) {}

void QueuedDisplay::setText(RunControl control, const std::string& text) {
  pending_.push_back([control, text](Display& d) { d.setText(control, text); });
}

void QueuedDisplay::setVisible(RunControl control, bool visible) {
  pending_.push_back([control, visible](Display& d) { d.setVisible(control, visible); });
}

void QueuedDisplay::setColor(RunControl control, Rgb color) {
  pending_.push_back([control, color](Display& d) { d.setColor(control, color); });
}

void QueuedDisplay::repaint(RunControl control) {
  pending_.push_back([control](Display& d) { d.repaint(control); });
}

void QueuedDisplay::repaintWindow() {
  pending_.push_back([](Display& d) { d.repaintWindow(); });
}

void QueuedDisplay::fillWhite(Area area, double x1, double y1, double x2, double y2) {
  pending_.push_back([=](Display& d) { d.fillWhite(area, x1, y1, x2, y2); });
}

void QueuedDisplay::drawShrinkageScale(const ShrinkageScale& scale) {
  pending_.push_back([scale](Display& d) { d.drawShrinkageScale(scale); });
}

void QueuedDisplay::drawProfile(const std::vector<double>& X, double XAnf, CurveStyle style) {
  pending_.push_back([X, XAnf, style](Display& d) { d.drawProfile(X, XAnf, style); });
}

void QueuedDisplay::drawResultPlots(const RunRecord& record) {
  // Once per run: the record with the series stored so far.
  auto copy = std::make_shared<const RunRecord>(record);
  pending_.push_back([copy](Display& d) { d.drawResultPlots(*copy); });
}

void QueuedDisplay::refresh(Area area) {
  pending_.push_back([area](Display& d) { d.refresh(area); });
}

void QueuedDisplay::yield() {
  if (std::chrono::steady_clock::now() - lastFrame_ >= kFrame) send();
  atYield_();
}

void QueuedDisplay::send() {
  if (pending_.empty()) return;
  std::vector<Call> frame;
  frame.swap(pending_);
  QMetaObject::invokeMethod(
      &receiver_,
      [this, frame = std::move(frame)] {
        for (const Call& call : frame) call(target_);
        target_.yield();
      },
      Qt::QueuedConnection);
  lastFrame_ = std::chrono::steady_clock::now();
}

}  // namespace lamvero
