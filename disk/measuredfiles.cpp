#include "disk/measuredfiles.h"

#include <QFileInfo>

#include "disk/readfile.h"
#include "files/measuredcsv.h"

namespace lamvero {

namespace {

Outcome<QByteArray> ReadMeasuredBytes(const QString& path) {
  return ReadWholeFile(path, kMaxMeasuredCurveBytes, CheckMeasuredCurveSize);
}

std::string_view TextOf(const QByteArray& bytes) {
  return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

Outcome<bool> MeasuredCurveFileNeedsDryMass(const QString& path) {
  const Outcome<QByteArray> bytes = ReadMeasuredBytes(path);
  if (!bytes) return bytes.failure();
  return NeedsDryMass(TextOf(bytes.value()));
}

Outcome<MeasuredCurve> ReadMeasuredCurveFile(const QString& path, std::optional<double> dryMassGrams) {
  const Outcome<QByteArray> bytes = ReadMeasuredBytes(path);
  if (!bytes) return bytes.failure();
  const std::string_view text = TextOf(bytes.value());
  Outcome<MeasuredCurve> read = ReadMeasuredCurveText(text, dryMassGrams, QFileInfo(path).fileName().toStdString());
  if (!read) return Failure{CannotOpen(path), read.message()};
  return read;
}

}  // namespace lamvero
