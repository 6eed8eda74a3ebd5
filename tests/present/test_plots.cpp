// What the profile plot and the result diagram draw, and in which order,
// recorded through a canvas.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "present/displayedrun.h"
#include "inputs/inputreading.h"
#include "run/setup.h"
#include "run/stoprequest.h"
#include "common/quickinputs.h"
#include "recordingcanvas.h"
#include "present/profileplot.h"
#include "present/resultplots.h"

namespace lamvero {
namespace {

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlack{0, 0, 0};

using testing::QuickInputs;

// A set-up run state with the given linear shrinkage.
std::unique_ptr<RunState> SetUpWithShrinkage(const char* linTrSchwind) {
  auto s = std::make_unique<RunState>();
  InputTexts in = InputTexts::Defaults();
  in[Input::linTrSchwind] = linTrSchwind;
  NoRunEvents none;
  SetUpRun(*s, ReadInputs(in).values, none);
  return s;
}

ShrinkageScale ScaleOf(const RunState& s) { return ShrinkageScale{s.run.body, s.in.XAnf, s.in.linTrSchwind}; }

// The profile as it stands, surface node to mirror node.
std::vector<double> ProfileOf(const RunState& s) {
  return std::vector<double>(s.now.X.begin(), s.now.X.begin() + static_cast<int>(s.run.AnzOS) + 2);
}

struct MarkCounts {
  int whole = 0, half = 0;  // per edge
};

MarkCounts CountMarks(const RecordingCanvas& c) {
  MarkCounts m;
  for (const CanvasOp& op : c.lines([](const CanvasOp& o) { return o.x1 == 0 && o.x2 == 150; })) {
    EXPECT_EQ(op.y1, op.y2);
    (op.penWidth == 2 ? m.whole : m.half)++;
  }
  // The right edge carries the same marks.
  const auto right = c.lines([](const CanvasOp& o) { return o.x1 == 10350 && o.x2 == 10500; });
  EXPECT_EQ(right.size(), static_cast<size_t>(m.whole + m.half));
  return m;
}

TEST(ShrinkageScale, MarksPerEdgeFollowTheTotalShrinkage) {
  struct Case {
    const char* linTrSchwind;
    double percent;
    int whole, half;
  } cases[] = {{"6,2", 6.2, 6, 6}, {"6,6", 6.6, 6, 7}, {"0,5", 0.5, 0, 0}, {"0,8", 0.8, 0, 1}, {"0,999", 0.999, 1, 1}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.linTrSchwind);
    auto s = SetUpWithShrinkage(k.linTrSchwind);
    RecordingCanvas c;
    DrawShrinkageScale(ScaleOf(*s), c);
    const MarkCounts m = CountMarks(c);
    EXPECT_EQ(m.whole, k.whole);
    EXPECT_EQ(m.half, k.half);
    // The end-of-shrinkage line spans the whole width; the scale is shown at once.
    const auto limit = c.lines([](const CanvasOp& o) { return o.x1 == 0 && o.x2 == 10500; });
    ASSERT_EQ(limit.size(), 1u);
    EXPECT_FLOAT_EQ(limit[0].y1, static_cast<float>(ProfileY(s->in.XAnf, s->run.body.XSchwEnde)));
    EXPECT_EQ(c.ops.back().kind, CanvasOp::Refresh);
    EXPECT_EQ(c.penWidth, 1);
    // Shrinkage grows downward: each whole mark below the one before, and
    // above the end of shrinkage if the body shrinks that far.
    const auto left = c.lines([](const CanvasOp& o) { return o.x1 == 0 && o.x2 == 150 && o.penWidth == 2; });
    for (size_t i = 0; i < left.size(); ++i) {
      if (i + 1 < k.percent) {
        EXPECT_LT(left[i].y1, limit[0].y1);
      }
      if (i > 0) {
        EXPECT_GT(left[i].y1, left[i - 1].y1);
      }
    }
  }
}

TEST(ProfileCurve, NormalCurvesAreThinAndBlackTheFinalOneOfThePeriodRedAndThick) {
  auto s = SetUpWithShrinkage("6,2");
  for (int i = 0; i <= s->run.AnzOS + 1; ++i) s->now.X[i] = s->in.XAnf * (1 - i / (s->run.AnzOS + 1.0));
  for (CurveStyle style : {CurveStyle::Running, CurveStyle::Final}) {
    RecordingCanvas c;
    DrawProfileCurve(ProfileOf(*s), s->in.XAnf, style, c);
    const auto lines = c.lines([](const CanvasOp&) { return true; });
    ASSERT_EQ(lines.size(), static_cast<size_t>(s->run.AnzOS) + 1);
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].colour, style == CurveStyle::Running ? kBlack : kRed);
      EXPECT_EQ(lines[i].penWidth, style == CurveStyle::Running ? 1 : 3);
      // 100 steps across 10500 units: each segment covers 105 of them.
      EXPECT_FLOAT_EQ(lines[i].x1, 105.0f * i);
      EXPECT_FLOAT_EQ(lines[i].x2 - lines[i].x1, 105.0f);
    }
    EXPECT_FLOAT_EQ(lines.front().y1, 0.0f);  // XAnf at the top edge
    // The drying periods refresh the area when they are ready for it.
    EXPECT_EQ(c.ops.back().kind, CanvasOp::Line);
    EXPECT_EQ(c.penWidth, 1);
  }
}

