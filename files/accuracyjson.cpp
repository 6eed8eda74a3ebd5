#include "files/accuracyjson.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "text/language.h"
#include "run/resultdescriptors.h"

namespace lamvero {

namespace {

using nlohmann::json;
using ordered = nlohmann::ordered_json;

constexpr std::size_t kMaxLevels = 16;
constexpr std::size_t kMaxTextBytes = 256;

ordered Number(double value) { return std::isfinite(value) ? ordered(value) : ordered(nullptr); }

ordered ResultObject(const AccuracyResult& r) {
  ordered o = ordered::object();
  o["key"] = r.key;
  o["unit"] = ResultOf(r.key).unit;
  ordered values = ordered::array();
  for (double v : r.values) values.push_back(Number(v));
  o["values"] = std::move(values);
  o["change"] = Number(r.change());
  o["convergence"] = ConvergenceName(r.convergence);
  o["order"] = Number(r.order);
  o["extrapolated"] = Number(r.extrapolated);
  o["errorPercent"] = Number(r.errorPercent);
  o["exceeds"] = r.exceeds;
  return o;
}

// What is wrong, and where; caught at the top and turned into a Failure.
struct BadField : std::runtime_error {
  BadField(const std::string& field, const std::string& why) : std::runtime_error(why), where(field) {}
  std::string where;
};

const json& Field(const json& j, const std::string& path, const char* key) {
  if (!j.is_object()) throw BadField(path, Tr("Genauigkeitsdatei", "kein Objekt"));
  if (!j.contains(key)) throw BadField(path + "." + key, Tr("Genauigkeitsdatei", "fehlt"));
  return j.at(key);
}

std::string Text(const json& j, const std::string& path) {
  if (!j.is_string() || j.get_ref<const std::string&>().size() > kMaxTextBytes) throw BadField(path, Tr("Genauigkeitsdatei", "kein kurzer Text"));
  return j.get<std::string>();
}

double NumberOrNull(const json& j, const std::string& path) {
  if (j.is_null()) return std::numeric_limits<double>::quiet_NaN();
  if (!j.is_number()) throw BadField(path, Tr("Genauigkeitsdatei", "keine Zahl"));
  return j.get<double>();
}

AccuracyResult ReadResult(const json& j, const std::string& path, std::size_t levels) {
  AccuracyResult r;
  r.key = Text(Field(j, path, "key"), path + ".key");
  if (!FindResult(r.key)) throw BadField(path + ".key", Tr("Genauigkeitsdatei", "kein Ergebnis dieses Programms"));
  const json& values = Field(j, path, "values");
  if (!values.is_array() || values.size() != levels) throw BadField(path + ".values", Tr("Genauigkeitsdatei", "nicht ein Wert je Stufe"));
  for (std::size_t i = 0; i < values.size(); ++i) r.values.push_back(NumberOrNull(values[i], path + ".values"));
  if (!ConvergenceFromName(Text(Field(j, path, "convergence"), path + ".convergence"), r.convergence)) {
    throw BadField(path + ".convergence", Tr("Genauigkeitsdatei", "unbekannte Art der Konvergenz"));
  }
  r.order = NumberOrNull(Field(j, path, "order"), path + ".order");
  r.extrapolated = NumberOrNull(Field(j, path, "extrapolated"), path + ".extrapolated");
  r.errorPercent = NumberOrNull(Field(j, path, "errorPercent"), path + ".errorPercent");
  const json& exceeds = Field(j, path, "exceeds");
  if (!exceeds.is_boolean()) throw BadField(path + ".exceeds", Tr("Genauigkeitsdatei", "kein Wahrheitswert"));
  r.exceeds = exceeds.get<bool>();
  return r;
}

AccuracyEstimate Read(const json& j, const std::string& path) {
  AccuracyEstimate e;
  e.scheme = Text(Field(j, path, "scheme"), path + ".scheme");
  e.tolerancePercent = NumberOrNull(Field(j, path, "tolerancePercent"), path + ".tolerancePercent");
  if (!(e.tolerancePercent > 0)) throw BadField(path + ".tolerancePercent", Tr("Genauigkeitsdatei", "keine Toleranz über 0 %"));
  const json& levels = Field(j, path, "levels");
  if (!levels.is_array() || levels.size() < 2 || levels.size() > kMaxLevels) {
    throw BadField(path + ".levels", Filled(Tr("Genauigkeitsdatei", "keine Liste von 2 bis %1 Stufen"), {std::to_string(kMaxLevels)}));
  }
  for (const json& level : levels) {
    e.levels.push_back({Text(Field(level, path + ".levels", "txt_deltaT"), path + ".levels.txt_deltaT"),
                        Text(Field(level, path + ".levels", "txt_Ortsschrittweite"),
                             path + ".levels.txt_Ortsschrittweite")});
  }
  const json& results = Field(j, path, "results");
  if (!results.is_array() || results.size() > ResultDescriptors().size()) {
    throw BadField(path + ".results", Tr("Genauigkeitsdatei", "keine Liste von Ergebnissen"));
  }
  for (std::size_t i = 0; i < results.size(); ++i) {
    e.results.push_back(ReadResult(results[i], path + ".results." + std::to_string(i), e.levels.size()));
  }
  return e;
}

}  // namespace

ordered AccuracyToJson(const AccuracyEstimate& estimate) {
  ordered o = ordered::object();
  o["scheme"] = estimate.scheme;
  o["tolerancePercent"] = estimate.tolerancePercent;
  ordered levels = ordered::array();
  for (const AccuracyLevel& l : estimate.levels) {
    levels.push_back(ordered{{"txt_deltaT", l.deltaT}, {"txt_Ortsschrittweite", l.Ortsschrittweite}});
  }
  o["levels"] = std::move(levels);
  ordered results = ordered::array();
  for (const AccuracyResult& r : estimate.results) results.push_back(ResultObject(r));
  o["results"] = std::move(results);
  return o;
}

Outcome<AccuracyEstimate> AccuracyFromJson(const json& j, const std::string& path) {
  try {
    return Read(j, path);
  } catch (const BadField& e) {
    return Failure{e.where, e.what()};
  }
}

}  // namespace lamvero
