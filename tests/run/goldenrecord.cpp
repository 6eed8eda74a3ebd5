#include "goldenrecord.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

#include "run/resultdescriptors.h"

namespace lamvero::testing {

namespace {

using nlohmann::json;

// Sizes of a record: about this many copied points per series and nodes per profile.
constexpr int kSeriesCopies = 100;
constexpr int kProfileCopies = 12;

std::uint64_t Bits(double x) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

std::string Hex(std::uint64_t x) {
  char text[17];
  std::snprintf(text, sizeof text, "%016" PRIx64, x);
  return text;
}

// 17 significant digits: the double itself, read back.
std::string Decimal(double x) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", x);
  return text;
}

// FNV-1a over the bytes of the bit patterns of v[first..last).
std::uint64_t Digest(const double* v, std::size_t first, std::size_t last) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (std::size_t i = first; i < last; ++i) {
    const std::uint64_t bits = Bits(v[i]);
    for (int byte = 0; byte < 8; ++byte) {
      h ^= (bits >> (8 * byte)) & 0xffU;
      h *= 0x100000001b3ULL;
    }
  }
  return h;
}

// FNV-1a over the bytes of the texts, each ended by a line feed.
std::uint64_t TextDigest(const std::vector<std::string>& v, std::size_t first, std::size_t last) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (std::size_t i = first; i < last; ++i) {
    for (unsigned char c : v[i] + "\n") {
      h ^= c;
      h *= 0x100000001b3ULL;
    }
  }
  return h;
}

// A copied value: a JSON number (written and read back exactly), or its
// decimal text where JSON has no number ("nan", "inf", "-inf").
json Copy(double x) { return std::isfinite(x) ? json(x) : json(Decimal(x)); }

double FromCopy(const json& j) {
  return j.is_number() ? j.get<double>() : std::strtod(j.get<std::string>().c_str(), nullptr);
}

bool SameCopy(double expected, double actual) {
  if (std::isnan(expected) || std::isnan(actual)) return std::isnan(expected) && std::isnan(actual);
  return Bits(expected) == Bits(actual);
}

json Scalar(double x) { return {{"value", Decimal(x)}, {"bits", Hex(Bits(x))}}; }

// A number with its unit, as a mismatch message shows it (pure numbers without one).
std::string WithUnit(const std::string& number, const char* unit) {
  if (*unit == '\0' || std::string(unit) == "1") return number;
  return number + " " + unit;
}

struct Quantity {
  const char* key;
  const char* meaning;
  const char* unit;
  double (*get)(const RunRecord&);
};

