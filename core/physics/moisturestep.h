#pragma once
// One implicit (backward Euler) moisture-diffusion step on the half-plate grid:
// node 0 the surface value, nodes 1..N the layers, node N+1 the mirror across
// the centre plane. Conductivities are taken from the old profile.

#include "physics/claybody.h"
#include "physics/tridiagonal.h"

namespace lamvero {

// The largest grid of the run as the window starts it: indices 0..AnzOS+1 of 0..501.
constexpr int kMaxAnzOS = kGridSize - 2;

// The system and the solver storage; allocated once, reused every step.
// Made without a size it holds the grid of kMaxAnzOS layers.
struct MoistureStepWork {
  // Room for a profile of `nodes` values (AnzOS + 2).
  void resize(int nodes);

  GridArray TriA{}, TriB{}, TriC{}, TriR{}, TriU{};
  GridArray TriGam{}, TriBet{};
  GridArrayF TriY{};
  GridArray Kappa{};  // face conductivities, Kappa[i] between node i and i+1
  int TriStatus = 0;  // the solver's verdict on the last system: 0 solved, 1 refused
};

// First drying period: surface value X(0) from the evaporation flux mRand
// (kg/(m² s), negative while water leaves), mirror X(N+1) = X(N), then the
// whole layer system 1..N at temperature theta (°C). dx in m, deltaT in s.
// False if the grid does not fit X or the work storage, or the solver meets a zero pivot; the
// layers then keep their old values.
bool MoistureStep(const ClayBody& body, GridArray& X, int N, double dx, double deltaT,
                  double mRand, double theta, MoistureStepWork& work);

// Second drying period: the boundary value sits at the front node iSpiegel
// (dry-material conductivity, density rhos), only the wet layers
// iSpiegel+1..N form the system, all at the front temperature ThetaK.
// False as MoistureStep, and for a front outside 0..N-1.
bool WetCoreMoistureStep(const ClayBody& body, GridArray& X, int N, int iSpiegel, double dx,
                         double deltaT, double mRand, double ThetaK, MoistureStepWork& work);

}  // namespace lamvero
