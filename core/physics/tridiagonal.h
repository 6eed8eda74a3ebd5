#pragma once
// Tridiagonal solver (Thomas algorithm with stored factors). The forward sweep
// is kept in single precision; everything else in double precision.

#include "physics/gridarray.h"

namespace lamvero {

// Solves rows 1..n. TriModus 0: factorise, then solve; any other value: solve
// with the pivots (TriBet) and multipliers (TriGam) of the last factorisation.
// TriStatus becomes 1 when a pivot is exactly zero (TriU is then untouched)
// or when row n lies beyond one of the arrays.
// TriY is the forward-sweep work vector; every value stored into it is rounded
// to single precision.
void SolveTridiagonal(int n, const GridArray& TriR, const GridArray& TriA, const GridArray& TriC,
                      const GridArray& TriB, int TriModus, GridArray& TriU, int& TriStatus,
                      GridArray& TriGam, GridArray& TriBet, GridArrayF& TriY);

}  // namespace lamvero
