#include "physics/tridiagonal.h"

#include <initializer_list>

namespace lamvero {

namespace {

// Rows 1..n need index n in every array.
bool RowsFit(int n, std::initializer_list<int> sizes) {
  for (int size : sizes) {
    if (n >= size) return false;
  }
  return n >= 1;
}

}  // namespace

// A row count outside 1..size-1 of any array would run past it; such a call
// is refused with TriStatus 1 and nothing written.
void SolveTridiagonal(int n, const GridArray& TriR, const GridArray& TriA, const GridArray& TriC,
                      const GridArray& TriB, int TriModus, GridArray& TriU, int& TriStatus,
                      GridArray& TriGam, GridArray& TriBet, GridArrayF& TriY) {
  if (!RowsFit(n, {TriR.size(), TriA.size(), TriC.size(), TriB.size(), TriU.size(), TriGam.size(), TriBet.size(),
                   TriY.size()})) {
    TriStatus = 1;
    return;
  }
  if (TriModus == 0) {
    TriStatus = 0;
    TriBet[1] = TriB[1];
    if (TriBet[1] == 0) {
      TriStatus = 1;
      return;
    }
    if (n == 1) {
      TriU[1] = TriR[1] / TriBet[1];
      return;
    }
    for (int i = 1; i <= n - 1; ++i) {
      TriGam[i] = TriC[i] / TriBet[i];
      const double p = TriB[i + 1] - TriGam[i] * TriA[i + 1];
      if (p == 0) {
        TriStatus = 1;
        return;
      }
      TriBet[i + 1] = p;
    }
  }
  if (n > 1) {
    // Forward sweep in single precision: each y is rounded to float when stored
    // and read back from that stored value.
    TriY[1] = static_cast<float>(TriR[1] / TriBet[1]);
    for (int i = 2; i <= n; ++i) {
      TriY[i] = static_cast<float>((TriR[i] - TriA[i] * static_cast<double>(TriY[i - 1])) / TriBet[i]);
    }
    TriU[n] = TriY[n];
    for (int k = 1; k <= n - 1; ++k) {
      const int j = n - k;
      TriU[j] = static_cast<double>(TriY[j]) - TriGam[j] * TriU[j + 1];
    }
  } else {
    TriU[1] = TriR[1] / TriBet[1];
  }
}

}  // namespace lamvero
