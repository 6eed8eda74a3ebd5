#include "text/numberformat.h"

#include "text/language.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace lamvero {

namespace {

// Number of decimals of a pattern: the '0' after the '.'.
int DecimalsOf(const char* pattern) {
  if (pattern == nullptr) return 0;
  const char* point = std::strchr(pattern, '.');
  if (point == nullptr) return 0;
  int decimals = 0;
  for (const char* p = point + 1; *p != '\0'; ++p) {
    if (*p == '0') ++decimals;
  }
  return decimals;
}

}  // namespace

// A value that cannot be written (NaN or infinite) gives "-", the window's
// text for "no value".
std::string Format(double value, const char* pattern) {
  if (!std::isfinite(value)) return "-";
  const int decimals = DecimalsOf(pattern);

  // The value with 15 significant digits: d.dddddddddddddde±x, locale-free.
  char sci[32];
  const auto res = std::to_chars(sci, sci + sizeof sci, std::fabs(value),
                                 std::chars_format::scientific, 14);
  *res.ptr = '\0';
  std::string digits;  // the 15 significant digits
  const char* p = sci;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits += *p;
  }
  const int exponent = std::atoi(p + 1);

  // |value| * 10^decimals = digits * 10^shift; round the digit string there,
  // halves away from zero.
  const int shift = exponent - 14 + decimals;
  std::string scaled;  // the rounded integer |value| * 10^decimals
  if (shift >= 0) {
    scaled = digits + std::string(static_cast<std::size_t>(shift), '0');
  } else {
    const int keep = 15 + shift;
    if (keep < 0) {
      scaled = "0";
    } else {
      const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
      scaled = (keep == 0) ? "0" : digits.substr(0, static_cast<std::size_t>(keep));
      if (up) {
        int i = static_cast<int>(scaled.size()) - 1;
        while (i >= 0 && scaled[static_cast<std::size_t>(i)] == '9') {
          scaled[static_cast<std::size_t>(i)] = '0';
          --i;
        }
        if (i < 0) {
          scaled.insert(0, 1, '1');
        } else {
          ++scaled[static_cast<std::size_t>(i)];
        }
      }
    }
  }

  // At least one integer digit; a zero result shows no sign.
  const std::size_t first = scaled.find_first_not_of('0');
  const bool zero = first == std::string::npos;
  scaled = zero ? std::string() : scaled.substr(first);
  if (scaled.size() < static_cast<std::size_t>(decimals) + 1) {
    scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');
  }
  if (decimals > 0) scaled.insert(scaled.size() - static_cast<std::size_t>(decimals), 1, ShownDecimalSeparator());
  if (value < 0 && !zero) scaled.insert(0, 1, '-');
  return scaled;
}

// Negative, NaN or infinite durations (never met in a run) give "-".
std::string FormatDuration(double seconds) {
  const double r = std::nearbyint(seconds);  // halves to even
  if (!(r >= 0) || r >= 9.2e18) return "-";
  const std::int64_t total = static_cast<std::int64_t>(r);
  const std::int64_t s = total % 60;
  const std::int64_t m = (total / 60) % 60;
  const std::int64_t h = total / 3600;
  std::string text = " " + std::to_string(h) + ":";
  text += static_cast<char>('0' + m / 10);
  text += static_cast<char>('0' + m % 10);
  text += ':';
  text += static_cast<char>('0' + s / 10);
  text += static_cast<char>('0' + s % 10);
  return text;
}

std::string FormatClock(double seconds) { return FormatDuration(std::floor(seconds + 0.5)); }

std::string FormatSignificant(double value, int digits) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
  std::string text = buffer;
  for (char& ch : text) {
    if (ch == '.') ch = ShownDecimalSeparator();
  }
  return text;
}

std::string FormatSixDigits(double value) {
  if (!std::isfinite(value)) return "";
  // Six significant digits before the last decimal, at most eight decimals.
  const int magnitude = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
  const int decimals = std::clamp(5 - magnitude, 0, 8);
  std::string text = Format(value, ("#0." + std::string(static_cast<std::size_t>(decimals), '0')).c_str());
  if (text.find(ShownDecimalSeparator()) != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == ShownDecimalSeparator()) text.pop_back();
  }
  return text;
}

}  // namespace lamvero