#define LAMVERO_QUANTITY(part, field, meaning, unit) \
  Quantity { #field, meaning, unit, [](const RunRecord& r) { return static_cast<double>(r.part.field); } }

// Every field of InputValues, DerivedValues and RunResults. A field added to
// one of them changes its size: add it here too (and regenerate the records).
static_assert(sizeof(InputValues) == 18 * sizeof(double), "a new input value needs its entry in the golden record");
static_assert(sizeof(DerivedValues) == 16 * sizeof(double), "a new derived value needs its entry in the golden record");
static_assert(sizeof(RunResults) == 26 * sizeof(double), "a new result needs its entry in the golden record");

const std::vector<Quantity>& InputQuantities() {
  static const std::vector<Quantity> q = {
      LAMVERO_QUANTITY(values, Dicke, "green plate thickness", "mm"),
      LAMVERO_QUANTITY(values, rhos, "density of the dried body", "kg/m³"),
      LAMVERO_QUANTITY(values, XAnf, "initial moisture content", "kg/kg"),
      LAMVERO_QUANTITY(values, linTrSchwind, "total linear drying shrinkage", "%"),
      LAMVERO_QUANTITY(values, Feuchteleit, "moisture conductivity at 0.25 kg/kg and 25 °C", "m²/s"),
      LAMVERO_QUANTITY(values, lambda, "thermal conductivity of the dry plate", "kW/(m K)"),
      LAMVERO_QUANTITY(values, mue, "vapour-diffusion resistance factor", ""),
      LAMVERO_QUANTITY(values, Waermeuebergang, "heat-transfer coefficient", "kW/(m² K)"),
      LAMVERO_QUANTITY(values, ThetaEinf, "temperature of the entering bodies", "°C"),
      LAMVERO_QUANTITY(values, AussenluftTemp, "outside-air temperature", "°C"),
      LAMVERO_QUANTITY(values, AussenluftFeuchte, "relative humidity of the outside air", ""),
      LAMVERO_QUANTITY(values, Lufttemp, "exhaust-air temperature", "°C"),
      LAMVERO_QUANTITY(values, AbluftFeuchte, "relative humidity of the exhaust air", ""),
      LAMVERO_QUANTITY(values, ThetaGegenstromende, "air temperature that ends the counter-current section", "°C"),
      LAMVERO_QUANTITY(values, Ortsschrittweite, "requested spatial step", "mm"),
      LAMVERO_QUANTITY(values, deltaT, "time step", "s"),
      LAMVERO_QUANTITY(values, rund, "time steps per curve interval", ""),
      LAMVERO_QUANTITY(values, KappaSteig, "slope of the conductivity below the limit moisture", ""),
  };
  return q;
}

const std::vector<Quantity>& DerivedQuantities() {
  static const std::vector<Quantity> q = {
      LAMVERO_QUANTITY(derived, AnzOS, "spatial steps per half plate", ""),
      LAMVERO_QUANTITY(derived, DickeTr, "dry plate thickness", "m"),
      LAMVERO_QUANTITY(derived, dx, "model spatial step", "m"),
      LAMVERO_QUANTITY(derived, pDAb, "vapour pressure of the exhaust air", "bar"),
      LAMVERO_QUANTITY(derived, XAbluft, "humidity ratio of the exhaust air", "kg/kg"),
      LAMVERO_QUANTITY(derived, ThetaKgr, "wet-bulb temperature of the exhaust air", "°C"),
      LAMVERO_QUANTITY(derived, pDAu, "vapour pressure of the outside air", "bar"),
      LAMVERO_QUANTITY(derived, XAussen, "humidity ratio of the outside air", "kg/kg"),
      LAMVERO_QUANTITY(derived, LuftRohlingVerh, "dry air per dry body", "kg/kg"),
      LAMVERO_QUANTITY(derived, LuftWasserVerh, "dry air per initial water", "kg/kg"),
      LAMVERO_QUANTITY(derived, SchwindTot, "total linear shrinkage", "1"),
      LAMVERO_QUANTITY(derived, rho0, "dry mass per m³ of green body", "kg/m³"),
      LAMVERO_QUANTITY(derived, PhiAnf, "initial volumetric water content", "m³/m³"),
      LAMVERO_QUANTITY(derived, offPoren, "open porosity of the dry body", "m³/m³"),
      LAMVERO_QUANTITY(derived, XSchwEnde, "limit moisture (end of shrinkage)", "kg/kg"),
      LAMVERO_QUANTITY(derived, KappaGr, "moisture conductivity at the limit moisture", "m²/s"),
  };
  return q;
}

const std::vector<Quantity>& ResultQuantitiesOfRecord() {
  static const std::vector<Quantity> q = {
      LAMVERO_QUANTITY(results, Zeit, "time the run ended", "s"),
      LAMVERO_QUANTITY(results, Dauer1TA, "duration of the first drying period", "s"),
      LAMVERO_QUANTITY(results, X1TA, "mean moisture at the end of the first period", "kg/kg"),
      LAMVERO_QUANTITY(results, Anfangsrate, "initial evaporation rate", "kg/(m² h)"),
      LAMVERO_QUANTITY(results, t1xse, "time the surface reached the limit moisture", "s"),
      LAMVERO_QUANTITY(results, t2xse, "time the centre reached the limit moisture", "s"),
      LAMVERO_QUANTITY(results, DauerGegenstrom, "duration of the counter-current section", "s"),
      LAMVERO_QUANTITY(results, XGegen, "mean moisture at the end of the counter-current section", "kg/kg"),
      LAMVERO_QUANTITY(results, schwindgrad, "largest shrinkage gradient at the surface", "1/m"),
      LAMVERO_QUANTITY(results, schwinddiff, "shrinkage difference surface - centre at that moment", "1"),
      LAMVERO_QUANTITY(results, nGlatt, "smoothing weight", "steps"),
      LAMVERO_QUANTITY(results, nIter, "bisection steps of the front temperature in the last step", ""),
      LAMVERO_QUANTITY(results, ThetaZuluft, "supply-air temperature", "°C"),
      LAMVERO_QUANTITY(results, spezEnergie, "specific energy demand", "kJ/kg"),
      LAMVERO_QUANTITY(results, relEnergie, "energy demand relative to the latent heat", ""),
      LAMVERO_QUANTITY(results, WasserfehlerProzent, "water-balance error", "%"),
      LAMVERO_QUANTITY(results, WasserdampfMax, "largest smoothed evaporation rate", "kg/(m² h)"),
      LAMVERO_QUANTITY(results, XEnde, "residual mean moisture of the profile", "kg/kg"),
      LAMVERO_QUANTITY(results, XBilanz, "initial moisture less the integrated surface flux", "kg/kg"),
      LAMVERO_QUANTITY(results, xmom, "mean moisture content at the end", "kg/kg"),
      LAMVERO_QUANTITY(results, qrand, "heat-flux density into the face at the end", "kW/m²"),
      LAMVERO_QUANTITY(results, Wasserdampf, "evaporation rate at the end", "kg/(m² h)"),
      LAMVERO_QUANTITY(results, ThetaOb, "surface temperature at the end", "°C"),
      LAMVERO_QUANTITY(results, ThetaK, "core or front temperature at the end", "°C"),
      LAMVERO_QUANTITY(results, ThetaLuft, "air temperature at the plate at the end", "°C"),
      LAMVERO_QUANTITY(results, XLuft, "humidity ratio of the air at the plate at the end", "kg/kg"),
      LAMVERO_QUANTITY(results, sSpiegel, "depth of the drying front at the end", "m"),
  };
  return q;
}

#undef LAMVERO_QUANTITY

struct QuantityGroup {
  const char* key;    // in the record
  const char* words;  // in a message
  const std::vector<Quantity>& quantities;
};

std::vector<QuantityGroup> QuantityGroups() {
  return {{"values", "input value", InputQuantities()},
          {"derived", "derived value", DerivedQuantities()},
          {"results", "result", ResultQuantitiesOfRecord()}};
}

struct SeriesMeaning {
  const char* meaning;
  const char* unit;
};

// In the order of SeriesColumns().
const SeriesMeaning kSeriesMeanings[RunSeries::kCount] = {
    {"time", "s"},
    {"mean moisture content", "kg/kg"},
    {"moisture at the surface", "kg/kg"},
    {"moisture at the centre", "kg/kg"},
    {"linear shrinkage at the surface", "%"},
    {"linear shrinkage at the centre", "%"},
    {"air temperature at the plate", "°C"},
    {"surface temperature", "°C"},
    {"core or front temperature", "°C"},
    {"evaporation rate", "kg/(m² h)"},
    {"depth of the drying front", "m"},
    {"humidity ratio of the air at the plate", "kg/kg"},
};

// The points copied into a record: every step-th one and the last one. The
// blocks of a digest each start at a copied point.
std::vector<int> CopiedPoints(int points, int step) {
  std::vector<int> at;
  for (int i = 0; i < points; i += step) at.push_back(i);
  if (points > 0 && at.back() != points - 1) at.push_back(points - 1);
  return at;
}

// A block's digest only tells where a difference begins (the whole series has
// a 64-bit one): its two halves folded into 32 bits, 8 hex digits per block.
constexpr std::size_t kBlockDigestLength = 8;

std::string BlockDigest(const Series& v, int first, int last) {
  const std::uint64_t h = Digest(v.begin(), static_cast<std::size_t>(first), static_cast<std::size_t>(last));
  return Hex((h >> 32) ^ (h & 0xffffffffU)).substr(16 - kBlockDigestLength);
}

std::string BlockDigests(const Series& v, int points, int step) {
  std::string all;
  for (int first = 0; first < points; first += step) all += BlockDigest(v, first, std::min(points, first + step));
  return all;
}

// A block's digest of texts, as BlockDigest.
std::string TextBlockDigest(const std::vector<std::string>& v, int first, int last) {
  const std::uint64_t h = TextDigest(v, static_cast<std::size_t>(first), static_cast<std::size_t>(last));
  return Hex((h >> 32) ^ (h & 0xffffffffU)).substr(16 - kBlockDigestLength);
}

int Step(int count, int copies) { return std::max(1, (count + copies - 1) / copies); }

// A sequence of texts: its length, digest, block digests and a copy of one text in `step`.
json TextsRecord(const std::vector<std::string>& v, int copies) {
  const int count = static_cast<int>(v.size());
  const int step = Step(count, copies);
  std::string blocks;
  for (int first = 0; first < count; first += step) blocks += TextBlockDigest(v, first, std::min(count, first + step));
  json copied = json::array();
  for (int i : CopiedPoints(count, step)) copied.push_back(v[static_cast<std::size_t>(i)]);
  return {{"count", count}, {"digest", Hex(TextDigest(v, 0, v.size()))}, {"step", step}, {"blocks", blocks},
          {"copies", copied}};
}

// Where a sequence of texts first departs from its record, in words
// ("670 texts, expected 672; they differ first within texts 40..79: text 40 is
// "0,7", expected "0,6""); empty if it does not. noun: what one text is.
std::string FirstTextDifference(const json& e, const std::vector<std::string>& v, const std::string& noun) {
  const int count = static_cast<int>(v.size());
  const int expectedCount = e.at("count").get<int>();
  if (count == expectedCount && e.at("digest").get<std::string>() == Hex(TextDigest(v, 0, v.size()))) return "";
  std::string text;
  if (count != expectedCount) text = std::to_string(count) + " " + noun + "s, expected " + std::to_string(expectedCount);
  const int step = e.at("step").get<int>();
  const std::string blocks = e.at("blocks").get<std::string>();
  const int common = std::min(count, expectedCount);
  for (int first = 0, b = 0; first < common; first += step, ++b) {
    const int last = std::min(first + step, expectedCount);
    if (last > count) break;
    if (blocks.compare(static_cast<std::size_t>(b) * kBlockDigestLength, kBlockDigestLength,
                       TextBlockDigest(v, first, last)) == 0) {
      continue;
    }
    if (!text.empty()) text += "; ";
    text += "they differ first within " + noun + "s " + std::to_string(first) + ".." + std::to_string(last - 1);
    const std::vector<int> at = CopiedPoints(expectedCount, step);
    std::string shown = " (the copied ones, one in " + std::to_string(step) + ", agree)";
    for (std::size_t k = 0; k < at.size(); ++k) {
      if (at[k] < first || at[k] >= common) continue;
      const std::string expected = e.at("copies").at(k).get<std::string>();
      const std::string& actual = v[static_cast<std::size_t>(at[k])];
      if (expected == actual) continue;
      shown = ": " + noun + " " + std::to_string(at[k]) + " is \"" + actual + "\", expected \"" + expected + "\"";
      break;
    }
    text += shown;
    break;
  }
  return text;
}

// The texts each control was given, in order, and its visibility settings.
struct ControlHistory {
  std::map<std::string, std::vector<std::string>> texts;
  std::map<std::string, std::vector<std::string>> visibility;  // "show" or "hide"
};

ControlHistory HistoryOf(const std::vector<std::string>& calls) {
  ControlHistory h;
  for (const std::string& call : calls) {
    if (call.rfind("text ", 0) == 0) {
      const std::size_t eq = call.find('=');
      h.texts[call.substr(5, eq - 5)].push_back(call.substr(eq + 1));
    } else if (call.rfind("show ", 0) == 0 || call.rfind("hide ", 0) == 0) {
      h.visibility[call.substr(5)].push_back(call.substr(0, 4));
    }
  }
  return h;
}

// Copies kept of the whole call sequence and of each control's texts.
constexpr int kCallCopies = 100;
constexpr int kTextCopies = 20;

json DisplayRecord(const DisplayLog& shown) {
  const ControlHistory h = HistoryOf(shown.calls());
  json texts = json::object();
  for (const auto& [control, v] : h.texts) texts[control] = TextsRecord(v, kTextCopies);
  json visibility = json::object();
  for (const auto& [control, v] : h.visibility) {
    visibility[control] = {{"shown", std::count(v.begin(), v.end(), "show")},
                           {"hidden", std::count(v.begin(), v.end(), "hide")},
                           {"digest", Hex(TextDigest(v, 0, v.size()))}};
  }
  return {{"calls", TextsRecord(shown.calls(), kCallCopies)}, {"texts", texts}, {"visibility", visibility}};
}

json SeriesRecord(const RunSeries& s) {
  const int points = std::max(s.points(), 0);
  const int step = Step(points, kSeriesCopies);
  json columns = json::object();
  for (const SeriesColumn& c : SeriesColumns()) {
    const Series& v = s.*c.member;
    json copies = json::array();
    for (int i : CopiedPoints(points, step)) copies.push_back(Copy(v[static_cast<std::size_t>(i)]));
    columns[c.name] = {{"digest", Hex(Digest(v.begin(), 0, static_cast<std::size_t>(points)))},
                       {"blocks", BlockDigests(v, points, step)},
                       {"copies", copies}};
  }
  return {{"points", points}, {"nReihe1TA", s.nReihe1TA}, {"step", step}, {"columns", columns}};
}

json ProfilesRecord(const ProfileCurves& p) {
  const int step = Step(p.nodes, kProfileCopies);
  json curves = json::array();
  for (std::size_t c = 0; c < p.count(); ++c) {
    json copies = json::array();
    for (int i : CopiedPoints(p.nodes, step)) copies.push_back(Copy(p.profile(c)[i]));
    curves.push_back({{"digest", Hex(Digest(p.profile(c), 0, static_cast<std::size_t>(p.nodes)))}, {"copies", copies}});
  }
  json red = json::array();
  for (std::size_t c = 0; c < p.count(); ++c) {
    if (p.endOfFirst[c]) red.push_back(c);
  }
  return {{"nodes", p.nodes}, {"count", p.count()}, {"red", red}, {"scaleAfter", p.scaleAfter},
          {"digest", Hex(Digest(p.X.data(), 0, p.X.size()))}, {"nodeStep", step}, {"curves", curves}};
}

// ---- Comparison ----

class Differences {
 public:
  Differences(const json& golden, const RunRecord& r, const DisplayLog& shown)
      : golden_(golden), r_(r), shown_(shown) {}

  std::vector<std::string> Find() {
    Outcome();
    Inputs();
    Quantities();
    ResultRows();
    Controls();
    SeriesPoints();
    Profiles();
    WhatTheRunShowed();
    return std::move(found_);
  }

 private:
  void Add(std::string text) { found_.push_back(std::move(text)); }

  static std::string Quote(const std::string& text) { return "\"" + text + "\""; }

  void Outcome() {
    const std::string expected = golden_.at("outcome").get<std::string>();
    if (expected != RunOutcomeName(r_.outcome)) Add(std::string("outcome ") + RunOutcomeName(r_.outcome) + ", expected " + expected);
    const auto messages = golden_.at("messages").get<std::vector<std::string>>();
    if (messages.size() != r_.messages.size()) {
      Add(std::to_string(r_.messages.size()) + " messages, expected " + std::to_string(messages.size()));
    }
    for (std::size_t i = 0; i < std::min(messages.size(), r_.messages.size()); ++i) {
      if (messages[i] != r_.messages[i]) {
        Add("message " + std::to_string(i + 1) + " reads " + Quote(r_.messages[i]) + ", expected " + Quote(messages[i]));
      }
    }
  }

  // The inputs belong to the case; a change there means the record is out of date.
  void Inputs() {
    for (const InputField& f : InputFields()) {
      const std::string expected = golden_.at("inputs").at(f.box).get<std::string>();
      if (expected != r_.inputs[f.id]) {
        Add(std::string("input ") + f.box + " is " + Quote(r_.inputs[f.id]) + ", the golden record was made with " +
            Quote(expected) + " (regenerate the record if the case was changed on purpose)");
      }
    }
  }

  void Quantities() {
    for (const QuantityGroup& group : QuantityGroups()) {
      for (const Quantity& q : group.quantities) {
        const json& expected = golden_.at(group.key).at(q.key);
        const double actual = q.get(r_);
        if (expected.at("bits").get<std::string>() == Hex(Bits(actual))) continue;
        Add(std::string(group.words) + " " + q.key + " (" + q.meaning + ") expected " +
            WithUnit(expected.at("value").get<std::string>(), q.unit) + ", got " + WithUnit(Decimal(actual), q.unit));
      }
    }
  }

  // The results as the runner's JSON, the tables and the report list them.
  void ResultRows() {
    const json& expected = golden_.at("quantities");
    const std::vector<ResultDescriptor>& rows = ResultDescriptors();
    for (const ResultDescriptor& q : rows) {
      const double value = q.value(r_);
      if (!expected.contains(q.key)) {
        Add(std::string("result row ") + q.key + " is new; the golden run had none");
        continue;
      }
      const json& e = expected.at(q.key);
      if (e.at("bits").get<std::string>() != Hex(Bits(value)) || e.at("unit").get<std::string>() != q.unit ||
          e.at("box").get<std::string>() != q.box) {
        Add(std::string("result row ") + q.key + " (box " + q.box + ") reads " + WithUnit(Decimal(value), q.unit) +
            ", expected " + WithUnit(e.at("value").get<std::string>(), e.at("unit").get<std::string>().c_str()) +
            " (box " + e.at("box").get<std::string>() + ")");
      }
    }
    if (rows.size() != expected.size()) {
      Add(std::to_string(rows.size()) + " result rows, expected " + std::to_string(expected.size()));
    }
  }

  static std::string Colour(const Rgb& c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + ")";
  }

  void Controls() {
    const json& expected = golden_.at("controls");
    for (const auto& [name, state] : expected.items()) {
      const auto found = r_.controls.find(name);
      if (found == r_.controls.end()) {
        Add("control " + name + " was left alone by the run; the golden run set it");
        continue;
      }
      const ControlState& actual = found->second;
      const std::string text = state.at("text").get<std::string>();
      if (actual.text != text) Add("control " + name + " shows " + Quote(actual.text) + ", expected " + Quote(text));
      const bool visible = state.at("visible").get<bool>();
      if (actual.visible != visible) {
        Add("control " + name + (actual.visible ? " is visible, expected hidden" : " is hidden, expected visible"));
      }
      const auto rgb = state.at("color").get<std::vector<int>>();
      const Rgb colour{rgb.at(0), rgb.at(1), rgb.at(2)};
      if (!(actual.color == colour)) {
        Add("control " + name + " has the colour " + Colour(actual.color) + ", expected " + Colour(colour));
      }
    }
    for (const auto& entry : r_.controls) {
      if (!expected.contains(entry.first)) Add("control " + entry.first + " was set by the run; the golden run left it alone");
    }
  }

  // Time of point i: from the golden copies where it is one, else as the run stored it.
  std::string TimeOf(int i, int step, int expectedPoints) const {
    const json& copies = golden_.at("series").at("columns").at("tReihe").at("copies");
    const std::vector<int> at = CopiedPoints(expectedPoints, step);
    const auto found = std::find(at.begin(), at.end(), i);
    double t;
    if (found != at.end()) {
      t = FromCopy(copies.at(static_cast<std::size_t>(found - at.begin())));
    } else if (i < r_.series.points()) {
      t = r_.series.tReihe[static_cast<std::size_t>(i)];
    } else {
      return "t unknown";
    }
    return "t = " + Decimal(t) + " s";
  }

  void SeriesPoints() {
    const json& g = golden_.at("series");
    const int expectedPoints = g.at("points").get<int>();
    const int points = std::max(r_.series.points(), 0);
    const int step = g.at("step").get<int>();
    if (points != expectedPoints) {
      Add("the run stored " + std::to_string(points) + " points of each series, expected " + std::to_string(expectedPoints));
    }
    const int n1 = g.at("nReihe1TA").get<int>();
    if (n1 != r_.series.nReihe1TA) {
      Add("the first drying period's last point is " + std::to_string(r_.series.nReihe1TA) + ", expected " +
          std::to_string(n1) + " (" + TimeOf(n1, step, expectedPoints) + ")");
    }
    const int common = std::min(points, expectedPoints);
    const std::vector<int> at = CopiedPoints(expectedPoints, step);
    for (std::size_t c = 0; c < RunSeries::kCount; ++c) {
      const SeriesColumn& column = SeriesColumns()[c];
      const SeriesMeaning& m = kSeriesMeanings[c];
      const Series& v = r_.series.*column.member;
      const json& e = g.at("columns").at(column.name);
      if (points == expectedPoints && e.at("digest").get<std::string>() == Hex(Digest(v.begin(), 0, static_cast<std::size_t>(points)))) {
        continue;
      }
      // The first block of the golden record that the run does not repeat bit for bit.
      const std::string blocks = e.at("blocks").get<std::string>();
      int firstBlock = -1;
      for (int first = 0, b = 0; first < common; first += step, ++b) {
        const int last = std::min(first + step, expectedPoints);
        if (last > points) break;  // a block the run did not complete
        if (blocks.compare(static_cast<std::size_t>(b) * kBlockDigestLength, kBlockDigestLength,
                           BlockDigest(v, first, last)) != 0) {
          firstBlock = b;
          break;
        }
      }
      if (firstBlock < 0) continue;  // the run stored fewer or more points, said above
      const int from = firstBlock * step;
      const int to = std::min(from + step, expectedPoints) - 1;
      std::string text = std::string("series ") + column.name + " (" + m.meaning + ", " + m.unit + ") differs first within points " +
                         std::to_string(from) + ".." + std::to_string(to) + " (from " + TimeOf(from, step, expectedPoints) + ")";
      const json& copies = e.at("copies");
      bool shown = false;
      for (std::size_t k = 0; k < at.size() && !shown; ++k) {
        if (at[k] < from || at[k] >= common) continue;
        const double expected = FromCopy(copies.at(k));
        const double actual = v[static_cast<std::size_t>(at[k])];
        if (SameCopy(expected, actual)) continue;
        text += "; at point " + std::to_string(at[k]) + " (" + TimeOf(at[k], step, expectedPoints) + ") expected " +
                WithUnit(Decimal(expected), m.unit) + ", got " + WithUnit(Decimal(actual), m.unit);
        shown = true;
      }
      if (!shown) text += "; the copied points, one in " + std::to_string(step) + ", agree";
      Add(text);
    }
  }

  void Profiles() {
    const json& g = golden_.at("profiles");
    const ProfileCurves& p = r_.profiles;
    const int nodes = g.at("nodes").get<int>();
    const std::size_t count = g.at("count").get<std::size_t>();
    if (count != p.count()) Add("the run drew " + std::to_string(p.count()) + " profiles, expected " + std::to_string(count));
    if (nodes != p.nodes && p.count() > 0 && count > 0) {
      Add("the drawn profiles have " + std::to_string(p.nodes) + " nodes, expected " + std::to_string(nodes));
      return;
    }
    std::vector<std::size_t> red;
    for (std::size_t c = 0; c < p.count(); ++c) {
      if (p.endOfFirst[c]) red.push_back(c);
    }
    if (red != g.at("red").get<std::vector<std::size_t>>()) Add("the red profile (end of the first period) is another one than in the golden run");
    if (p.scaleAfter != g.at("scaleAfter").get<std::vector<std::size_t>>()) {
      Add("the shrinkage scale was drawn after other profiles than in the golden run");
    }
    const int step = g.at("nodeStep").get<int>();
    const std::vector<int> at = CopiedPoints(nodes, step);
    for (std::size_t c = 0; c < std::min(count, p.count()); ++c) {
      const json& e = g.at("curves").at(c);
      if (e.at("digest").get<std::string>() == Hex(Digest(p.profile(c), 0, static_cast<std::size_t>(nodes)))) continue;
      std::string text = "profile " + std::to_string(c + 1) + " of " + std::to_string(count) + " (moisture, kg/kg) differs";
      for (std::size_t k = 0; k < at.size(); ++k) {
        const double expected = FromCopy(e.at("copies").at(k));
        const double actual = p.profile(c)[at[k]];
        if (SameCopy(expected, actual)) continue;
        text += ": at node " + std::to_string(at[k]) + " expected " + Decimal(expected) + ", got " + Decimal(actual);
        break;
      }
      Add(text);
      break;  // later profiles follow from the first one that differs
    }
  }

  // What the run showed on the way: each control's texts and visibility, then the calls in order.
  void WhatTheRunShowed() {
    const json& g = golden_.at("display");
    const ControlHistory h = HistoryOf(shown_.calls());
    const std::vector<std::string> none;
    for (const auto& [control, e] : g.at("texts").items()) {
      const auto found = h.texts.find(control);
      const std::string d = FirstTextDifference(e, found == h.texts.end() ? none : found->second, "text");
      if (!d.empty()) Add("texts of control " + control + " on the way: " + d);
    }
    for (const auto& entry : h.texts) {
      if (!g.at("texts").contains(entry.first)) Add("control " + entry.first + " was given texts; in the golden run it was not");
    }
    for (const auto& [control, e] : g.at("visibility").items()) {
      const auto found = h.visibility.find(control);
      const std::vector<std::string>& v = found == h.visibility.end() ? none : found->second;
      if (e.at("digest").get<std::string>() == Hex(TextDigest(v, 0, v.size()))) continue;
      const auto shownTimes = std::count(v.begin(), v.end(), "show");
      const auto hiddenTimes = std::count(v.begin(), v.end(), "hide");
      Add("control " + control + " was shown " + std::to_string(shownTimes) + " and hidden " + std::to_string(hiddenTimes) +
          " times, expected " + std::to_string(e.at("shown").get<long>()) + " and " + std::to_string(e.at("hidden").get<long>()) +
          (shownTimes == e.at("shown").get<long>() && hiddenTimes == e.at("hidden").get<long>() ? ", in another order" : ""));
    }
    for (const auto& entry : h.visibility) {
      if (!g.at("visibility").contains(entry.first)) Add("control " + entry.first + " was shown or hidden; in the golden run it was not");
    }
    const std::string d = FirstTextDifference(g.at("calls"), shown_.calls(), "display call");
    if (!d.empty()) Add("display calls in order: " + d);
  }

  const json& golden_;
  const RunRecord& r_;
  const DisplayLog& shown_;
  std::vector<std::string> found_;
};

}  // namespace

