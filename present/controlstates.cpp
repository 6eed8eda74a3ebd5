#include "present/controlstates.h"

namespace lamvero {

std::map<std::string, ControlState> ControlStates::all() const {
  std::map<std::string, ControlState> all;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].touched) all.emplace(ControlName(static_cast<RunControl>(i)), entries_[i].state);
  }
  return all;
}

ControlState& ControlStates::at(RunControl control) {
  Entry& e = entries_[IndexOf(control)];
  if (!e.touched) {
    e.touched = true;
    if (defaults_) e.state = defaults_(ControlName(control));
  }
  return e.state;
}

}  // namespace lamvero
