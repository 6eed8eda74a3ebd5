#pragma once
// Reading a duration the way the window writes one: "h:mm:ss" (hours
// unlimited), or "h:mm" without the seconds.

#include <optional>
#include <string_view>

namespace lamvero {

// The duration in seconds; std::nullopt for a text that is no such duration
// (minutes or seconds beyond 59, a sign, a missing or extra part, other characters).
// Blanks around the text are ignored.
std::optional<double> ParseDuration(std::string_view text);

}  // namespace lamvero
