#include "text/parseduration.h"

#include <cstddef>
#include <vector>

namespace lamvero {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The text's parts between colons, each a non-empty run of digits; empty if any is not.
std::vector<std::string_view> DigitParts(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t begin = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != ':') {
      if (text[i] < '0' || text[i] > '9') return {};
      continue;
    }
    if (i == begin) return {};
    parts.push_back(text.substr(begin, i - begin));
    begin = i + 1;
  }
  return parts;
}

double DigitsValue(std::string_view digits) {
  double value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

}  // namespace

std::optional<double> ParseDuration(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  const std::vector<std::string_view> parts = DigitParts(text);
  if (parts.size() != 2 && parts.size() != 3) return std::nullopt;
  // Hours are unlimited; minutes and seconds are written with two digits, below 60.
  double seconds = DigitsValue(parts[0]) * 3600;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const double part = DigitsValue(parts[i]);
    if (parts[i].size() != 2 || part >= 60) return std::nullopt;
    seconds += part * (i == 1 ? 60 : 1);
  }
  return seconds;
}

}  // namespace lamvero
