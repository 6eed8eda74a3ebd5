#include "files/csvexport.h"

#include <vector>

#include "run/resultdescriptors.h"

namespace lamvero {

namespace {

constexpr std::size_t kPieceBytes = 1 << 14;

// German spreadsheet programs read a CSV file as UTF-8 (θ, °, ², ü) only after a byte-order mark.
std::string TableStart(CsvDialect dialect) { return dialect == CsvDialect::German ? "\xEF\xBB\xBF" : ""; }

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
  std::vector<std::string> cells;
  for (const SeriesColumn& c : SeriesColumns()) cells.push_back(CsvText(SeriesCaption(c), dialect));
  std::string piece = TableStart(dialect) + CsvRow(cells, dialect);
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
  std::string out = TableStart(dialect) + CsvRow({CsvText("Ergebnis", dialect), CsvText("Wert", dialect), CsvText("Einheit", dialect),
                            CsvText("Anzeige im Fenster", dialect), CsvText("Schlüssel", dialect)},
                           dialect);
  for (const ResultDescriptor& d : ResultDescriptors()) {
    const std::string* shown = ShownText(record, d);
    out += CsvRow({CsvText(d.tableCaption(), dialect), CsvNumber(d.value(record), dialect), CsvText(d.unit, dialect),
                   CsvText(shown ? *shown : "", dialect), CsvText(d.key, dialect)},
                  dialect);
  }
  return out;
}

}  // namespace lamvero
