#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inputs/plausibility.h"

namespace lamvero {
namespace {

TEST(UnusualInputs, DefaultsAndRangeEndsGiveNoWarning) {
  EXPECT_TRUE(FindUnusualInputs(InputTexts::Defaults()).empty());
  InputTexts t = InputTexts::Defaults();
  t[Input::Dicke] = "100 mm";
  t[Input::rhos] = "1400";
  EXPECT_TRUE(FindUnusualInputs(t).empty());
}

// Values a brick dryer never sees, each named with its value and usual range.
TEST(UnusualInputs, NameTheFieldItsValueAndTheUsualRange) {
  const struct {
    Input field;
    const char* text;
    const char* message;
  } cases[] = {
      {Input::rhos, "1,85",
       "„Dichte der getrockneten Masse in kg/m³“: 1,85 kg/m³ liegt außerhalb des üblichen Bereichs von 1400 kg/m³ "
       "bis 2300 kg/m³."},
      {Input::Lufttemp, "120", "„Ablufttemperatur in °C“: 120 °C liegt außerhalb des üblichen Bereichs von 20 °C bis 60 °C."},
      {Input::ThetaEinf, "-273", "-273 °C liegt außerhalb"},
      {Input::Waermeuebergang, "1E9", "1e+09 W/(m² K) liegt außerhalb des üblichen Bereichs von 5 W/(m² K)"},
      {Input::Dicke, "300", "300 mm liegt außerhalb des üblichen Bereichs von 3 mm bis 100 mm."},
      {Input::mue, "0,5", "„Diff.-Widerstandszahl der trockenen Masse“: 0,5 liegt außerhalb des üblichen Bereichs von 5 bis 50."},
  };
  for (const auto& c : cases) {
    InputTexts t = InputTexts::Defaults();
    t[c.field] = c.text;
    const std::vector<InputWarning> w = FindUnusualInputs(t);
    ASSERT_EQ(w.size(), 1u) << c.text;
    EXPECT_EQ(w[0].field, c.field);
    EXPECT_NE(w[0].text.find(c.message), std::string::npos) << w[0].text;
  }
}

// What is no number is the input check's business, not a warning.
TEST(UnusualInputs, TextsThatAreNoNumberAreLeftToTheCheck) {
  InputTexts t = InputTexts::Defaults();
  t[Input::Dicke] = "abc";
  t[Input::rhos] = "2O";
  EXPECT_TRUE(FindUnusualInputs(t).empty());
}

}  // namespace
}  // namespace lamvero
