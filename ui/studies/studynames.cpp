#include "ui/studies/studynames.h"

#include <cmath>
#include <cstring>

#include "study/casesummary.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "text/trim.h"

namespace lamvero {

namespace {

// The caption up to its last " in ", when what follows names the unit (a
// duration's "h:mm:ss" included); the caption whole otherwise.
std::string NameOf(const std::string& caption, const std::string& unit, bool duration) {
  std::string name = WithoutTrailingBlanks(caption);
  const std::size_t in = name.rfind(" in ");
  if (in == std::string::npos) return name;
  const std::string rest = name.substr(in + 4);
  const bool namesUnit = (!unit.empty() && rest.compare(0, unit.size(), unit) == 0) ||
                         (duration && rest.find("h:mm:ss") != std::string::npos);
  return namesUnit ? name.substr(0, in) : name;
}

// A result in "1" is a pure number.
std::string ShownUnit(const char* unit) { return std::strcmp(unit, "1") == 0 ? std::string() : unit; }

}  // namespace

NamedUnit InputNaming(Input field) {
  const InputField& f = FieldOf(field);
  return NamedUnit{NameOf(Tr("Eingabefelder", f.caption), f.unit, false), f.unit};
}

NamedUnit QuantityNaming(std::size_t quantity) {
  const StudyQuantity& q = StudyQuantities().at(quantity);
  return NamedUnit{NameOf(Tr("Ergebnisse", q.result->fullCaption()), q.result->unit, q.result->isDuration()),
                   ShownUnit(q.unit)};
}

std::string AxisTitle(const NamedUnit& named) {
  return named.unit.empty() ? named.name : named.name + " in " + named.unit;
}

std::string ValueText(const NamedUnit& named, const std::string& text) {
  return named.name + " = " + text + (named.unit.empty() ? "" : " " + named.unit);
}

std::string QuantityText(std::size_t quantity, double value) {
  if (!std::isfinite(value)) return "–";
  const ResultDescriptor& result = *StudyQuantities().at(quantity).result;
  if (result.isDuration()) return Format(value, "#0.00");
  if (*result.pattern) return Format(value, result.pattern);
  return FormatSignificant(value, 4);
}

}  // namespace lamvero
