#include "files/casefile.h"

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "files/accuracyjson.h"
#include "files/boundedjson.h"
#include "files/jsonfields.h"
#include "files/measuredcsv.h"
#include "files/plantjson.h"
#include "files/windowtext.h"
#include "inputs/constantair.h"
#include "inputs/inputreading.h"
#include "run/projectdata.h"
#include "run/recordfields.h"
#include "run/resultdescriptors.h"
#include "run/shownshrinkage.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "text/parsenumber.h"
#include "text/shownchars.h"
#include "text/trim.h"

namespace lamvero {

namespace {

using nlohmann::json;
using ordered = nlohmann::ordered_json;
using namespace jsonfields;

// The inputs in model units by their names, in the order of the struct, with the box each is typed into.
struct ValueField {
  const char* name;
  double InputValues::*member;
  Input input;
};
const ValueField kValueFields[] = {
    {"Dicke", &InputValues::Dicke, Input::Dicke},
    {"rhos", &InputValues::rhos, Input::rhos},
    {"XAnf", &InputValues::XAnf, Input::XAnf},
    {"linTrSchwind", &InputValues::linTrSchwind, Input::linTrSchwind},
    {"Feuchteleit", &InputValues::Feuchteleit, Input::Feuchteleit},
    {"lambda", &InputValues::lambda, Input::lambda},
    {"mue", &InputValues::mue, Input::mue},
    {"Waermeuebergang", &InputValues::Waermeuebergang, Input::Waermeuebergang},
    {"ThetaEinf", &InputValues::ThetaEinf, Input::ThetaEinf},
    {"AussenluftTemp", &InputValues::AussenluftTemp, Input::AussenluftTemp},
    {"AussenluftFeuchte", &InputValues::AussenluftFeuchte, Input::AussenluftFeuchte},
    {"Lufttemp", &InputValues::Lufttemp, Input::Lufttemp},
    {"AbluftFeuchte", &InputValues::AbluftFeuchte, Input::AbluftFeuchte},
    {"ThetaGegenstromende", &InputValues::ThetaGegenstromende, Input::ThetaGegenstromende},
    {"Ortsschrittweite", &InputValues::Ortsschrittweite, Input::Ortsschrittweite},
    {"deltaT", &InputValues::deltaT, Input::deltaT},
    {"rund", &InputValues::rund, Input::rund},
    {"KappaSteig", &InputValues::KappaSteig, Input::KappaSteig},
};

constexpr int kMaxIterations = 1 << 20;  // nGlatt and nIter are small counts
constexpr std::size_t kMaxMessages = 1000;
constexpr std::size_t kMaxControls = 10000;
// What a sound file can hold, with room to spare: it nests at most six deep
// (run.accuracy.results.N.values), its values are mostly the series (every
// one full), its objects and lists and its field names mostly the controls
// (an object with a colour list, and three fields, for each); its longest text
// is the comment, written at most six bytes to a character (\u001F); its
// texts together are mostly the messages, at their longest, and as much again
// for the rest.
constexpr JsonBounds kCaseBounds{
    8,
    RunSeries::kCount * kSeriesCapacity + 1000000,
    2 * kMaxControls + 10000,
    4 * kMaxControls + 10000,
    kMaxCaseCommentBytes,
    2 * kMaxMessages * kMaxCaseTextBytes,
    6 * kMaxCaseCommentBytes + 2,
};

// A number as JSON: NaN and infinities have no JSON form and are written as null.
template <class J>
J Number(double value) {
  return std::isfinite(value) ? J(value) : J(nullptr);
}

// The table of results a reader sees first: key, unit, value and the text the window showed.
template <class J>
J ResultTable(const RunRecord& record) {
  J table = J::array();
  for (const ResultDescriptor& d : ResultDescriptors()) {
    J row = J::object();
    row["key"] = d.key;
    row["unit"] = d.unit;
    row["value"] = Number<J>(d.value(record));
    if (const std::string* shown = ShownText(record, d)) row["text"] = FileWindowText(*shown);
    table.push_back(std::move(row));
  }
  return table;
}

ordered RunObject(const CaseRun& run) {
  const RunRecord& r = run.record;
  ordered o = ordered::object();
  o["date"] = run.date;
  o["program"] = run.program;
  o["outcome"] = RunOutcomeName(r.outcome);
  if (r.airIntegration != AirIntegration::Standard) o["airIntegration"] = AirIntegrationKey(r.airIntegration);
  o["messages"] = r.messages;
  o["results"] = ResultTable<ordered>(r);
  o["nReihe"] = run.nReihe;
  o["nReihe1TA"] = run.nReihe1TA;
  ordered values = ordered::object();
  for (const auto& f : kValueFields) values[f.name] = Number<ordered>(r.values.*f.member);
  o["values"] = std::move(values);
  ordered derived = ordered::object();
  derived["AnzOS"] = r.derived.AnzOS;
  for (const auto& f : DerivedFields()) derived[f.name] = Number<ordered>(r.derived.*f.member);
  o["derived"] = std::move(derived);
  ordered scalars = ordered::object();
  for (const auto& f : ResultFields()) scalars[f.name] = Number<ordered>(r.results.*f.member);
  scalars["nGlatt"] = r.results.nGlatt;
  scalars["nIter"] = r.results.nIter;
  o["scalars"] = std::move(scalars);
  ordered controls = ordered::object();
  for (const auto& [name, state] : r.controls) {
    controls[name] = ordered{{"text", FileWindowText(state.text)},
                             {"visible", state.visible},
                             {"color", {state.color.r, state.color.g, state.color.b}}};
  }
  o["controls"] = std::move(controls);
  if (run.accuracy) o["accuracy"] = AccuracyToJson(*run.accuracy);
  return o;
}

// The air's humidity ratio is stored since a later version than the other
// series: files without it are read, and their runs hold it as not known
// (NaN throughout), which is written back as no column at all.
bool MayBeMissing(const SeriesColumn& c) { return c.member == &RunSeries::XLuftReihe; }

bool NotKnown(const RunSeries& series, const SeriesColumn& c) {
  if (!MayBeMissing(c)) return false;
  const Series& s = series.*c.member;
  for (int k = 0; k < series.points(); ++k) {
    if (!std::isnan(s[static_cast<std::size_t>(k)])) return false;
  }
  return true;
}

// Every stored point of every series, one column to a line: the exact shortest form of each number.
std::string SeriesText(const RunSeries& series) {
  std::string out = "{";
  bool firstColumn = true;
  for (const SeriesColumn& c : SeriesColumns()) {
    if (NotKnown(series, c)) continue;
    out += firstColumn ? "\n    \"" : ",\n    \"";
    firstColumn = false;
    out += c.name;
    out += "\": [";
    const Series& s = series.*c.member;
    for (int k = 0; k < series.points(); ++k) {
      if (k > 0) out += ',';
      const double v = s[static_cast<std::size_t>(k)];
      if (!std::isfinite(v)) {
        out += "null";
        continue;
      }
      char buffer[32];
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
      out.append(buffer, result.ptr);
    }
    out += ']';
  }
  return out + "\n  }";
}

// The measured curve: its source, then one line of numbers for the time and
// for each quantity it has, each number in its exact shortest form (null for a
// missing reading).
std::string MeasuredText(const MeasuredCurve& curve) {
  const auto numbers = [](const std::vector<double>& values) {
    std::string out = "[";
    for (std::size_t k = 0; k < values.size(); ++k) out += (k ? "," : "") + JsonNumberText(values[k]);
    return out + "]";
  };
  std::string out = "{\n    \"source\": " + ordered(curve.source).dump(-1, ' ', false, ordered::error_handler_t::replace);
  out += ",\n    \"time\": " + numbers(curve.time);
  for (const MeasuredQuantityInfo& q : MeasuredQuantities()) {
    if (curve.has(q.id)) out += ",\n    \"" + std::string(q.key) + "\": " + numbers(curve[q.id]);
  }
  return out + "\n  }";
}

// ---- reading ----

template <class S, class Fields>
void ReadDoubles(const json& j, const std::string& path, const Fields& fields, S& into,
                 std::initializer_list<const char*> alsoRequired) {
  ExpectObject(j, path);
  for (const auto& item : j.items()) {
    bool known = false;
    for (const auto& f : fields) known = known || item.key() == f.name;
    for (const char* k : alsoRequired) known = known || item.key() == k;
    if (!known) Fail(Filled(Tr("Dateifelder", "Unbekanntes Feld %1."), {Quoted(Child(path, item.key()))}));
  }
  for (const auto& f : fields) into.*f.member = NumberOrNull(At(j, path, f.name), Child(path, f.name));
}

// An air integration named by its key; absent means the standard one.
AirIntegration ReadAirIntegration(const json& j, const std::string& path) {
  if (!j.contains("airIntegration")) return AirIntegration::Standard;
  const std::string at = Child(path, "airIntegration");
  const Outcome<AirIntegration> read = AirIntegrationOfKey(Text(j.at("airIntegration"), at, 64, true), Quoted(at));
  if (!read) Fail(Filled(Tr("Falldatei", "Das Feld %1"), {read.message()}));
  return read.value();
}

RunOutcome ReadOutcome(const json& j, const std::string& path) {
  const std::string name = Text(j, path, 64, true);
  for (RunOutcome o : {RunOutcome::Completed, RunOutcome::Stopped, RunOutcome::SeriesFull, RunOutcome::Failed}) {
    if (name == RunOutcomeName(o)) return o;
  }
  Fail(Filled(Tr("Falldatei", "Das Feld %1 hat den unbekannten Wert \"%2\" (erwartet Completed, Stopped, SeriesFull oder Failed)."),
              {Quoted(path), name}));
}

std::map<std::string, ControlState> ReadControls(const json& j, const ControlNameCheck& isControl) {
  const std::string path = "run.controls";
  ExpectObject(j, path);
  if (j.size() > kMaxControls) Fail(Filled(Tr("Falldatei", "Das Feld %1 hat zu viele Einträge."), {Quoted(path)}));
  std::map<std::string, ControlState> controls;
  for (const auto& item : j.items()) {
    const std::string at = Child(path, item.key());
    if (isControl && !isControl(item.key())) Fail(Filled(Tr("Falldatei", "Unbekanntes Steuerelement %1."), {Quoted(at)}));
    ExpectKeys(item.value(), at, {"text", "visible", "color"});
    ControlState state;
    state.text = ShownWindowText(Text(item.value().at("text"), Child(at, "text"), kMaxCaseTextBytes, false));
    state.visible = Boolean(item.value().at("visible"), Child(at, "visible"));
    const json& c = item.value().at("color");
    if (!c.is_array() || c.size() != 3) Fail(Filled(Tr("Falldatei", "Das Feld %1 ist kein Farbtripel [r, g, b]."), {Quoted(Child(at, "color"))}));
    state.color.r = static_cast<int>(Integer(c[0], Child(at, "color"), 0, 255));
    state.color.g = static_cast<int>(Integer(c[1], Child(at, "color"), 0, 255));
    state.color.b = static_cast<int>(Integer(c[2], Child(at, "color"), 0, 255));
    controls[item.key()] = std::move(state);
  }
  return controls;
}

AccuracyEstimate ReadAccuracy(const json& j) {
  Outcome<AccuracyEstimate> read = AccuracyFromJson(j, "run.accuracy");
  if (!read) Fail(Filled(Tr("Falldatei", "Das Feld %1: %2."), {Quoted(read.failure().where), read.failure().reason}));
  return std::move(read).value();
}

// An estimate starts from the run's own steps; one that does not was made for other inputs.
void ExpectAccuracyOfRun(const CaseRun& run) {
  if (!run.accuracy) return;
  const AccuracyLevel& first = run.accuracy->levels.front();
  if (first.deltaT != run.record.inputs[Input::deltaT] ||
      first.Ortsschrittweite != run.record.inputs[Input::Ortsschrittweite]) {
    Fail(Tr("Falldatei", "Die Genauigkeitsschätzung „run.accuracy“ passt nicht zum Lauf (andere Schrittweiten als die Eingaben)."));
  }
}

CaseRun ReadRun(const json& j, const ControlNameCheck& isControl) {
  const std::string path = "run";
  ExpectKeys(j, path,
             {"date", "program", "outcome", "messages", "results", "nReihe", "nReihe1TA", "values", "derived",
              "scalars", "controls"},
             {"accuracy", "airIntegration"});
  CaseRun run;
  RunRecord& r = run.record;
  run.date = Text(j.at("date"), "run.date", 64, true);
  run.program = Text(j.at("program"), "run.program", 256, true);
  r.outcome = ReadOutcome(j.at("outcome"), "run.outcome");
  r.airIntegration = ReadAirIntegration(j, path);
  const json& messages = j.at("messages");
  if (!messages.is_array() || messages.size() > kMaxMessages) Fail(Tr("Falldatei", "Das Feld „run.messages“ ist keine Liste von Texten."));
  for (std::size_t i = 0; i < messages.size(); ++i) {
    r.messages.push_back(Text(messages[i], "run.messages." + std::to_string(i), kMaxCaseTextBytes, false));
  }
  run.nReihe = static_cast<int>(Integer(j.at("nReihe"), "run.nReihe", 0, kMaxSeriesIndex));
  run.nReihe1TA = static_cast<int>(Integer(j.at("nReihe1TA"), "run.nReihe1TA", 0, run.nReihe));
  ReadDoubles(j.at("values"), "run.values", kValueFields, r.values, {});
  ReadDoubles(j.at("derived"), "run.derived", DerivedFields(), r.derived, {"AnzOS"});
  r.derived.AnzOS = static_cast<int>(Integer(At(j.at("derived"), "run.derived", "AnzOS"), "run.derived.AnzOS", 0,
                                             std::numeric_limits<int>::max()));
  ReadDoubles(j.at("scalars"), "run.scalars", ResultFields(), r.results, {"nGlatt", "nIter"});
  r.results.nGlatt = static_cast<int>(Integer(At(j.at("scalars"), "run.scalars", "nGlatt"), "run.scalars.nGlatt",
                                              -kMaxIterations, kMaxIterations));
  r.results.nIter = static_cast<int>(Integer(At(j.at("scalars"), "run.scalars", "nIter"), "run.scalars.nIter",
                                             -kMaxIterations, kMaxIterations));
  r.controls = ReadControls(j.at("controls"), isControl);
  if (j.contains("accuracy")) run.accuracy = ReadAccuracy(j.at("accuracy"));
  return run;
}

void ReadSeries(const json& j, CaseRun& run) {
  const std::string path = "series";
  ExpectObject(j, path);
  for (const auto& item : j.items()) {
    bool known = false;
    for (const SeriesColumn& c : SeriesColumns()) known = known || item.key() == c.name;
    if (!known) Fail(Filled(Tr("Dateifelder", "Unbekanntes Feld %1."), {Quoted(Child(path, item.key()))}));
  }
  const std::size_t points = static_cast<std::size_t>(run.nReihe) + 1;  // nReihe is at most kMaxSeriesIndex
  const bool completed = run.record.outcome == RunOutcome::Completed;
  RunSeries& series = run.record.series;
  for (const SeriesColumn& c : SeriesColumns()) {
    if (MayBeMissing(c) && !j.contains(c.name)) {
      series.*c.member = Series(points);
      for (std::size_t k = 0; k < points; ++k) (series.*c.member)[k] = kNoValue;
      continue;
    }
    const std::string at = Child(path, c.name);
    const json& column = At(j, path, c.name);
    if (!column.is_array()) Fail(Filled(Tr("Falldatei", "Das Feld %1 ist keine Liste von Zahlen."), {Quoted(at)}));
    if (column.size() != points) {
      Fail(Filled(Tr("Falldatei", "Die Zeitreihe %1 hat %2 Punkte statt %3 (run.nReihe + 1)."),
                  {Quoted(at), std::to_string(column.size()), std::to_string(points)}));
    }
    Series values(points);
    for (std::size_t k = 0; k < points; ++k) {
      const double v = NumberOrNull(column[k], at + "." + std::to_string(k));
      // A completed run has finite values everywhere: the result curves are drawn from them.
      if (completed && std::isnan(v)) Fail(Filled(Tr("Falldatei", "Die Zeitreihe %1 hat bei Punkt %2 keinen Wert."), {Quoted(at), std::to_string(k)}));
      values[k] = v;
    }
    series.*c.member = std::move(values);
  }
  series.nReihe = run.nReihe;
  series.nReihe1TA = run.nReihe1TA;
  // Files of earlier versions hold the model's shrinkage beyond its end.
  LimitShrinkageToTotal(run.record);
}

// A list of at most kMaxMeasuredLines numbers (null for a missing one).
std::vector<double> ReadMeasuredValues(const json& j, const std::string& path) {
  if (!j.is_array()) Fail(Filled(Tr("Falldatei", "Das Feld %1 ist keine Liste von Zahlen."), {Quoted(path)}));
  if (j.size() > kMaxMeasuredLines) Fail(Filled(Tr("Falldatei", "Das Feld %1 hat zu viele Punkte."), {Quoted(path)}));
  std::vector<double> values;
  for (std::size_t k = 0; k < j.size(); ++k) values.push_back(NumberOrNull(j[k], path + "." + std::to_string(k)));
  return values;
}

// The measured curve, checked as its CSV reader checks it: enough points, the
// time from 0 on strictly increasing, a moisture at every point, never negative.
MeasuredCurve ReadMeasured(const json& j) {
  const std::string path = "measured";
  ExpectObject(j, path);
  for (const auto& item : j.items()) {
    bool known = item.key() == "source" || item.key() == "time";
    for (const MeasuredQuantityInfo& q : MeasuredQuantities()) known = known || item.key() == q.key;
    if (!known) Fail(Filled(Tr("Dateifelder", "Unbekanntes Feld %1."), {Quoted(Child(path, item.key()))}));
  }
  MeasuredCurve curve;
  // A file name may hold a line break: the source is a label, kept as it came.
  curve.source = Text(At(j, path, "source"), Child(path, "source"), kMaxCaseTextBytes, false);
  curve.time = ReadMeasuredValues(At(j, path, "time"), Child(path, "time"));
  if (curve.points() < kMinMeasuredPoints) {
    Fail(Filled(Tr("Falldatei", "Die Messkurve %1 hat weniger als %2 Punkte."), {Quoted(path), std::to_string(kMinMeasuredPoints)}));
  }
  for (std::size_t k = 0; k < curve.points(); ++k) {
    const double t = curve.time[k];
    if (!(t >= 0) || (k > 0 && !(t > curve.time[k - 1]))) {
      Fail(Filled(Tr("Falldatei", "Die Zeit %1 ist negativ, fehlt oder nimmt nicht zu."), {Quoted(Child(path, "time") + "." + std::to_string(k))}));
    }
  }
  At(j, path, InfoOf(MeasuredQuantity::Moisture).key);
  for (const MeasuredQuantityInfo& q : MeasuredQuantities()) {
    if (!j.contains(q.key)) continue;
    const std::string at = Child(path, q.key);
    curve[q.id] = ReadMeasuredValues(j.at(q.key), at);
    if (curve[q.id].size() != curve.points()) Fail(Filled(Tr("Falldatei", "Das Feld %1 hat nicht so viele Punkte wie „measured.time“."), {Quoted(at)}));
    for (std::size_t k = 0; q.id == MeasuredQuantity::Moisture && k < curve.points(); ++k) {
      if (!(curve[q.id][k] >= 0)) Fail(Filled(Tr("Falldatei", "Die Wasserbeladung %1 ist negativ oder fehlt."), {Quoted(at + "." + std::to_string(k))}));
    }
  }
  return curve;
}

// The laboratory test's choice (written only when on) and the plant data.
void ReadLabAndPlant(const json& j, CaseFile& file) {
  if (j.contains("constantAir")) file.constantAir = Boolean(j.at("constantAir"), "constantAir");
  // The window writes the boxes of a laboratory test as the test runs them; other texts were edited by hand.
  if (file.constantAir && WithConstantAir(file.inputs)[Input::ThetaGegenstromende] !=
                              file.inputs[Input::ThetaGegenstromende]) {
    Fail(Filled(Tr("Falldatei", "Das Feld „constantAir“ (%1) verlangt für %2 den Text von %3."),
                {Tr("Eingabefelder", kConstantAirCaption), InputCaptions({Input::ThetaGegenstromende}),
                 InputCaptions({Input::Lufttemp})}));
  }
  if (!j.contains("plant")) return;
  Outcome<PlantData> plant = PlantFromJson(j.at("plant"), "plant");
  if (!plant) Fail(plant.failure().reason);
  file.plant = plant.value();
}

constexpr const char* kNotACaseFile = LV_TR_NOOP("Falldatei", "Die Datei ist keine Lamvero-Falldatei.");

// Nothing but blanks and line breaks (a byte-order mark included).
bool Blank(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// A text that does not read as JSON is another program's file, unless it
// names the case format: then it is a case file that was damaged, and where
// the reading stopped helps whoever mends it.
[[noreturn]] void FailUnreadable(std::string_view text, const Failure& why) {
  const std::string mark = std::string("\"") + kCaseFormatName + "\"";
  if (text.find(mark) == std::string_view::npos) Fail(Tr("Falldatei", kNotACaseFile));
  Fail(why.text());
}

CaseFile ReadCase(std::string_view text, const ControlNameCheck& isControl) {
  if (const Status size = CheckCaseFileSize(text.size()); !size) Fail(size.message());
  if (Blank(text)) Fail(Tr("Falldatei", "Die Datei ist leer."));
  Outcome<json> read = ReadBoundedJson(text, kCaseBounds, Quoted);
  if (!read) FailUnreadable(text, read.failure());
  json& j = read.value();
  ExpectFormat(j, kCaseFormatName, kCaseFormatVersion, Tr("Dateifelder", "Falldatei"));
  ExpectKeys(j, "", {"format", "version", "inputs"},
             {"title", "project", "customer", "author", "comment", "airIntegration", "constantAir", "plant", "run",
              "series", "measured"});
  CaseFile file;
  file.inputs = ReadInputTexts(j.at("inputs"), "inputs", kMaxCaseTextBytes);
  file.airIntegration = ReadAirIntegration(j, "");
  ReadLabAndPlant(j, file);
  for (const ProjectField& f : ProjectFields()) {
    if (j.contains(f.key)) file.about.*f.member = Text(j.at(f.key), f.key, f.maxBytes, !f.multiLine);
  }
  if (j.contains("measured")) file.measured = ReadMeasured(j.at("measured"));
  if (j.contains("run")) {
    CaseRun run = ReadRun(j.at("run"), isControl);
    run.record.inputs = file.inputs;
    ExpectAccuracyOfRun(run);
    // The table is written from the record: a table that says otherwise was changed by hand.
    const json expected = ResultTable<json>(run.record);
    const json& table = j.at("run").at("results");
    if (table != expected) {
      if (!table.is_array()) Fail(Tr("Falldatei", "Das Feld „run.results“ ist keine Liste."));
      for (std::size_t i = 0; i < expected.size(); ++i) {
        if (i >= table.size() || table[i] != expected[i]) {
          Fail(Filled(Tr("Falldatei", "Die Ergebnistabelle „run.results“ passt nicht zum Lauf (Eintrag %1, %2)."),
                      {std::to_string(i), expected[i]["key"].get<std::string>()}));
        }
      }
      Fail(Tr("Falldatei", "Die Ergebnistabelle „run.results“ hat mehr Einträge als der Lauf."));
    }
    if (j.contains("series")) ReadSeries(j.at("series"), run);
    file.run = std::move(run);
  } else if (j.contains("series")) {
    Fail(Tr("Falldatei", "Die Datei hat Zeitreihen („series“), aber keinen Lauf („run“)."));
  }
  return file;
}

}  // namespace

Status CheckCaseFileSize(std::uint64_t bytes) { return jsonfields::CheckFileSize(bytes, kMaxCaseFileBytes, Tr("Dateifelder", "Falldatei"));
}

CaseRun CaseRunOf(const RunRecord& record, std::string date, std::string program) {
  CaseRun run;
  run.record = record;
  run.date = std::move(date);
  run.program = std::move(program);
  run.nReihe = record.series.nReihe;
  run.nReihe1TA = record.series.nReihe1TA;
  return run;
}

std::vector<Input> InputsNotOfRun(const CaseFile& file) {
  std::vector<Input> differing;
  if (!file.run) return differing;
  const InputReading reading = ReadInputs(file.inputs);
  for (const ValueField& f : kValueFields) {
    // A text that is no number never belongs to a run, though it counts as 0: the input check refuses it.
    const bool number = ReadInputNumber(file.inputs[f.input]).reading == NumberReading::Number;
    if (!number || !(reading.values.*f.member == file.run->record.values.*f.member)) {
      differing.push_back(f.input);
    }
  }
  return differing;
}

std::string CaseFileText(const CaseFile& file, bool withSeries) {
  ordered j = ordered::object();
  j["format"] = kCaseFormatName;
  j["version"] = kCaseFormatVersion;
  for (const ProjectField& f : ProjectFields()) {
    if (!(file.about.*f.member).empty()) j[f.key] = file.about.*f.member;
  }
  ordered inputs = ordered::object();
  for (const InputField& f : InputFields()) inputs[f.box] = file.inputs[f.id];
  j["inputs"] = std::move(inputs);
  if (file.airIntegration != AirIntegration::Standard) j["airIntegration"] = AirIntegrationKey(file.airIntegration);
  if (file.constantAir) j["constantAir"] = true;
  if (file.plant) j["plant"] = PlantToJson(*file.plant);
  if (file.run) j["run"] = RunObject(*file.run);
  // Texts that are not UTF-8 (from a command line) are kept readable rather than refused.
  std::string text = j.dump(2, ' ', false, ordered::error_handler_t::replace);
  if (file.measured) {
    text.pop_back();  // the closing brace
    text += ",\n  \"measured\": " + MeasuredText(*file.measured) + "\n}";
  }
  if (file.run && withSeries && file.run->hasSeries()) {
    text.pop_back();  // the closing brace
    text += ",\n  \"series\": " + SeriesText(file.run->record.series) + "\n}";
  }
  return text + "\n";
}

Outcome<CaseFile> ReadCaseFileText(std::string_view text, const ControlNameCheck& isControl) {
  try {
    return ReadCase(text, isControl);
  } catch (const jsonfields::BadField& e) {
    return Failure{"", e.what()};
  } catch (const nlohmann::json::exception& e) {
    // A check above let something through that the library then refused.
    return Failure{"", Tr("Dateifelder", "Die Datei ist fehlerhaft: ") + e.what()};
  } catch (const std::bad_alloc&) {
    return Failure{"", Tr("Dateifelder", "Die Datei ist zu groß für den Speicher.")};
  }
}

}  // namespace lamvero
