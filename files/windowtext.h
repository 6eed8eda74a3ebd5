#pragma once
// A text the window showed, as files keep it. The window writes its numbers
// with the decimal separator of the language; a file keeps them with the
// decimal comma whatever the language, so that a file written in English is
// byte for byte the one written in German. Only number-like texts (digits,
// separators, signs, a clock's colons) are turned; words stay as they are.

#include <string>

namespace lamvero {

// The window's text with the decimal comma, as a file keeps it.
std::string FileWindowText(const std::string& shown);

// A file's text as the window shows it in the current language.
std::string ShownWindowText(const std::string& kept);

}  // namespace lamvero
