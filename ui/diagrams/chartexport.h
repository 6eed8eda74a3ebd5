#pragma once
// Writing a diagram as a picture (PNG, or SVG for reports and further
// editing) and its data as text. Files are written whole or not at all.

#include <QString>
#include <string>

namespace lamvero {

class ChartPanel;

// The diagram as it is shown (zoom included). False with a reason in *error on failure.
bool WriteChartPng(ChartPanel& panel, const QString& path, QString* error);
bool WriteChartSvg(ChartPanel& panel, const QString& path, QString* error);
// Text (UTF-8) to a file.
bool WriteTextFile(const QString& path, const std::string& text, QString* error);

}  // namespace lamvero
