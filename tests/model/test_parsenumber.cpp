#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "model/parsenumber.h"

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

}  // namespace
}  // namespace lamvero
