#pragma once
// A fixed annotation beside a drawing area: a text in a colour, horizontal or
// written vertically, optionally followed by an arrow in its reading direction.

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "present/controltable.h"

class QPainter;

namespace lamvero {

class Annotation : public QWidget {
  Q_OBJECT
 public:
  Annotation(const ControlRow& row, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor colour_;
  TextDirection direction_;
  bool arrow_;
};

// Draws an annotation's text into `rect` with the painter's font: in its
// reading direction, followed by the arrow if it has one. `pixel` is the
// painter's length of one screen pixel (the arrow's size and line).
void PaintAnnotation(QPainter& p, const QRectF& rect, const QString& text, const QColor& colour,
                     TextDirection direction, bool arrow, double pixel);

}  // namespace lamvero