json GoldenRecord(const RunRecord& r, const DisplayLog& shown) {
  json inputs = json::object();
  for (const InputField& f : InputFields()) inputs[f.box] = r.inputs[f.id];
  json record = {{"outcome", RunOutcomeName(r.outcome)}, {"messages", r.messages}, {"inputs", inputs}};
  for (const QuantityGroup& group : QuantityGroups()) {
    json part = json::object();
    for (const Quantity& q : group.quantities) part[q.key] = Scalar(q.get(r));
    record[group.key] = part;
  }
  json controls = json::object();
  for (const auto& [name, state] : r.controls) {
    controls[name] = {{"text", state.text}, {"visible", state.visible}, {"color", {state.color.r, state.color.g, state.color.b}}};
  }
  record["controls"] = controls;
  json quantities = json::object();
  for (const ResultDescriptor& q : ResultDescriptors()) {
    const double value = q.value(r);
    quantities[q.key] = {{"box", q.box}, {"unit", q.unit}, {"value", Decimal(value)}, {"bits", Hex(Bits(value))}};
  }
  record["quantities"] = quantities;
  record["profiles"] = ProfilesRecord(r.profiles);
  record["series"] = SeriesRecord(r.series);
  record["display"] = DisplayRecord(shown);
  return record;
}

