#pragma once
// JSON read into a document within bounds: the reader stops at the first
// bound a text exceeds, so that a hostile or broken file takes time in
// proportion to its size and no more memory than the largest sound one. Every
// value, every object and list (empty ones too), every field name and every
// byte of text is counted; a field name that appears twice in one object is
// refused.

#include <cstddef>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "text/outcome.h"

namespace lamvero {

struct JsonBounds {
  int maxDepth;                  // objects and lists nested in one another
  std::size_t maxValues;         // numbers, texts, true, false and null
  std::size_t maxContainers;     // objects and lists
  std::size_t maxKeys;           // field names, all objects together
  std::size_t maxStringBytes;    // a text or a field name, as read
  std::size_t maxTextBytes;      // all texts and field names together, as read
  std::size_t maxTokenBytes;     // a text (escapes and quotes included) or a number, as written
};

// How a message names the field at a dotted path, quotes included: „Bemerkung“.
using FieldNamer = std::function<std::string(const std::string& path)>;

// The document, or why not: the reason names the field where there is one,
// by `fieldName`, or else by its path in quotes (a dotted path, list elements
// by their index, control characters escaped); where the text is no JSON or a
// token too long, the failure's place is its line and column ("Zeile 3,
// Spalte 14").
Outcome<nlohmann::json> ReadBoundedJson(std::string_view text, const JsonBounds& bounds,
                                        const FieldNamer& fieldName = nullptr);

// The line and column of a byte of the text, both from 1, the column in
// characters: "Zeile 3, Spalte 14".
std::string PlaceInText(std::string_view text, std::size_t byte);

}  // namespace lamvero
