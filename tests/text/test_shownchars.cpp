#include <gtest/gtest.h>

#include <string>

#include "text/shownchars.h"

namespace lamvero {
namespace {

using namespace std::string_literals;

// Printable UTF-8 stays as it is; control characters and stray bytes are
// escaped one by one, and a well-formed character after them is kept whole.
TEST(ShownText, EscapesControlCharactersAndBytesThatAreNotUtf8) {
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"35 °C", "35 °C"},
      {"€ 😀 \u00A0x", "€ 😀 \u00A0x"},  // a no-break space is printable
      {"3\r", "3\\r"},
      {"\t3\n", "\\t3\\n"},
      {"3\x01", "3U+0001"},
      {"a\0b"s, "aU+0000b"},
      {"\x1b[31m", "U+001B[31m"},
      {"3\x7f", "3U+007F"},
      {"3\xC2\x85", "3U+0085"},        // NEL, a control of the second block
      {"3\xC2\x9F°", "3U+009F°"},
      {"35 \xB0" "C", "35 \\xB0C"},    // a Latin-1 degree sign
      {"\xFF\xFE", "\\xFF\\xFE"},
      {"\xE2\x82", "\\xE2\\x82"},      // a character cut short
      {"\xE2\x82" "€", "\\xE2\\x82€"},
      {"\xC0\xAF", "\\xC0\\xAF"},      // an overlong slash
      {"\xE0\x80\xAF", "\\xE0\\x80\\xAF"},
      {"\xED\xA0\x80", "\\xED\\xA0\\x80"},  // a surrogate
      {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},  // beyond U+10FFFF
      {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},      // U+10FFFF itself
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShownText(c.text), c.shown) << c.shown;
  }
}

TEST(ShownText, FindsTheFirstUnprintableCharacterWithItsKindAndOffset) {
  EXPECT_FALSE(FirstUnprintable("20,0 mm °C € 😀"));
  EXPECT_FALSE(FirstUnprintable(""));

  const std::optional<Unprintable> cr = FirstUnprintable("°3\r\xFF");
  ASSERT_TRUE(cr);
  EXPECT_EQ(cr->kind, UnprintableKind::Control);
  EXPECT_EQ(cr->at, 3u);
  EXPECT_EQ(cr->shown, "\\r");

  const std::optional<Unprintable> stray = FirstUnprintable("35 \xB0\x01");
  ASSERT_TRUE(stray);
  EXPECT_EQ(stray->kind, UnprintableKind::NotUtf8);
  EXPECT_EQ(stray->at, 3u);
  EXPECT_EQ(stray->shown, "\\xB0");

  const std::optional<Unprintable> del = FirstUnprintable("x\x7f");
  ASSERT_TRUE(del);
  EXPECT_EQ(del->kind, UnprintableKind::Control);
  EXPECT_EQ(del->shown, "U+007F");
}

}  // namespace
}  // namespace lamvero
