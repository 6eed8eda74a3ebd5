// One implicit moisture step of the default plate: the work of every time step
// of both drying periods apart from the air model.

#include <benchmark/benchmark.h>

#include "physics/moisturestep.h"
#include "common/default_claybody.h"

namespace lamvero {
namespace {

constexpr double kThickness = 0.01876;  // dry plate of the default inputs, m
constexpr double kDeltaT = 0.5;         // s
constexpr double kTheta = 30.9341;      // wet-bulb temperature of the default exhaust air, °C
constexpr double kRate = -8.37205e-5;   // initial evaporation flux, kg/(m² s)

// The profile after some minutes of the first period: a dried skin over a
// core still at the initial moisture.
GridArray DryingProfile(const ClayBody& body, int N, double dx, MoistureStepWork& work) {
  GridArray X{};
  X.fill(0.25);
  for (int step = 0; step < 2000; ++step) MoistureStep(body, X, N, dx, kDeltaT, kRate, kTheta, work);
  return X;
}

// Each iteration restarts from the same profile (a 4 kB copy, small against
// the 2N+2 conductivity evaluations) so that every step sees the same state.
void BM_MoistureStep(benchmark::State& state) {
  const int N = static_cast<int>(state.range(0));
  const double dx = kThickness / (2 * N);
  const ClayBody body = testing::DefaultClayBody();
  MoistureStepWork work;
  const GridArray start = DryingProfile(body, N, dx, work);
  GridArray X = start;
  for (auto _ : state) {
    X = start;
    MoistureStep(body, X, N, dx, kDeltaT, kRate, kTheta, work);
    benchmark::DoNotOptimize(X.data());
  }
}
BENCHMARK(BM_MoistureStep)->Arg(100)->Arg(500);

// Second period: dry layer (negative values) over the outer third, wet core behind.
void BM_WetCoreMoistureStep(benchmark::State& state) {
  const int N = static_cast<int>(state.range(0));
  const int iSpiegel = N / 3;
  const double dx = kThickness / (2 * N);
  const ClayBody body = testing::DefaultClayBody();
  MoistureStepWork work;
  GridArray start = DryingProfile(body, N, dx, work);
  for (int i = 0; i <= iSpiegel; ++i) start[i] = -0.001 * (iSpiegel + 1 - i);
  GridArray X = start;
  for (auto _ : state) {
    X = start;
    WetCoreMoistureStep(body, X, N, iSpiegel, dx, kDeltaT, kRate, 45.0, work);
    benchmark::DoNotOptimize(X.data());
  }
}
BENCHMARK(BM_WetCoreMoistureStep)->Arg(100)->Arg(500);

}  // namespace
}  // namespace lamvero
