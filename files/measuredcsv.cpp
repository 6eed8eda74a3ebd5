#include "files/measuredcsv.h"

#include <array>
#include <cmath>
#include <vector>

#include "text/language.h"
#include "files/jsonfields.h"
#include "run/runrecord.h"
#include "text/csvformat.h"
#include "text/numberformat.h"
#include "text/parsenumber.h"
#include "text/shownchars.h"

namespace lamvero {

namespace {

// What a column of the file holds. A mass becomes the moisture.
enum class ColumnKind { Time, Moisture, Mass, SurfaceTemperature, CoreTemperature, Shrinkage, DryMass };

// Where a read column goes: 0 the time, 1 + the quantity otherwise (a mass is the moisture).
constexpr std::size_t kSlotCount = 1 + kMeasuredQuantityCount;

struct ColumnName {
  const char* name;  // as a header writes it, compared without regard to ASCII case
  ColumnKind kind;
};

// The names an engineer's table (German or English) or Lamvero's own series
// table gives a column. A column whose name is not here is not read: files
// often carry more columns than a drying curve needs.
constexpr std::array<ColumnName, 19> kColumnNames{{
    {"Zeit", ColumnKind::Time},
    {"time", ColumnKind::Time},
    {"t", ColumnKind::Time},
    {"mittlere Wasserbeladung", ColumnKind::Moisture},
    {"Wasserbeladung", ColumnKind::Moisture},
    {"Feuchte", ColumnKind::Moisture},
    {"moisture", ColumnKind::Moisture},
    {"X", ColumnKind::Moisture},
    {"Masse", ColumnKind::Mass},
    {"mass", ColumnKind::Mass},
    {"m", ColumnKind::Mass},
    {"Oberflächentemperatur", ColumnKind::SurfaceTemperature},
    {"surface temperature", ColumnKind::SurfaceTemperature},
    {"Kerntemperatur", ColumnKind::CoreTemperature},
    {"core temperature", ColumnKind::CoreTemperature},
    {"Schwindung", ColumnKind::Shrinkage},
    {"lineare Schwindung", ColumnKind::Shrinkage},
    {"shrinkage", ColumnKind::Shrinkage},
    {"linear shrinkage", ColumnKind::Shrinkage},
}};

// Only in a comment line ("# Trockenmasse in g: 85,2"), never a column.
constexpr std::array<ColumnName, 2> kCommentNames{{
    {"Trockenmasse", ColumnKind::DryMass},
    {"dry mass", ColumnKind::DryMass},
}};

struct UnitFactor {
  ColumnKind kind;
  const char* unit;
  double factor;  // value in the model's unit = value in this unit * factor
};

// The units each kind of column may carry.
constexpr std::array<UnitFactor, 11> kUnits{{
    {ColumnKind::Time, "s", 1.0},
    {ColumnKind::Time, "min", 60.0},
    {ColumnKind::Time, "h", 3600.0},
    {ColumnKind::Moisture, "kg/kg", 1.0},
    {ColumnKind::Mass, "g", 1.0},
    {ColumnKind::Mass, "kg", 1000.0},
    {ColumnKind::SurfaceTemperature, "°C", 1.0},
    {ColumnKind::CoreTemperature, "°C", 1.0},
    {ColumnKind::Shrinkage, "%", 1.0},
    {ColumnKind::DryMass, "g", 1.0},
    {ColumnKind::DryMass, "kg", 1000.0},
}};

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

// A column of the file that is read.
struct ReadColumn {
  std::size_t cell;     // its place in a line
  ColumnKind kind;
  double factor;        // to the model's unit
  std::string header;   // its header as a message shows it
};

// A header cell taken apart: "Zeit in min", "Zeit [min]", "Zeit (min)".
struct NameAndUnit {
  std::string name;
  std::string unit;
};

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

NameAndUnit SplitHeader(std::string_view cell) {
  cell = Trimmed(cell);
  for (const auto& [open, close] : {std::pair{'[', ']'}, std::pair{'(', ')'}}) {
    const std::size_t at = cell.rfind(open);
    if (at != std::string_view::npos && !cell.empty() && cell.back() == close) {
      return {std::string(Trimmed(cell.substr(0, at))), std::string(Trimmed(cell.substr(at + 1, cell.size() - at - 2)))};
    }
  }
  const std::size_t in = cell.rfind(" in ");
  if (in != std::string_view::npos) return {std::string(Trimmed(cell.substr(0, in))), std::string(Trimmed(cell.substr(in + 4)))};
  return {std::string(cell), {}};
}

template <std::size_t N>
const ColumnName* FindName(const std::array<ColumnName, N>& names, std::string_view name) {
  for (const ColumnName& n : names) {
    if (SameName(n.name, name)) return &n;
  }
  return nullptr;
}

const UnitFactor* FindUnit(ColumnKind kind, std::string_view unit) {
  for (const UnitFactor& u : kUnits) {
    if (u.kind == kind && unit == u.unit) return &u;
  }
  return nullptr;
}

std::string UnitList(ColumnKind kind) {
  std::string list;
  for (const UnitFactor& u : kUnits) {
    if (u.kind == kind) list += (list.empty() ? "" : ", ") + std::string(u.unit);
  }
  return list;
}

// A text of the file inside a message: control characters and stray bytes
// escaped, and no longer than a message line can take.
std::string Shown(std::string_view text) {
  constexpr std::size_t kLongest = 60;
  if (text.size() <= kLongest) return ShownText(text);
  std::size_t cut = kLongest;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // not inside a character
  return ShownText(text.substr(0, cut)) + "…";
}

// Why a header's unit is refused, with the units the column may have.
std::string UnitRefused(std::string_view unit, ColumnKind kind) {
  const std::string why = unit.empty() ? Tr("Messkurve", "Die Einheit fehlt")
                                       : Filled(Tr("Messkurve", "Die Einheit „%1“ ist unbekannt"), {Shown(unit)});
  return why + Filled(Tr("Messkurve", "; möglich: %1."), {UnitList(kind)});
}

std::string LineWhere(std::size_t line) { return Filled(Tr("Messkurve", "Zeile %1"), {std::to_string(line)}); }

std::string CellWhere(std::size_t line, const std::string& header) {
  return Filled(Tr("Messkurve", "%1, Spalte „%2“"), {LineWhere(line), header});
}

MeasuredQuantity QuantityOf(ColumnKind kind) {
  switch (kind) {
    case ColumnKind::SurfaceTemperature: return MeasuredQuantity::SurfaceTemperature;
    case ColumnKind::CoreTemperature: return MeasuredQuantity::CoreTemperature;
    case ColumnKind::Shrinkage: return MeasuredQuantity::Shrinkage;
    default: return MeasuredQuantity::Moisture;
  }
}

std::size_t SlotOf(ColumnKind kind) {
  return kind == ColumnKind::Time ? 0 : 1 + static_cast<std::size_t>(QuantityOf(kind));
}

// The columns the header names that are read, each with its unit's factor.
Outcome<std::vector<ReadColumn>> HeaderColumns(const std::vector<std::string>& cells, std::size_t line) {
  std::vector<ReadColumn> columns;
  std::array<const ReadColumn*, kSlotCount> seen{};
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const std::string header(Trimmed(cells[i]));
    const NameAndUnit parts = SplitHeader(header);
    const ColumnName* name = FindName(kColumnNames, parts.name);
    if (!name) continue;
    const UnitFactor* unit = FindUnit(name->kind, parts.unit);
    if (!unit) {
      return Failure{CellWhere(line, Shown(header)), UnitRefused(parts.unit, name->kind)};
    }
    columns.push_back({i, name->kind, unit->factor, Shown(header)});
  }
  for (const ReadColumn& c : columns) {
    const ReadColumn*& first = seen[SlotOf(c.kind)];
    if (first) return Failure{CellWhere(line, c.header), Filled(Tr("Messkurve", "Dieselbe Größe steht schon in Spalte „%1“."), {first->header})};
    first = &c;
  }
  if (!seen[SlotOf(ColumnKind::Time)]) return Failure{LineWhere(line), Tr("Messkurve", "Die Kopfzeile hat keine Spalte für die Zeit (etwa „Zeit in min“).")};
  if (!seen[SlotOf(ColumnKind::Moisture)]) {
    return Failure{LineWhere(line), Tr("Messkurve", "Die Kopfzeile hat keine Spalte für die Wasserbeladung oder die Masse (etwa „Masse in g“).")};
  }
  return columns;
}

// The number of a cell, in the file's own unit; a failure says why not.
Outcome<double> CellNumber(std::string_view cell, CsvDialect dialect, const std::string& where) {
  const std::string_view text = Trimmed(cell);
  if (dialect == CsvDialect::German && text.find('.') != std::string_view::npos) {
    return Failure{where, Filled(Tr("Messkurve", "„%1“: In dieser Datei (Semikolon zwischen den Zellen) steht ein Komma vor den Nachkommastellen, kein Punkt."), {Shown(text)})};
  }
  const InputNumber n = ReadInputNumber(text);
  if (n.reading == NumberReading::Number && n.rest.empty() && std::isfinite(n.value)) return n.value;
  if (n.reading == NumberReading::TooLarge) return Failure{where, Filled(Tr("Messkurve", "„%1“ ist zu groß."), {Shown(text)})};
  return Failure{where, Filled(Tr("Messkurve", "„%1“ ist keine Zahl."), {Shown(text)})};
}

// What has been read so far, and what the lines after it are checked against.
struct Reading {
  CsvDialect dialect = CsvDialect::Plain;
  std::optional<double> dryMass;  // g
  std::vector<ReadColumn> columns;
  std::size_t cellCount = 0;
  MeasuredCurve curve;
};

// Checks and keeps the value of one read cell of a data line.
Status TakeValue(Reading& r, const ReadColumn& c, std::string_view cell, std::size_t line) {
  const std::string where = CellWhere(line, c.header);
  const bool required = c.kind == ColumnKind::Time || c.kind == ColumnKind::Moisture || c.kind == ColumnKind::Mass;
  if (Trimmed(cell).empty()) {
    if (required) return Failure{where, Tr("Messkurve", "Die Zelle ist leer.")};
    r.curve[QuantityOf(c.kind)].push_back(std::nan(""));
    return Done{};
  }
  const Outcome<double> read = CellNumber(cell, r.dialect, where);
  if (!read) return read.failure();
  const double v = read.value() * c.factor;
  switch (c.kind) {
    case ColumnKind::Time:
      if (v < 0) return Failure{where, Tr("Messkurve", "Die Zeit ist negativ.")};
      if (!r.curve.time.empty() && !(v > r.curve.time.back())) return Failure{where, Tr("Messkurve", "Die Zeit nimmt nicht zu.")};
      r.curve.time.push_back(v);
      return Done{};
    case ColumnKind::Mass:
      if (!(v >= *r.dryMass)) return Failure{where, Filled(Tr("Messkurve", "Die Masse ist kleiner als die Trockenmasse (%1 g)."), {FormatSignificant(*r.dryMass, 6)})};
      r.curve[MeasuredQuantity::Moisture].push_back((v - *r.dryMass) / *r.dryMass);
      return Done{};
    case ColumnKind::Moisture:
      if (v < 0) return Failure{where, Tr("Messkurve", "Die Wasserbeladung ist negativ.")};
      break;
    default:
      break;
  }
  r.curve[QuantityOf(c.kind)].push_back(v);
  return Done{};
}

// The lines of the text without their line ends; nothing when there are too many.
std::optional<std::vector<std::string_view>> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    if (lines.size() == kMaxMeasuredLines) return std::nullopt;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

bool IsComment(std::string_view line) {
  const std::string_view t = Trimmed(line);
  return !t.empty() && t.front() == '#';
}

// The dry mass a comment line gives ("# Trockenmasse in g: 85,2"), or nothing.
Outcome<std::optional<double>> CommentDryMass(std::string_view line, std::size_t number) {
  std::string_view text = Trimmed(line).substr(1);
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::optional<double>();
  const NameAndUnit parts = SplitHeader(text.substr(0, colon));
  if (!FindName(kCommentNames, parts.name)) return std::optional<double>();
  const UnitFactor* unit = FindUnit(ColumnKind::DryMass, parts.unit);
  const std::string where = LineWhere(number) + ", " + Tr("Messkurve", "Trockenmasse");
  if (!unit) {
    return Failure{where, Filled(Tr("Messkurve", "Die Einheit „%1“ ist unbekannt"), {Shown(parts.unit)}) +
                              Filled(Tr("Messkurve", "; möglich: %1."), {UnitList(ColumnKind::DryMass)})};
  }
  const Outcome<double> value = CellNumber(text.substr(colon + 1), CsvDialect::Plain, where);
  if (!value) return value.failure();
  if (!(value.value() > 0)) return Failure{where, Tr("Messkurve", "Die Trockenmasse muss größer als 0 sein.")};
  return std::optional<double>(value.value() * unit->factor);
}

// The dry mass the file's comments give, the last one if several do.
Outcome<std::optional<double>> FileDryMass(const std::vector<std::string_view>& lines) {
  std::optional<double> dryMass;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!IsComment(lines[i])) continue;
    const Outcome<std::optional<double>> given = CommentDryMass(lines[i], i + 1);
    if (!given) return given.failure();
    if (given.value()) dryMass = given.value();
  }
  return dryMass;
}

