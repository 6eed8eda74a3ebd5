#pragma once
// JSON read into a document within bounds: the reader stops at the first
// bound a text exceeds, so that a hostile or broken file takes time in
// proportion to its size and no more memory than the largest sound one. Every
// value, every object and list (empty ones too), every field name and every
// byte of text is counted; a field name that appears twice in one object is
// refused.

#include <cstddef>
#include <nlohmann/json.hpp>
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

// The document, or why not: the reason names the field where there is one
// (a dotted path, list elements by their index), control characters escaped.
Outcome<nlohmann::json> ReadBoundedJson(std::string_view text, const JsonBounds& bounds);

}  // namespace lamvero
