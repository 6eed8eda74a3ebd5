#include "present/displayedrun.h"

#include "present/profilerecorder.h"
#include "present/runview.h"

namespace lamvero {

namespace {

// What the presenter showed goes into the record of a run that took place
// (a refused input showed nothing).
void KeepShown(RunRecord& record, const RunView& view, ProfileRecorder& profiles) {
  record.controls = view.controls();
  record.profiles = profiles.take();
}

}  // namespace

RunResult RunOnDisplay(RunState& s, const InputTexts& inputs, Display& d, const DisplayRunOptions& options) {
  ProfileRecorder profiles(d);
  RunView view(profiles, options.controlsAtOpen);
  const RunResult result = RunSimulation(s, inputs, view, options);
  if (result.outcome != RunOutcome::Refused) KeepShown(s.record, view, profiles);
  return result;
}

RunRecord RunCaseOnDisplay(const InputTexts& inputs, Display& d, const DisplayRunOptions& options) {
  ProfileRecorder profiles(d);
  RunView view(profiles, options.controlsAtOpen);
  RunRecord record = RunCase(inputs, view, options);
  if (record.outcome != RunOutcome::Refused) KeepShown(record, view, profiles);
  return record;
}

}  // namespace lamvero
