#pragma once
// Writing a diagram as a picture (PNG, or SVG for reports and further
// editing) and its data as text. Files are written whole or not at all.

#include <QString>
#include <string>

#include "text/outcome.h"

namespace lamvero {

class ChartPanel;

// The diagram as it is shown (zoom included) with its whole legend. A
// failure gives the reason alone.
Status WriteChartPng(ChartPanel& panel, const QString& path);
Status WriteChartSvg(ChartPanel& panel, const QString& path);
// Text (UTF-8) to a file.
Status WriteTextFile(const QString& path, const std::string& text);

}  // namespace lamvero
