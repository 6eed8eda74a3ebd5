// Fits with known answers: measurements made from a run whose parameters the
// test chose, with and without noise, and problems a fit must refuse.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/quickinputs.h"
#include "run/dryingrun.h"
#include "run/runevents.h"
#include "study/fit.h"
#include "study/fitjacobian.h"
#include "study/fitrun.h"
#include "study/fitstatistics.h"
#include "study/inputtext.h"

namespace lamvero {
namespace {

// A laboratory test: the quick plate in air of constant state (the
// counter-current section ends at the air temperature).
InputTexts LabInputs() {
  InputTexts in = testing::QuickInputs();
  in[Input::ThetaGegenstromende] = in[Input::Lufttemp];
  return in;
}

struct Truth {
  double feuchteleit = 0;
  double waermeuebergang = 0;
};

// Moisture and surface temperature of the run with these parameters, at
// kReadings times spread over its first 95 %, with Gaussian noise of the
// given standard deviations (0: none).
constexpr int kReadings = 16;
MeasuredCurve Synthetic(const Truth& truth, unsigned seed = 0, double moistureNoise = 0, double surfaceNoise = 0) {
  InputTexts in = LabInputs();
  in[Input::Feuchteleit] = ExactInputText(truth.feuchteleit);
  in[Input::Waermeuebergang] = ExactInputText(truth.waermeuebergang);
  NoRunEvents none;
  const RunRecord record = RunCase(in, none);
  EXPECT_EQ(record.outcome, RunOutcome::Completed);
  const double end = record.series.tReihe[static_cast<std::size_t>(record.series.nReihe)];
  std::mt19937 random(seed);
  std::normal_distribution<double> moisture(0, moistureNoise > 0 ? moistureNoise : 1);
  std::normal_distribution<double> surface(0, surfaceNoise > 0 ? surfaceNoise : 1);
  MeasuredCurve curve;
  for (int i = 1; i <= kReadings; ++i) {
    const double t = 0.95 * end * i / kReadings;
    curve.time.push_back(t);
    curve[MeasuredQuantity::Moisture].push_back(ModelValueAt(record, MeasuredQuantity::Moisture, t) +
                                                (moistureNoise > 0 ? moisture(random) : 0));
    curve[MeasuredQuantity::SurfaceTemperature].push_back(
        ModelValueAt(record, MeasuredQuantity::SurfaceTemperature, t) + (surfaceNoise > 0 ? surface(random) : 0));
  }
  return curve;
}

const Truth kTruth{25, 35};

FitProblem TwoParameterProblem(const MeasuredCurve& data) {
  FitProblem problem;
  problem.base = LabInputs();
  problem.data = data;
  problem.parameters = {{Input::Feuchteleit, 5, 100}, {Input::Waermeuebergang, 10, 120}};
  problem.weights = {1, 1, 0, 0};
  problem.jobs = 2;
  return problem;
}

TEST(Fit, WithoutNoiseReturnsTheParametersTheDataWereMadeWith) {
  const FitProblem problem = TwoParameterProblem(Synthetic(kTruth));
  ASSERT_EQ(FitProblemError(problem), "");
  const FitResult result = Fit(problem);
  ASSERT_EQ(result.status, FitResult::Status::Converged) << result.message;
  ASSERT_EQ(result.values.size(), 2u);
  EXPECT_NEAR(result.values[0], kTruth.feuchteleit, 1e-4 * kTruth.feuchteleit);
  EXPECT_NEAR(result.values[1], kTruth.waermeuebergang, 1e-4 * kTruth.waermeuebergang);
  EXPECT_EQ(result.atBound, (std::vector<bool>{false, false}));
  ASSERT_EQ(result.figures.size(), 2u);
  for (const FitQuantityFigures& f : result.figures) {
    EXPECT_EQ(f.points, static_cast<std::size_t>(kReadings));
    EXPECT_GT(f.r2, 0.999999);
  }
  EXPECT_EQ(result.residuals.size(), 2u * kReadings);
  EXPECT_EQ(result.fitted[Input::Feuchteleit], InputTextOf(result.values[0]));
  EXPECT_EQ(result.fitted[Input::Dicke], problem.base[Input::Dicke]);
}

// The intervals must mean what they say: with noise, the true values lie
// inside the 95 % intervals in about 19 of 20 fits.
TEST(Fit, NoisyDataCoverTheTrueValuesInTheirIntervals) {
  int covered[2] = {0, 0};
  for (unsigned seed = 1; seed <= 20; ++seed) {
    const FitResult result = Fit(TwoParameterProblem(Synthetic(kTruth, seed, 0.00005, 0.01)));
    ASSERT_EQ(result.status, FitResult::Status::Converged) << result.message;
    ASSERT_EQ(result.halfWidth95.size(), 2u) << result.identifiability;
    EXPECT_GT(result.halfWidth95[0], 0);
    covered[0] += std::abs(result.values[0] - kTruth.feuchteleit) <= result.halfWidth95[0];
    covered[1] += std::abs(result.values[1] - kTruth.waermeuebergang) <= result.halfWidth95[1];
    ASSERT_EQ(result.correlation.size(), 2u);
    EXPECT_EQ(result.correlation[0][0], 1.0);
    EXPECT_LE(std::abs(result.correlation[0][1]), 1.0);
    EXPECT_EQ(result.correlation[0][1], result.correlation[1][0]);
  }
  EXPECT_GE(covered[0], 17);
  EXPECT_GE(covered[1], 17);
}

// In air of constant state the outside air does not reach the plate: the
// data cannot tell its temperature.
TEST(Fit, ParameterTheDataDoNotDependOnIsNotIdentifiable) {
  FitProblem problem = TwoParameterProblem(Synthetic(kTruth));
  problem.parameters = {{Input::Feuchteleit, 5, 100}, {Input::AussenluftTemp, -10, 30}};
  problem.maxRuns = 40;
  const FitResult result = Fit(problem);
  ASSERT_EQ(result.status, FitResult::Status::Converged) << result.message;
  EXPECT_TRUE(result.halfWidth95.empty());
  EXPECT_TRUE(result.correlation.empty());
  EXPECT_EQ(result.notIdentifiable, std::vector<std::size_t>{1});
  EXPECT_EQ(result.identifiability, "Die Messdaten hängen nicht von „Außenlufttemperatur in °C“ ab.");
}

// The Jacobian's verdicts on made-up columns: proportional columns cannot be
// told apart, a zero column is not seen at all, too few points give no
// intervals; independent columns give intervals and a correlation.
TEST(FitStatistics, RefusesIntervalsForASingularJacobianNamingTheParameters) {
  const std::vector<Input> inputs{Input::Feuchteleit, Input::KappaSteig, Input::mue};
  const std::vector<double> a{1, 2, 3, 4, 5, 6}, b{2, -1, 0, 3, 1, 1}, zero(6, 0.0);
  const std::vector<double> twiceA{2, 4, 6, 8, 10, 12};
  const std::vector<double> ranges{10, 10, 10};

  const FitStatistics alike = StatisticsOf({a, b, twiceA}, ranges, 1.0, inputs);
  EXPECT_TRUE(alike.halfWidth95.empty());
  EXPECT_TRUE(alike.correlation.empty());
  EXPECT_EQ(alike.notIdentifiable, (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(alike.identifiability,
            "„Feuchteleitk. (25% atro, 25°C) in 10^(-9) m²/s“ und „Diff.-Widerstandszahl der trockenen Masse“ lassen "
            "sich mit diesen Messdaten nicht unterscheiden.");

  const FitStatistics unseen = StatisticsOf({a, zero, b}, ranges, 1.0, inputs);
  EXPECT_EQ(unseen.notIdentifiable, std::vector<std::size_t>{1});
  EXPECT_EQ(unseen.identifiability, "Die Messdaten hängen nicht von „Kappa-Steigung unter Grenzfeuchte“ ab.");
  EXPECT_TRUE(unseen.halfWidth95.empty());

  const std::vector<double> three{1, 2, 3};
  const FitStatistics few = StatisticsOf({three, {3, 1, 2}, {0, 1, 5}}, ranges, 1.0, inputs);
  EXPECT_TRUE(few.halfWidth95.empty());
  EXPECT_EQ(few.notIdentifiable.size(), 3u);

  // Orthogonal unit columns: (JᵀJ)⁻¹ = 1, s² = cost / (6 - 2) = 1, t(0.975; 4) = 2.776.
  const std::vector<double> e1{1, 0, 0, 0, 0, 0}, e2{0, 1, 0, 0, 0, 0};
  const FitStatistics apart = StatisticsOf({e1, e2}, {10, 10}, 4.0, {Input::Feuchteleit, Input::KappaSteig});
  ASSERT_EQ(apart.halfWidth95.size(), 2u);
  EXPECT_NEAR(apart.halfWidth95[0], 2.776445, 1e-5);
  EXPECT_NEAR(apart.halfWidth95[1], 2.776445, 1e-5);
  ASSERT_EQ(apart.correlation.size(), 2u);
  EXPECT_EQ(apart.correlation[0][0], 1.0);
  EXPECT_NEAR(apart.correlation[0][1], 0.0, 1e-12);
  EXPECT_EQ(apart.identifiability, "");
}

TEST(Fit, CancelledBeforeItStartsRunsNothingAndSaysSo) {
  StopRequest stop;
  stop.request();
  const FitResult result = Fit(TwoParameterProblem(Synthetic(kTruth)), nullptr, &stop);
  EXPECT_EQ(result.status, FitResult::Status::Stopped);
  EXPECT_EQ(result.runs, 0u);
  EXPECT_TRUE(result.halfWidth95.empty());
}

TEST(Fit, RefusesProblemsItCannotFitNamingTheCause) {
  const FitProblem good = TwoParameterProblem(Synthetic(kTruth));
  ASSERT_EQ(FitProblemError(good), "");
  const auto errorOf = [&](auto change) {
    FitProblem p = good;
    change(p);
    return FitProblemError(p);
  };
  EXPECT_EQ(errorOf([](FitProblem& p) { p.parameters.clear(); }), "Es ist kein Parameter zum Anpassen gewählt.");
  EXPECT_EQ(errorOf([](FitProblem& p) { p.parameters[1].input = Input::Feuchteleit; }),
            "„Feuchteleitk. (25% atro, 25°C) in 10^(-9) m²/s“ ist mehrfach gewählt.");
  EXPECT_NE(errorOf([](FitProblem& p) { p.parameters[0].lower = 100; }).find("kleiner als die obere"),
            std::string::npos);
  EXPECT_NE(errorOf([](FitProblem& p) { p.parameters[0].upper = NAN; }).find("endliche Zahlen"), std::string::npos);
  // A bound the input check refuses: no run could be made there.
  EXPECT_NE(errorOf([](FitProblem& p) { p.parameters[0].lower = -5; }).find("Untere Schranke von „Feuchteleitk."),
            std::string::npos);
  EXPECT_EQ(errorOf([](FitProblem& p) { p.weights = {0, 0, 0, 0}; }), "Keine Messgröße zählt: alle Gewichte sind 0.");
  // Weight only on a quantity the data lack.
  EXPECT_NE(errorOf([](FitProblem& p) { p.weights = {0, 0, 1, 0}; }).find("Nur 0 Messwerte"), std::string::npos);
  EXPECT_NE(errorOf([](FitProblem& p) { p.weights[1] = -1; }).find("„Oberflächentemperatur“"), std::string::npos);
  EXPECT_NE(errorOf([](FitProblem& p) {
              p.weights = {1, 0, 0, 0};
              p.data[MeasuredQuantity::Moisture].assign(p.data.time.size(), NAN);
              p.data[MeasuredQuantity::Moisture][0] = 0.1;
            }).find("Nur 1 Messwerte"),
            std::string::npos);
  EXPECT_NE(errorOf([](FitProblem& p) { p.data.time[3] = p.data.time[2]; }).find("streng steigen (Punkt 4)"),
            std::string::npos);
  EXPECT_NE(errorOf([](FitProblem& p) { p.base[Input::Dicke] = "dick"; }).find("Ausgangsfall: "), std::string::npos);
}

// The runs' curves move in small jumps as a parameter changes; the
// Jacobian's step must lie well above them, or the intervals follow the
// jumps instead of the model: a step a little larger or smaller gives nearly
// the same intervals.
TEST(Fit, JacobianStepGivesIntervalsThatDoNotDependOnIt) {
  const FitProblem problem = TwoParameterProblem(Synthetic(kTruth));
  const FitReadings readings(problem.data, problem.weights);
  const std::vector<double> truth{kTruth.feuchteleit, kTruth.waermeuebergang};
  const FitRun centre = RunFitCase(problem, readings, truth, nullptr);
  ASSERT_TRUE(centre.model);
  const auto halfWidthsWithStep = [&](double step) {
    const FitJacobian j = JacobianAt(problem, readings, truth, readings.residuals(*centre.model), nullptr, step);
    EXPECT_EQ(j.runs, 4u);
    return StatisticsOf(j.columns, {95, 110}, 0.003, FittedInputs(problem)).halfWidth95;
  };
  const std::vector<double> usual = halfWidthsWithStep(kJacobianStep);
  ASSERT_EQ(usual.size(), 2u);
  for (double factor : {0.6, 1.4}) {
    const std::vector<double> other = halfWidthsWithStep(factor * kJacobianStep);
    ASSERT_EQ(other.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) EXPECT_NEAR(other[k], usual[k], 0.15 * usual[k]) << factor;
  }
}

TEST(Fit, DefaultBoundsAreTheUsualRange) {
  const FitParameter p = DefaultFitParameter(Input::Feuchteleit);
  EXPECT_EQ(p.input, Input::Feuchteleit);
  EXPECT_EQ(p.lower, 1);
  EXPECT_EQ(p.upper, 200);
}

}  // namespace
}  // namespace lamvero
