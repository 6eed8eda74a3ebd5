#include "run/controlstates.h"

namespace lamvero {

std::map<std::string, ControlState> ControlStates::all() const {
  std::map<std::string, ControlState> all;
  for (const Entry& e : entries_) all.emplace(e.name, e.state);
  return all;
}

ControlState& ControlStates::at(const char* control) {
  // The presenter names a control by the same literal every time, so its
  // address finds the entry without comparing names.
  const auto known = byAddress_.find(control);
  if (known != byAddress_.end()) return entries_[known->second].state;
  std::size_t i = 0;
  while (i < entries_.size() && entries_[i].name != control) ++i;
  if (i == entries_.size()) entries_.push_back(Entry{control, defaults_ ? defaults_(control) : ControlState{}});
  byAddress_[control] = i;
  return entries_[i].state;
}

}  // namespace lamvero
