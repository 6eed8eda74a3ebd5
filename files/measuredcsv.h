#pragma once
// A measured drying curve as a CSV file, in either dialect (decimal point and
// comma, or decimal comma and semicolon; a German file may start with a
// byte-order mark). The header names each column and its unit:
//   Zeit in min;Masse in g;Oberflächentemperatur in °C
// ("NAME in UNIT", "NAME [UNIT]" or "NAME (UNIT)"). Time in s, min or h; the
// mean moisture in kg/kg (dry basis) or the sample's mass in g, which needs
// the dry mass; optionally surface temperature and core temperature in °C and
// linear shrinkage in %. A table Lamvero wrote itself (its series CSV, with
// the machine names on a second header line) reads too. Lines starting with
// '#' are comments; "# Trockenmasse in g: 85,2" gives the dry mass.
// Columns whose name is not known (an engineer's extra notes, the series
// table's other columns) are not read; a known name with an unknown or
// missing unit is refused. A line of empty cells is skipped.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "run/measuredcurve.h"
#include "text/outcome.h"

namespace lamvero {

// A measured curve's file is refused beyond these bounds.
constexpr std::size_t kMaxMeasuredCurveBytes = std::size_t{16} << 20;
constexpr std::size_t kMaxMeasuredLines = 100000;
Status CheckMeasuredCurveSize(std::uint64_t bytes);

// Reads the text of a measured curve. dryMassGrams is the sample's dry mass
// when the caller knows it (it wins over a comment in the file); a mass
// column without a dry mass from either is refused. A failure names the line
// and the column (by its header) and the reason; nothing is half-read.
Outcome<MeasuredCurve> ReadMeasuredCurveText(std::string_view text, std::optional<double> dryMassGrams,
                                             std::string source);

// Whether the text's header has a mass column and no comment gives the dry
// mass: the caller must ask for it before the text can be read.
bool NeedsDryMass(std::string_view text);

}  // namespace lamvero
