#pragma once
// A drawing area: a widget with a persistent backing image onto which the
// plots draw in a user scale (10500 wide, y growing downward). The user scale
// spans the inside of a one-pixel border; lines leaving it are clipped.

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <memory>

#include "present/canvas.h"

namespace lamvero {

class PlotArea : public QWidget, public Canvas {
  Q_OBJECT
 public:
  PlotArea(double userWidth, double userHeight, QWidget* parent = nullptr);
  ~PlotArea() override;

  void setPenWidth(int pixels) override;
  void setLineStyle(LineStyle style) override;
  void line(float x1, float y1, float x2, float y2, Rgb colour) override;
  void fillRect(double x1, double y1, double x2, double y2, Rgb colour) override;
  void refresh() override;

  // The backing image (the inside of the border), with all drawing finished.
  const QImage& image();
  // True when every pixel of the inside is white.
  bool isBlank();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ensureImage();
  QPainter& painter();
  void endPainting();
  void rasterLine(double ax, double ay, double bx, double by, QRgb rgb);
  QPointF toPixels(double x, double y) const;

  double userWidth_, userHeight_;
  QImage image_;
  std::unique_ptr<QPainter> painter_;  // open while a batch of lines is drawn
  int penWidth_ = 1;
  LineStyle style_ = LineStyle::Solid;
};

}  // namespace lamvero
