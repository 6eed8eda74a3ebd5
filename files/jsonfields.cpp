#include "files/jsonfields.h"

#include <cmath>
#include <limits>

#include "text/csvformat.h"
#include "text/numberformat.h"
#include "run/projectdata.h"
#include "text/shownchars.h"
#include "text/trim.h"

namespace lamvero::jsonfields {

void Fail(const std::string& message) { throw BadField(message); }

std::string Quoted(const std::string& path) {
  for (const InputField& f : InputFields()) {
    if (path == std::string("inputs.") + f.box) return "„" + WithoutTrailingBlanks(f.caption) + "“";
  }
  for (const ProjectField& f : ProjectFields()) {
    if (path == f.key) return "„" + std::string(f.caption) + "“";
  }
  return "„" + ShownText(path) + "“";
}

std::string Child(const std::string& path, const std::string& key) { return path.empty() ? key : path + "." + key; }

void ExpectObject(const json& j, const std::string& path) {
  if (!j.is_object()) Fail("Das Feld " + Quoted(path) + " ist kein Objekt.");
}

void ExpectKeys(const json& j, const std::string& path, std::initializer_list<const char*> required,
                std::initializer_list<const char*> optional) {
  ExpectObject(j, path);
  for (const auto& item : j.items()) {
    bool known = false;
    for (const char* k : required) known = known || item.key() == k;
    for (const char* k : optional) known = known || item.key() == k;
    if (!known) Fail("Unbekanntes Feld " + Quoted(Child(path, item.key())) + ".");
  }
  for (const char* k : required) {
    if (!j.contains(k)) Fail("Das Feld " + Quoted(Child(path, k)) + " fehlt.");
  }
}

const json& At(const json& j, const std::string& path, const char* key) {
  if (!j.contains(key)) Fail("Das Feld " + Quoted(Child(path, key)) + " fehlt.");
  return j.at(key);
}

std::string Text(const json& j, const std::string& path, std::size_t maxBytes, bool oneLine) {
  if (!j.is_string()) Fail("Das Feld " + Quoted(path) + " ist kein Text.");
  const std::string& t = j.get_ref<const std::string&>();
  if (t.size() > maxBytes) {
    Fail("Das Feld " + Quoted(path) + " ist zu lang (" + std::to_string(t.size()) + " Bytes, höchstens " +
         std::to_string(maxBytes) + ").");
  }
  if (oneLine) {
    for (unsigned char c : t) {
      if (c < 0x20) Fail("Das Feld " + Quoted(path) + " enthält einen Zeilenumbruch oder ein Steuerzeichen.");
    }
  }
  return t;
}

std::string JsonNumberText(double value) {
  return std::isfinite(value) ? CsvNumber(value, CsvDialect::Plain) : "null";
}

double NumberOrNull(const json& j, const std::string& path) {
  if (j.is_null()) return std::numeric_limits<double>::quiet_NaN();
  if (!j.is_number()) Fail("Das Feld " + Quoted(path) + " ist keine Zahl.");
  const double v = j.get<double>();
  if (!std::isfinite(v)) Fail("Das Feld " + Quoted(path) + " ist keine endliche Zahl.");
  return v;
}

long long Integer(const json& j, const std::string& path, long long min, long long max) {
  if (!j.is_number()) Fail("Das Feld " + Quoted(path) + " ist keine ganze Zahl.");
  const double v = j.get<double>();
  if (v < static_cast<double>(min) || v > static_cast<double>(max)) {
    Fail("Das Feld " + Quoted(path) + " liegt außerhalb von " + std::to_string(min) + " bis " + std::to_string(max) +
         ".");
  }
  if (!j.is_number_integer()) Fail("Das Feld " + Quoted(path) + " ist keine ganze Zahl.");
  return j.get<long long>();
}

bool Boolean(const json& j, const std::string& path) {
  if (!j.is_boolean()) Fail("Das Feld " + Quoted(path) + " ist kein Wahrheitswert (true oder false).");
  return j.get<bool>();
}

InputTexts ReadInputTexts(const json& j, const std::string& path, std::size_t maxBytes) {
  ExpectObject(j, path);
  InputTexts texts;
  for (const auto& item : j.items()) {
    if (!texts.set(item.key(), "")) Fail("Unbekanntes Eingabefeld " + Quoted(Child(path, item.key())) + ".");
  }
  for (const InputField& f : InputFields()) {
    texts[f.id] = Text(At(j, path, f.box), Child(path, f.box), maxBytes, true);
  }
  return texts;
}

void ExpectFormat(const json& j, const char* format, int version, const std::string& kind) {
  if (!j.is_object() || !j.contains("format") || j["format"] != format) {
    Fail("Die Datei ist keine Lamvero-" + kind + " (das Feld „format“ lautet nicht \"" + format + "\").");
  }
  const json& found = At(j, "", "version");
  if (!found.is_number_integer() || found.get<long long>() < 1) {
    Fail("Das Feld „version“ ist keine Formatversion (1, 2, ...).");
  }
  if (found.get<long long>() > version) {
    Fail("Die Datei stammt von einer neueren Programmversion (Formatversion " + std::to_string(found.get<long long>()) +
         "; dieses Programm liest Version " + std::to_string(version) + ").");
  }
}

Status CheckFileSize(std::uint64_t bytes, std::uint64_t maxBytes, const std::string& kind) {
  if (bytes <= maxBytes) return Done{};
  // Whole bytes with a dot every three digits, so that a small excess still shows.
  const auto grouped = [](std::uint64_t n) {
    std::string digits = std::to_string(n);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ".");
    return digits;
  };
  const auto megabytes = [](std::uint64_t n) { return static_cast<double>(n) / (1 << 20); };
  return Failure{"", "Die Datei ist zu groß (" + Format(megabytes(bytes), "#0.0") + " MB = " + grouped(bytes) +
                         " Bytes; eine " + kind + " hat höchstens " + Format(megabytes(maxBytes), "#0") +
                         " MB = " + grouped(maxBytes) + " Bytes)."};
}

}  // namespace lamvero::jsonfields
