#include "files/windowtext.h"

#include "text/language.h"

namespace lamvero {

namespace {

// A number, a duration or "<0,01": nothing but digits and the marks around them.
bool NumberLike(const std::string& text) {
  for (const char c : text) {
    const bool digit = c >= '0' && c <= '9';
    if (!digit && std::string(" ,.-+:<>e").find(c) == std::string::npos) return false;
  }
  return true;
}

}  // namespace

std::string FileWindowText(const std::string& shown) {
  return NumberLike(shown) ? CanonicalInputText(shown) : shown;
}

std::string ShownWindowText(const std::string& kept) { return NumberLike(kept) ? ShownInputText(kept) : kept; }

}  // namespace lamvero
