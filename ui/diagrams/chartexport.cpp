#include "ui/diagrams/chartexport.h"

#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <QSvgGenerator>

#include "ui/diagrams/chartpanel.h"

namespace lamvero {

namespace {

bool Fail(const QSaveFile& file, QString* error) {
  if (error) *error = file.errorString();
  return false;
}

}  // namespace

bool WriteChartPng(ChartPanel& panel, const QString& path, QString* error) {
  const QPixmap picture = panel.view().grab();
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Fail(file, error);
  if (!picture.save(&file, "PNG")) {
    file.cancelWriting();
    if (error) *error = QStringLiteral("Das Bild konnte nicht erzeugt werden.");
    return false;
  }
  return file.commit() || Fail(file, error);
}

bool WriteChartSvg(ChartPanel& panel, const QString& path, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Fail(file, error);
  QChartView& view = panel.view();
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(view.size());
  svg.setViewBox(QRect(QPoint(0, 0), view.size()));
  svg.setTitle(panel.chart().title());
  svg.setDescription(QStringLiteral("Lamvero"));
  QPainter painter;
  if (!painter.begin(&svg)) {
    file.cancelWriting();
    if (error) *error = QStringLiteral("Die Grafik konnte nicht erzeugt werden.");
    return false;
  }
  view.render(&painter);
  painter.end();
  return file.commit() || Fail(file, error);
}

bool WriteTextFile(const QString& path, const std::string& text, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Fail(file, error);
  if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
    file.cancelWriting();
    return Fail(file, error);
  }
  return file.commit() || Fail(file, error);
}

}  // namespace lamvero
