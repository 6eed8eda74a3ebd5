#include "ui/diagrams/chartexport.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "text/language.h"
#include "ui/diagrams/chartpanel.h"

namespace lamvero {

namespace {

Failure Fail(const QSaveFile& file) { return Failure{"", file.errorString().toStdString()}; }

// The file made permanent, or why not.
Status Commit(QSaveFile& file) {
  if (!file.commit()) return Fail(file);
  return Done{};
}

}  // namespace

Status WritePicturePng(QSize size, qreal ratio, const PaintPicture& paint, const QString& path) {
  QImage picture(size * ratio, QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(ratio);
  QPainter painter(&picture);
  paint(painter);
  painter.end();
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Fail(file);
  if (!picture.save(&file, "PNG")) {
    file.cancelWriting();
    return Failure{"", Tr("ChartExport", "Das Bild konnte nicht erzeugt werden.")};
  }
  return Commit(file);
}

Status WritePictureSvg(QSize size, const QString& title, const PaintPicture& paint, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Fail(file);
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(title);
  svg.setDescription(QStringLiteral("Lamvero"));
  QPainter painter;
  if (!painter.begin(&svg)) {
    file.cancelWriting();
    return Failure{"", Tr("ChartExport", "Die Grafik konnte nicht erzeugt werden.")};
  }
  paint(painter);
  painter.end();
  return Commit(file);
}

Status WriteChartPng(ChartPanel& panel, const QString& path) {
  // As sharp as the screen shows it.
  return WritePicturePng(panel.pictureSize(), panel.devicePixelRatioF(),
                         [&panel](QPainter& painter) { panel.paintPicture(painter); }, path);
}

Status WriteChartSvg(ChartPanel& panel, const QString& path) {
  return WritePictureSvg(panel.pictureSize(), panel.chart().title(),
                         [&panel](QPainter& painter) { panel.paintPicture(painter); }, path);
}

Status WriteTextFile(const QString& path, const std::string& text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Fail(file);
  if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
    file.cancelWriting();
    return Fail(file);
  }
  return Commit(file);
}

}  // namespace lamvero
