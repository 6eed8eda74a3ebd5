#include "tools/closestname.h"

#include <algorithm>

namespace lamvero {

namespace {

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

std::size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::string ClosestName(const std::string& word, const std::vector<std::string>& known, std::size_t maxEdits) {
  const std::string wanted = Lower(word);
  std::string best;
  std::size_t bestDistance = maxEdits + 1;
  for (const std::string& name : known) {
    const std::size_t d = EditDistance(wanted, Lower(name));
    if (d < bestDistance) {
      bestDistance = d;
      best = name;
    }
  }
  return best;
}

}  // namespace lamvero
