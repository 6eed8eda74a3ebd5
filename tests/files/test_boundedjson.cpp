// The bounded JSON reader: each bound stops it at the first value beyond it,
// empty objects and lists and field names count, a field named twice is
// refused, and whatever stays within the bounds reads as the plain parser reads it.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "files/boundedjson.h"

namespace lamvero {
namespace {

using nlohmann::json;

// Small bounds, so that each case sits just at or just beyond one of them.
constexpr JsonBounds kSmall{3, 5, 4, 4, 8, 20, 12};

std::string Refusal(const std::string& text) {
  const Outcome<json> read = ReadBoundedJson(text, kSmall);
  EXPECT_FALSE(read) << text;
  return read ? std::string() : read.message();
}

TEST(BoundedJson, EachBoundStopsTheReaderJustBeyondIt) {
  struct Case {
    const char* text;
    const char* mention;
  };
  const std::vector<Case> cases = {
      {"[[[[]]]]", "zu tief verschachtelt (mehr als 3 Ebenen bei „0.0.0“)"},
      {R"({"a": {"b": [{}]}})", "zu tief verschachtelt (mehr als 3 Ebenen bei „a.b.0“)"},
      {"[1, 2, 3, 4, 5, 6]", "zu viele Werte (mehr als 5)"},
      {"[[], [], [], []]", "zu viele Objekte und Listen (mehr als 4)"},
      {"[{}, {}, {}, {}]", "zu viele Objekte und Listen"},
      {R"({"a": {}, "b": {}, "c": {}, "d": {}})", "zu viele Objekte und Listen"},
      {R"(["12345678", "1234567", {"abcdef": 1}])", "zu viel Text (mehr als 20 Bytes)"},
      {R"({"a": 1, "b": 2, "c": 3, "d": 4, "e": 5})", "zu viele Feldnamen (mehr als 4)"},
      {R"([{"a": 1, "b": 1}, {"a": 1, "b": 1, "c": 1}])", "zu viele Feldnamen"},
      {R"({"a": [1, {"b": "123456789"}]})", "Der Text bei „a.1.b“ ist zu lang (9 Bytes, höchstens 8)"},
      {R"({"a": {"123456789": 1}})", "Ein Feldname in „a“ ist zu lang (9 Bytes"},
      {"[1, 1234567890123]", "Zeile 1, Spalte 5: ein Text oder eine Zahl ist zu lang (mehr als 12 Bytes)"},
      {R"(["12345678901\"3"])", "Zeile 1, Spalte 2: ein Text"},
      {"[1,\n truefalsetrue]", "Zeile 2, Spalte 2:"},
      {R"({"a": {"b": 1, "b": 2}})", "Das Feld „a.b“ steht zweimal in der Datei."},
      {"{\"x\\u0001\\t\": {\"k\": 1, \"k\": 2}}", "Das Feld „xU+0001\\t.k“ steht zweimal"},
      {"[1, 2", "Zeile 1, Spalte 6: kein gültiges JSON."},
      {"\"123456789\"", "Der Text ist zu lang"},
      {"[1] [2]", "kein gültiges JSON"},
  };
  for (const Case& c : cases) {
    const std::string refusal = Refusal(c.text);
    EXPECT_NE(refusal.find(c.mention), std::string::npos) << c.text << "\n" << refusal;
  }
}

// Where a text stops being JSON is told as an editor shows it: lines and
// columns from 1, a column counted in characters (ü and ° are two bytes each);
// the place is the character the parser stopped at.
TEST(BoundedJson, AnErrorIsPlacedByLineAndColumnInCharacters) {
  EXPECT_EQ(PlaceInText("abc", 0), "Zeile 1, Spalte 1");
  EXPECT_EQ(PlaceInText("ab\ncd", 3), "Zeile 2, Spalte 1");
  EXPECT_EQ(PlaceInText("ab\ncd\n\nxyz", 9), "Zeile 4, Spalte 3");
  EXPECT_EQ(PlaceInText("{\n \"Grüße°\": x", 16), "Zeile 2, Spalte 12");
  EXPECT_EQ(Refusal("{\"a\": 1,\n  \"ä\": tru}"), "Zeile 2, Spalte 11: kein gültiges JSON.");
}

TEST(BoundedJson, AFieldIsNamedAsTheCallerNamesIt) {
  const FieldNamer name = [](const std::string& path) { return path == "a.b" ? std::string("„Bee“") : "„" + path + "“"; };
  EXPECT_EQ(ReadBoundedJson(R"({"a": {"b": 1, "b": 2}})", kSmall, name).message(),
            "Das Feld „Bee“ steht zweimal in der Datei.");
  EXPECT_EQ(ReadBoundedJson(R"({"a": {"b": "123456789"}})", kSmall, name).message(),
            "Der Text bei „Bee“ ist zu lang (9 Bytes, höchstens 8).");
}

TEST(BoundedJson, TextsAtTheBoundsReadAsThePlainParserReadsThem) {
  for (const char* text : {
           "[[[]]]",                                          // three deep
           "[1, 2.5, null, true, \"12345678\"]",              // five values, the longest text
           R"(["12345678", "1234567", {"abcde": 1}])",        // twenty bytes of text
           R"([[], {"a": [], "b": 1, "c": 2, "d": 3}])",       // four objects and lists, four names
           R"({"a": 1, "b": {"a": 2, "b": 3}})",              // the same names in different objects
           R"(["\"\"\"\"\""])",                               // ten bytes written, five read
           "  {\"12345678\" : -1.5e+300}  ",                   // the longest name
       }) {
    const Outcome<json> read = ReadBoundedJson(text, kSmall);
    ASSERT_TRUE(read) << text << ": " << read.message();
    EXPECT_EQ(read.value(), json::parse(text)) << text;
  }
}

}  // namespace
}  // namespace lamvero
