#include "text/parsenumber.h"

#include <charconv>
#include <string>
#include <system_error>
#include <vector>

namespace lamvero {

namespace {

// Blanks, tabs and line breaks do not count anywhere in an input text.
bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsOctDigit(char c) { return c >= '0' && c <= '7'; }

// Hexadecimal digits to the nearest double; nullopt when beyond its range.
std::optional<double> FromHexDigits(const std::string& digits) {
  if (digits.empty()) return 0.0;
  double value = 0;
  const auto res =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::hex);
  if (res.ec != std::errc()) return std::nullopt;  // an integer can only overflow
  return value;
}

// Octal digits regrouped as hexadecimal ones (3 bits each to 4 bits each), so
// that the rounding of a long integer is the same correct rounding as above.
std::optional<double> FromOctDigits(const std::string& digits) {
  std::string bits;
  bits.reserve(digits.size() * 3 + 3);
  for (char c : digits) {
    const int d = c - '0';
    bits += (d & 4) ? '1' : '0';
    bits += (d & 2) ? '1' : '0';
    bits += (d & 1) ? '1' : '0';
  }
  bits.insert(0, (4 - bits.size() % 4) % 4, '0');
  static const char kHex[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bits.size() / 4);
  for (std::size_t i = 0; i < bits.size(); i += 4) {
    const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                       (bits[i + 3] - '0');
    hex += kHex[nibble];
  }
  return FromHexDigits(hex);
}

// The leading number of a text and where it ends.
struct Scan {
  bool found = false;           // the text starts with a number
  std::optional<double> value;  // nullopt: beyond the range of a double
  std::size_t end = 0;          // index in the original text just after the number
};

Scan Found(bool found, std::optional<double> value, std::size_t end) {
  Scan scan;
  scan.found = found;
  scan.value = value;
  scan.end = end;
  return scan;
}

// The text as the reader sees it: no blanks, every comma a decimal point;
// at[k] is where its character k stands in the original text, so that the
// number read from t[0..pos) ends at at[pos - 1] + 1 there.
struct ReaderText {
  std::string t;
  std::vector<std::size_t> at;
};

ReaderText AsReaderSeesIt(std::string_view text) {
  ReaderText r;
  r.t.reserve(text.size());
  r.at.reserve(text.size());
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (IsIgnored(text[k])) continue;
    r.t += (text[k] == ',') ? '.' : text[k];
    r.at.push_back(k);
  }
  return r;
}

// "&H1F" and "&O17": integers written in hexadecimal or octal.
Scan ScanRadix(const ReaderText& r) {
  const std::string& t = r.t;
  const std::size_t len = t.size();
  const char radix = t[1];
  std::string digits;
  std::size_t pos = 2;
  if (radix == 'H' || radix == 'h') {
    while (pos < len && IsHexDigit(t[pos])) digits += t[pos++];
    return Found(!digits.empty(), FromHexDigits(digits), r.at[pos - 1] + 1);
  }
  if (radix == 'O' || radix == 'o') {
    while (pos < len && IsOctDigit(t[pos])) digits += t[pos++];
    return Found(!digits.empty(), FromOctDigits(digits), r.at[pos - 1] + 1);
  }
  return Scan{};
}

// The digits of a decimal number as the reader found them.
struct DecimalDigits {
  bool negative = false;
  std::string intDigits, fracDigits, expDigits;
  bool expNegative = false;
};

