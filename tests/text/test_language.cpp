// The language switch of the model's texts: lookups, arguments, the decimal
// separator. Each test puts German back, the language of every other test.
#include <gtest/gtest.h>

#include <cstring>

#include "text/language.h"
#include "text/numberformat.h"

namespace lamvero {
namespace {

std::string Catalogue(const char* context, const char* german) {
  if (std::strcmp(context, "Probe") == 0 && std::strcmp(german, "Dicke %1 mm") == 0) return "thickness %1 mm";
  return {};
}

struct English : ::testing::Test {
  void SetUp() override { UseLanguage(Language::English, &Catalogue); }
  void TearDown() override { UseLanguage(Language::German, nullptr); }
};

TEST_F(English, LooksTextsUpAndKeepsTheGermanOfTextsTheCatalogueLacks) {
  EXPECT_EQ(Tr("Probe", "Dicke %1 mm"), "thickness %1 mm");
  EXPECT_EQ(Tr("Andere", "Dicke %1 mm"), "Dicke %1 mm");  // the context is part of the key
  UseLanguage(Language::German, &Catalogue);                // German never looks up
  EXPECT_EQ(Tr("Probe", "Dicke %1 mm"), "Dicke %1 mm");
}

TEST_F(English, NumbersAReaderSeesTakeTheDecimalPoint) {
  EXPECT_EQ(Format(-1234.5678, "#0.00"), "-1234.57");
  EXPECT_EQ(FormatSignificant(0.0045, 2), "0.0045");
  EXPECT_EQ(FormatSixDigits(2.5), "2.5");  // trailing zeros and the point itself go
  EXPECT_EQ(FormatSixDigits(40.0), "40");
  UseLanguage(Language::German, nullptr);
  EXPECT_EQ(Format(-1234.5678, "#0.00"), "-1234,57");
  EXPECT_EQ(FormatSixDigits(2.5), "2,5");
}

TEST_F(English, InputTextsShowThePointAndGoBackToTheCommaTheFilesKeep) {
  EXPECT_EQ(ShownInputText("1.850,5 kg"), "1,850.5 kg");
  EXPECT_EQ(CanonicalInputText("0.2"), "0,2");
  UseLanguage(Language::German, nullptr);
  EXPECT_EQ(ShownInputText("0,2"), "0,2");
  EXPECT_EQ(CanonicalInputText("0.2"), "0.2");
}

TEST(Filled, PlacesEachArgumentByItsNumberAndLeavesOtherPercentSigns) {
  EXPECT_EQ(Filled("%2 vor %1", {"a", "b"}), "b vor a");
  EXPECT_EQ(Filled("100 % von %1, %3 fehlt", {"x"}), "100 % von x, %3 fehlt");
  EXPECT_EQ(Filled("%1%1%", {"%2"}), "%2%2%");  // an argument is not read again
}

}  // namespace
}  // namespace lamvero
