#include "tools/optimiseoptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "text/language.h"
#include "text/shownchars.h"
#include "tools/unitnumber.h"

namespace lamvero {

namespace {

template <typename Info>
std::string Keys(const std::vector<Info>& table) {
  std::string keys;
  for (const Info& info : table) keys += (keys.empty() ? "" : "|") + std::string(info.key);
  return keys;
}

// "8:00:00", "1:30" (h:mm) or "8" (hours) in seconds; nothing if the text is none of them.
std::optional<double> DurationSeconds(const std::string& text) {
  if (text.find(':') == std::string::npos) {
    const std::optional<double> hours = NumberWithUnit(text, "h");
    if (hours) return *hours * 3600;
    return std::nullopt;
  }
  double seconds = 0, factor = 3600;
  std::size_t begin = 0;
  for (int part = 0; part < 3 && begin <= text.size(); ++part, factor /= 60) {
    const std::size_t end = std::min(text.find(':', begin), text.size());
    const std::string piece = text.substr(begin, end - begin);
    const std::optional<double> value = NumberWithUnit(piece, "");
    if (!value || *value < 0 || piece.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    if (part > 0 && *value >= 60) return std::nullopt;
    seconds += *value * factor;
    begin = end + 1;
  }
  if (begin <= text.size()) return std::nullopt;  // a fourth part
  return seconds;
}

Outcome<DecisionInput> ReadDecision(const std::string& text) {
  const std::size_t eq = text.find('=');
  const std::size_t colon = eq == std::string::npos ? eq : text.find(':', eq);
  const auto field = std::find_if(InputFields().begin(), InputFields().end(),
                                  [&](const InputField& f) { return text.substr(0, eq) == f.box; });
  if (field == InputFields().end() || colon == std::string::npos) {
    return Failure{"--decide", Filled(Tr("lamvero-batch", "\"%1\": erwartet txt_Name=UNTEN:OBEN (etwa txt_Lufttemp=30:50)"),
                                      {ShownText(text)})};
  }
  const std::optional<double> lower = NumberWithUnit(text.substr(eq + 1, colon - eq - 1), "");
  const std::optional<double> upper = NumberWithUnit(text.substr(colon + 1), "");
  if (!lower || !upper) {
    return Failure{"--decide", Filled(Tr("lamvero-batch", "\"%1\": die Grenzen sind keine Zahlen"), {ShownText(text)})};
  }
  return DecisionInput{field->id, *lower, *upper};
}

Outcome<OptimiseConstraint> ReadConstraint(const std::string& text) {
  const std::size_t eq = text.find('=');
  const std::string key = text.substr(0, eq);
  for (const OptimiseLimitInfo& info : OptimiseLimits()) {
    if (key != info.key) continue;
    if (eq == std::string::npos) break;
    Outcome<double> value = ReadLimitValue(info, text.substr(eq + 1));
    if (!value) return value.failure();
    return OptimiseConstraint{info.id, value.value()};
  }
  return Failure{"--limit", Filled(Tr("lamvero-batch", "\"%1\": erwartet NAME=WERT mit NAME aus %2"),
                                   {ShownText(text), Keys(OptimiseLimits())})};
}

}  // namespace

Outcome<double> ReadLimitValue(const OptimiseLimitInfo& limit, const std::string& text) {
  const bool duration = std::string(limit.unit) == "s";
  const std::optional<double> value = duration ? DurationSeconds(text) : NumberWithUnit(text, limit.unit);
  if (value) return *value;
  return Failure{"--limit", duration ? Filled(Tr("lamvero-batch", "%1: \"%2\" ist keine Dauer (h:mm:ss oder Stunden)"),
                                              {limit.key, ShownText(text)})
                                     : Filled(Tr("lamvero-batch", "%1: \"%2\" ist keine Zahl in %3"),
                                              {limit.key, ShownText(text), limit.unit})};
}

void OptimiseRequest::registerWith(CLI::App& app) {
  app.add_option("--optimise", goalText,
                 Tr("lamvero-batch",
                    "Einstellungen suchen, die das Ziel kleinstmöglich machen (specificEnergy: spezifischer "
                    "Energiebedarf, dryingTime: Trocknungsdauer, heaterPower: Heizleistung, braucht --throughput); "
                    "mit --decide und --limit. Ausgegeben werden Optimum, aktive Grenzen und der Kontrolllauf (mit "
                    "--json als Objekt \"optimise\"). Rückgabewert 4, wenn kein Punkt alle Grenzen einhält"))
      ->type_name(Keys(OptimiseGoals()));
  app.add_option("--decide", decideTexts,
                 Tr("lamvero-batch", "Optimierung: eine Eingabe, die variieren darf, mit ihren Grenzen: "
                                     "txt_Name=UNTEN:OBEN (mehrfach)"))
      ->type_name(Tr("lamvero-batch", "txt_Name=UNTEN:OBEN"));
  app.add_option("--limit", limitTexts,
                 Tr("lamvero-batch",
                    "Optimierung: eine Obergrenze (mehrfach): maxDryingTime=8:00:00 (oder Stunden), "
                    "maxShrinkageDifference=0,5 (%), maxSupplyAirTemperature=120 (°C), maxWaterBalanceError=6 (%)"))
      ->type_name(Tr("lamvero-batch", "NAME=WERT"));
  app.add_option("--max-runs", maxRuns, Tr("lamvero-batch", "Optimierung: höchstens so viele Läufe (Vorgabe 200)"))
      ->type_name(Tr("lamvero-batch", "ZAHL"));
}

bool OptimiseRequest::requested(const CLI::App& app) const { return app.count("--optimise") > 0; }

Status OptimiseRequest::refuseAlone(const CLI::App& app) const {
  if (requested(app)) return Done{};
  for (const char* option : {"--decide", "--limit", "--max-runs"}) {
    if (app.count(option) > 0) return Failure{option, Tr("lamvero-batch", "gilt nur mit --optimise")};
  }
  return Done{};
}

Outcome<OptimiseProblem> OptimiseRequest::problem(const InputTexts& base) const {
  OptimiseProblem p;
  p.base = base;
  p.maxRuns = maxRuns;
  const auto goal = std::find_if(OptimiseGoals().begin(), OptimiseGoals().end(),
                                 [&](const OptimiseGoalInfo& g) { return goalText == g.key; });
  if (goal == OptimiseGoals().end()) {
    return Failure{"--optimise",
                   Filled(Tr("lamvero-batch", "\"%1\": erwartet %2"), {ShownText(goalText), Keys(OptimiseGoals())})};
  }
  p.goal = goal->id;
  for (const std::string& text : decideTexts) {
    Outcome<DecisionInput> d = ReadDecision(text);
    if (!d) return d.failure();
    p.decisions.push_back(d.value());
  }
  for (const std::string& text : limitTexts) {
    Outcome<OptimiseConstraint> c = ReadConstraint(text);
    if (!c) return c.failure();
    p.constraints.push_back(c.value());
  }
  return p;
}

}  // namespace lamvero
