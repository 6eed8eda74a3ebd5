// Optimising the dryer's settings on the quick case, against answers found
// by running every point of a grid.

#include "study/optimise.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "common/quickinputs.h"
#include "inputs/inputreading.h"
#include "run/dryingrun.h"
#include "study/inputtext.h"

namespace lamvero {
namespace {

OptimiseProblem QuickProblem(OptimiseGoal goal, std::vector<DecisionInput> decisions,
                             std::vector<OptimiseConstraint> constraints) {
  OptimiseProblem p;
  p.base = testing::QuickInputs();
  p.goal = goal;
  p.decisions = std::move(decisions);
  p.constraints = std::move(constraints);
  p.maxRuns = 80;
  return p;
}

// The best point of an evenly spaced grid over the decisions' bounds (steps
// intervals each), each point run directly and judged by `feasible`, its
// value by `goal`.
struct GridBest {
  std::vector<double> values;
  double goal = std::numeric_limits<double>::infinity();
};

template <typename Goal, typename Feasible>
GridBest SweepGrid(const OptimiseProblem& problem, int steps, Goal goal, Feasible feasible) {
  GridBest best;
  const std::size_t n = problem.decisions.size();
  std::vector<Input> inputs;
  for (const DecisionInput& d : problem.decisions) inputs.push_back(d.input);
  std::vector<int> index(n, 0);
  for (;;) {
    std::vector<double> values;
    for (std::size_t i = 0; i < n; ++i) {
      const DecisionInput& d = problem.decisions[i];
      values.push_back(d.lower + (d.upper - d.lower) * index[i] / steps);
    }
    NoRunEvents none;
    const RunRecord r = RunCase(WithInputValues(problem.base, inputs, values, ValueText::Exact), none);
    if (r.outcome == RunOutcome::Completed && feasible(r) && goal(r) < best.goal) {
      best.goal = goal(r);
      best.values = values;
    }
    std::size_t i = 0;
    while (i < n && ++index[i] > steps) index[i++] = 0;
    if (i == n) return best;
  }
}

double SpecificEnergy(const RunRecord& r) { return r.results.spezEnergie; }

// Within one grid step of the grid's best point, in every decision, and no worse than it by more than a trace.
void ExpectNearGridBest(const OptimiseResult& r, const OptimiseProblem& p, const GridBest& grid, int steps) {
  ASSERT_EQ(r.status, OptimiseResult::Status::Found) << r.message;
  ASSERT_EQ(grid.values.size(), p.decisions.size());
  for (std::size_t i = 0; i < p.decisions.size(); ++i) {
    const double step = (p.decisions[i].upper - p.decisions[i].lower) / steps;
    EXPECT_LE(std::fabs(r.values[i] - grid.values[i]), step * (1 + 1e-9)) << InputCaptions({p.decisions[i].input});
  }
  EXPECT_LE(r.goal, grid.goal * 1.005);
}

// Less energy takes longer: the counter-current end temperature and the
// exhaust humidity trade the specific energy against the drying time, and
// the optimum lies on the time limit.
TEST(Optimise, TwoInputsUnderATimeLimitFindTheGridsBestPoint) {
  const OptimiseProblem p =
      QuickProblem(OptimiseGoal::SpecificEnergy, {{Input::ThetaGegenstromende, 40, 100}, {Input::AbluftFeuchte, 50, 90}},
                   {{OptimiseLimit::DryingTime, 4000}});
  const int steps = 12;
  const GridBest grid = SweepGrid(p, steps, SpecificEnergy, [](const RunRecord& r) { return r.results.Zeit <= 4000; });
  const OptimiseResult r = Optimise(p);
  ExpectNearGridBest(r, p, grid, steps);

  ASSERT_EQ(r.constraints.size(), 1u);
  EXPECT_TRUE(r.constraints[0].active);
  EXPECT_FALSE(r.constraints[0].violated);
  EXPECT_LE(r.constraints[0].value, 4000);
  EXPECT_NE(r.message.find("Trocknungsdauer höchstens"), std::string::npos) << r.message;
  EXPECT_LE(r.path.size(), p.maxRuns);
  EXPECT_EQ(r.runs, r.path.size() + 1);
  // The taken-over texts are the optimum as a user types it, and the check runs them.
  ASSERT_TRUE(r.check.has_value());
  EXPECT_EQ(r.check->outcome, RunOutcome::Completed);
  EXPECT_EQ(r.optimum[Input::AbluftFeuchte], InputTextOf(r.values[1]));
  EXPECT_NEAR(r.check->values[0], r.values[0], 1e-4);
  EXPECT_EQ(r.optimum[Input::Dicke], p.base[Input::Dicke]);
}

// The drying time alone has its least value inside the bounds of the exhaust temperature.
TEST(Optimise, ShortestDryingTimeInsideTheBounds) {
  const OptimiseProblem p = QuickProblem(OptimiseGoal::DryingTime, {{Input::Lufttemp, 36, 60}}, {});
  const int steps = 12;
  const GridBest grid = SweepGrid(p, steps, [](const RunRecord& r) { return r.results.Zeit; },
                                  [](const RunRecord&) { return true; });
  ASSERT_GT(grid.values[0], 36);
  ASSERT_LT(grid.values[0], 60);
  ExpectNearGridBest(Optimise(p), p, grid, steps);
}

// The quick case's coarse grid leaves a water-balance error above 8 % at
// every exhaust temperature, and no setting dries it in ten minutes. The
// limit blocking is the one missed by the most relative to itself.
TEST(Optimise, NoFeasiblePointNamesTheLimitMissedMost) {
  OptimiseProblem p = QuickProblem(OptimiseGoal::SpecificEnergy, {{Input::Lufttemp, 40, 60}},
                                   {{OptimiseLimit::DryingTime, 2000}, {OptimiseLimit::WaterBalanceError, 3}});
  p.maxRuns = 25;
  OptimiseResult r = Optimise(p);
  ASSERT_EQ(r.status, OptimiseResult::Status::Infeasible) << r.message;
  EXPECT_EQ(r.blockedBy, OptimiseLimit::WaterBalanceError);  // 16 % of 3 % against 2300 s of 2000 s
  EXPECT_NE(r.message.find("Wasserbilanzfehler höchstens 3 %"), std::string::npos) << r.message;
  EXPECT_FALSE(r.check.has_value());
  EXPECT_EQ(r.optimum[Input::Lufttemp], p.base[Input::Lufttemp]);

  p.constraints = {{OptimiseLimit::WaterBalanceError, 50}, {OptimiseLimit::DryingTime, 600}};
  r = Optimise(p);
  ASSERT_EQ(r.status, OptimiseResult::Status::Infeasible) << r.message;
  EXPECT_EQ(r.blockedBy, OptimiseLimit::DryingTime);
  EXPECT_NE(r.message.find("Trocknungsdauer höchstens 0:10:00"), std::string::npos) << r.message;
  ASSERT_EQ(r.constraints.size(), 2u);
  EXPECT_TRUE(r.constraints[1].violated);
  EXPECT_FALSE(r.constraints[0].violated);
  EXPECT_FALSE(r.constraints[0].active);
}

// With the throughput fixed, the heater's power is the specific energy times
// a constant: the same optimum.
TEST(Optimise, HeaterPowerNeedsPlantDataAndFollowsTheSpecificEnergy) {
  OptimiseProblem p = QuickProblem(OptimiseGoal::HeaterPower, {{Input::ThetaGegenstromende, 40, 100}},
                                   {{OptimiseLimit::DryingTime, 4000}});
  EXPECT_NE(OptimiseProblemError(p).find("Durchsatz"), std::string::npos);
  EXPECT_EQ(Optimise(p).status, OptimiseResult::Status::Failed);
  p.plant = PlantData{PlantData::Basis::TonnesPerHour, -2, 0};
  EXPECT_NE(OptimiseProblemError(p).find("Durchsatz"), std::string::npos);

  p.plant->throughput = 2;
  const OptimiseResult power = Optimise(p);
  p.goal = OptimiseGoal::SpecificEnergy;
  const OptimiseResult energy = Optimise(p);
  ASSERT_EQ(power.status, OptimiseResult::Status::Found) << power.message;
  ASSERT_EQ(energy.status, OptimiseResult::Status::Found) << energy.message;
  EXPECT_NEAR(power.values[0], energy.values[0], 0.5);
  const double water = 2000 * *ReadInputs(p.base).typed[static_cast<std::size_t>(Input::XAnf)];  // kg/h at 2 t/h
  EXPECT_NEAR(power.goal, energy.goal * water / 3600, 1e-3 * power.goal);
}

TEST(Optimise, ProblemsAreRefusedNamingTheInputOrLimit) {
  const OptimiseProblem good =
      QuickProblem(OptimiseGoal::SpecificEnergy, {{Input::Lufttemp, 30, 50}}, {{OptimiseLimit::DryingTime, 3600}});
  EXPECT_EQ(OptimiseProblemError(good), "");
  struct Case {
    void (*change)(OptimiseProblem&);
    const char* expected;
  };
  const Case cases[] = {
      {[](OptimiseProblem& p) { p.decisions.clear(); }, "Keine Entscheidungsgröße"},
      {[](OptimiseProblem& p) { p.decisions.push_back({Input::Lufttemp, 20, 40}); }, "Ablufttemperatur"},
      {[](OptimiseProblem& p) { p.decisions[0].upper = 30; }, "Ablufttemperatur"},
      {[](OptimiseProblem& p) { p.decisions[0].lower = std::numeric_limits<double>::quiet_NaN(); }, "Ablufttemperatur"},
      {[](OptimiseProblem& p) { p.decisions = {{Input::Dicke, 0, 10}}; }, "Anfangsdicke der Platte in mm: mit der unteren Grenze 0"},
      {[](OptimiseProblem& p) { p.constraints[0].atMost = 0; }, "Trocknungsdauer höchstens"},
      {[](OptimiseProblem& p) { p.constraints[0].atMost = std::numeric_limits<double>::quiet_NaN(); }, "Trocknungsdauer höchstens"},
      {[](OptimiseProblem& p) { p.constraints.push_back({OptimiseLimit::DryingTime, 7200}); },
       "Trocknungsdauer höchstens"},
      {[](OptimiseProblem& p) { p.base[Input::XAnf] = "viel"; }, "Ausgangsfall"},
      {[](OptimiseProblem& p) { p.maxRuns = 0; }, "Läufe"},
  };
  for (const Case& c : cases) {
    OptimiseProblem p = good;
    c.change(p);
    const std::string error = OptimiseProblemError(p);
    EXPECT_NE(error.find(c.expected), std::string::npos) << c.expected << " / " << error;
    const OptimiseResult r = Optimise(p);
    EXPECT_EQ(r.status, OptimiseResult::Status::Failed);
    EXPECT_EQ(r.message, error);
    EXPECT_TRUE(r.path.empty());
  }
}

class CountingObserver : public OptimiseObserver {
 public:
  void progress(const OptimiseProgress& p) override {
    ++calls;
    EXPECT_EQ(p.runs, calls);
    if (p.best) {
      EXPECT_TRUE(p.best->feasible);
      EXPECT_LE(p.best->goal, bestGoal);
      bestGoal = p.best->goal;
    }
    if (calls == stopAfter) stop.request();
  }
  std::size_t calls = 0;
  std::size_t stopAfter = 0;
  double bestGoal = std::numeric_limits<double>::infinity();
  StopRequest stop;
};

TEST(Optimise, ReportsEveryRunAndStopsWhenAsked) {
  const OptimiseProblem p =
      QuickProblem(OptimiseGoal::SpecificEnergy, {{Input::ThetaGegenstromende, 40, 100}}, {{OptimiseLimit::DryingTime, 4000}});
  CountingObserver all;
  const OptimiseResult done = Optimise(p, &all, &all.stop);
  EXPECT_EQ(done.status, OptimiseResult::Status::Found);
  EXPECT_EQ(all.calls, done.path.size());
  EXPECT_EQ(all.bestGoal, done.goal);

  CountingObserver stopping;
  stopping.stopAfter = 3;
  const OptimiseResult stopped = Optimise(p, &stopping, &stopping.stop);
  EXPECT_EQ(stopped.status, OptimiseResult::Status::Stopped) << stopped.message;
  EXPECT_EQ(stopped.path.size(), 3u);
  EXPECT_FALSE(stopped.check.has_value());
}

}  // namespace
}  // namespace lamvero
