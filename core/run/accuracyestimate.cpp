#include "run/accuracyestimate.h"

#include <cstddef>
#include <limits>

namespace lamvero {

namespace {

struct ConvergenceNaming {
  Convergence convergence;
  const char* name;
};

const ConvergenceNaming kNames[] = {
    {Convergence::Monotone, "Monotone"},     {Convergence::TwoLevels, "TwoLevels"},
    {Convergence::Irregular, "Irregular"},
    {Convergence::Unchanged, "Unchanged"},   {Convergence::NotReached, "NotReached"},
    {Convergence::Undetermined, "Undetermined"},
};

}  // namespace

const char* ConvergenceName(Convergence convergence) {
  for (const ConvergenceNaming& n : kNames) {
    if (n.convergence == convergence) return n.name;
  }
  return "";
}

bool ConvergenceFromName(const std::string& name, Convergence& convergence) {
  for (const ConvergenceNaming& n : kNames) {
    if (name == n.name) {
      convergence = n.convergence;
      return true;
    }
  }
  return false;
}

double AccuracyResult::change() const {
  const std::size_t n = values.size();
  return n < 2 ? std::numeric_limits<double>::quiet_NaN() : values[n - 1] - values[n - 2];
}

}  // namespace lamvero
