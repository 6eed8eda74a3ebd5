#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "physics/moisturestep.h"
#include "common/default_claybody.h"

namespace lamvero {
namespace {

using testing::DefaultClayBody;

struct System {
  GridArray a{}, b{}, c{}, r{}, u{}, gam{}, bet{};
  GridArrayF y{};
  int status = -1;
  void Solve(int n, int mode) { SolveTridiagonal(n, r, a, c, b, mode, u, status, gam, bet, y); }
};

TEST(SolveTridiagonal, SolvesAndReusesItsFactors) {
  // -x(i-1) + 2 x(i) - x(i+1) = 1, 0, 1 has x = 1, 1, 1; the single-precision
  // forward sweep holds thirds, so relative 1e-7.
  System s;
  s.b = {0, 2, 2, 2};
  s.a = {0, 0, -1, -1};
  s.c = {0, -1, -1, 0};
  s.r = {0, 1, 0, 1};
  s.Solve(3, 0);
  EXPECT_EQ(s.status, 0);
  for (int i = 1; i <= 3; ++i) EXPECT_NEAR(s.u[i], 1, 1e-7);
  // Any other mode solves with the stored factors and never reads b and c.
  s.b.fill(1e9);
  s.c.fill(1e9);
  s.r = {0, 2, 0, 0};
  s.Solve(3, 1);
  EXPECT_NEAR(s.u[1], 1.5, 1e-7);
  EXPECT_NEAR(s.u[3], 0.5, 1e-7);
}

TEST(SolveTridiagonal, ForwardSweepIsSinglePrecisionExceptForOneRow) {
  System s;
  s.b = {0, 1, 1};
  s.r = {0, 0.1, 0.6};
  s.a[2] = 1;  // y(2) = 0.6 - y(1): the rounded y(1) is the one used
  s.Solve(2, 0);
  EXPECT_EQ(s.u[1], static_cast<double>(0.1f));
  EXPECT_EQ(s.u[2], static_cast<double>(static_cast<float>(0.6 - static_cast<double>(0.1f))));

  s.b[1] = 3;
  s.Solve(1, 0);
  EXPECT_EQ(s.u[1], 0.1 / 3);  // double precision
}

TEST(SolveTridiagonal, ZeroPivotLeavesTheSolutionUntouched) {
  System s;
  s.u.fill(7);
  s.bet.fill(9);
  s.b = {0, 0, 1, 1};  // first pivot zero
  s.Solve(3, 0);
  EXPECT_EQ(s.status, 1);
  s.b = {0, 1, 1, 1};
  s.c = {0, 1, 0, 0};
  s.a = {0, 0, 1, 0};  // second pivot 1 - 1 * 1 = 0
  s.Solve(3, 0);
  EXPECT_EQ(s.status, 1);
  EXPECT_EQ(s.bet[2], 9);
  s.Solve(kGridSize, 0);  // more rows than the arrays hold: refused
  EXPECT_EQ(s.status, 1);
  EXPECT_TRUE(std::all_of(s.u.begin(), s.u.end(), [](double v) { return v == 7; }));
}

// The default plate: dx 9.38e-5 m, 0.5 s steps, the wet-bulb temperature of
// the default exhaust air and the initial evaporation flux.
constexpr double kDx = 9.38e-5, kDeltaT = 0.5, kTheta = 30.9341, kRate = -8.37205e-5;

// Largest residual of the backward Euler rows first..N of a step from `before`
// to `after`, with conductivities of the old profile and the boundary values
// (nodes first-1 and N+1) that the step set.
//
// The float sweep leaves errors of ~1e-8 in X; times row sums of about
// 1 + 4 dtdx2 kappa (~10) that stays below 1e-6, while a misplaced
// conductivity or boundary term leaves residuals of dtdx2 kappa dX, ~1e-3.
double LargestResidual(const ClayBody& body, GridArray before, const GridArray& after, int first,
                       int N, double theta) {
  before[first - 1] = after[first - 1];
  before[N + 1] = after[N + 1];
  double worst = 0;
  for (int i = first; i <= N; ++i) {
    const double Ka = MoistureConductivity(body, (before[i - 1] + before[i]) / 2, theta);
    const double Ki = MoistureConductivity(body, (before[i] + before[i + 1]) / 2, theta);
    const double flow = Ka * (after[i - 1] - after[i]) + Ki * (after[i + 1] - after[i]);
    worst = std::max(worst, std::fabs(after[i] - before[i] - kDeltaT / (kDx * kDx) * flow));
  }
  return worst;
}

// From 0.12 (below the limit moisture) to 0.25, steep at the surface, so that
// neighbouring faces have clearly different conductivities.
GridArray GradedProfile(int N) {
  GridArray X{};
  for (int i = 0; i <= N + 1; ++i) X[i] = 0.12 + 0.13 * std::sqrt(std::min(i, N) / double(N));
  return X;
}

TEST(MoistureStep, UniformProfileWithoutFluxStaysUniform) {
  GridArray X{};
  X.fill(0.25);
  MoistureStepWork work;
  MoistureStep(DefaultClayBody(), X, 100, kDx, kDeltaT, 0, kTheta, work);
  EXPECT_EQ(X[0], 0.25);
  // Only the single-precision forward sweep (2^-24 relative) disturbs it.
  for (int i = 1; i <= 101; ++i) EXPECT_NEAR(X[i], 0.25, 1e-7 * 0.25) << i;
}

TEST(MoistureStep, SolvesTheImplicitSystemWithBothBoundaryValues) {
  const ClayBody body = DefaultClayBody();
  for (int N : {1, 2, 7, 100}) {
    GridArray X = GradedProfile(N);
    const GridArray before = X;
    MoistureStepWork work;
    ASSERT_TRUE(MoistureStep(body, X, N, kDx, kDeltaT, kRate, kTheta, work)) << N;
    EXPECT_LT(X[0], X[1]) << N;           // water leaves the surface
    EXPECT_EQ(X[N + 1], before[N]) << N;  // mirror of the old centre layer
    EXPECT_LT(LargestResidual(body, before, X, 1, N, kTheta), 1e-6) << N;
    // The surface value carries the evaporation flux through the outer face,
    // with conductivity and density at the old face mean (the first layer is
    // above the limit moisture only for N > 1).
    const double Xm = (before[0] + before[1]) / 2;
    const double rho = before[1] > body.XSchwEnde
                           ? DryDensityAtShrinkage(body, ShrinkageAtMoisture(body, Xm))
                           : body.rhos;
    const double flux = rho * MoistureConductivity(body, Xm, kTheta) * (X[0] - before[1]) / kDx;
    EXPECT_NEAR(flux, kRate, 1e-12 * -kRate) << N;
  }
}

TEST(WetCoreMoistureStep, SolvesOnlyTheWetLayersBehindTheFront) {
  const ClayBody body = DefaultClayBody();
  const int N = 12;
  const double ThetaK = 45;
  for (int iSpiegel : {0, 4, N - 1}) {
    GridArray X = GradedProfile(N);
    for (int i = 0; i < iSpiegel; ++i) X[i] = -0.01 * (iSpiegel - i);  // dry layer
    const GridArray before = X;
    MoistureStepWork work;
    ASSERT_TRUE(WetCoreMoistureStep(body, X, N, iSpiegel, kDx, kDeltaT, kRate, ThetaK, work)) << iSpiegel;
    for (int i = 0; i < iSpiegel; ++i) EXPECT_EQ(X[i], before[i]) << iSpiegel << " " << i;
    EXPECT_EQ(X[N + 1], before[N]);
    EXPECT_LT(LargestResidual(body, before, X, iSpiegel + 1, N, ThetaK), 1e-6) << iSpiegel;
    // The vapour flux through the front node: dry-material conductivity, rhos.
    const double flux =
        body.rhos * MoistureConductivity(body, 0, ThetaK) * (X[iSpiegel] - before[iSpiegel + 1]) / kDx;
    EXPECT_NEAR(flux, kRate, 1e-12 * -kRate) << iSpiegel;
  }
  // A front at the centre or a grid beyond the arrays leaves the profile alone
  // and says so.
  GridArray X = GradedProfile(N);
  const GridArray before = X;
  MoistureStepWork work;
  EXPECT_FALSE(WetCoreMoistureStep(body, X, N, N, kDx, kDeltaT, kRate, ThetaK, work));
  EXPECT_FALSE(MoistureStep(body, X, kGridSize - 1, kDx, kDeltaT, kRate, kTheta, work));
  EXPECT_EQ(X, before);
}

}  // namespace
}  // namespace lamvero
