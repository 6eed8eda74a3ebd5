#pragma once
// A canvas that records every drawing operation with the pen state it was
// drawn with, so a test can check what a plot draws and in which order.

#include <vector>

#include "present/canvas.h"

namespace lamvero {

struct CanvasOp {
  enum Kind { Line, Fill, Refresh } kind;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Rgb colour;
  int penWidth = 1;
  LineStyle style = LineStyle::Solid;
};

class RecordingCanvas : public Canvas {
 public:
  std::vector<CanvasOp> ops;
  int penWidth = 1;
  LineStyle style = LineStyle::Solid;

  void setPenWidth(int pixels) override { penWidth = pixels; }
  void setLineStyle(LineStyle s) override { style = s; }
  void line(float x1, float y1, float x2, float y2, Rgb colour) override {
    ops.push_back({CanvasOp::Line, x1, y1, x2, y2, colour, penWidth, style});
  }
  void fillRect(double x1, double y1, double x2, double y2, Rgb colour) override {
    ops.push_back({CanvasOp::Fill, float(x1), float(y1), float(x2), float(y2), colour, penWidth, style});
  }
  void refresh() override { ops.push_back({CanvasOp::Refresh, 0, 0, 0, 0, Rgb{}, penWidth, style}); }

  // The lines that satisfy `pred`.
  template <class Pred>
  std::vector<CanvasOp> lines(Pred pred) const {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : ops) {
      if (op.kind == CanvasOp::Line && pred(op)) out.push_back(op);
    }
    return out;
  }
};

}  // namespace lamvero
