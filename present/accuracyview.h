#pragma once
// A run's accuracy estimate as people read it: one row of texts per key
// result (the window's Genauigkeit panel and the runner's rows), and one
// line for the window's status line. Durations are written h:mm:ss, other
// values with five significant digits and their unit, errors in percent.

#include <string>
#include <vector>

#include "run/accuracyestimate.h"
#include "run/resultdescriptors.h"

namespace lamvero {

struct AccuracyRowTexts {
  std::string caption;       // the result's fullest caption: "Dauer der Gegenstromtrocknung in h:mm:ss"
  std::string runValue;      // of the run itself, the coarsest level: "4:05:53"
  std::string runDeviation;  // the run's value against the extrapolated one, signed: "-20 %"; "" if none
  std::string value;         // at the finest level: "5:02:03"
  std::string change;        // from the level before it, signed: "+0:24:54"; "" if none
  std::string order;         // observed order, "angenommen 1" with two levels; "" if none
  std::string extrapolated;  // "5:18:40"; "" if none
  std::string error;         // estimated error: "7,9 %", or why there is none
  bool exceeds = false;      // the error is above the tolerance
};

// A value of that result, written as the accuracy texts write it; a negative
// duration gets a leading minus.
std::string AccuracyValueText(const ResultDescriptor& result, double value);
// A share in percent with two significant digits: "7,9 %".
std::string AccuracyPercentText(double percent);
// The steps of the levels, coarsest first: "0,5 s/0,1 mm, 0,25 s/0,1 mm".
std::string AccuracyLevelsText(const AccuracyEstimate& estimate);

std::vector<AccuracyRowTexts> AccuracyRows(const AccuracyEstimate& estimate);

// The run's own value (the coarsest level) against the extrapolated value, in
// % of the latter; NaN where there is none.
double RunDeviationPercent(const AccuracyResult& result);

// One line for the status line, the results over the tolerance named and the
// largest deviation of the run's own values from the extrapolated ones:
// "Genauigkeit: 1 Kennergebnis über 2 % (Dauer der Gegenstromtrocknung in h:mm:ss: 24 %), 7 innerhalb 2 %,
// 1 ohne Schätzung; diese Rechnung bis -20 % (Dauer der Gegenstromtrocknung in h:mm:ss)".
std::string AccuracySummary(const AccuracyEstimate& estimate);

}  // namespace lamvero
