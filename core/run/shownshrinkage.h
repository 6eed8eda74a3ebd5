#pragma once
// Shrinkage as the user sees it. The model's formula makes a layer's linear
// shrinkage grow with the water it loses; it would keep growing below the
// shrinkage-end moisture, where the body already has its dry dimensions.
// Shown, exported and stored, a layer's shrinkage ends where its moisture
// passes the shrinkage-end moisture: from there on it is the total linear
// shrinkage (the formula's value, limited to the total).

#include "run/runrecord.h"

namespace lamvero {

// Limits the record's shrinkage series (SeriesColumn::shrinkage) to the total
// linear shrinkage of its inputs. Values already within it, and a body that
// does not shrink (its series hold 0), stay as they are; so does a missing value.
void LimitShrinkageToTotal(RunRecord& record);

}  // namespace lamvero
