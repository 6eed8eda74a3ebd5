// A study on worker threads: rows in case order whatever the number of
// workers, each case the same bits as a run of its own, a refused case in the
// middle, and a study ended early. Also built with ThreadSanitizer.

#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "study/casesummary.h"
#include "run/runevents.h"
#include "run/dryingrun.h"
#include "study/studyplan.h"
#include "study/studyrunner.h"
#include "common/quickinputs.h"

namespace lamvero {
namespace {

struct CollectedRow {
  std::size_t ordinal;
  CaseSummary summary;
};

class Collector : public StudyObserver {
 public:
  explicit Collector(std::size_t stopAfter = SIZE_MAX) : stopAfter_(stopAfter) {}
  bool caseDone(std::size_t ordinal, CaseSummary summary) override {
    rows.push_back({ordinal, std::move(summary)});
    return rows.size() < stopAfter_;
  }
  void progress(std::size_t finished, std::size_t total) override {
    EXPECT_LE(finished, total);
    EXPECT_GE(finished, lastFinished);
    lastFinished = finished;
  }
  std::vector<CollectedRow> rows;
  std::size_t lastFinished = 0;

 private:
  std::size_t stopAfter_;
};

// The same bits, NaN included.
void ExpectSameValues(const CaseSummary& a, const CaseSummary& b) {
  EXPECT_EQ(a.outcome, b.outcome);
  EXPECT_EQ(a.messages, b.messages);
  EXPECT_EQ(std::memcmp(a.values.data(), b.values.data(), sizeof a.values), 0);
}

// Quick cases of different lengths, so that they finish out of order; case 3 is refused.
StudyPlan QuickGrid() {
  CaseTable table{{Input::Dicke}, {{"3"}, {"5"}, {"0"}, {"4"}}};
  Outcome<StudyPlan> m =
      StudyPlan::Make(testing::QuickInputs(), table, {StudyAxis{Input::Lufttemp, {"35", "50"}}});
  EXPECT_TRUE(m) << m.message();
  return std::move(m).value();
}

TEST(StudyRunner, RowsComeInCaseOrderWithTheBitsOfSingleRunsWhateverTheWorkers) {
  const StudyPlan plan = QuickGrid();
  const auto inputsOf = [&](std::size_t i) { return plan.caseInputs(i); };
  std::vector<CaseSummary> single;
  for (std::size_t i = 0; i < plan.size(); ++i) {
    NoRunEvents d;
    single.push_back(SummarizeRun(RunCase(plan.caseInputs(i), d)));
  }
  for (unsigned jobs : {1u, 3u, 16u}) {
    SCOPED_TRACE(jobs);
    Collector rows;
    StudyRunOptions options;
    options.jobs = jobs;
    ASSERT_EQ(RunStudy(plan.size(), inputsOf, rows, options), plan.size());
    ASSERT_EQ(rows.rows.size(), plan.size());
    EXPECT_EQ(rows.lastFinished, plan.size());
    for (std::size_t i = 0; i < rows.rows.size(); ++i) {
      EXPECT_EQ(rows.rows[i].ordinal, i);
      EXPECT_EQ(rows.rows[i].summary.inputs[Input::Dicke], plan.caseInputs(i)[Input::Dicke]);
      ExpectSameValues(rows.rows[i].summary, single[i]);
    }
  }
  // The refused plate in the middle is a row with its messages; the cases after it ran.
  EXPECT_EQ(single[4].outcome, RunOutcome::Refused);
  EXPECT_FALSE(single[4].messages.empty());
  EXPECT_TRUE(std::isnan(single[4].values[0]));
  EXPECT_EQ(single[6].outcome, RunOutcome::Completed);
}

// Records the furthest case a worker started and checks, as each row is
// handed over, that no worker went further ahead than allowed.
class LookAheadWatch : public Collector {
 public:
  explicit LookAheadWatch(std::size_t lookAhead) : lookAhead_(lookAhead) {}
  void started(std::size_t ordinal) {
    const std::lock_guard<std::mutex> lock(mutex_);
    furthest_ = std::max(furthest_, ordinal);
  }
  bool caseDone(std::size_t ordinal, CaseSummary summary) override {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      EXPECT_LT(furthest_, ordinal + lookAhead_) << "row " << ordinal;
    }
    return Collector::caseDone(ordinal, std::move(summary));
  }

