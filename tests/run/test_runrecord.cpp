// The record of a run: what it holds after a run, how it copies, and runs in
// states of their own (also on several threads at once).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <thread>

#include "present/displayedrun.h"
#include "text/numberformat.h"
#include "recordingdisplay.h"
#include "common/quickinputs.h"

namespace lamvero {
namespace {

using testing::QuickInputs;

void ExpectSameSeries(const RunSeries& a, const RunSeries& b) {
  ASSERT_EQ(a.nReihe, b.nReihe);
  EXPECT_EQ(a.nReihe1TA, b.nReihe1TA);
  for (const SeriesColumn& c : SeriesColumns()) {
    for (int k = 0; k < a.points(); ++k) ASSERT_EQ((a.*c.member)[k], (b.*c.member)[k]) << c.name << " " << k;
  }
}

TEST(RunRecord, HoldsWhatTheWindowShowedAsNumbersAndTexts) {
  testing::RecordingDisplay d;
  const RunRecord r = RunCaseOnDisplay(QuickInputs(), d);
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(r.inputs[Input::Dicke], "4");
  EXPECT_EQ(r.values.Dicke, 4);
  EXPECT_EQ(r.values.AbluftFeuchte, 0.75);
  EXPECT_EQ(r.values.Feuchteleit, 40e-9);
  EXPECT_EQ(r.derived.AnzOS, 10);
  // Every control the run wrote is in the record as the display last saw it.
  for (const auto& [name, text] : d.texts) EXPECT_EQ(r.controls.at(name).text, text) << name;
  for (const auto& [name, visible] : d.visible) EXPECT_EQ(r.controls.at(name).visible, visible) << name;
  for (const auto& [name, colour] : d.colors) EXPECT_EQ(r.controls.at(name).color, colour) << name;
  std::set<std::string> touched, recorded;
  for (const auto& e : d.texts) touched.insert(e.first);
  for (const auto& e : d.visible) touched.insert(e.first);
  for (const auto& e : d.colors) touched.insert(e.first);
  for (const auto& e : r.controls) recorded.insert(e.first);
  EXPECT_EQ(recorded, touched);
  // The numbers behind the texts.
  EXPECT_EQ(FormatDuration(std::floor(r.results.Dauer1TA + 0.5)), r.controls.at("txt_Dauer1TA").text);
  EXPECT_EQ(FormatDuration(std::floor(r.results.Zeit + 0.5)), r.controls.at("txt_Zeit").text);
  EXPECT_EQ(Format(r.results.X1TA, "#0.0000"), r.controls.at("txt_X1TA").text);
  EXPECT_EQ(Format(r.results.ThetaZuluft, "#0.0"), r.controls.at("txt_ThetaZuluft").text);
  EXPECT_EQ(Format(r.results.spezEnergie, "#0.0"), r.controls.at("txt_spezEnergie").text);
  EXPECT_EQ(Format(r.results.WasserfehlerProzent, "#0.0"), r.controls.at("txt_Wasserfehler").text);
  EXPECT_EQ(Format(r.results.XGegen, "#0.00"), r.controls.at("txt_XGegen").text);
  EXPECT_EQ(Format(100 * r.results.schwinddiff, "#0.00"), r.controls.at("txt_schwinddiff").text);
  EXPECT_EQ(Format(0.1 * r.results.schwindgrad, "#0.00"), r.controls.at("txt_schwindgrad").text);
  EXPECT_EQ(Format(r.derived.LuftWasserVerh, "#0.00"), r.controls.at("txt_LuftWasserVerh").text);
  EXPECT_EQ(FormatDuration(r.results.DauerGegenstrom), r.controls.at("txt_DauerGegenstrom").text);
  // The step that finds the plate dry stores no point.
  EXPECT_EQ(r.series.tReihe[r.series.nReihe] + r.values.deltaT, r.results.Zeit);
}

TEST(RunRecord, ControlsStartFromTheirLookAtOpen) {
  testing::RecordingDisplay d;
  d.recordCalls = false;
  DisplayRunOptions options;
  options.controlsAtOpen = [](const std::string& name) { return ControlState{"caption of " + name, false, {1, 2, 3}}; };
  const RunRecord r = RunCaseOnDisplay(QuickInputs(), d, options);
  // Shown, never written: the caption stays, as on the screen.
  const ControlState& label = r.controls.at("lbl_Dauer1TA");
  EXPECT_EQ(label.text, "caption of lbl_Dauer1TA");
  EXPECT_TRUE(label.visible);
  EXPECT_EQ(label.color, (Rgb{1, 2, 3}));
}

TEST(RunRecord, CopyHoldsOnlyTheStoredPointsAndOutlivesTheNextRun) {
  testing::RecordingDisplay d;
  d.recordCalls = false;
  RunState s;
  ASSERT_EQ(RunOnDisplay(s, QuickInputs(), d).outcome, RunOutcome::Completed);
  const RunRecord kept = s.record;
  EXPECT_EQ(kept.series.tReihe.capacity(), static_cast<std::size_t>(kept.series.points()));
  ExpectSameSeries(kept.series, s.record.series);
  const RunResults before = kept.results;

  InputTexts thicker = QuickInputs();
  thicker[Input::Dicke] = "6";
  ASSERT_EQ(RunOnDisplay(s, thicker, d).outcome, RunOutcome::Completed);
  EXPECT_NE(s.record.results.Zeit, kept.results.Zeit);
  EXPECT_EQ(kept.results.Zeit, before.Zeit);
  EXPECT_EQ(kept.inputs[Input::Dicke], "4");
  // A copy of the copy is the same run again.
  const RunRecord again = kept;
  ExpectSameSeries(again.series, kept.series);
}

TEST(RunRecord, RefusedInputGivesARecordWithTheMessagesOnly) {
  testing::RecordingDisplay d;
  InputTexts in = QuickInputs();
  in[Input::Ortsschrittweite] = "0";
  const RunRecord r = RunCaseOnDisplay(in, d);
  EXPECT_EQ(r.outcome, RunOutcome::Refused);
  EXPECT_FALSE(r.messages.empty());
  EXPECT_EQ(r.inputs[Input::Ortsschrittweite], "0");
  EXPECT_EQ(r.series.points(), 0);
  EXPECT_TRUE(r.controls.empty());
  EXPECT_TRUE(d.calls.empty());
  const RunRecord copy = r;  // a record without series copies too
  EXPECT_EQ(copy.series.points(), 0);
}

TEST(RunRecord, StopRequestEndsTheRunAfterTheYield) {
  StopRequest stop;
  testing::RecordingDisplay d;
  d.recordCalls = false;
  d.onYield = [&](int y) {
    if (y == 30) stop.request();
  };
  DisplayRunOptions options;
  options.stop = &stop;
  const RunRecord r = RunCaseOnDisplay(QuickInputs(), d, options);
  EXPECT_EQ(r.outcome, RunOutcome::Stopped);
  EXPECT_EQ(r.series.nReihe, 29);  // no step after the request
  EXPECT_TRUE(r.controls.at("cmd_Neustart").visible);
  EXPECT_TRUE(std::isnan(r.results.DauerGegenstrom));
  // The run never clears the request: the next run with it stops at once.
  const RunRecord next = RunCaseOnDisplay(QuickInputs(), d, options);
  EXPECT_EQ(next.outcome, RunOutcome::Stopped);
  EXPECT_EQ(next.series.nReihe, 0);
}

// Keeps a copy of every profile handed to the display, as the window drew it.
class ProfileCopyingDisplay : public testing::RecordingDisplay {
 public:
  std::vector<std::vector<double>> drawn;
  std::vector<bool> red;
  void drawProfile(const std::vector<double>& X, double XAnf, CurveStyle style) override {
    drawn.push_back(X);
    red.push_back(style == CurveStyle::Final);
    RecordingDisplay::drawProfile(X, XAnf, style);
  }
};

TEST(RunRecord, KeepsEveryDrawnProfileInOrderWithTheEndOfTheFirstPeriodMarked) {
  ProfileCopyingDisplay d;
  d.recordCalls = false;
  RunState s;
  ASSERT_EQ(RunOnDisplay(s, QuickInputs(), d).outcome, RunOutcome::Completed);
  const ProfileCurves& p = s.record.profiles;
  ASSERT_GT(d.drawn.size(), 3u);
  ASSERT_EQ(p.count(), d.drawn.size());
  EXPECT_EQ(p.nodes, s.record.derived.AnzOS + 2);
  EXPECT_EQ(p.X.size(), p.count() * static_cast<std::size_t>(p.nodes));
  for (std::size_t c = 0; c < p.count(); ++c) {
    EXPECT_EQ(p.endOfFirst[c] == 1, d.red[c]) << c;
    for (int i = 0; i < p.nodes; ++i) ASSERT_EQ(p.profile(c)[i], d.drawn[c][i]) << c << " " << i;
  }
  EXPECT_EQ(std::count(p.endOfFirst.begin(), p.endOfFirst.end(), 1), 1);
  // The scale at the set-up and on top of the final profile of the first period.
  const auto red = std::find(p.endOfFirst.begin(), p.endOfFirst.end(), 1) - p.endOfFirst.begin();
  EXPECT_EQ(p.scaleAfter, (std::vector<std::size_t>{0, static_cast<std::size_t>(red) + 1}));

  // A stopped run keeps the profiles it drew; the next run starts afresh.
  StopRequest stop;
  stop.request();
  DisplayRunOptions options;
  options.stop = &stop;
  ASSERT_EQ(RunOnDisplay(s, QuickInputs(), d, options).outcome, RunOutcome::Stopped);
  EXPECT_EQ(s.record.profiles.count(), 0u);
  EXPECT_TRUE(s.record.profiles.X.empty());
}

TEST(RunRecord, RunsOnSeveralThreadsGiveTheSameBitsAsOneAfterAnother) {
  InputTexts other = QuickInputs();
  other[Input::Lufttemp] = "45";
  NullDisplay none;
  const RunRecord a = RunCaseOnDisplay(QuickInputs(), none);
  const RunRecord b = RunCaseOnDisplay(other, none);
  RunRecord ta, tb;
  std::thread first([&] {
    NullDisplay own;
    ta = RunCaseOnDisplay(QuickInputs(), own);
  });
  std::thread second([&] {
    NullDisplay own;
    tb = RunCaseOnDisplay(other, own);
  });
  first.join();
  second.join();
  ExpectSameSeries(ta.series, a.series);
  ExpectSameSeries(tb.series, b.series);
  EXPECT_EQ(ta.results.ThetaZuluft, a.results.ThetaZuluft);
  EXPECT_EQ(tb.results.ThetaZuluft, b.results.ThetaZuluft);
  EXPECT_NE(a.results.ThetaZuluft, b.results.ThetaZuluft);
}

}  // namespace
}  // namespace lamvero
