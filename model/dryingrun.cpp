#include "model/dryingrun.h"

#include <cmath>
#include <cstdio>
#include <memory>

#include "model/controlrecorder.h"
#include "model/dryingperiods.h"
#include "model/inputcheck.h"
#include "model/numberformat.h"
#include "model/profilerecorder.h"
#include "model/setup.h"

namespace lamvero {

namespace {

// What Start shows before the set-up: the run buttons and the live rows.
void BeginRun(Display& d) {
  d.setVisible("cmd_Start", false);
  d.setVisible("cmd_Stop", true);
  d.setVisible("cmd_Pause", true);
  for (const char* label :
       {"lbl_Zeit", "lbl_Waermestromdichte", "lbl_Wasserdampf", "lbl_thetaOb", "lbl_Kerntemp", "lbl_Xmom",
        "lbl_KapGeschw", "lbl_DampfGeschw", "lbl_SchwindEnde", "lbl_offPoren", "lbl_Ortsschrittzahl",
        "lbl_LuftRohlingVerh", "lbl_LuftWasserVerh", "lbl_momLuftTemp", "lbl_momXLuft", "lbl_SchwindDiff",
        "lbl_SchwindGradient"}) {
    d.setVisible(label, true);
  }
  for (const char* box :
       {"txt_Zeit", "txt_qrand", "txt_Wasserdampf", "txt_thetaOb", "txt_thetaK", "txt_xmom", "txt_KapGeschw",
        "txt_Dampfgeschw", "txt_XSchwEnde", "txt_offPoren", "txt_AnzOS", "txt_LuftRohlingVerh",
        "txt_LuftWasserVerh", "txt_momLuftTemp", "txt_momXLuft", "txt_schwinddiff", "txt_schwindgrad"}) {
    d.setVisible(box, true);
  }
  d.setText("txt_Dampfgeschw", "-");
  // The maximum shrinkage difference and gradient start from nothing, so no
  // earlier run's values stand there until this run finds its own.
  d.setText("txt_schwinddiff", "0,00");
  d.setText("txt_schwindgrad", "0,00");
  d.repaintWindow();
  d.fillWhite(Area::Ausgabe, 0, 0, 10500, 5000);
}

// Two significant digits with a decimal comma: 2,3 or 0,0045.
std::string TwoDigits(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.2g", value);
  std::string text = buffer;
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

std::string StopMessage(const RunState& s, PeriodEnd end) {
  std::string when = FormatDuration(std::floor(s.Zeit + 0.5));
  if (when.front() != ' ') when.insert(0, " ");
  if (end == PeriodEnd::SeriesFull) {
    // A larger time step fits the run into the series, but the water error
    // stays small only while the grid number stays in its best range.
    return "Zeitreihen voll: Die Rechnung wurde bei der Zeit" + when +
           " angehalten, denn die Zeitreihen fassen höchstens 500000 Zeitschritte. "
           "Bitte die Zeitschrittweite vergrößern und die Ortsschrittweite mit der Wurzel desselben Faktors, "
           "damit Feuchteleitk. × Zeitschrittweite / Ortsschrittweite² (in m²/s, s, m; hier " +
           TwoDigits(MoistureGridNumber(s.Feuchteleit, s.deltaT, s.dx)) +
           ") bei 0,3 bis 1 bleibt: dort ist der Wasserfehler am kleinsten.";
  }
  return "Die Rechnung wurde bei der Zeit" + when +
         " angehalten, weil das Feuchteprofil keine endlichen Werte mehr hat. "
         "Bitte die Eingaben prüfen (Zeitschrittweite verkleinern oder Ortsschrittweite vergrößern).";
}

std::string UndefinedResultsMessage(const std::vector<std::string>& names) {
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) list += (i ? ", " : "") + names[i];
  return "Die Rechnung hat die Plattenmitte erreicht, aber diese Ergebnisse sind keine endlichen Zahlen: " + list +
         ". Der Lauf ist gescheitert. Bitte die Eingaben prüfen (Wärmeübergangskoeffizient und Zeitschrittweite "
         "im üblichen Bereich).";
}

}  // namespace

RunResult RunSimulation(RunState& s, const InputTexts& inputs, Display& observer, const RunOptions& options) {
  RunResult result;
  result.messages = CheckInputs(inputs);
  if (!result.messages.empty()) {
    result.outcome = RunOutcome::Refused;
    return result;
  }

  ControlRecorder controls(observer, options.controlsAtOpen);
  ProfileRecorder d(controls);
  s.stopRequest = options.stop;
  s.record.inputs = inputs;
  s.record.messages.clear();
  s.record.controls.clear();

  BeginRun(d);
  SetUpRun(s, inputs, d);
  PeriodEnd end = RunFirstPeriod(s, d);
  if (end == PeriodEnd::Done) end = RunSecondPeriod(s, d);
  std::vector<std::string> undefined;
  if (end == PeriodEnd::Done) {
    EvaluateRun(s, d);
    // A run whose results are not numbers has not succeeded.
    undefined = NonFiniteResults(s);
    if (!undefined.empty()) end = PeriodEnd::Failed;
  }
  // However the run ended, Pause and Stop have nothing left to act on: only
  // "Nochmal !" stays, and no idle pause can be started from a leftover button.
  d.setVisible("cmd_Pause", false);
  d.setVisible("cmd_Stop", false);
  d.setVisible("cmd_Neustart", true);

  switch (end) {
    case PeriodEnd::Done: result.outcome = RunOutcome::Completed; break;
    case PeriodEnd::Stopped: result.outcome = RunOutcome::Stopped; break;
    case PeriodEnd::SeriesFull: result.outcome = RunOutcome::SeriesFull; break;
    case PeriodEnd::Failed: result.outcome = RunOutcome::Failed; break;
  }
  if (!undefined.empty()) {
    result.messages.push_back(UndefinedResultsMessage(undefined));
  } else if (end == PeriodEnd::SeriesFull || end == PeriodEnd::Failed) {
    result.messages.push_back(StopMessage(s, end));
  }
  s.stopRequest = nullptr;
  RecordRun(s);
  s.record.outcome = result.outcome;
  s.record.messages = result.messages;
  s.record.controls = controls.controls();
  s.record.profiles = d.take();
  return result;
}

RunRecord RunCase(const InputTexts& inputs, Display& observer, const RunOptions& options) {
  const std::unique_ptr<RunState> s = std::make_unique<RunState>();
  const RunResult result = RunSimulation(*s, inputs, observer, options);
  if (result.outcome == RunOutcome::Refused) {
    RunRecord refused;
    refused.inputs = inputs;
    refused.messages = result.messages;
    return refused;
  }
  return std::move(s->record);
}

}  // namespace lamvero
