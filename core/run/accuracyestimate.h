#pragma once
// What a run's accuracy estimate found: the same case computed on refined
// steps, and for each key result its values over the levels, the observed
// order of convergence, the extrapolated value and the estimated
// discretisation error of the finest level. A plain value, kept beside the
// run's record (case files, the runner's JSON); study/accuracy.h computes it.

#include <string>
#include <vector>

namespace lamvero {

// With two levels the order is assumed: first order, that of the time
// stepping, the lower of the two steps'.
constexpr double kAssumedOrder = 1;

// How the values of one result behave over the levels.
enum class Convergence {
  Monotone,     // the changes keep their sign and shrink: order, extrapolation and error follow
  TwoLevels,    // only two levels: the order is assumed, the error carries a larger safety factor
  Irregular,    // oscillating, growing, or one change zero: no order; a conservative error instead
  Unchanged,    // every level gave the same value: error 0
  NotReached,   // no level reached it (NaN everywhere): nothing to estimate
  Undetermined  // reached on some levels only, or its finest value is 0: "nicht bestimmbar"
};

// "Monotone", "Irregular", "Unchanged", "NotReached", "Undetermined" as files
// and JSON name it; Convergence from such a name (false if none).
const char* ConvergenceName(Convergence convergence);
bool ConvergenceFromName(const std::string& name, Convergence& convergence);

struct AccuracyLevel {
  std::string deltaT;            // txt_deltaT of this level, as the input box reads it ("0,25")
  std::string Ortsschrittweite;  // txt_Ortsschrittweite of this level ("0,05")
};

struct AccuracyResult {
  std::string key;             // the result's key in the result table ("DauerGegenstrom")
  std::vector<double> values;  // one per level, coarsest first, in the table's unit; NaN where not reached
  Convergence convergence = Convergence::NotReached;
  double order = 0;            // observed order of convergence; NaN unless Monotone
  double extrapolated = 0;     // Richardson-extrapolated value; NaN unless Monotone, TwoLevels or Unchanged
  double errorPercent = 0;     // estimated error of the finest level in % of it; NaN if not estimable
  bool exceeds = false;        // errorPercent above the tolerance

  // The finest level's value minus the one before it; NaN with fewer than two levels.
  double change() const;
};

struct AccuracyEstimate {
  std::string scheme;             // the refinement, as AccuracySchemes() names it ("deltaT")
  double tolerancePercent = 2;    // results whose error exceeds it are marked
  std::vector<AccuracyLevel> levels;    // the user's steps first
  std::vector<AccuracyResult> results;  // in the order of the key results
};

}  // namespace lamvero
