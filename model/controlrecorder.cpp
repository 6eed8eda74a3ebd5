#include "model/controlrecorder.h"

namespace lamvero {

std::map<std::string, ControlState> ControlRecorder::controls() const {
  std::map<std::string, ControlState> all;
  for (const Entry& e : entries_) all.emplace(e.name, e.state);
  return all;
}

void ControlRecorder::setText(const char* control, const std::string& text) {
  at(control).text = text;
  next_.setText(control, text);
}

void ControlRecorder::setVisible(const char* control, bool visible) {
  at(control).visible = visible;
  next_.setVisible(control, visible);
}

void ControlRecorder::setColor(const char* control, Rgb color) {
  at(control).color = color;
  next_.setColor(control, color);
}

ControlState& ControlRecorder::at(const char* control) {
  for (Entry& e : entries_) {
    if (e.name == control) return e.state;
  }
  entries_.push_back(Entry{control, defaults_ ? defaults_(control) : ControlState{}});
  return entries_.back().state;
}

}  // namespace lamvero
