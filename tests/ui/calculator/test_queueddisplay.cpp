// The display a run sees on its own thread: the calls reach the window's
// display on the window's thread, in order, in frames, with what a
// drawing is given as it was at the call.

#include <gtest/gtest.h>

#include <QObject>
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "run/runstate.h"
#include "ui/calculator/queueddisplay.h"

namespace lamvero {
namespace {

// Writes down every call it gets, and on which thread.
class Recorder : public Display {
 public:
  std::vector<std::string> calls;
  bool otherThread = false;

  void setText(RunControl control, const std::string& text) override {
    note(std::string(ControlName(control)) + "=" + text);
  }
  void setVisible(RunControl control, bool visible) override {
    note(std::string(ControlName(control)) + (visible ? " shown" : " hidden"));
  }
  void setColor(RunControl control, Rgb color) override {
    note(std::string(ControlName(control)) + " r" + std::to_string(color.r));
  }
  void repaint(RunControl control) override { note(std::string("repaint ") + ControlName(control)); }
  void repaintWindow() override { note("repaint window"); }
  void fillWhite(Area area, double, double, double x2, double) override {
    note((area == Area::Ausgabe ? "white Ausgabe to " : "white Zeit to ") + std::to_string(static_cast<int>(x2)));
  }
  void drawShrinkageScale(const ShrinkageScale& scale) override {
    note("scale XAnf " + std::to_string(scale.XAnf) + " XSchwEnde " + std::to_string(scale.body.XSchwEnde));
  }
  void drawProfile(const std::vector<double>& X, double XAnf, CurveStyle style) override {
    note(std::string(style == CurveStyle::Final ? "final" : "running") + " profile of " + std::to_string(X.size()) +
         " nodes, X " + std::to_string(X.front()) + " .. " + std::to_string(X.back()) + " of " +
         std::to_string(XAnf));
  }
  void drawResultPlots(const RunRecord& record) override {
    note("results of " + std::to_string(record.series.points()) + " points, X0 " +
         std::to_string(record.series.XReihe[0]));
  }
  void refresh(Area area) override { note(area == Area::Ausgabe ? "refresh Ausgabe" : "refresh Zeit"); }
  void yield() override { note("yield"); }

 private:
  void note(const std::string& call) {
    otherThread = otherThread || QThread::currentThread() != qApp->thread();
    calls.push_back(call);
  }
};

TEST(QueuedDisplay, CallsArriveInOrderOnTheWindowsThreadWithWhatIsDrawnAsItWasAtTheCall) {
  Recorder target;
  QObject receiver;
  QueuedDisplay queued(target, receiver, [] {});
  ShrinkageScale scale;
  scale.XAnf = 0.25;
  scale.body.XSchwEnde = 0.125;
  std::vector<double> X{0.2, 0.19, 0.18, 0.17, 0.16};
  auto s = std::make_unique<RunState>();
  std::thread run([&] {
    queued.setVisible(RunControl::cmd_Stop, true);
    queued.fillWhite(Area::Ausgabe, 0, 0, 10500, 5000);
    queued.drawShrinkageScale(scale);
    queued.drawProfile(X, 0.25, CurveStyle::Final);
    // The run goes on changing what it handed over before the window draws.
    scale.XAnf = 1;
    X.assign(2, 0.5);
    queued.setText(RunControl::txt_Zeit, "0:00:01");
    queued.setColor(RunControl::txt_Wasserfehler, Rgb{255, 0, 0});
    queued.repaint(RunControl::txt_Zeit);
    s->record.series.nReihe = 1;
    s->record.series.XReihe[0] = 0.25;
    s->record.series.XReihe[1] = 0.125;
    queued.drawResultPlots(s->record);
    s->record.series.XReihe[0] = 0;
    queued.refresh(Area::Zeit);
    queued.repaintWindow();
    queued.send();
  });
  run.join();
  EXPECT_TRUE(target.calls.empty());  // nothing before the window's thread handles its events
  EXPECT_TRUE(QTest::qWaitFor([&] { return !target.calls.empty(); }, 5000));
  const std::vector<std::string> expected{
      "cmd_Stop shown",
      "white Ausgabe to 10500",
      "scale XAnf 0.250000 XSchwEnde 0.125000",
      "final profile of 5 nodes, X 0.200000 .. 0.160000 of 0.250000",
      "txt_Zeit=0:00:01",
      "txt_Wasserfehler r255",
      "repaint txt_Zeit",
      "results of 2 points, X0 0.250000",
      "refresh Zeit",
      "repaint window",
      "yield",  // the frame's end: the texts show
  };
  EXPECT_EQ(target.calls, expected);
  EXPECT_FALSE(target.otherThread);
}

TEST(QueuedDisplay, YieldSendsAtMostAFramePerFrameTimeAndAlwaysRunsTheRunsHook) {
  Recorder target;
  QObject receiver;
  std::atomic<int> hooks{0};
  QueuedDisplay queued(target, receiver, [&] { ++hooks; });
  constexpr int kSteps = 20000;
  const auto begin = std::chrono::steady_clock::now();
  std::thread run([&] {
    for (int i = 0; i < kSteps; ++i) {
      queued.setText(RunControl::txt_Zeit, std::to_string(i));
      queued.yield();
    }
    queued.send();
  });
  run.join();
  const auto took = std::chrono::steady_clock::now() - begin;
  EXPECT_EQ(hooks.load(), kSteps);
  auto count = [&](bool frames) {
    long n = 0;
    for (const std::string& c : target.calls) n += (c == "yield") == frames;
    return n;
  };
  // Every call arrives, none twice, the last one last.
  ASSERT_TRUE(QTest::qWaitFor([&] { return count(false) == kSteps; }, 5000)) << count(false);
  EXPECT_EQ(target.calls[target.calls.size() - 2], "txt_Zeit=" + std::to_string(kSteps - 1));
  EXPECT_EQ(target.calls.back(), "yield");
  EXPECT_LE(count(true), 2 + took / QueuedDisplay::kFrame);
}

TEST(QueuedDisplay, FramesForAReceiverThatIsGoneAreDropped) {
  Recorder target;
  auto receiver = std::make_unique<QObject>();
  QueuedDisplay queued(target, *receiver, [] {});
  queued.setText(RunControl::txt_Zeit, "1");
  queued.send();
  receiver.reset();
  QTest::qWait(20);
  EXPECT_TRUE(target.calls.empty());
}

}  // namespace
}  // namespace lamvero
