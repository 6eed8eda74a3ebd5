#pragma once
// Tridiagonal solver (Thomas algorithm with stored factors). The forward sweep
// is kept in single precision; everything else in double precision.

#include <array>

namespace lamvero {

// Fixed capacity of the grid and of the solver arrays: indices 0..501.
constexpr int kGridSize = 502;
using GridArray = std::array<double, kGridSize>;
using GridArrayF = std::array<float, kGridSize>;

// Solves rows 1..n. TriModus 0: factorise, then solve; any other value: solve
// with the pivots (TriBet) and multipliers (TriGam) of the last factorisation.
// TriStatus becomes 1 when a pivot is exactly zero (TriU is then untouched).
// TriY is the forward-sweep work vector; every value stored into it is rounded
// to single precision.
void SolveTridiagonal(int n, const GridArray& TriR, const GridArray& TriA, const GridArray& TriC,
                      const GridArray& TriB, int TriModus, GridArray& TriU, int& TriStatus,
                      GridArray& TriGam, GridArray& TriBet, GridArrayF& TriY);

}  // namespace lamvero
