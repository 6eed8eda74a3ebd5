#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "text/parsenumber.h"

namespace lamvero {
namespace {

TEST(ParseNumber, ReadsTheLeadingNumberLikeTheInputBoxes) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"20,0", 20},   {"20.0", 20},      {"1.850", 1.85},     {"1,850", 1.85},  {"35 °C", 35},
      {"abc", 0},     {"", 0},           {"&H1F", 31},        {"&h1f", 31},     {"&O17", 15},
      {"1D2", 100},   {"1d-2", 0.01},    {"1e2", 100},        {" 2 0", 20},     {"-0,5", -0.5},
      {"+3", 3},      {".5", 0.5},       {"1E+", 1},          {"2e-x", 2},      {"1.2.3", 1.2},
      {"- 1 E 2", -100}, {"\t1\r\n2", 12}, {"--5", 0},     {"&H", 0},        {"&O8", 0},
  };
  for (const auto& c : cases) {
    const auto v = ParseNumber(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    // Exact: a decimal text is read to the nearest double, like a literal.
    EXPECT_EQ(*v, c.value) << c.text;
  }
}

TEST(ParseNumber, NumbersBeyondTheRangeOfADoubleCannotBeRead) {
  EXPECT_FALSE(ParseNumber("1E400").has_value());
  EXPECT_FALSE(ParseNumber("-1E400").has_value());
  EXPECT_FALSE(ParseNumber("1" + std::string(309, '0')).has_value());
  EXPECT_FALSE(ParseNumber("&H" + std::string(300, 'F')).has_value());
  EXPECT_FALSE(ParseNumber("&O" + std::string(400, '7')).has_value());
  EXPECT_FALSE(ParseNumber("0,00001E99999999999999999999").has_value());

  // Still in range, however written.
  EXPECT_EQ(ParseNumber("1" + std::string(308, '0')), 1e308);
  EXPECT_EQ(ParseNumber("0," + std::string(400, '0') + "1E401"), 1.0);
  EXPECT_EQ(ParseNumber("&O1" + std::string(20, '0')), std::ldexp(1.0, 60));

  // Underflow reads as zero (or the denormal), never as an error.
  for (const char* tiny : {"1E-400", "-1E-400", "4E-320", "1E-99999999999999999999"}) {
    const auto v = ParseNumber(tiny);
    ASSERT_TRUE(v.has_value()) << tiny;
    EXPECT_LT(std::fabs(*v), 1e-300) << tiny;
  }
}

TEST(ParseNumber, RandomTextsNeverGiveANonFiniteValue) {
  std::mt19937 rng(20261208);
  const std::string alphabet = "0123456789012345,.+-eEdD &HhOoAaFf\t\n";
  std::uniform_int_distribution<int> byte(0, 255), pick(0, static_cast<int>(alphabet.size()) - 1),
      length(0, 40);
  for (int k = 0; k < 200000; ++k) {
    std::string text;
    const int n = length(rng);
    for (int i = 0; i < n; ++i) {
      text += (k % 2 == 0) ? static_cast<char>(byte(rng)) : alphabet[static_cast<std::size_t>(pick(rng))];
    }
    const auto v = ParseNumber(text);
    if (v.has_value()) {
      ASSERT_TRUE(std::isfinite(*v)) << text;
    }
  }
}

// An input box holds a number and at most its unit: text that is no number,
// or that spoils the number after it, is not read as one.
TEST(ReadInputNumber, TakesANumberWithItsUnitAndNothingElse) {
  const struct {
    const char* text;
    NumberReading reading;
    double value;
  } cases[] = {
      {"35 °C", NumberReading::Number, 35},       {"35°C", NumberReading::Number, 35},
      {"60%", NumberReading::Number, 60},         {"20,0 mm", NumberReading::Number, 20},
      {" 1.850 ", NumberReading::Number, 1.85},   {"1,5E-3", NumberReading::Number, 0.0015},
      {"50 W/(m² K)", NumberReading::Number, 50}, {"&H1F", NumberReading::Number, 31},
      {"2 0", NumberReading::Number, 20},         {"1E+", NumberReading::TrailingText, 0},
      {"abc", NumberReading::NoNumber, 0},        {"", NumberReading::NoNumber, 0},
      {"   ", NumberReading::NoNumber, 0},        {"-", NumberReading::NoNumber, 0},
      {",", NumberReading::NoNumber, 0},          {"&H", NumberReading::NoNumber, 0},
      {"&Q1", NumberReading::NoNumber, 0},        {"2O", NumberReading::TrailingText, 0},
      {"20x5", NumberReading::TrailingText, 0},   {"1.850,5", NumberReading::TrailingText, 0},
      {"20 mm 5", NumberReading::TrailingText, 0}, {"1.2.3", NumberReading::TrailingText, 0},
      {"20mm", NumberReading::TrailingText, 0},   {"1E400", NumberReading::TooLarge, 0},
      {"1E400 K", NumberReading::TooLarge, 0},    {"1E400x", NumberReading::TrailingText, 0},
  };
  for (const auto& c : cases) {
    const InputNumber n = ReadInputNumber(c.text);
    EXPECT_EQ(n.reading, c.reading) << c.text;
    EXPECT_EQ(n.value, c.value) << c.text;
  }
  EXPECT_EQ(ReadInputNumber("2O").rest, "O");
  EXPECT_EQ(ReadInputNumber("35  °C").rest, "°C");
}

// Wherever the strict reader takes a number, it is the number the boxes have
// always read.
TEST(ReadInputNumber, AgreesWithParseNumberOnEveryNumberItTakes) {
  std::mt19937 rng(4711);
  const std::string alphabet = "0123456789,.+-eEdD &HhOo%°Cmx";
  for (int n = 0; n < 200000; ++n) {
    std::string text;
    for (int k = std::uniform_int_distribution<int>(0, 8)(rng); k > 0; --k) {
      text += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
    }
    const InputNumber strict = ReadInputNumber(text);
    if (strict.reading != NumberReading::Number) continue;
    ASSERT_EQ(ParseNumber(text), strict.value) << text;
  }
}

}  // namespace
}  // namespace lamvero
