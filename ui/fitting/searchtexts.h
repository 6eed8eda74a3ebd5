#pragma once
// How the optimiser dialog writes the quantities of a search: a value in its
// unit, a duration as h:mm:ss.

#include <QString>
#include <optional>
#include <string>

#include "run/runrecord.h"
#include "study/optimise.h"

namespace lamvero {

// Whether a quantity in that unit is a duration, written h:mm:ss: "s".
bool IsDurationUnit(const char* unit);

// "0:42:10" for a duration (unit "s", whole seconds rounded up), else six
// significant digits with decimal comma and the unit ("3512,4 kJ/kg"); "–" for a value that is not finite.
QString QuantityText(double value, const char* unit);

// The unit a limit's box is read in: "h:mm:ss" for a duration.
QString BoxUnit(const char* unit);

// A limit's box text for a value: what QuantityText writes, without the unit.
QString LimitBoxText(double value, const char* unit);

// A limit's box text read back in the limit's unit; std::nullopt if it is no
// duration (for "s") or no number.
std::optional<double> ReadLimitBox(const QString& text, const char* unit);

// The limited result of a run as the limit counts it (its magnitude); NaN where the run did not reach it.
double LimitedValue(const OptimiseLimitInfo& limit, const RunRecord& record);

const OptimiseGoalInfo& GoalInfo(OptimiseGoal goal);
// The captions of an input, a goal and a limit in the user's language (an
// input's without its trailing blanks).
QString InputCaptionText(Input input);
QString GoalCaptionText(const OptimiseGoalInfo& goal);
QString LimitCaptionText(const OptimiseLimitInfo& limit);
const OptimiseLimitInfo& LimitInfo(OptimiseLimit limit);

}  // namespace lamvero
