#pragma once
// How a control of the window looks: text, visibility and colour. A run's
// record keeps the state the run left every control it touched in, by name.

#include <functional>
#include <string>

namespace lamvero {

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// The state a run left a control in: its text, visibility and colour.
struct ControlState {
  std::string text;
  bool visible = false;
  Rgb color;
  bool operator==(const ControlState& o) const { return text == o.text && visible == o.visible && color == o.color; }
};

// How a control looks before a run touches it (caption or default text,
// visibility and colour when the window opens).
using ControlDefaults = std::function<ControlState(const std::string& name)>;

}  // namespace lamvero
