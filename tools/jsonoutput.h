#pragma once
// lamvero-batch --json: one JSON object per run, refused or not.

#include <string>
#include <vector>

#include "inputs/inputcheck.h"
#include "inputs/inputs.h"
#include "inputs/plausibility.h"
#include "run/runrecord.h"

namespace lamvero {

// A number with 17 significant digits and a decimal point, whatever the
// locale: enough to read back every double exactly.
std::string Number17(double value);

// A run that went ahead: outcome, messages, the fields the run touched, the
// scalars of its results, then the input texts, the warnings and every result
// as a number with its unit and the box that shows it; then `members`, further
// members asked for by options (",\"accuracy\":{...}"), written as given.
std::string RunJson(const RunRecord& record, int profileCurves, const std::vector<InputWarning>& warnings,
                    const std::string& members = "");

// Input the check refused: outcome "Refused", each problem with its fields,
// the input texts and the warnings.
std::string RefusedJson(const std::vector<InputProblem>& problems, const InputTexts& inputs,
                        const std::vector<InputWarning>& warnings);

}  // namespace lamvero
