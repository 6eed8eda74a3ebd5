#include "study/studyshard.h"

#include <charconv>

#include "text/language.h"
#include "text/shownchars.h"

namespace lamvero {

namespace {

std::optional<std::size_t> WholeNumber(std::string_view text) {
  std::size_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

Outcome<StudyShard> ReadStudyShard(std::string_view text) {
  const std::string shown = "--shard " + ShownText(text);
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return Failure{shown, Tr("Studie", "erwartet K/N, z. B. --shard 2/3")};
  const std::optional<std::size_t> k = WholeNumber(text.substr(0, slash));
  const std::optional<std::size_t> n = WholeNumber(text.substr(slash + 1));
  if (!k || !n) return Failure{shown, Tr("Studie", "K und N müssen ganze Zahlen sein, z. B. --shard 2/3")};
  if (*n < 1 || *k < 1 || *k > *n) {
    return Failure{shown, Filled(Tr("Studie", "K zählt von 1 bis N (Teil 1 bis %1)"), {std::to_string(*n)})};
  }
  return StudyShard{*k, *n};
}

}  // namespace lamvero
