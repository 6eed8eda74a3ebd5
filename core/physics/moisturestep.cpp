#include "physics/moisturestep.h"

#include <initializer_list>

namespace lamvero {

namespace {

// Every node index used lies in 0..N+1, so N+1 must be a valid index of the
// profile and of the work storage.
bool GridFits(int N, const GridArray& X, const MoistureStepWork& work) {
  return N >= 1 && N + 1 < X.size() && N + 1 < work.Kappa.size() && N + 1 < work.TriY.size();
}

// Conductivities of the faces first..last (face i between node i and i+1) at
// the mean of the two neighbouring old moisture contents. A face is shared by
// two rows, so it is evaluated once.
void FaceConductivities(const ClayBody& body, const GridArray& X, int first, int last, double theta,
                        GridArray& Kappa) {
  for (int i = first; i <= last; ++i) {
    Kappa[i] = MoistureConductivity(body, (X[i] + X[i + 1]) / 2, theta);
  }
}

}  // namespace

void MoistureStepWork::resize(int nodes) {
  for (GridArray* a : {&TriA, &TriB, &TriC, &TriR, &TriU, &TriGam, &TriBet, &Kappa}) a->resize(nodes);
  TriY.resize(nodes);
  TriStatus = 0;
}

// A grid of more layers than the storage holds cannot be stepped; such a call leaves X as it is.
bool MoistureStep(const ClayBody& body, GridArray& X, int N, double dx, double deltaT, double mRand, double theta,
                  MoistureStepWork& work) {
  if (!GridFits(N, X, work)) return false;

  // Surface value: the moisture flux rho kappa (X(1) - X(0)) / dx between the
  // surface value and the first layer carries the evaporation flux. Density
  // follows the shrinkage while the first layer is above the limit moisture.
  const double Xm = (X[0] + X[1]) / 2;
  const double kappaS = MoistureConductivity(body, Xm, theta);
  const double rho =
      X[1] > body.XSchwEnde ? DryDensityAtShrinkage(body, ShrinkageAtMoisture(body, Xm)) : body.rhos;
  X[0] = X[1] + dx * mRand / (rho * kappaS);

  // No flux across the centre plane.
  X[N + 1] = X[N];

  const double dtdx2 = deltaT / (dx * dx);
  GridArray& K = work.Kappa;
  FaceConductivities(body, X, 0, N, theta, K);

  // Backward Euler; row i couples layer i to its neighbours through the faces
  // i-1 (towards the surface) and i (towards the centre).
  for (int i = 1; i <= N; ++i) {
    const double KappaAussen = K[i - 1];
    const double KappaInnen = K[i];
    work.TriB[i] = 1 + dtdx2 * (KappaAussen + KappaInnen);
    work.TriC[i] = i < N ? -dtdx2 * KappaInnen : 0;
    work.TriA[i] = i > 1 ? -dtdx2 * KappaAussen : 0;
    work.TriR[i] = X[i];
  }
  if (N == 1) {
    work.TriR[1] = X[1] + dtdx2 * (K[0] * X[0] + K[1] * X[2]);
  } else {
    work.TriR[1] = X[1] + dtdx2 * K[0] * X[0];
    work.TriR[N] = X[N] + dtdx2 * K[N] * X[N + 1];
  }

  SolveTridiagonal(N, work.TriR, work.TriA, work.TriC, work.TriB, 0, work.TriU, work.TriStatus,
                   work.TriGam, work.TriBet, work.TriY);
  // A refused system leaves the layers as they were, not the last step's solution.
  if (work.TriStatus != 0) return false;
  for (int i = 1; i <= N; ++i) X[i] = work.TriU[i];
  return true;
}

// Also refuses a front index outside 0..N-1 (no wet layer left to solve).
bool WetCoreMoistureStep(const ClayBody& body, GridArray& X, int N, int iSpiegel, double dx, double deltaT,
                         double mRand, double ThetaK, MoistureStepWork& work) {
  if (!GridFits(N, X, work) || iSpiegel < 0 || iSpiegel >= N) return false;

  // Boundary value at the front node: the vapour leaves through dry material
  // of the dry density, so the flux law uses kappa at zero moisture and rhos.
  X[iSpiegel] = X[iSpiegel + 1] + mRand * dx / (body.rhos * MoistureConductivity(body, 0, ThetaK));
  X[N + 1] = X[N];

  const double dtdx2 = deltaT / (dx * dx);
  GridArray& K = work.Kappa;
  FaceConductivities(body, X, iSpiegel, N, ThetaK, K);

  // Row j of the wet core goes to index j - iSpiegel of the system.
  const int first = iSpiegel + 1;
  for (int j = first; j <= N; ++j) {
    const int k = j - iSpiegel;
    const double KappaAussen = K[j - 1];
    const double KappaInnen = K[j];
    work.TriB[k] = 1 + dtdx2 * (KappaAussen + KappaInnen);
    work.TriC[k] = j < N ? -dtdx2 * KappaInnen : 0;
    work.TriA[k] = j > first ? -dtdx2 * KappaAussen : 0;
    double r = X[j];
    if (j == first) r = r + dtdx2 * KappaAussen * X[iSpiegel];
    if (j == N) r = r + dtdx2 * KappaInnen * X[N + 1];
    work.TriR[k] = r;
  }

  const int n = N - iSpiegel;
  SolveTridiagonal(n, work.TriR, work.TriA, work.TriC, work.TriB, 0, work.TriU, work.TriStatus,
                   work.TriGam, work.TriBet, work.TriY);
  if (work.TriStatus != 0) return false;
  for (int j = 1; j <= n; ++j) X[j + iSpiegel] = work.TriU[j];
  return true;
}

}  // namespace lamvero
