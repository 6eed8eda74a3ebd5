#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/claybody.h"
#include "model/moisturestep.h"
#include "model/tridiagonal.h"
#include "tests/model/default_claybody.h"

namespace lamvero {
namespace {

using testing::DefaultClayBody;

struct System {
  GridArray a{}, b{}, c{}, r{}, u{}, gam{}, bet{};
  GridArrayF y{};
  int status = -1;
  void Solve(int n, int mode) { SolveTridiagonal(n, r, a, c, b, mode, u, status, gam, bet, y); }
};

TEST(SolveTridiagonal, SolvesAKnownSystem) {
  // -x(i-1) + 2 x(i) - x(i+1) with right-hand side 1, 0, 1: x = 1, 1, 1. The
  // forward sweep holds 1/3-like values in single precision: relative 1e-7.
  System s;
  s.b = {0, 2, 2, 2};
  s.a = {0, 0, -1, -1};
  s.c = {0, -1, -1, 0};
  s.r = {0, 1, 0, 1};
  s.Solve(3, 0);
  EXPECT_EQ(s.status, 0);
  EXPECT_NEAR(s.u[1], 1, 1e-7);
  EXPECT_NEAR(s.u[2], 1, 1e-7);
  EXPECT_NEAR(s.u[3], 1, 1e-7);

  // Any other mode reuses the stored factors: the matrix arrays it would
  // factorise are not read any more, the new right-hand side is solved.
  s.b.fill(1e9);
  s.c.fill(1e9);
  s.r = {0, 2, 0, 0};  // solution 1.5, 1, 0.5
  s.Solve(3, 1);
  EXPECT_NEAR(s.u[1], 1.5, 1e-7);
  EXPECT_NEAR(s.u[2], 1, 1e-7);
  EXPECT_NEAR(s.u[3], 0.5, 1e-7);
}

TEST(SolveTridiagonal, ForwardSweepIsRoundedToSinglePrecision) {
  // Two decoupled rows: u = y exactly, so the float rounding of 0.1 shows.
  System s;
  s.b = {0, 1, 1};
  s.r = {0, 0.1, 0.3};
  s.Solve(2, 0);
  EXPECT_EQ(s.u[1], static_cast<double>(0.1f));
  EXPECT_EQ(s.u[2], static_cast<double>(0.3f));
  EXPECT_NE(s.u[1], 0.1);

  // The rounded y(1) is what row 2 uses: 0.1f differs from 0.1 by 1.49e-9,
  // which survives into y(2) before it is rounded again.
  s.a[2] = 1;
  s.r[2] = 0.1 + 0.5;
  s.Solve(2, 0);
  EXPECT_EQ(s.u[2], static_cast<double>(static_cast<float>(0.6 - static_cast<double>(0.1f))));
}

TEST(SolveTridiagonal, OneRowIsSolvedInDoublePrecision) {
  System s;
  s.b[1] = 3;
  s.r[1] = 0.1;
  s.Solve(1, 0);
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(s.u[1], 0.1 / 3);
  s.r[1] = 0.7;
  s.Solve(1, 1);
  EXPECT_EQ(s.u[1], 0.7 / 3);
}

TEST(SolveTridiagonal, ZeroPivotLeavesTheSolutionUntouched) {
  System s;
  s.u.fill(7);
  s.bet.fill(9);
  s.r = {0, 1, 1, 1};
  s.b = {0, 0, 1, 1};  // first pivot zero
  s.Solve(3, 0);
  EXPECT_EQ(s.status, 1);

  s.b = {0, 1, 1, 1};
  s.c = {0, 1, 0, 0};
  s.a = {0, 0, 1, 0};  // second pivot 1 - 1 * 1 = 0
  s.Solve(3, 0);
  EXPECT_EQ(s.status, 1);
  EXPECT_EQ(s.bet[2], 9);
  EXPECT_TRUE(std::all_of(s.u.begin(), s.u.end(), [](double v) { return v == 7; }));

  s.Solve(0, 0);  // no rows: refused
  EXPECT_EQ(s.status, 1);
  s.Solve(kGridSize, 0);
  EXPECT_EQ(s.status, 1);
  EXPECT_TRUE(std::all_of(s.u.begin(), s.u.end(), [](double v) { return v == 7; }));
}

// Realistic grid of the default plate: dx 9.38e-5 m, time step 0.5 s, surface
// at the wet-bulb temperature of the default exhaust air; initial rate.
constexpr double kDx = 9.38e-5;
constexpr double kDeltaT = 0.5;
constexpr double kTheta = 30.9341;
constexpr double kRate = -8.37205e-5;

// Largest residual of the backward Euler rows first..N of a step that took
// `before` to `after`: conductivities from `before`, whose boundary nodes
// first-1 and N+1 hold the values the step set.
double LargestResidual(const ClayBody& body, GridArray before, const GridArray& after, int first,
                       int N, double theta) {
  before[first - 1] = after[first - 1];
  before[N + 1] = after[N + 1];
  const double dtdx2 = kDeltaT / (kDx * kDx);
  double worst = 0;
  for (int i = first; i <= N; ++i) {
    const double Ka = MoistureConductivity(body, (before[i - 1] + before[i]) / 2, theta);
    const double Ki = MoistureConductivity(body, (before[i] + before[i + 1]) / 2, theta);
    const double flow = Ka * (after[i - 1] - after[i]) + Ki * (after[i + 1] - after[i]);
    worst = std::max(worst, std::fabs(after[i] - before[i] - dtdx2 * flow));
  }
  return worst;
}

// A strongly graded profile from 0.12 (below the limit moisture) to 0.25, so
// that neighbouring faces have clearly different conductivities.
GridArray GradedProfile(int N) {
  GridArray X{};
  for (int i = 0; i <= N + 1; ++i) X[i] = 0.12 + 0.13 * std::sqrt(std::min(i, N) / double(N));
  return X;
}

TEST(MoistureStep, UniformProfileWithoutFluxStaysUniform) {
  const ClayBody body = DefaultClayBody();
  GridArray X{};
  X.fill(0.25);
  MoistureStepWork work;
  MoistureStep(body, X, 100, kDx, kDeltaT, 0, kTheta, work);
  EXPECT_EQ(X[0], 0.25);
  EXPECT_EQ(X[101], 0.25);
  // Only the single-precision forward sweep (2^-24 relative) disturbs it.
  for (int i = 1; i <= 100; ++i) EXPECT_NEAR(X[i], 0.25, 1e-7 * 0.25) << i;
}

// The new profile satisfies the implicit system to within the float sweep:
// errors of ~1e-8 in X times row sums of ~1 + 4 dtdx2 kappa (about 10) stay
// below 1e-6, while a misplaced conductivity or boundary term leaves residuals
// of the size of dtdx2 kappa dX, ~1e-3.
TEST(MoistureStep, SolvesTheImplicitSystemWithBothBoundaryValues) {
  const ClayBody body = DefaultClayBody();
  for (int N : {1, 2, 7, 100}) {
    GridArray X = GradedProfile(N);
    const GridArray before = X;
    MoistureStepWork work;
    MoistureStep(body, X, N, kDx, kDeltaT, kRate, kTheta, work);
    EXPECT_EQ(work.TriStatus, 0);
    EXPECT_LT(X[0], X[1]) << N;                 // water leaves the surface
    EXPECT_EQ(X[N + 1], before[N]) << N;        // mirror of the old centre layer
    EXPECT_LT(LargestResidual(body, before, X, 1, N, kTheta), 1e-6) << N;

    // The surface value carries the evaporation flux through the face between
    // it and the first layer, with the conductivity and density of the old
    // face mean (the first layer lies above the limit moisture only for N > 1).
    const double Xm = (before[0] + before[1]) / 2;
    const double rho = before[1] > body.XSchwEnde
                           ? DryDensityAtShrinkage(body, ShrinkageAtMoisture(body, Xm))
                           : body.rhos;
    const double flux = rho * MoistureConductivity(body, Xm, kTheta) * (X[0] - before[1]) / kDx;
    EXPECT_NEAR(flux, kRate, 1e-12 * -kRate) << N;
  }
}

TEST(MoistureStep, DryingLowersTheMeanMoistureStepByStep) {
  const ClayBody body = DefaultClayBody();
  GridArray X{};
  X.fill(0.25);
  MoistureStepWork work;
  double mean = 0.25;
  for (int step = 0; step < 200; ++step) {
    MoistureStep(body, X, 100, kDx, kDeltaT, kRate, kTheta, work);
    double sum = 0;
    for (int i = 1; i <= 100; ++i) sum += X[i];
    ASSERT_LT(sum / 100, mean) << step;
    mean = sum / 100;
    // Diffusion keeps the profile monotone: drier towards the surface.
    for (int i = 0; i <= 100; ++i) ASSERT_LE(X[i], X[i + 1] + 1e-9) << step << " " << i;
  }
}

TEST(WetCoreMoistureStep, SolvesOnlyTheWetLayersBehindTheFront) {
  const ClayBody body = DefaultClayBody();
  const int N = 12;
  for (int iSpiegel : {0, 4, N - 1}) {
    GridArray X = GradedProfile(N);
    for (int i = 0; i < iSpiegel; ++i) X[i] = -0.01 * (iSpiegel - i);  // dry layer
    const GridArray before = X;
    MoistureStepWork work;
    const double ThetaK = 45;
    WetCoreMoistureStep(body, X, N, iSpiegel, kDx, kDeltaT, kRate, ThetaK, work);
    for (int i = 0; i < iSpiegel; ++i) EXPECT_EQ(X[i], before[i]) << iSpiegel << " " << i;
    EXPECT_LT(X[iSpiegel], X[iSpiegel + 1]);
    EXPECT_EQ(X[N + 1], before[N]);
    EXPECT_LT(LargestResidual(body, before, X, iSpiegel + 1, N, ThetaK), 1e-6) << iSpiegel;
    // The vapour flux through the front node uses dry-material conductivity.
    const double flux =
        body.rhos * MoistureConductivity(body, 0, ThetaK) * (X[iSpiegel] - before[iSpiegel + 1]) / kDx;
    EXPECT_NEAR(flux, kRate, 1e-12 * -kRate) << iSpiegel;
  }
}

TEST(MoistureStep, GridsThatDoNotFitAreLeftAlone) {
  const ClayBody body = DefaultClayBody();
  GridArray X{};
  X.fill(0.2);
  const GridArray before = X;
  MoistureStepWork work;
  MoistureStep(body, X, 0, kDx, kDeltaT, kRate, kTheta, work);
  MoistureStep(body, X, kGridSize - 1, kDx, kDeltaT, kRate, kTheta, work);
  WetCoreMoistureStep(body, X, 10, 10, kDx, kDeltaT, kRate, kTheta, work);
  WetCoreMoistureStep(body, X, 10, -1, kDx, kDeltaT, kRate, kTheta, work);
  EXPECT_EQ(X, before);
}

}  // namespace
}  // namespace lamvero
