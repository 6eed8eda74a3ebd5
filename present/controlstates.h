#pragma once
// The state a run leaves each control in (text, visibility, colour), starting
// from how the control looked before the run touched it. The run's presenter
// keeps it up to date with every call it sends.

#include <array>
#include <map>
#include <string>

#include "run/runcontrol.h"
#include "run/controlstate.h"

namespace lamvero {

class ControlStates {
 public:
  explicit ControlStates(ControlDefaults defaults) : defaults_(std::move(defaults)) {}

  // The state of that control, made from its defaults when first asked for.
  ControlState& at(RunControl control);
  // Every control asked for so far, by name.
  std::map<std::string, ControlState> all() const;

 private:
  struct Entry {
    bool touched = false;
    ControlState state;
  };

  ControlDefaults defaults_;
  std::array<Entry, kRunControlCount> entries_{};
};

}  // namespace lamvero
