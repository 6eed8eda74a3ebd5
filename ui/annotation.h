#pragma once
// A fixed annotation beside a drawing area: a text in a colour, horizontal or
// written vertically, optionally followed by an arrow in its reading direction.

#include <QWidget>

#include "ui/controltable.h"

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

}  // namespace lamvero
