// The texts a search gives its runs and the texts a user takes over.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "study/inputtext.h"
#include "study/searchscale.h"
#include "text/parsenumber.h"

namespace lamvero {
namespace {

// A search's run must compute with the very double the search chose: its
// text reads back bit for bit, over the whole range of doubles.
TEST(InputText, ExactTextReadsBackTheSameDouble) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    double value = 0;
    const std::uint64_t bits = random();
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    const std::string text = ExactInputText(value);
    const InputNumber read = ReadInputNumber(text);
    ASSERT_EQ(read.reading, NumberReading::Number) << text;
    ASSERT_EQ(read.value, value) << text;
  }
}

TEST(InputText, TakenOverValuesAreWrittenAsAUserTypesThem) {
  EXPECT_EQ(InputTextOf(37.812549), "37,8125");
  EXPECT_EQ(InputTextOf(-4.5), "-4,5");
  InputTexts base = InputTexts::Defaults();
  const InputTexts texts = WithInputValues(base, {Input::Feuchteleit, Input::Lufttemp}, {31.25, 40.0 / 3},
                                           ValueText::AsTyped);
  EXPECT_EQ(texts[Input::Feuchteleit], "31,25");
  EXPECT_EQ(texts[Input::Lufttemp], "13,3333");
  EXPECT_EQ(texts[Input::Dicke], base[Input::Dicke]);
}

// A search's coordinate covers the bounds exactly and no further; a span of
// a decade or more is logarithmic, so its middle is the geometric mean.
TEST(SearchScale, MapsTheBoundsOntoTheUnitInterval) {
  const SearchScale linear(30, 60), decades(1, 100);
  EXPECT_FALSE(linear.logarithmic());
  EXPECT_TRUE(decades.logarithmic());
  EXPECT_EQ(linear.fromUnit(0), 30);
  EXPECT_EQ(linear.fromUnit(1), 60);
  EXPECT_DOUBLE_EQ(linear.fromUnit(0.5), 45);
  EXPECT_DOUBLE_EQ(decades.fromUnit(0.5), 10);
  EXPECT_EQ(decades.fromUnit(1.5), 100);
  EXPECT_EQ(linear.toUnit(20), 0);
  EXPECT_DOUBLE_EQ(decades.toUnit(decades.fromUnit(0.3)), 0.3);
}

}  // namespace
}  // namespace lamvero
