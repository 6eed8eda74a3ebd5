#pragma once
// The numbers a record's derived values and results keep, by their member
// names, in the order of the structs: what a case file stores so that a run
// reads back exactly, and what the runner's JSON names its scalars by. The
// counts among them (AnzOS, nGlatt, nIter) are not listed: files check them
// as whole numbers.

#include <string>
#include <vector>

#include "run/runrecord.h"

namespace lamvero {

template <class S>
struct RecordField {
  const char* name;  // the member's name: "t1xse"
  double S::*member;
};

const std::vector<RecordField<DerivedValues>>& DerivedFields();
const std::vector<RecordField<RunResults>>& ResultFields();

// The result field of that name, or nullptr.
const RecordField<RunResults>* FindResultField(const std::string& name);

}  // namespace lamvero
