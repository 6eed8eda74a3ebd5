#pragma once
// Captions as they are shown beside a value: some carry trailing blanks that
// lined them up in the window.

#include <string>

namespace lamvero {

// The text without its trailing blanks (spaces only).
std::string WithoutTrailingBlanks(std::string text);

}  // namespace lamvero
