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
      {"3\r\t\n", "3\\r\\t\\n"},
      {"3\x01", "3U+0001"},
      {"a\0b"s, "aU+0000b"},
      {"\x1b[31m", "U+001B[31m"},
      {"3\x7f", "3U+007F"},
      {"3\xC2\x85", "3U+0085"},        // NEL, a control of the second block
      {"3\xC2\x9F°", "3U+009F°"},
      {"35 \xB0" "C", "35 \\xB0C"},    // a Latin-1 degree sign
      {"\xE2\x82", "\\xE2\\x82"},      // a character cut short
      {"\xE2\x82" "€", "\\xE2\\x82€"},
      {"\xC0\xAF", "\\xC0\\xAF"},      // an overlong slash
      {"\xED\xA0\x80", "\\xED\\xA0\\x80"},  // a surrogate
      {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},  // beyond U+10FFFF
      {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},      // U+10FFFF itself
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShownText(c.text), c.shown) << c.shown;
  }
}

}  // namespace
}  // namespace lamvero