// Lamvero's own series table names its columns a second time, by their machine names.
bool IsMachineNameLine(const std::vector<std::string>& cells) {
  for (const std::string& cell : cells) {
    bool known = false;
    for (const SeriesColumn& c : SeriesColumns()) known = known || Trimmed(cell) == c.name;
    if (!known) return false;
  }
  return true;
}

bool AllBlank(const std::vector<std::string>& cells) {
  for (const std::string& cell : cells) {
    if (!Trimmed(cell).empty()) return false;
  }
  return true;
}

// A header with a semicolon is of the German dialect (decimal comma).
CsvDialect DialectOfHeader(std::string_view line) {
  return line.find(';') != std::string_view::npos ? CsvDialect::German : CsvDialect::Plain;
}

// Reads the header line: the dialect, the columns, and whether a mass has its dry mass.
Status ReadHeader(Reading& r, std::string_view line, std::size_t number) {
  r.dialect = DialectOfHeader(line);
  const auto cells = SplitCsvLine(line, CsvSeparator(r.dialect));
  if (!cells) return Failure{LineWhere(number), Tr("Messkurve", "Ein Anführungszeichen wird nicht geschlossen.")};
  Outcome<std::vector<ReadColumn>> columns = HeaderColumns(*cells, number);
  if (!columns) return columns.failure();
  r.columns = std::move(columns.value());
  r.cellCount = cells->size();
  for (const ReadColumn& c : r.columns) {
    if (c.kind == ColumnKind::Mass && !r.dryMass) {
      return Failure{CellWhere(number, c.header),
                     Tr("Messkurve", "Eine Masse braucht die Trockenmasse der Probe (Eingabe oder Kommentarzeile „# Trockenmasse in g: …“).")};
    }
  }
  return Done{};
}

