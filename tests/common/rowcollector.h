#pragma once
// Collects a study's rows as the Studie window keeps them: the varied texts,
// outcome, messages and key results of each case, in case order.

#include "study/studyresults.h"
#include "study/studyrunner.h"

namespace lamvero::testing {

class RowCollector : public StudyObserver {
 public:
  explicit RowCollector(StudyResults& results) : results_(results) {}
  bool caseDone(std::size_t ordinal, CaseSummary summary) override {
    results_.rows.push_back(RowOf(ordinal + 1, results_.variedFields, summary));
    return true;
  }
  void progress(std::size_t, std::size_t) override {}

 private:
  StudyResults& results_;
};

}  // namespace lamvero::testing
