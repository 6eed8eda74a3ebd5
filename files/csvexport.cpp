#include "files/csvexport.h"

#include <cstring>
#include <vector>

#include "run/resultquantities.h"

namespace lamvero {

namespace {

struct SeriesCaptionRow {
  const char* name;
  const char* caption;
};

// In the order of SeriesColumns().
constexpr SeriesCaptionRow kSeriesCaptions[] = {
    {"tReihe", "t in s"},
    {"XReihe", "X mittel in kg/kg"},
    {"XOberflReihe", "X Oberfläche in kg/kg"},
    {"XKernReihe", "X Kern in kg/kg"},
    {"SchwOberflReihe", "Schwindung Oberfläche in %"},
    {"SchwKernReihe", "Schwindung Kern in %"},
    {"ThetaLuftReihe", "θ Luft in °C"},
    {"ThetaObReihe", "θ Oberfläche in °C"},
    {"ThetaKReihe", "θ Kern in °C"},
    {"WasserdampfReihe", "Verdunstungsrate in kg/(m² h)"},
    {"SpiegelReihe", "Trocknungsspiegel in m"},
};

// Results that no window row shows.
struct BoxlessCaption {
  const char* key;
  const char* caption;
};
constexpr BoxlessCaption kBoxlessCaptions[] = {
    {"WasserdampfMax", "größte Verdunstungsrate (geglättet)"},
    {"XEnde", "Restfeuchte des Rechenprofils"},
    {"DickeTr", "Dicke der trockenen Platte"},
    {"XAbluft", "Wasserbeladung der Abluft"},
    {"ThetaKgr", "Kühlgrenztemperatur der Abluft"},
    {"XAussen", "Wasserbeladung der Außenluft"},
};

constexpr std::size_t kPieceBytes = 1 << 14;

// German spreadsheet programs read a CSV file as UTF-8 (θ, °, ², ü) only after a byte-order mark.
std::string TableStart(CsvDialect dialect) { return dialect == CsvDialect::German ? "\xEF\xBB\xBF" : ""; }

}  // namespace

const char* SeriesCaption(const SeriesColumn& column) {
  for (const SeriesCaptionRow& row : kSeriesCaptions) {
    if (std::strcmp(row.name, column.name) == 0) return row.caption;
  }
  return column.name;
}

bool WriteSeriesCsv(const RunSeries& series, CsvDialect dialect, int every,
                    const std::function<bool(std::string_view piece)>& sink) {
  if (every < 1) every = 1;
  std::vector<std::string> cells;
  for (const SeriesColumn& c : SeriesColumns()) cells.push_back(CsvText(SeriesCaption(c), dialect));
  std::string piece = TableStart(dialect) + CsvRow(cells, dialect);
  const int last = series.nReihe;
  for (int k = 0; k <= last; k = (k == last || k + every < last) ? k + every : last) {
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

std::string ResultsCsv(const RunRecord& record, CsvDialect dialect, const BoxCaption& caption) {
  std::string out = TableStart(dialect) + CsvRow({CsvText("Ergebnis", dialect), CsvText("Wert", dialect), CsvText("Einheit", dialect),
                            CsvText("Anzeige im Fenster", dialect), CsvText("Schlüssel", dialect)},
                           dialect);
  for (const ResultQuantity& q : ResultQuantities(record)) {
    std::string name;
    if (*q.box) {
      name = caption(q.box);
    } else {
      for (const BoxlessCaption& b : kBoxlessCaptions) {
        if (std::strcmp(b.key, q.key) == 0) name = b.caption;
      }
    }
    if (name.empty()) name = q.key;
    std::string shown;
    const auto control = record.controls.find(q.box);
    if (*q.box && control != record.controls.end() && control->second.visible) shown = control->second.text;
    out += CsvRow({CsvText(name, dialect), CsvNumber(q.value, dialect), CsvText(q.unit, dialect),
                   CsvText(shown, dialect), CsvText(q.key, dialect)},
                  dialect);
  }
  return out;
}

}  // namespace lamvero
