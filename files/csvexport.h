#pragma once
// The tables a run exports for spreadsheets: its time series (one row per
// stored point, units in the header) and its results (one row per result with
// caption, value and unit). Cells follow the chosen dialect (model/csvformat.h);
// a table in the German spreadsheet dialect begins with a UTF-8 byte-order mark.

#include <functional>
#include <string>
#include <string_view>

#include "text/csvformat.h"
#include "run/runrecord.h"

namespace lamvero {

// The header cell of a series column: what it is and its unit ("θ Luft in °C").
std::string SeriesCaption(const SeriesColumn& column);

// The stored point that follows point k of the points 0..last when every
// n-th one is kept: k + every, and the last point always; past last at the end.
int NextExportedPoint(int k, int last, int every);

// The series table, handed over in pieces of some ten kilobytes to `sink`,
// which returns false to stop (a write failed). Rows are the stored points
// 0, every, 2·every, ... and always the last one. False if the sink stopped.
bool WriteSeriesCsv(const RunSeries& series, CsvDialect dialect, int every,
                    const std::function<bool(std::string_view piece)>& sink);

// Results table: a header, then one row per result of the record in the order
// of the window's rows: caption, value (empty where the run did not reach it),
// unit, the text the window showed, and the result's key.
std::string ResultsCsv(const RunRecord& record, CsvDialect dialect);

}  // namespace lamvero
