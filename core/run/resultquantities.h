#pragma once
// The results of a run as numbers with units, one entry per quantity, in the
// order of the window's result rows: what the runner's JSON, the result
// tables, the exports, the report and the studies list. Each entry names the
// window box that shows it, so a reader can put the caption and the shown
// text beside the number.

#include <string>
#include <vector>

#include "run/runrecord.h"

namespace lamvero {

struct ResultQuantity {
  const char* key;   // stable machine name, e.g. "Dauer1TA"
  const char* box;   // the result box that shows it, e.g. "txt_Dauer1TA"; "" if the window has none
  const char* unit;  // unit of value: "s", "kg/kg", "°C", "%", "% pro mm", "kJ/kg", "1", ...
  double value;      // in that unit; NaN where the run did not reach that stage
};

// Every result of the record, durations in seconds, the rest in the units the window shows them in.
std::vector<ResultQuantity> ResultQuantities(const RunRecord& record);

// The entry of that key, or nullptr.
const ResultQuantity* FindQuantity(const std::vector<ResultQuantity>& quantities, const std::string& key);

}  // namespace lamvero
