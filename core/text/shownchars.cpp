#include "text/shownchars.h"

#include <cstdint>
#include <cstdio>

namespace lamvero {

namespace {

// One step through a text: a well-formed UTF-8 character (its code point and
// length), or a single stray byte (length 1, no code point).
struct Step {
  std::size_t length;
  std::optional<std::uint32_t> codePoint;
};

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The character at text[at], strictly as UTF-8 defines it: no overlong forms,
// no surrogates, nothing beyond U+10FFFF.
Step StepAt(std::string_view text, std::size_t at) {
  const auto c = static_cast<unsigned char>(text[at]);
  if (c < 0x80) return {1, c};
  std::size_t length = 0;
  std::uint32_t cp = 0;
  std::uint32_t least = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
    cp = c & 0x1Fu;
    least = 0x80;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    cp = c & 0x0Fu;
    least = 0x800;
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    cp = c & 0x07u;
    least = 0x10000;
  } else {
    return {1, std::nullopt};
  }
  if (at + length > text.size()) return {1, std::nullopt};
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if (!IsContinuation(next)) return {1, std::nullopt};
    cp = (cp << 6) | (next & 0x3Fu);
  }
  if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {1, std::nullopt};
  return {length, cp};
}

bool IsControl(std::uint32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F); }

std::string Hex(const char* format, unsigned value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

std::string ShownControl(std::uint32_t cp) {
  switch (cp) {
    case '\t': return "\\t";
    case '\n': return "\\n";
    case '\r': return "\\r";
    default: return Hex("U+%04X", cp);
  }
}

// The character that starts at text[at] as a message shows it, when it is not printable.
std::optional<Unprintable> UnprintableAt(std::string_view text, std::size_t at, const Step& step) {
  if (!step.codePoint) {
    return Unprintable{UnprintableKind::NotUtf8, Hex("\\x%02X", static_cast<unsigned char>(text[at]))};
  }
  if (IsControl(*step.codePoint)) return Unprintable{UnprintableKind::Control, ShownControl(*step.codePoint)};
  return std::nullopt;
}

}  // namespace

std::optional<Unprintable> FirstUnprintable(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const Step step = StepAt(text, at);
    if (std::optional<Unprintable> u = UnprintableAt(text, at, step)) return u;
    at += step.length;
  }
  return std::nullopt;
}

std::string ShownText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Step step = StepAt(text, at);
    if (const std::optional<Unprintable> u = UnprintableAt(text, at, step)) {
      shown += u->shown;
    } else {
      shown.append(text, at, step.length);
    }
    at += step.length;
  }
  return shown;
}

}  // namespace lamvero
