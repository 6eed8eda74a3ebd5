// Shrinkage as it leaves a run and as a case file brings it back: never more
// than the total linear shrinkage typed in, the model's curve up to the end
// of shrinkage, the total from there on.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "common/quickinputs.h"
#include "files/casefile.h"
#include "run/dryingrun.h"
#include "run/shownshrinkage.h"

namespace lamvero {
namespace {

using testing::QuickInputs;

// Keeps the series as the evaluation hands them to the window's plot, and
// stops the run once the surface has stopped shrinking, if asked to.
struct Listener : NoRunEvents {
  StopRequest* stopAtSurfaceEnd = nullptr;
  std::optional<RunSeries> drawn;
  void runEvaluated(const Evaluation& e) override { drawn = e.record.series; }
  void surfaceShrinkageEnded(double) override {
    if (stopAtSurfaceEnd) stopAtSurfaceEnd->request();
  }
};

// Every shrinkage value at most the total; the first point at or after the end time, and every later one, at it.
void ExpectEndsAtTheTotal(const RunRecord& r, Series RunSeries::*member, double endTime) {
  const double total = r.values.linTrSchwind;
  const Series& s = r.series.*member;
  for (int k = 0; k < r.series.points(); ++k) {
    ASSERT_LE(s[k], total) << k;
    if (endTime > 0 && r.series.tReihe[k] >= endTime) {
      ASSERT_EQ(s[k], total) << k;
    }
  }
}

TEST(ShownShrinkage, EndsAtTheTotalWhereTheMoisturePassesTheShrinkageEnd) {
  Listener listener;
  const RunRecord r = RunCase(QuickInputs(), listener);
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  ASSERT_TRUE(listener.drawn);
  ASSERT_GT(r.results.t2xse, r.results.t1xse);
  ASSERT_GT(r.results.t1xse, 0);
  ExpectEndsAtTheTotal(r, &RunSeries::SchwOberflReihe, r.results.t1xse);
  ExpectEndsAtTheTotal(r, &RunSeries::SchwKernReihe, r.results.t2xse);
  // The model's curves, which the window's plot draws, went far beyond the total; up to the end they are kept.
  const RunSeries& model = *listener.drawn;
  EXPECT_GT(model.SchwKernReihe[model.nReihe], r.values.linTrSchwind * 1.5);
  for (int k = 0; k < r.series.points() && r.series.tReihe[k] < r.results.t2xse; ++k) {
    ASSERT_EQ(r.series.SchwKernReihe[k], model.SchwKernReihe[k]) << k;
  }
  for (int k = 0; k < r.series.points(); ++k) ASSERT_EQ(r.series.XKernReihe[k], model.XKernReihe[k]) << k;
}

TEST(ShownShrinkage, WithoutShrinkageTheCurvesStayAtZero) {
  InputTexts in = QuickInputs();
  in[Input::linTrSchwind] = "0";
  NoRunEvents none;
  const RunRecord r = RunCase(in, none);
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  for (int k = 0; k < r.series.points(); ++k) {
    ASSERT_EQ(r.series.SchwOberflReihe[k], 0) << k;
    ASSERT_EQ(r.series.SchwKernReihe[k], 0) << k;
  }
}

TEST(ShownShrinkage, ACoreThatNeverReachesTheShrinkageEndKeepsItsCurve) {
  StopRequest stop;
  Listener listener;
  listener.stopAtSurfaceEnd = &stop;
  RunOptions options;
  options.stop = &stop;
  const RunRecord r = RunCase(QuickInputs(), listener, options);
  ASSERT_EQ(r.outcome, RunOutcome::Stopped);
  ASSERT_GT(r.results.t1xse, 0);
  ASSERT_EQ(r.results.t2xse, 0);
  ExpectEndsAtTheTotal(r, &RunSeries::SchwOberflReihe, r.results.t1xse);
  ExpectEndsAtTheTotal(r, &RunSeries::SchwKernReihe, 0);
  // The centre is still shrinking: its curve rises to the end, below the total.
  const double last = r.series.SchwKernReihe[r.series.nReihe];
  EXPECT_GT(last, 0);
  EXPECT_LT(last, r.values.linTrSchwind);
}

TEST(ShownShrinkage, ACaseFileWithTheModelsCurvesReadsBackLimited) {
  Listener listener;
  const RunRecord shown = RunCase(QuickInputs(), listener);
  ASSERT_TRUE(listener.drawn);
  // A file of an earlier version: the curves as the model computed them.
  CaseFile file;
  file.inputs = QuickInputs();
  file.run = CaseRunOf(shown, "2026-12-08T04:45:13Z", "Lamvero 1.0.0");
  file.run->record.series = *listener.drawn;
  ASSERT_GT(listener.drawn->SchwKernReihe[shown.series.nReihe], shown.values.linTrSchwind);
  const Outcome<CaseFile> read = ReadCaseFileText(CaseFileText(file, true), nullptr);
  ASSERT_TRUE(read) << read.message();
  const RunRecord& r = read->run->record;
  for (const SeriesColumn& c : SeriesColumns()) {
    const Series& got = r.series.*c.member;
    const Series& want = shown.series.*c.member;
    for (int k = 0; k < r.series.points(); ++k) ASSERT_EQ(got[k], want[k]) << c.name << " " << k;
  }
}

TEST(ShownShrinkage, MissingValuesStayMissing) {
  RunRecord r;
  r.values.linTrSchwind = 6.2;
  r.series.nReihe = 1;
  for (const SeriesColumn& c : SeriesColumns()) {
    r.series.*c.member = Series(2);
    (r.series.*c.member)[0] = kNoValue;
    (r.series.*c.member)[1] = 7;
  }
  LimitShrinkageToTotal(r);
  EXPECT_TRUE(std::isnan(r.series.SchwKernReihe[0]));
  EXPECT_EQ(r.series.SchwKernReihe[1], 6.2);
  EXPECT_EQ(r.series.XKernReihe[1], 7);  // not a shrinkage
}

}  // namespace
}  // namespace lamvero