// Reads one data line into the curve.
Status ReadDataLine(Reading& r, std::string_view line, std::size_t number) {
  const auto cells = SplitCsvLine(line, CsvSeparator(r.dialect));
  if (!cells) return Failure{LineWhere(number), Tr("Messkurve", "Ein Anführungszeichen wird nicht geschlossen.")};
  if (AllBlank(*cells)) return Done{};
  if (r.curve.time.empty() && IsMachineNameLine(*cells)) return Done{};
  if (cells->size() != r.cellCount) {
    return Failure{LineWhere(number), Filled(Tr("Messkurve", "Die Zeile hat %1 Zellen, die Kopfzeile %2."),
                                             {std::to_string(cells->size()), std::to_string(r.cellCount)})};
  }
  for (const ReadColumn& c : r.columns) {
    if (const Status taken = TakeValue(r, c, (*cells)[c.cell], number); !taken) return taken;
  }
  return Done{};
}

}  // namespace

Status CheckMeasuredCurveSize(std::uint64_t bytes) {
  return jsonfields::CheckFileSize(bytes, kMaxMeasuredCurveBytes, Tr("Dateifelder", "Messkurve"));
}

bool NeedsDryMass(std::string_view text) {
  if (text.substr(0, 3) == kByteOrderMark) text.remove_prefix(3);
  const auto lines = Lines(text);
  if (!lines) return false;  // refused when read
  const Outcome<std::optional<double>> given = FileDryMass(*lines);
  if (!given || given.value()) return false;
  for (const std::string_view line : *lines) {
    if (IsComment(line) || Trimmed(line).empty()) continue;
    const auto cells = SplitCsvLine(line, CsvSeparator(DialectOfHeader(line)));
    for (const std::string& cell : cells ? *cells : std::vector<std::string>{}) {
      const ColumnName* name = FindName(kColumnNames, SplitHeader(cell).name);
      if (name && name->kind == ColumnKind::Mass) return true;
    }
    return false;  // only the header names columns
  }
  return false;
}

