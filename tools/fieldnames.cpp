#include "tools/fieldnames.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "inputs/inputs.h"
#include "text/language.h"
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
    const std::string unit = *f.unit ? Tr("Eingabefelder", f.unit) : "";
    out += "  " + name + WithoutTrailingBlanks(Tr("Eingabefelder", f.caption)) + "\n  " + std::string(25, ' ') +
           Filled(Tr("lamvero-batch", "Einheit: %1; Vorgabe: %2; üblich: %3 bis %4%5"),
                  {*f.unit ? unit : Tr("lamvero-batch", "keine"), ShownInputText(f.defaultText),
                   FormatSignificant(f.usualMin, 6), FormatSignificant(f.usualMax, 6), *f.unit ? " " + unit : ""}) +
           "\n";
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
  return Filled(Tr("lamvero-batch", "%1: %2 werden als %3 geschrieben (ohne Leerzeichen)."),
                {given, what, prefix + name + "=" + (value.empty() ? placeholder : shown)});
}

}  // namespace

std::string SpacedAssignmentHint(const std::string& name, const std::string& value) {
  return SpacedHint("", Tr("lamvero-batch", "Eingaben"), name, value, "TEXT");
}

std::string SpacedVaryHint(const std::string& name, const std::string& value) {
  const std::string hint = SpacedHint("--vary ", Tr("lamvero-batch", "Studienwerte"), name, value,
                                      Tr("lamvero-batch", "WERTE").c_str());
  if (hint.empty()) return hint;
  return hint + Filled(Tr("lamvero-batch", " Ein Bereich ist Anfang:Ende:Schritt (%1=20:40:5), eine Liste mit "
                                           "Semikolon ('%1=20;30')"),
                       {name});
}

}  // namespace lamvero
