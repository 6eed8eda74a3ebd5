// The events a run sends its listener: their order, the milestones once each,
// and the copies of the numbers they carry against the run's own record.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "common/quickinputs.h"
#include "run/dryingrun.h"
#include "run/runevents.h"
#include "run/stoprequest.h"

namespace lamvero {
namespace {

using testing::QuickInputs;

// Keeps the name of every event but the per-step ones, and what came with it.
class RecordingEvents : public RunEvents {
 public:
  std::vector<std::string> events;
  long long steps = 0;
  long long frontSteps = 0;
  std::vector<CurveEnd> curves;
  std::vector<LiveValues> live[2];
  std::vector<double> gradients;
  SetUpValues setUp;
  FirstPeriodResults firstPeriod;
  double t1xse = 0, t2xse = 0;
  CounterCurrentEnd counterCurrent;
  const RunRecord* evaluated = nullptr;
  StopRequest* stop = nullptr;  // requested at step stopAt
  long long stopAt = 0;

  void runBegun() override { events.push_back("runBegun"); }
  void setUpDone(const SetUpValues& v) override {
    events.push_back("setUpDone");
    setUp = v;
  }
  void stepBegins() override {
    if (++steps == stopAt && stop) stop->request();
  }
  void counterCurrentEnded(const CounterCurrentEnd& e) override {
    events.push_back("counterCurrentEnded");
    counterCurrent = e;
  }
  void surfaceShrinkageEnded(double t) override {
    events.push_back("surfaceShrinkageEnded");
    t1xse = t;
  }
  void coreShrinkageEnded(double t) override {
    events.push_back("coreShrinkageEnded");
    t2xse = t;
  }
  void shrinkageGradient(double, double schwindgrad) override { gradients.push_back(schwindgrad); }
  void liveValues(DryingPeriod period, const LiveValues& v) override {
    live[period == DryingPeriod::First ? 0 : 1].push_back(v);
  }
  void curveEnded(const CurveEnd& e) override {
    events.push_back(e.period == DryingPeriod::First ? "curve1" : "curve2");
    curves.push_back(e);
  }
  void frontIterations(int) override { ++frontSteps; }
  void firstPeriodEnded(const FirstPeriodResults& r) override {
    events.push_back("firstPeriodEnded");
    firstPeriod = r;
  }
  void secondPeriodEnded(const LiveValues&) override { events.push_back("secondPeriodEnded"); }
  void runEvaluated(const Evaluation& e) override {
    events.push_back("runEvaluated");
    evaluated = &e.record;
  }
  void runEnded() override { events.push_back("runEnded"); }

