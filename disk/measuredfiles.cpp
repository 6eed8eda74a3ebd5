#include "disk/measuredfiles.h"

#include <QFileInfo>

#include "disk/readfile.h"
#include "files/measuredcsv.h"

namespace lamvero {

Outcome<MeasuredCurve> ReadMeasuredCurveFile(const QString& path, std::optional<double> dryMassGrams) {
  const Outcome<QByteArray> bytes = ReadWholeFile(path, kMaxMeasuredCurveBytes, CheckMeasuredCurveSize);
  if (!bytes) return bytes.failure();
  const std::string_view text(bytes->constData(), static_cast<std::size_t>(bytes->size()));
  Outcome<MeasuredCurve> read = ReadMeasuredCurveText(text, dryMassGrams, QFileInfo(path).fileName().toStdString());
  if (!read) return Failure{CannotOpen(path), read.message()};
  return read;
}

}  // namespace lamvero
