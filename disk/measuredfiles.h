#pragma once
// A measured drying curve read from its CSV file, for the window and the runner.

#include <QString>
#include <optional>

#include "run/measuredcurve.h"
#include "text/outcome.h"

namespace lamvero {

// Reads and checks the file (at most kMaxMeasuredCurveBytes). dryMassGrams is
// the sample's dry mass when the user gave it; the curve's source is the
// file's name. A failure names the file, the line, the column and the reason.
Outcome<MeasuredCurve> ReadMeasuredCurveFile(const QString& path, std::optional<double> dryMassGrams);

// Whether the file has a mass column and does not give the dry mass (ask the
// user for it before reading); a file that cannot be read is a failure.
Outcome<bool> MeasuredCurveFileNeedsDryMass(const QString& path);

}  // namespace lamvero