  long count(const std::string& event) const { return std::count(events.begin(), events.end(), event); }
  long at(const std::string& event) const { return std::find(events.begin(), events.end(), event) - events.begin(); }
};

TEST(RunEvents, QuickRunSendsItsEventsInOrderAndEachMilestoneOnce) {
  auto s = std::make_unique<RunState>();
  RecordingEvents e;
  ASSERT_EQ(RunSimulation(*s, QuickInputs(), e).outcome, RunOutcome::Completed);
  const std::vector<std::string>& ev = e.events;
  ASSERT_GE(ev.size(), 8u);
  EXPECT_EQ(ev[0], "runBegun");
  EXPECT_EQ(ev[1], "setUpDone");
  EXPECT_EQ(ev[ev.size() - 3], "secondPeriodEnded");
  EXPECT_EQ(ev[ev.size() - 2], "runEvaluated");
  EXPECT_EQ(ev.back(), "runEnded");
  for (const char* once : {"runBegun", "setUpDone", "counterCurrentEnded", "surfaceShrinkageEnded",
                           "coreShrinkageEnded", "firstPeriodEnded", "secondPeriodEnded", "runEvaluated", "runEnded"}) {
    EXPECT_EQ(e.count(once), 1) << once;
  }
  // The first period's curves, the last of them its final one, then the second period's.
  const long end1 = e.at("firstPeriodEnded");
  EXPECT_EQ(ev[end1 - 1], "curve1");
  EXPECT_GT(e.at("curve2"), end1);
  EXPECT_EQ(std::count(ev.begin() + end1, ev.end(), "curve1"), 0);
  ASSERT_FALSE(e.curves.empty());
  const long finals = std::count_if(e.curves.begin(), e.curves.end(), [](const CurveEnd& c) { return c.finalOfFirst; });
  EXPECT_EQ(finals, 1);
  EXPECT_TRUE(e.curves[static_cast<std::size_t>(e.count("curve1")) - 1].finalOfFirst);

  // One step event per time step, one front event per solved step of the second period.
  const RunSeries& r = s->record.series;
  EXPECT_EQ(e.steps, r.nReihe + 2);  // the dry step of the first period and the last, dry one store nothing
  EXPECT_EQ(e.frontSteps, r.nReihe - r.nReihe1TA);
  EXPECT_FALSE(e.live[0].empty());
  EXPECT_FALSE(e.live[1].empty());
  for (const LiveValues& v : e.live[0]) EXPECT_LE(v.Zeit, e.firstPeriod.Dauer1TA);
  for (const LiveValues& v : e.live[1]) EXPECT_GT(v.Zeit, e.firstPeriod.Dauer1TA);
}

TEST(RunEvents, CarryTheNumbersTheRunRecords) {
  auto s = std::make_unique<RunState>();
  RecordingEvents e;
  ASSERT_EQ(RunSimulation(*s, QuickInputs(), e).outcome, RunOutcome::Completed);
  const RunResults& x = s->record.results;
  EXPECT_EQ(e.setUp.anzOSText, "10");
  EXPECT_EQ(e.setUp.XAnf, s->in.XAnf);
  EXPECT_EQ(e.setUp.body.XSchwEnde, s->run.body.XSchwEnde);
  EXPECT_EQ(e.t1xse, x.t1xse);
  EXPECT_EQ(e.t2xse, x.t2xse);
  EXPECT_EQ(e.counterCurrent.Zeit, s->DauerGegenstrom);
  EXPECT_EQ(e.counterCurrent.XGegen, x.XGegen);
  // The first period's end comes before the evaluation rescales X1TA.
  EXPECT_EQ(e.firstPeriod.Dauer1TA, x.Dauer1TA);
  EXPECT_GT(e.firstPeriod.X1TA, x.X1TA);
  EXPECT_EQ(e.firstPeriod.Anfangsrate, x.Anfangsrate);
  EXPECT_EQ(e.evaluated, &s->record);
  // The largest gradient grows with every event and ends as the result.
  ASSERT_FALSE(e.gradients.empty());
  EXPECT_TRUE(std::is_sorted(e.gradients.begin(), e.gradients.end()));
  EXPECT_EQ(e.gradients.back(), x.schwindgrad);
  // Each curve copies the whole profile, surface node to mirror node, at its moment.
  for (const CurveEnd& c : e.curves) {
    ASSERT_EQ(c.X.size(), 12u);
    EXPECT_EQ(c.XAnf, s->in.XAnf);
  }
  const CurveEnd& final =
      *std::find_if(e.curves.begin(), e.curves.end(), [](const CurveEnd& c) { return c.finalOfFirst; });
  EXPECT_EQ(final.values.Zeit, x.Dauer1TA);
  EXPECT_LT(final.X[0], 0);  // the surface has dried
  EXPECT_EQ(final.X[0], final.values.XSurface);
  EXPECT_EQ(final.X[1], final.values.XLayer1);
}

TEST(RunEvents, StoppedRunEndsWithRunEndedAndNoEvaluation) {
  NoRunEvents none;
  const long long firstPeriodSteps = RunCase(QuickInputs(), none).series.nReihe1TA + 1;
  ASSERT_GT(firstPeriodSteps, 150);
  // At once, in the first period, in the second.
  for (long long stopAt : {1LL, 150LL, firstPeriodSteps + 10}) {
    SCOPED_TRACE(stopAt);
    auto s = std::make_unique<RunState>();
    StopRequest stop;
    RecordingEvents e;
    e.stop = &stop;
    e.stopAt = stopAt;
    RunOptions options;
    options.stop = &stop;
    ASSERT_EQ(RunSimulation(*s, QuickInputs(), e, options).outcome, RunOutcome::Stopped);
    EXPECT_EQ(e.steps, stopAt);
    EXPECT_EQ(e.events.back(), "runEnded");
    EXPECT_EQ(e.count("runEnded"), 1);
    EXPECT_EQ(e.count("runEvaluated"), 0);
    EXPECT_EQ(e.count("secondPeriodEnded"), 0);
    EXPECT_EQ(e.count("firstPeriodEnded"), stopAt > firstPeriodSteps ? 1 : 0);
  }
}

TEST(RunEvents, RefusedInputSendsNothing) {
  InputTexts in = QuickInputs();
  in[Input::Ortsschrittweite] = "0";
  RecordingEvents e;
  EXPECT_EQ(RunCase(in, e).outcome, RunOutcome::Refused);
  EXPECT_TRUE(e.events.empty());
  EXPECT_EQ(e.steps, 0);
}

// Without a listener a run gives the same record as one followed step by step.
TEST(RunEvents, ListeningChangesNothing) {
  RecordingEvents e;
  NoRunEvents none;
  const RunRecord followed = RunCase(QuickInputs(), e);
  const RunRecord alone = RunCase(QuickInputs(), none);
  ASSERT_EQ(alone.series.nReihe, followed.series.nReihe);
  for (int k = 0; k <= alone.series.nReihe; ++k) {
    ASSERT_EQ(alone.series.XReihe[static_cast<std::size_t>(k)], followed.series.XReihe[static_cast<std::size_t>(k)]);
  }
  EXPECT_EQ(alone.results.ThetaZuluft, followed.results.ThetaZuluft);
  EXPECT_TRUE(alone.controls.empty());
  EXPECT_EQ(alone.profiles.count(), 0u);
}

}  // namespace
}  // namespace lamvero
