#pragma once
// The tables a run exports for spreadsheets: its time series (one row per
// stored point, every value exact) and its results (one row per result).
// Cells follow the chosen dialect (text/csvformat.h); both tables start with
// the two header lines of CsvHeader: captions with units, then machine names.

#include <functional>
#include <string>
#include <string_view>

#include "text/csvformat.h"
#include "run/runrecord.h"

namespace lamvero {

// The header cell of a series column: what it is and its unit ("Lufttemperatur in °C").
std::string SeriesCaption(const SeriesColumn& column);

// The stored point that follows point k of the points 0..last when every
// n-th one is kept: k + every, and the last point always; past last at the end.
int NextExportedPoint(int k, int last, int every);

// The series table, handed over in pieces of some ten kilobytes to `sink`,
// which returns false to stop (a write failed). Rows are the stored points
// 0, every, 2·every, ... and always the last one. False if the sink stopped.
bool WriteSeriesCsv(const RunSeries& series, CsvDialect dialect, int every,
                    const std::function<bool(std::string_view piece)>& sink);

// Results table: the header, then one row per result of the record in the
// order of the window's rows, in the columns of ResultColumns(): its name, its
// value in the precision the window shows it, its unit, the text the window
// showed, the value with every digit (for a reader that needs it exact) and
// its key. A value the run did not reach is an empty cell.
std::string ResultsCsv(const RunRecord& record, CsvDialect dialect);

}  // namespace lamvero