Outcome<MeasuredCurve> ReadMeasuredCurveText(std::string_view text, std::optional<double> dryMassGrams,
                                             std::string source) {
  if (const Status size = CheckMeasuredCurveSize(text.size()); !size) return size.failure();
  if (text.substr(0, 3) == kByteOrderMark) text.remove_prefix(3);
  const auto lines = Lines(text);
  if (!lines) return Failure{"", Filled(Tr("Messkurve", "Die Datei hat mehr als %1 Zeilen."), {std::to_string(kMaxMeasuredLines)})};
  if (dryMassGrams && !(*dryMassGrams > 0 && std::isfinite(*dryMassGrams))) {
    return Failure{Tr("Messkurve", "Trockenmasse"), Tr("Messkurve", "Die Trockenmasse muss eine Zahl größer als 0 sein.")};
  }
  Reading r;
  r.dryMass = dryMassGrams;
  if (!r.dryMass) {
    Outcome<std::optional<double>> fromFile = FileDryMass(*lines);
    if (!fromFile) return fromFile.failure();
    r.dryMass = fromFile.value();
  }
  std::size_t header = 0;  // the header's line number, 0 before it
  for (std::size_t i = 0; i < lines->size(); ++i) {
    const std::string_view line = (*lines)[i];
    if (IsComment(line) || Trimmed(line).empty()) continue;
    const Status read = header ? ReadDataLine(r, line, i + 1) : ReadHeader(r, line, i + 1);
    if (!read) return read.failure();
    if (!header) header = i + 1;
  }
  if (header == 0) return Failure{"", Tr("Messkurve", "Die Datei hat keine Kopfzeile mit Spaltennamen und Einheiten.")};
  if (r.curve.points() < kMinMeasuredPoints) {
    return Failure{"", Filled(Tr("Messkurve", "Die Datei hat %1 Messpunkte; eine Trocknungskurve braucht mindestens %2."),
                              {std::to_string(r.curve.points()), std::to_string(kMinMeasuredPoints)})};
  }
  r.curve.source = std::move(source);
  return std::move(r.curve);
}

}  // namespace lamvero
