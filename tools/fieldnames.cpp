#include "tools/fieldnames.h"

#include <algorithm>
#include <vector>

#include "inputs/inputs.h"
#include "text/numberformat.h"
#include "text/trim.h"

namespace lamvero {

namespace {

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Edits (insert, delete, replace one character) that turn a into b.
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

}  // namespace

std::string FieldListing() {
  std::string out;
  for (const InputField& f : InputFields()) {
    std::string name = f.box;
    name.resize(std::max<std::size_t>(name.size(), 25), ' ');
    const std::string unit = *f.unit ? std::string(" ") + f.unit : "";
    out += "  " + name + WithoutTrailingBlanks(f.caption) + "\n  " + std::string(25, ' ') + "Einheit: " +
           (*f.unit ? f.unit : "keine") + "; Vorgabe: " + f.defaultText + "; üblich: " + FormatSignificant(f.usualMin, 6) + " bis " +
           FormatSignificant(f.usualMax, 6) + unit + "\n";
  }
  return out;
}

std::string SuggestField(const std::string& name) {
  const std::string wanted = Lower(name.rfind("txt_", 0) == 0 || name.rfind("TXT_", 0) == 0 ? name : "txt_" + name);
  std::string best;
  std::size_t bestDistance = 4;  // more edits than this is another word
  for (const InputField& f : InputFields()) {
    const std::size_t d = EditDistance(wanted, Lower(f.box));
    if (d < bestDistance) {
      bestDistance = d;
      best = f.box;
    }
  }
  return best;
}

}  // namespace lamvero
