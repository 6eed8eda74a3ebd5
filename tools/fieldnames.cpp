#include "tools/fieldnames.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "inputs/inputs.h"
#include "text/numberformat.h"
#include "text/shownchars.h"
#include "text/trim.h"
#include "tools/closestname.h"

namespace lamvero {

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
  // A number or a sign ("25", "-3") is a value, not a misspelt name.
  if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0]))) return "";
  const bool prefixed = name.rfind("txt_", 0) == 0 || name.rfind("TXT_", 0) == 0;
  return ClosestName(prefixed ? name : "txt_" + name, FieldNames(), 3);  // more edits than this is another word
}

std::vector<std::string> FieldNames() {
  std::vector<std::string> names;
  for (const InputField& f : InputFields()) names.push_back(f.box);
  return names;
}

namespace {

// "NAME VALUE: WHAT werden als PREFIXNAME=VALUE geschrieben (ohne Leerzeichen)."
std::string SpacedHint(const std::string& prefix, const std::string& what, const std::string& name,
                       const std::string& value, const char* placeholder) {
  const std::vector<std::string> names = FieldNames();
  if (std::find(names.begin(), names.end(), name) == names.end()) return "";
  const std::string shown = ShownText(value);
  const std::string given = prefix + (value.empty() ? name : name + " " + shown);
  return given + ": " + what + " werden als " + prefix + name + "=" + (value.empty() ? placeholder : shown) +
         " geschrieben (ohne Leerzeichen).";
}

}  // namespace

std::string SpacedAssignmentHint(const std::string& name, const std::string& value) {
  return SpacedHint("", "Eingaben", name, value, "TEXT");
}

std::string SpacedVaryHint(const std::string& name, const std::string& value) {
  const std::string hint = SpacedHint("--vary ", "Studienwerte", name, value, "WERTE");
  if (hint.empty()) return hint;
  return hint + " Ein Bereich ist Anfang:Ende:Schritt (" + name + "=20:40:5), eine Liste mit Semikolon ('" + name +
         "=20;30')";
}

}  // namespace lamvero
