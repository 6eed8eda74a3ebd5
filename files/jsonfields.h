#pragma once
// The checks a file reader makes on the fields of a JSON document: type,
// size, range, known and required keys, the file's format and version. A
// check that fails throws BadField with the message the user reads, naming
// the field by its dotted path; the reader catches it at its top and hands
// back the Failure, so that a file that fails gives nothing.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

#include "inputs/inputs.h"
#include "text/outcome.h"

namespace lamvero::jsonfields {

using nlohmann::json;

struct BadField : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& message);

// What the user calls the field at that path, in German quotes: an input box
// ("inputs.txt_Dicke") and a line of the project data by the caption the
// window gives them; any other field by its path, where a key from the file
// shows its control characters escaped.
std::string Quoted(const std::string& path);
std::string Child(const std::string& path, const std::string& key);

void ExpectObject(const json& j, const std::string& path);
// The object holds exactly the required keys and perhaps some of the optional ones.
void ExpectKeys(const json& j, const std::string& path, std::initializer_list<const char*> required,
                std::initializer_list<const char*> optional = {});
const json& At(const json& j, const std::string& path, const char* key);

std::string Text(const json& j, const std::string& path, std::size_t maxBytes, bool oneLine);
// A number as JSON text in its exact shortest form; null for NaN and infinities.
std::string JsonNumberText(double value);
// A finite number, or null for a value the run could not compute (NaN).
double NumberOrNull(const json& j, const std::string& path);
// A number beyond the range is named so whatever its form (1e300, 2^64, -3).
long long Integer(const json& j, const std::string& path, long long min, long long max);
bool Boolean(const json& j, const std::string& path);

// The 18 input texts by their box names, every one present, none unknown.
InputTexts ReadInputTexts(const json& j, const std::string& path, std::size_t maxBytes);

// The document is a file of this format ("format") in a version this program
// reads ("version"); `kind` names such a file ("Falldatei").
void ExpectFormat(const json& j, const char* format, int version, const std::string& kind);

// Refuses a file larger than such a file can be, showing both sizes.
Status CheckFileSize(std::uint64_t bytes, std::uint64_t maxBytes, const std::string& kind);

}  // namespace lamvero::jsonfields
