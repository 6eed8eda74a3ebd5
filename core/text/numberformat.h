#pragma once
// How numbers and durations become window texts: decimal comma in German,
// decimal point in English (text/language.h).

#include <string>

namespace lamvero {

// Fixed-decimal pattern "#0", "#0.0", "#0.00", "#0.000" or "#0.0000": at least
// one integer digit, exactly that many decimals, no grouping, decimal comma.
// Halves away from zero, the half judged on the value written with 15
// significant digits; a value that rounds to zero shows no minus sign.
std::string Format(double value, const char* pattern);

// At most `digits` significant digits, as printf's %g writes them, with a
// decimal comma: 2,3 or 0,0045 or 1,85e+06.
std::string FormatSignificant(double value, int digits);

// A number for a reader: six significant digits (at most eight decimals),
// fixed, decimal comma, no trailing zeros; empty for a value that is not finite.
std::string FormatSixDigits(double value);

// Seconds to " h:mm:ss" (one leading blank, hours unlimited), rounding the
// seconds halves to even.
std::string FormatDuration(double seconds);

// The window's running clock: FormatDuration of the seconds rounded halves up
// (22000,5 s is " 6:06:41").
std::string FormatClock(double seconds);

}  // namespace lamvero
