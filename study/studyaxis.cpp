#include "study/studyaxis.h"

#include <algorithm>
#include <cstdint>

#include "text/language.h"
#include "text/shownchars.h"

namespace lamvero {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number as an integer count of its last decimal place: 2,25 is 225 at scale 2.
struct Decimal {
  std::int64_t units = 0;
  int scale = 0;  // decimals
};

// Up to 17 digits keep every sum of a range far from the end of the integer range.
constexpr int kMaxDigits = 17;

std::optional<Decimal> ReadDecimal(std::string_view text) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  Decimal d;
  int digits = 0;
  bool seenMark = false;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (IsDigit(c)) {
      if (++digits > kMaxDigits) return std::nullopt;
      d.units = d.units * 10 + (c - '0');
      if (seenMark) ++d.scale;
    } else if ((c == ',' || c == '.') && !seenMark) {
      seenMark = true;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  if (negative) d.units = -d.units;
  return d;
}

std::int64_t PowerOfTen(int n) {
  std::int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

Decimal AtScale(Decimal d, int scale) {
  return Decimal{d.units * PowerOfTen(scale - d.scale), scale};
}

std::string DecimalText(Decimal d) {
  const bool negative = d.units < 0;
  std::string digits = std::to_string(negative ? -d.units : d.units);
  if (d.scale > 0) {
    if (digits.size() <= static_cast<std::size_t>(d.scale)) {
      digits.insert(0, static_cast<std::size_t>(d.scale) + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - static_cast<std::size_t>(d.scale), ",");
  }
  return negative ? "-" + digits : digits;
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// A list value with its decimal point, if any, turned into a comma.
std::string WithDecimalComma(std::string text) {
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

// A refusal about a field's values: where is the box; without a box, the reason alone.
Failure Refused(std::string where, std::string why) { return Failure{std::move(where), std::move(why)}; }

Outcome<StudyAxis> ReadRange(Input field, std::string_view values) {
  const std::string box = FieldOf(field).box;
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t colon; (colon = values.find(':', from)) != std::string_view::npos; from = colon + 1) {
    parts.push_back(Trimmed(values.substr(from, colon - from)));
  }
  parts.push_back(Trimmed(values.substr(from)));
  if (parts.size() != 3) {
    return Refused(box, Filled(Tr("Studie", "ein Bereich ist Anfang:Ende:Schritt, z. B. 10:40:5 (gelesen: \"%1\")"), {ShownText(values)}));
  }
  const char* names[] = {LV_TR_NOOP("Studie", "Anfang"), LV_TR_NOOP("Studie", "Ende"), LV_TR_NOOP("Studie", "Schritt")};
  Decimal d[3];
  for (int i = 0; i < 3; ++i) {
    const std::optional<Decimal> read = ReadDecimal(parts[static_cast<std::size_t>(i)]);
    if (!read) {
      return Refused(box, Filled(Tr("Studie", "%1 des Bereichs \"%2\" ist keine Dezimalzahl (höchstens 17 Ziffern, ohne Exponent)"),
                                 {Tr("Studie", names[i]), ShownText(parts[static_cast<std::size_t>(i)])}));
    }
    d[i] = *read;
  }
  const int scale = std::max({d[0].scale, d[1].scale, d[2].scale});
  if (scale > kMaxDigits) return Refused(box, Tr("Studie", "zu viele Nachkommastellen im Bereich"));
  for (Decimal& x : d) {
    // Guard the scaling itself: 17 digits scaled by up to 10^17 stay within 63 bits only if small.
    const std::int64_t factor = PowerOfTen(scale - x.scale);
    if (x.units != 0 && (x.units > 0 ? x.units : -x.units) > INT64_MAX / 1000 / factor) {
      return Refused(box, Tr("Studie", "die Zahlen des Bereichs haben zu viele Ziffern"));
    }
    x = AtScale(x, scale);
  }
  const Decimal start = d[0], stop = d[1], step = d[2];
  if (step.units <= 0) return Refused(box, Tr("Studie", "der Schritt des Bereichs muss größer als 0 sein"));
  if (stop.units < start.units) return Refused(box, Tr("Studie", "das Ende des Bereichs liegt vor seinem Anfang"));
  const std::int64_t count = (stop.units - start.units) / step.units + 1;
  if (count > static_cast<std::int64_t>(kMaxAxisValues)) {
    return Refused(box, Filled(Tr("Studie", "der Bereich ergäbe %1 Werte, mehr als %2"),
                               {std::to_string(count), std::to_string(kMaxAxisValues)}));
  }
  StudyAxis axis{field, {}};
  for (std::int64_t k = 0; k < count; ++k) axis.texts.push_back(DecimalText(Decimal{start.units + k * step.units, scale}));
  return axis;
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(separator, from)) != std::string_view::npos; from = at + 1) {
    parts.push_back(Trimmed(text.substr(from, at - from)));
  }
  parts.push_back(Trimmed(text.substr(from)));
  return parts;
}

Outcome<StudyAxis> ReadList(Input field, std::string_view values) {
  const std::string box = FieldOf(field).box;
  std::vector<std::string> items;
  if (values.find(';') != std::string_view::npos) {
    items = SplitAt(values, ';');
    if (items.size() > 1 && items.back().empty()) items.pop_back();  // "0,5;" is the one value 0,5
  } else {
    const auto commas = std::count(values.begin(), values.end(), ',');
    const bool commasSeparate = commas >= 2 || (commas == 1 && values.find('.') != std::string_view::npos);
    if (commas == 1 && !commasSeparate) {
      const std::string v = Trimmed(values);
      std::string asNumber = v, asList = v;
      asNumber[v.find(',')] = '.';
      asList[v.find(',')] = ';';
      return Refused("", Filled(Tr("Studie", "%1=%2 ist mehrdeutig: für die eine Zahl %2 schreiben Sie %1=%3 oder %1=%2;, "
                                             "für zwei Werte %1=%4"),
                                {box, v, asNumber, asList}));
    }
    items = commasSeparate ? SplitAt(values, ',') : std::vector<std::string>{Trimmed(values)};
  }
  StudyAxis axis{field, {}};
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!IsPlainNumber(items[i])) {
      return Refused(box, Filled(Tr("Studie", "der %1. Wert der Liste \"%2\" ist keine Zahl"),
                                 {std::to_string(i + 1), ShownText(items[i])}));
    }
    axis.texts.push_back(WithDecimalComma(items[i]));
  }
  return axis;
}

}  // namespace