// Draws the live profile plot into a canvas as the window does during a run.
class LiveProfileDisplay : public NullDisplay {
 public:
  RecordingCanvas canvas;
  void drawShrinkageScale(const ShrinkageScale& scale) override { DrawShrinkageScale(scale, canvas); }
  void drawProfile(const std::vector<double>& X, double XAnf, CurveStyle style) override {
    DrawProfileCurve(X, XAnf, style, canvas);
  }
};

std::vector<CanvasOp> Lines(const RecordingCanvas& c) {
  return c.lines([](const CanvasOp&) { return true; });
}

void ExpectSameLines(const std::vector<CanvasOp>& a, const std::vector<CanvasOp>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    ASSERT_TRUE(a[i].x1 == b[i].x1 && a[i].y1 == b[i].y1 && a[i].x2 == b[i].x2 && a[i].y2 == b[i].y2 &&
                a[i].colour == b[i].colour && a[i].penWidth == b[i].penWidth)
        << "line " << i;
  }
}

TEST(ProfilePlotFromRecord, DrawsTheSameLinesAsTheRunDrewLive) {
  for (const char* shrinkage : {"6,2", "0"}) {
    SCOPED_TRACE(shrinkage);
    InputTexts in = QuickInputs();
    in[Input::linTrSchwind] = shrinkage;
    LiveProfileDisplay live;
    const RunRecord r = RunCaseOnDisplay(in, live);
    ASSERT_EQ(r.outcome, RunOutcome::Completed);
    RecordingCanvas again;
    DrawProfilePlot(r, again);
    ExpectSameLines(Lines(again), Lines(live.canvas));
    EXPECT_EQ(again.penWidth, 1);
  }
  // A stopped run: the scale and the profiles drawn until the stop.
  InputTexts in = QuickInputs();
  LiveProfileDisplay live;
  int steps = 0;
  StopRequest stop;
  class Stopper : public LiveProfileDisplay {
   public:
    StopRequest* stop = nullptr;
    int* steps = nullptr;
    void yield() override {
      if (++*steps == 350) stop->request();
    }
  } stopper;
  stopper.stop = &stop;
  stopper.steps = &steps;
  DisplayRunOptions options;
  options.stop = &stop;
  const RunRecord r = RunCaseOnDisplay(in, stopper, options);
  ASSERT_EQ(r.outcome, RunOutcome::Stopped);
  RecordingCanvas again;
  DrawProfilePlot(r, again);
  ExpectSameLines(Lines(again), Lines(stopper.canvas));
  EXPECT_EQ(r.profiles.count(), 3u);  // 100 steps per curve
  // A refused input draws nothing.
  RecordingCanvas none;
  DrawProfilePlot(RunRecord{}, none);
  EXPECT_TRUE(none.ops.empty());
}

// Complete quick runs, shared by the result-plot tests.
class ResultPlots : public ::testing::Test {
 protected:
  static std::unique_ptr<RunState> Run(const InputTexts& in, std::unique_ptr<RunState> s = nullptr) {
    if (!s) s = std::make_unique<RunState>();
    NullDisplay none;
    const RunResult r = RunOnDisplay(*s, in, none);
    EXPECT_EQ(r.outcome, RunOutcome::Completed);
    return s;
  }

  static std::vector<CanvasOp> FullHeightMarkers(const RecordingCanvas& c, Rgb colour, LineStyle style) {
    return c.lines([&](const CanvasOp& o) {
      return o.colour == colour && o.style == style && o.x1 == o.x2 && o.y1 == 0 && o.y2 == 4300;
    });
  }
};

TEST_F(ResultPlots, CounterCurrentMarkerOnlyWhenThisRunSwitched) {
  auto s = Run(QuickInputs());
  ASSERT_FALSE(s->now.GegenstromAktiv);
  RecordingCanvas switched;
  DrawResultPlots(s->record, switched);
  const auto marker = FullHeightMarkers(switched, kBlack, LineStyle::Solid);
  ASSERT_EQ(marker.size(), 1u);
  EXPECT_FLOAT_EQ(marker[0].x1, static_cast<float>(TimeX(s->DauerGegenstrom, s->now.Zeit)));
  EXPECT_EQ(marker[0].penWidth, 1);

  // The same window state, now a run whose air never reaches the end
  // temperature: the earlier run's switch time is still in the state, but
  // this run has no counter-current end to mark.
  InputTexts never = QuickInputs();
  never[Input::ThetaGegenstromende] = "500";
  s = Run(never, std::move(s));
  ASSERT_TRUE(s->now.GegenstromAktiv);
  ASSERT_GT(s->DauerGegenstrom, 0.0f);
  RecordingCanvas unswitched;
  DrawResultPlots(s->record, unswitched);
  EXPECT_TRUE(FullHeightMarkers(unswitched, kBlack, LineStyle::Solid).empty());
}

