#pragma once
// Writing a diagram as a picture (PNG, or SVG for reports and further
// editing) and its data as text. Files are written whole or not at all.

#include <QSize>
#include <QString>
#include <functional>
#include <string>

#include "text/outcome.h"

class QPainter;

namespace lamvero {

class ChartPanel;

// A picture of `size` that `paint` draws, written as PNG (as sharp as a
// screen of that pixel ratio shows it) or as SVG with that title.
using PaintPicture = std::function<void(QPainter&)>;
Status WritePicturePng(QSize size, qreal ratio, const PaintPicture& paint, const QString& path);
Status WritePictureSvg(QSize size, const QString& title, const PaintPicture& paint, const QString& path);

// The diagram as it is shown (zoom included) with its whole legend. A
// failure gives the reason alone.
Status WriteChartPng(ChartPanel& panel, const QString& path);
Status WriteChartSvg(ChartPanel& panel, const QString& path);
// Text (UTF-8) to a file.
Status WriteTextFile(const QString& path, const std::string& text);

}  // namespace lamvero
