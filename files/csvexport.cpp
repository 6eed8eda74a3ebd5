#include "files/csvexport.h"

#include <vector>

#include "files/windowtext.h"
#include "run/resultdescriptors.h"

namespace lamvero {

namespace {

constexpr std::size_t kPieceBytes = 1 << 14;

// A cell of a result's row.
std::string ResultCellText(const RunRecord& record, const ResultDescriptor& d, ResultCell cell, CsvDialect dialect) {
  switch (cell) {
    case ResultCell::Name: return CsvText(d.name(), dialect);
    case ResultCell::Value: return CsvShownNumber(FileWindowText(d.shownNumber(d.value(record))), dialect);
    case ResultCell::Unit: return CsvText(d.unit, dialect);
    case ResultCell::Shown: {
      const std::string* shown = ShownText(record, d);
      return CsvText(shown ? FileWindowText(*shown) : "", dialect);
    }
    case ResultCell::Exact: return CsvNumber(d.value(record), dialect);
    case ResultCell::Key: return CsvText(d.key, dialect);
  }
  return {};
}

}  // namespace

std::string SeriesCaption(const SeriesColumn& column) {
  return std::string(column.caption) + " in " + column.unit;
}

int NextExportedPoint(int k, int last, int every) {
  if (every < 1) every = 1;
  return (k == last || k + every < last) ? k + every : last;
}

bool WriteSeriesCsv(const RunSeries& series, CsvDialect dialect, int every,
                    const std::function<bool(std::string_view piece)>& sink) {
  std::vector<CsvColumnName> names;
  for (const SeriesColumn& c : SeriesColumns()) names.push_back({SeriesCaption(c), c.name});
  std::string piece = CsvHeader(names, dialect);
  std::vector<std::string> cells;
  const int last = series.nReihe;
  for (int k = 0; k <= last; k = NextExportedPoint(k, last, every)) {
    cells.clear();
    for (const SeriesColumn& c : SeriesColumns()) {
      cells.push_back(CsvNumber((series.*c.member)[static_cast<std::size_t>(k)], dialect));
    }
    piece += CsvRow(cells, dialect);
    if (piece.size() >= kPieceBytes) {
      if (!sink(piece)) return false;
      piece.clear();
    }
  }
  return piece.empty() || sink(piece);
}

std::string ResultsCsv(const RunRecord& record, CsvDialect dialect) {
  std::vector<CsvColumnName> names;
  for (const ResultColumn& c : ResultColumns()) names.push_back({c.caption, c.key});
  std::string out = CsvHeader(names, dialect);
  std::vector<std::string> cells;
  for (const ResultDescriptor& d : ResultDescriptors()) {
    cells.clear();
    for (const ResultColumn& c : ResultColumns()) cells.push_back(ResultCellText(record, d, c.cell, dialect));
    out += CsvRow(cells, dialect);
  }
  return out;
}

}  // namespace lamvero