namespace {

// Objects are written one member a line, arrays of numbers and short objects
// on one line: a record stays small and a change of a value shows in a diff.
void WriteText(const json& j, int indent, std::string& out) {
  const std::string compact = j.dump();
  const bool flatArray =
      j.is_array() && std::none_of(j.begin(), j.end(), [](const json& e) { return e.is_structured(); });
  if (!j.is_structured() || flatArray || compact.size() <= 100) {
    out += compact;
    return;
  }
  const std::string inner(static_cast<std::size_t>(indent + 1), ' ');
  out += j.is_object() ? "{\n" : "[\n";
  bool first = true;
  for (auto it = j.begin(); it != j.end(); ++it) {
    if (!first) out += ",\n";
    first = false;
    out += inner;
    if (j.is_object()) out += json(it.key()).dump() + ": ";
    WriteText(*it, indent + 1, out);
  }
  out += "\n" + std::string(static_cast<std::size_t>(indent), ' ') + (j.is_object() ? "}" : "]");
}

}  // namespace

std::string GoldenText(const json& record) {
  std::string out;
  WriteText(record, 0, out);
  return out + "\n";
}

std::vector<std::string> GoldenDifferences(const json& golden, const RunRecord& record, const DisplayLog& shown) {
  return Differences(golden, record, shown).Find();
}

}  // namespace lamvero::testing
