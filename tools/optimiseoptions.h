#pragma once
// The runner's optimisation: --optimise GOAL (specificEnergy, dryingTime,
// heaterPower) varies the inputs of --decide txt_Name=LO:HI within their
// bounds to minimise the goal under the limits --limit KEY=VALUE
// (maxDryingTime=8:00:00 or =8 hours, maxShrinkageDifference=0,5,
// maxSupplyAirTemperature=120, maxWaterBalanceError=6), at most --max-runs runs.

#include <optional>
#include <string>
#include <vector>

#include "study/optimise.h"
#include "text/outcome.h"

namespace CLI {
class App;
}

namespace lamvero {

struct OptimiseRequest {
  std::string goalText;
  std::vector<std::string> decideTexts;
  std::vector<std::string> limitTexts;
  std::size_t maxRuns = OptimiseProblem{}.maxRuns;

  void registerWith(CLI::App& app);
  bool requested(const CLI::App& app) const;
  // --decide, --limit and --max-runs without --optimise: a usage error.
  Status refuseAlone(const CLI::App& app) const;
  // The problem on top of base, once the command line is parsed; a failure is a
  // usage error naming the option. Whether it can be optimised is OptimiseProblemError's to say.
  Outcome<OptimiseProblem> problem(const InputTexts& base) const;
};

// A limit's value as --limit takes it: a duration as h:mm:ss or in hours, any
// other a number in the limit's unit (which may follow it).
Outcome<double> ReadLimitValue(const OptimiseLimitInfo& limit, const std::string& text);

}  // namespace lamvero
