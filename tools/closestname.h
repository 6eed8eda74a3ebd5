#pragma once
// The known name a misspelt one most likely meant, for field names and
// option names alike.

#include <cstddef>
#include <string>
#include <vector>

namespace lamvero {

// Edits (insert, delete, replace one character) that turn a into b.
std::size_t EditDistance(const std::string& a, const std::string& b);

// The name among known with the fewest edits from word, letter case ignored;
// "" when every one needs more than maxEdits. The first of equally close names wins.
std::string ClosestName(const std::string& word, const std::vector<std::string>& known, std::size_t maxEdits);

}  // namespace lamvero
