#pragma once
// The state a run leaves each control in (text, visibility, colour), starting
// from how the control looked before the run touched it. The run's presenter
// keeps it up to date with every call it sends.

#include <cstddef>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "run/runrecord.h"

namespace lamvero {

class ControlStates {
 public:
  explicit ControlStates(ControlDefaults defaults) : defaults_(std::move(defaults)) {}

  // The state of that control, made from its defaults when first asked for.
  // The name must stay where it is for the tracker's lifetime (a string
  // literal): the tracker finds it again by its address.
  ControlState& at(const char* control);
  // Every control asked for so far, by name.
  std::map<std::string, ControlState> all() const;

 private:
  struct Entry {
    std::string name;
    ControlState state;
  };

  ControlDefaults defaults_;
  std::vector<Entry> entries_;  // a run touches a few dozen controls
  std::unordered_map<const char*, std::size_t> byAddress_;  // entry by the address its name came at
};

}  // namespace lamvero