TEST_F(ResultPlots, LayersInOrderBandsMarkersCurvesAirOnTop) {
  auto s = Run(QuickInputs());
  RecordingCanvas c;
  DrawResultPlots(s->record, c);
  ASSERT_GT(c.ops.size(), 10u);
  EXPECT_EQ(c.ops.front().kind, CanvasOp::Refresh);

  auto firstIndex = [&](auto pred) {
    for (size_t i = 0; i < c.ops.size(); ++i)
      if (c.ops[i].kind == CanvasOp::Line && pred(c.ops[i])) return static_cast<long>(i);
    return -1L;
  };
  auto lastIndex = [&](auto pred) {
    for (size_t i = c.ops.size(); i-- > 0;)
      if (c.ops[i].kind == CanvasOp::Line && pred(c.ops[i])) return static_cast<long>(i);
    return -1L;
  };
  const auto isBand = [](const CanvasOp& o) {
    return o.colour == Rgb{235, 235, 230} || o.colour == Rgb{225, 225, 255};
  };
  const auto isDashed = [](const CanvasOp& o) { return o.style == LineStyle::DashDotDot; };
  const auto isCurve = [&](const CanvasOp& o) { return !isBand(o) && !isDashed(o) && o.x1 != o.x2; };
  const auto isAir = [](const CanvasOp& o) { return o.colour == kRed && o.style == LineStyle::Solid; };

  ASSERT_GE(firstIndex(isBand), 0);
  EXPECT_LT(lastIndex(isBand), firstIndex(isDashed));
  EXPECT_LT(lastIndex(isDashed), firstIndex(isCurve));
  // The air temperature is the last curve, drawn 2 px wide from stored point 0.
  const long firstAir = firstIndex(isAir);
  EXPECT_LT(lastIndex([&](const CanvasOp& o) { return isCurve(o) && !isAir(o); }), firstAir);
  EXPECT_FLOAT_EQ(c.ops[firstAir].x1, 0.0f);
  EXPECT_EQ(c.ops[firstAir].penWidth, 2);
  // The mean moisture starts at stored point 1.
  const long mean = firstIndex([](const CanvasOp& o) { return o.colour == Rgb{0, 0, 0} && o.penWidth == 2; });
  ASSERT_GE(mean, 0);
  EXPECT_FLOAT_EQ(c.ops[mean].x1, static_cast<float>(TimeX(1, s->record.series.nReihe)));
  // Shown, and the pen back to 1 px.
  EXPECT_EQ(c.ops.back().kind, CanvasOp::Refresh);
  EXPECT_EQ(c.penWidth, 1);
}

TEST_F(ResultPlots, ShrinkageCurvesRunAlongTheTopEdgeAfterShrinkageEnds) {
  auto s = Run(QuickInputs());
  RecordingCanvas c;
  DrawResultPlots(s->record, c);
  const auto shrink = c.lines([](const CanvasOp& o) { return o.colour == kBlue && o.penWidth == 2; });
  for (double end : {s->record.results.t1xse, s->record.results.t2xse}) {
    SCOPED_TRACE(end);
    const float xEnd = static_cast<float>(TimeX(end, s->now.Zeit));
    int rises = 0, alongTop = 0;
    for (const CanvasOp& o : shrink) {
      if (o.x2 == xEnd && o.y2 == 0) ++rises;
      if (o.x1 == xEnd && o.y1 == 0 && o.y2 == 0 && o.x2 == 10500) ++alongTop;
    }
    EXPECT_EQ(rises, 1);
    EXPECT_EQ(alongTop, 1);
  }
  // Dashed blue markers at both shrinkage ends, a dashed red one at the end
  // of the first drying period.
  EXPECT_EQ(FullHeightMarkers(c, kBlue, LineStyle::DashDotDot).size(), 2u);
  ASSERT_EQ(FullHeightMarkers(c, kRed, LineStyle::DashDotDot).size(), 1u);
  EXPECT_FLOAT_EQ(FullHeightMarkers(c, kRed, LineStyle::DashDotDot)[0].x1,
                  static_cast<float>(TimeX(s->record.results.Dauer1TA, s->now.Zeit)));
}

TEST_F(ResultPlots, WithoutShrinkageNoShrinkageMarkersOrCurves) {
  InputTexts in = QuickInputs();
  in[Input::linTrSchwind] = "0";
  auto s = Run(in);
  RecordingCanvas c;
  DrawResultPlots(s->record, c);
  EXPECT_TRUE(c.lines([](const CanvasOp& o) { return o.colour == kBlue; }).empty());
  // The shrinkage band degenerates to points on the bottom edge.
  for (const CanvasOp& o : c.lines([](const CanvasOp& op) { return op.colour == Rgb{225, 225, 255}; })) {
    EXPECT_EQ(o.y1, 4300.0f);
    EXPECT_EQ(o.y2, 4300.0f);
  }
}

}  // namespace
}  // namespace lamvero
