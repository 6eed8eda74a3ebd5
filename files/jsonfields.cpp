#include "files/jsonfields.h"

#include <cmath>
#include <limits>

#include "text/csvformat.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "run/projectdata.h"
#include "text/shownchars.h"
#include "text/trim.h"

namespace lamvero::jsonfields {

void Fail(const std::string& message) { throw BadField(message); }

std::string Quoted(const std::string& path) {
  const auto quoted = [](const std::string& text) { return Filled(Tr("Dateifelder", "„%1“"), {text}); };
  for (const InputField& f : InputFields()) {
    if (path == std::string("inputs.") + f.box) return quoted(WithoutTrailingBlanks(Tr("Eingabefelder", f.caption)));
  }
  for (const ProjectField& f : ProjectFields()) {
    if (path == f.key) return quoted(Tr("Eingabefelder", f.caption));
  }
  return quoted(ShownText(path));
}

std::string Child(const std::string& path, const std::string& key) { return path.empty() ? key : path + "." + key; }

void ExpectObject(const json& j, const std::string& path) {
  if (!j.is_object()) Fail(Filled(Tr("Dateifelder", "Das Feld %1 ist kein Objekt."), {Quoted(path)}));
}

void ExpectKeys(const json& j, const std::string& path, std::initializer_list<const char*> required,
                std::initializer_list<const char*> optional) {
  ExpectObject(j, path);
  for (const auto& item : j.items()) {
    bool known = false;
    for (const char* k : required) known = known || item.key() == k;
    for (const char* k : optional) known = known || item.key() == k;
    if (!known) Fail(Filled(Tr("Dateifelder", "Unbekanntes Feld %1."), {Quoted(Child(path, item.key()))}));
  }
  for (const char* k : required) {
    if (!j.contains(k)) Fail(Filled(Tr("Dateifelder", "Das Feld %1 fehlt."), {Quoted(Child(path, k))}));
  }
}

const json& At(const json& j, const std::string& path, const char* key) {
  if (!j.contains(key)) Fail(Filled(Tr("Dateifelder", "Das Feld %1 fehlt."), {Quoted(Child(path, key))}));
  return j.at(key);
}

std::string Text(const json& j, const std::string& path, std::size_t maxBytes, bool oneLine) {
  if (!j.is_string()) Fail(Filled(Tr("Dateifelder", "Das Feld %1 ist kein Text."), {Quoted(path)}));
  const std::string& t = j.get_ref<const std::string&>();
  if (t.size() > maxBytes) {
    Fail(Filled(Tr("Dateifelder", "Das Feld %1 ist zu lang (%2 Bytes, höchstens %3)."),
                {Quoted(path), std::to_string(t.size()), std::to_string(maxBytes)}));
  }
  if (oneLine) {
    for (unsigned char c : t) {
      if (c < 0x20) Fail(Filled(Tr("Dateifelder", "Das Feld %1 enthält einen Zeilenumbruch oder ein Steuerzeichen."), {Quoted(path)}));
    }
  }
  return t;
}

std::string JsonNumberText(double value) {
  return std::isfinite(value) ? CsvNumber(value, CsvDialect::Plain) : "null";
}

double NumberOrNull(const json& j, const std::string& path) {
  if (j.is_null()) return std::numeric_limits<double>::quiet_NaN();
  if (!j.is_number()) Fail(Filled(Tr("Dateifelder", "Das Feld %1 ist keine Zahl."), {Quoted(path)}));
  const double v = j.get<double>();
  if (!std::isfinite(v)) Fail(Filled(Tr("Dateifelder", "Das Feld %1 ist keine endliche Zahl."), {Quoted(path)}));
  return v;
}

long long Integer(const json& j, const std::string& path, long long min, long long max) {
  if (!j.is_number()) Fail(Filled(Tr("Dateifelder", "Das Feld %1 ist keine ganze Zahl."), {Quoted(path)}));
  const double v = j.get<double>();
  if (v < static_cast<double>(min) || v > static_cast<double>(max)) {
    Fail(Filled(Tr("Dateifelder", "Das Feld %1 liegt außerhalb von %2 bis %3."),
                {Quoted(path), std::to_string(min), std::to_string(max)}));
  }
  if (!j.is_number_integer()) Fail(Filled(Tr("Dateifelder", "Das Feld %1 ist keine ganze Zahl."), {Quoted(path)}));
  return j.get<long long>();
}

bool Boolean(const json& j, const std::string& path) {
  if (!j.is_boolean()) Fail(Filled(Tr("Dateifelder", "Das Feld %1 ist kein Wahrheitswert (true oder false)."), {Quoted(path)}));
  return j.get<bool>();
}

InputTexts ReadInputTexts(const json& j, const std::string& path, std::size_t maxBytes) {
  ExpectObject(j, path);
  InputTexts texts;
  for (const auto& item : j.items()) {
    if (!texts.set(item.key(), "")) Fail(Filled(Tr("Dateifelder", "Unbekanntes Eingabefeld %1."), {Quoted(Child(path, item.key()))}));
  }
  for (const InputField& f : InputFields()) {
    texts[f.id] = Text(At(j, path, f.box), Child(path, f.box), maxBytes, true);
  }
  return texts;
}

void ExpectFormat(const json& j, const char* format, int version, const std::string& kind) {
  if (!j.is_object() || !j.contains("format") || j["format"] != format) {
    Fail(Filled(Tr("Dateifelder", "Die Datei ist keine Lamvero-%1 (das Feld „format“ lautet nicht \"%2\")."), {kind, format}));
  }
  const json& found = At(j, "", "version");
  if (!found.is_number_integer() || found.get<long long>() < 1) {
    Fail(Tr("Dateifelder", "Das Feld „version“ ist keine Formatversion (1, 2, ...)."));
  }
  if (found.get<long long>() > version) {
    Fail(Filled(Tr("Dateifelder",
                   "Die Datei stammt von einer neueren Programmversion (Formatversion %1; dieses Programm liest Version %2)."),
                {std::to_string(found.get<long long>()), std::to_string(version)}));
  }
}

Status CheckFileSize(std::uint64_t bytes, std::uint64_t maxBytes, const std::string& kind) {
  if (bytes <= maxBytes) return Done{};
  // Whole bytes grouped by three digits (a dot in German, a comma in English), so
  // that a small excess still shows.
  const auto grouped = [](std::uint64_t n) {
    const std::string mark = ShownDecimalSeparator() == ',' ? "." : ",";
    std::string digits = std::to_string(n);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, mark);
    return digits;
  };
  const auto megabytes = [](std::uint64_t n) { return static_cast<double>(n) / (1 << 20); };
  return Failure{"", Filled(Tr("Dateifelder", "Die Datei ist zu groß (%1 MB = %2 Bytes; eine %3 hat höchstens %4 MB = %5 Bytes)."),
                            {Format(megabytes(bytes), "#0.0"), grouped(bytes), kind, Format(megabytes(maxBytes), "#0"),
                             grouped(maxBytes)})};
}

}  // namespace lamvero::jsonfields
