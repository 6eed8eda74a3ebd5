#include "tools/optimiseoutput.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "text/language.h"
#include "text/numberformat.h"

namespace lamvero {

namespace {

using nlohmann::ordered_json;

ordered_json NumberOrNull(double value) { return std::isfinite(value) ? ordered_json(value) : ordered_json(nullptr); }

ordered_json PointJson(const SearchPoint& p) {
  ordered_json values = ordered_json::array(), excess = ordered_json::array();
  for (double v : p.values) values.push_back(v);
  for (double e : p.excess) excess.push_back(NumberOrNull(e));
  return {{"values", values}, {"outcome", RunOutcomeName(p.outcome)}, {"goal", NumberOrNull(p.goal)},
          {"excess", excess}, {"feasible", p.feasible}};
}

}  // namespace

const char* OptimiseStatusKey(OptimiseResult::Status status) {
  switch (status) {
    case OptimiseResult::Status::Found: return "found";
    case OptimiseResult::Status::Infeasible: return "infeasible";
    case OptimiseResult::Status::Stopped: return "stopped";
    case OptimiseResult::Status::Failed: break;
  }
  return "failed";
}

std::string OptimiseLines(const OptimiseProblem& problem, const OptimiseResult& result) {
  const OptimiseGoalInfo& goal = InfoOf(problem.goal);
  std::string lines = Tr("lamvero-batch", "Optimierung: ") + result.message + "\n";
  if (result.values.empty()) return lines;
  switch (result.status) {
    case OptimiseResult::Status::Infeasible: lines += Tr("lamvero-batch", "Am wenigsten verletzender Lauf:"); break;
    case OptimiseResult::Status::Stopped: lines += Tr("lamvero-batch", "Bester zulässiger Lauf bis zum Abbruch:"); break;
    default: lines += Tr("lamvero-batch", "Optimum:"); break;
  }
  lines += "\n" + Filled(Tr("lamvero-batch", "Ziel %1: %2"), {Tr("Optimierung", goal.caption), OptimiseValueText(result.goal, goal.unit)}) +
           "\n";
  for (std::size_t i = 0; i < problem.decisions.size(); ++i) {
    const DecisionInput& d = problem.decisions[i];
    lines += InputCaptions({d.input}) + ": " +
             Filled(Tr("lamvero-batch", "%1 (%2 bis %3)"),
                    {FormatSixDigits(result.values[i]), FormatSixDigits(d.lower), FormatSixDigits(d.upper)}) +
             "\n";
  }
  for (const ConstraintState& c : result.constraints) {
    const OptimiseLimitInfo& info = InfoOf(c.constraint.limit);
    lines += Tr("Optimierung", info.caption) + " " + OptimiseValueText(c.constraint.atMost, info.unit) + ": " +
             OptimiseValueText(c.value, info.unit) +
             (c.violated ? Tr("lamvero-batch", " (verletzt)") : c.active ? Tr("lamvero-batch", " (aktiv)") : "") + "\n";
  }
  if (result.check) {
    lines += Filled(result.check->feasible
                        ? Tr("lamvero-batch", "Kontrolllauf mit den übernommenen Werten: %1, alle Grenzen eingehalten")
                        : Tr("lamvero-batch", "Kontrolllauf mit den übernommenen Werten: %1, nicht jede Grenze eingehalten"),
                    {OptimiseValueText(result.check->goal, goal.unit)}) +
             "\n";
  }
  return lines +
         Filled(Tr("lamvero-batch", "Läufe: %1, Rechenzeit %2 s"),
                {std::to_string(result.runs), FormatSignificant(result.seconds, 3)}) +
         "\n";
}

std::string OptimiseJsonMember(const OptimiseProblem& problem, const OptimiseResult& result) {
  const bool atPoint = !result.values.empty();
  ordered_json decisions = ordered_json::array();
  for (std::size_t i = 0; i < problem.decisions.size(); ++i) {
    const DecisionInput& d = problem.decisions[i];
    decisions.push_back({{"input", FieldOf(d.input).box},
                         {"value", atPoint ? NumberOrNull(result.values[i]) : ordered_json(nullptr)},
                         {"lower", d.lower},
                         {"upper", d.upper}});
  }
  ordered_json constraints = ordered_json::array();
  for (const ConstraintState& c : result.constraints) {
    constraints.push_back({{"limit", InfoOf(c.constraint.limit).key}, {"value", NumberOrNull(c.value)},
                           {"atMost", c.constraint.atMost}, {"active", c.active}, {"violated", c.violated}});
  }
  ordered_json path = ordered_json::array();
  for (const SearchPoint& p : result.path) path.push_back(PointJson(p));
  ordered_json optimum = ordered_json::object();
  for (const DecisionInput& d : problem.decisions) optimum[FieldOf(d.input).box] = result.optimum[d.input];
  const ordered_json j = {
      {"status", OptimiseStatusKey(result.status)},
      {"message", result.message},
      {"goal", {{"key", InfoOf(problem.goal).key}, {"unit", InfoOf(problem.goal).unit},
                {"value", atPoint ? NumberOrNull(result.goal) : ordered_json(nullptr)}}},
      {"decisions", decisions},
      {"constraints", constraints},
      {"blockedBy", result.blockedBy ? ordered_json(InfoOf(*result.blockedBy).key) : ordered_json(nullptr)},
      {"check", result.check ? PointJson(*result.check) : ordered_json(nullptr)},
      {"runs", result.runs},
      {"seconds", result.seconds},
      {"path", path},
      {"optimumInputs", optimum}};
  return ",\"optimise\":" + j.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
}

}  // namespace lamvero