 private:
  std::mutex mutex_;
  std::size_t furthest_ = 0;
  std::size_t lookAhead_;
};

TEST(StudyRunner, WorkersRunNoFurtherAheadOfTheRowsThanAllowed) {
  // A long first case and quick ones after it.
  CaseTable table{{Input::Dicke, Input::deltaT}, {{"4", "0,25"}}};
  for (int i = 0; i < 12; ++i) table.rows.push_back({"1", "2"});
  Outcome<StudyPlan> m = StudyPlan::Make(testing::QuickInputs(), table, {});
  ASSERT_TRUE(m) << m.message();
  LookAheadWatch watch(3);
  StudyRunOptions options;
  options.jobs = 3;
  options.lookAhead = 3;
  const auto inputsOf = [&](std::size_t i) {
    watch.started(i);
    return m->caseInputs(i);
  };
  EXPECT_EQ(RunStudy(m->size(), inputsOf, watch, options), m->size());
  EXPECT_EQ(watch.rows.size(), m->size());
}

TEST(StudyRunner, AnObserverThatDeclinesEndsTheStudy) {
  const StudyPlan plan = QuickGrid();
  Collector firstTwo(2);
  StudyRunOptions options;
  options.jobs = 2;
  EXPECT_EQ(RunStudy(plan.size(), [&](std::size_t i) { return plan.caseInputs(i); }, firstTwo, options), 2u);
  EXPECT_EQ(firstTwo.rows.size(), 2u);
}

TEST(StudyRunner, AStopRequestEndsTheStudyWithoutFurtherRows) {
  const StudyPlan plan = QuickGrid();
  StopRequest stop;
  stop.request();
  Collector rows;
  StudyRunOptions options;
  options.jobs = 2;
  options.stop = &stop;
  EXPECT_EQ(RunStudy(plan.size(), [&](std::size_t i) { return plan.caseInputs(i); }, rows, options), 0u);
  EXPECT_TRUE(rows.rows.empty());
}

// An error on a worker must reach the caller, not end the process; so must
// the observer's, after the workers have stopped.
TEST(StudyRunner, AnErrorOnAWorkerOrInTheObserverReachesTheCaller) {
  const StudyPlan plan = QuickGrid();
  StudyRunOptions options;
  options.jobs = 2;
  Collector rows;
  const auto failingInputs = [&](std::size_t i) {
    if (i == 3) throw std::runtime_error("Fall 4 fehlt");
    return plan.caseInputs(i);
  };
  EXPECT_THROW(RunStudy(plan.size(), failingInputs, rows, options), std::runtime_error);
  EXPECT_LE(rows.rows.size(), 3u);

  class Throwing : public Collector {
    bool caseDone(std::size_t ordinal, CaseSummary summary) override {
      Collector::caseDone(ordinal, std::move(summary));
      throw std::length_error("voll");
    }
  } throwing;
  EXPECT_THROW(RunStudy(plan.size(), [&](std::size_t i) { return plan.caseInputs(i); }, throwing, options),
               std::length_error);
  EXPECT_EQ(throwing.rows.size(), 1u);
}

TEST(CaseSummary, DurationsInHoursAndStagesNotReachedAsNaN) {
  NoRunEvents d;
  const RunRecord complete = RunCase(testing::QuickInputs(), d);
  const CaseSummary s = SummarizeRun(complete);
  ASSERT_EQ(s.outcome, RunOutcome::Completed);
  const auto& q = StudyQuantities();
  ASSERT_EQ(std::string(q[0].result->key), "Dauer1TA");
  EXPECT_EQ(s.values[0], complete.results.Dauer1TA / 3600);
  EXPECT_EQ(std::string(q[2].unit), "h");
  EXPECT_EQ(s.values[2], complete.results.Zeit / 3600);
  EXPECT_EQ(std::string(q[7].result->key), "spezEnergie");
  EXPECT_EQ(s.values[7], complete.results.spezEnergie);
  for (std::size_t i = 0; i < s.values.size(); ++i) {
    const ResultDescriptor& result = *q[i].result;
    const double value = result.value(complete);
    EXPECT_EQ(s.values[i], result.isDuration() ? value / 3600 : value) << result.key;
    EXPECT_EQ(std::string(q[i].unit), result.isDuration() ? "h" : result.unit) << result.key;
    EXPECT_TRUE(std::isfinite(s.values[i])) << result.key;
  }

  // Air that never reaches the set temperature: no counter-current duration.
  InputTexts neverSwitches = testing::QuickInputs();
  neverSwitches[Input::ThetaGegenstromende] = "200";
  const CaseSummary n = SummarizeRun(RunCase(neverSwitches, d));
  EXPECT_TRUE(std::isnan(n.values[1]));
  EXPECT_TRUE(std::isfinite(n.values[2]));
}

}  // namespace
}  // namespace lamvero
