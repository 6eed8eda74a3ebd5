#pragma once
// A user's text inside a message: control characters and bytes that are not
// UTF-8 are invisible or garble a terminal, so they are shown escaped.

#include <optional>
#include <string>
#include <string_view>

namespace lamvero {

// What stands where a text stops being plain, printable UTF-8.
enum class UnprintableKind {
  Control,  // a control character: U+0000..U+001F, U+007F (DEL), U+0080..U+009F
  NotUtf8,  // a byte that does not belong to a well-formed UTF-8 sequence
};

struct Unprintable {
  UnprintableKind kind;
  std::string shown;  // as ShownText shows it: "\r", "U+0001", "\xFF"
};

// The first control character or stray byte of text; nullopt for printable UTF-8.
std::optional<Unprintable> FirstUnprintable(std::string_view text);

// The text with every control character escaped ("\t", "\n", "\r", others as
// "U+0001") and every byte that is not UTF-8 as "\xFF"; the rest unchanged.
std::string ShownText(std::string_view text);

}  // namespace lamvero