bool IsPlainNumber(std::string_view text) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  std::size_t digits = 0;
  bool seenMark = false;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (IsDigit(c)) {
      ++digits;
    } else if ((c == ',' || c == '.') && !seenMark) {
      seenMark = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (pos == text.size()) return true;
  if (text[pos] != 'e' && text[pos] != 'E') return false;
  ++pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  const std::size_t exponentStart = pos;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos > exponentStart && pos == text.size();
}

Outcome<StudyAxis> ReadAxisValues(Input field, std::string_view values) {
  if (Trimmed(values).empty()) return Refused(FieldOf(field).box, Tr("Studie", "keine Werte angegeben"));
  if (values.find(':') != std::string_view::npos) return ReadRange(field, values);
  return ReadList(field, values);
}

Outcome<StudyAxis> ReadStudyAxis(std::string_view given) {
  const std::size_t eq = given.find('=');
  const std::string box(given.substr(0, eq == std::string_view::npos ? given.size() : eq));
  for (const InputField& f : InputFields()) {
    if (box == f.box) {
      if (eq == std::string_view::npos) {
        return Refused(box, Filled(Tr("Studie", "erwartet %1=WERTE, z. B. %1=10:40:5 oder %1=35;45;55"), {box}));
      }
      return ReadAxisValues(f.id, given.substr(eq + 1));
    }
  }
  std::string known;
  for (const InputField& f : InputFields()) known += std::string(" ") + f.box;
  return Refused("", Filled(Tr("Studie", "unbekanntes Eingabefeld \"%1\"; erwartet eines von:%2"), {ShownText(box), known}));
}

}  // namespace lamvero