// A number beyond the range of a double: either beyond the largest double or
// below the smallest. Decided by the decimal magnitude m of the number
// 0.d1d2... x 10^m.
Scan OutOfRange(const DecimalDigits& d, std::size_t end) {
  long long exponent = 0;
  for (char c : d.expDigits) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > 1000000000LL) break;  // far beyond either limit already
  }
  if (d.expNegative) exponent = -exponent;
  const std::size_t firstInt = d.intDigits.find_first_not_of('0');
  long long magnitude = exponent;
  if (firstInt != std::string::npos) {
    magnitude += static_cast<long long>(d.intDigits.size() - firstInt);
  } else {
    const std::size_t firstFrac = d.fracDigits.find_first_not_of('0');
    magnitude -= static_cast<long long>(firstFrac == std::string::npos ? 0 : firstFrac);
  }
  if (magnitude > 0) return Found(true, std::nullopt, end);  // too large for a double
  return Found(true, 0.0, end);                              // too small: reads as zero
}

// Decimal: sign, digits, one point, digits, exponent (E or D).
Scan ScanDecimal(const ReaderText& r) {
  const std::string& t = r.t;
  const std::size_t len = t.size();
  std::size_t pos = 0;
  DecimalDigits d;
  if (pos < len && (t[pos] == '+' || t[pos] == '-')) d.negative = t[pos++] == '-';
  while (pos < len && IsDigit(t[pos])) d.intDigits += t[pos++];
  if (pos < len && t[pos] == '.') {
    ++pos;
    while (pos < len && IsDigit(t[pos])) d.fracDigits += t[pos++];
  }
  if (d.intDigits.empty() && d.fracDigits.empty()) return Scan{};

  // An exponent letter counts only when digits follow it (after an optional sign).
  if (pos < len && (t[pos] == 'E' || t[pos] == 'e' || t[pos] == 'D' || t[pos] == 'd')) {
    std::size_t p = pos + 1;
    bool expNeg = false;
    if (p < len && (t[p] == '+' || t[p] == '-')) expNeg = t[p++] == '-';
    if (p < len && IsDigit(t[p])) {
      d.expNegative = expNeg;
      while (p < len && IsDigit(t[p])) d.expDigits += t[p++];
      pos = p;
    }
  }
  const std::size_t end = r.at[pos - 1] + 1;

  std::string buf;
  buf.reserve(d.intDigits.size() + d.fracDigits.size() + d.expDigits.size() + 5);
  if (d.negative) buf += '-';
  buf += d.intDigits.empty() ? "0" : d.intDigits;
  if (!d.fracDigits.empty()) buf += '.' + d.fracDigits;
  if (!d.expDigits.empty()) buf += std::string(d.expNegative ? "e-" : "e") + d.expDigits;

  double value = 0;
  const auto res = std::from_chars(buf.data(), buf.data() + buf.size(), value);
  if (res.ec == std::errc()) return Found(true, value + 0.0, end);  // + 0.0 turns a -0 into 0
  return OutOfRange(d, end);
}

Scan ScanNumber(std::string_view text) {
  const ReaderText r = AsReaderSeesIt(text);
  if (r.t.size() >= 2 && r.t[0] == '&') return ScanRadix(r);
  return ScanDecimal(r);
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  const Scan scan = ScanNumber(text);
  return scan.found ? scan.value : 0.0;
}

InputNumber ReadInputNumber(std::string_view text) {
  const Scan scan = ScanNumber(text);
  if (!scan.found) return {NumberReading::NoNumber, 0, {}};
  // After the number only blanks and a unit without digits may follow
  // ("35 °C", "60%"); a unit of letters needs a blank before it, or "2O"
  // (a letter O typed for a zero) would read as 2.
  const std::string_view rest = text.substr(scan.end);
  std::size_t first = 0;
  while (first < rest.size() && IsIgnored(rest[first])) ++first;
  const std::string_view unit = rest.substr(first);
  bool digitFree = true;
  for (char c : unit) digitFree = digitFree && !IsDigit(c);
  if (!unit.empty() && (!digitFree || (first == 0 && IsAsciiLetter(unit.front())))) {
    return {NumberReading::TrailingText, 0, std::string(unit)};
  }
  if (!scan.value) return {NumberReading::TooLarge, 0, {}};
  return {NumberReading::Number, *scan.value, std::string(unit)};
}

}  // namespace lamvero
