#pragma once
// Completed runs of the quick input set, one per thickness, each made once
// per test program and kept.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/quickinputs.h"
#include "present/displayedrun.h"

namespace lamvero::testing {

inline const RunRecord& QuickRunOfThickness(const char* dicke) {
  static std::map<std::string, RunRecord> runs;
  auto it = runs.find(dicke);
  if (it == runs.end()) {
    InputTexts in = QuickInputs();
    in[Input::Dicke] = dicke;
    NullDisplay none;
    it = runs.emplace(dicke, RunCaseOnDisplay(in, none)).first;
  }
  EXPECT_EQ(it->second.outcome, RunOutcome::Completed);
  return it->second;
}

}  // namespace lamvero::testing
