#include "study/fitrun.h"

#include <exception>

#include "text/language.h"
#include "run/dryingrun.h"
#include "run/runevents.h"
#include "study/inputtext.h"
#include "text/trim.h"

namespace lamvero {

std::vector<Input> FittedInputs(const FitProblem& problem) {
  std::vector<Input> inputs;
  for (const FitParameter& p : problem.parameters) inputs.push_back(p.input);
  return inputs;
}

std::string QuotedCaption(Input input) {
  return Filled(Tr("Anpassung", "„%1“"), {WithoutTrailingBlanks(Tr("Eingabefelder", FieldOf(input).caption))});
}

FitRun RunFitCase(const FitProblem& problem, const FitReadings& readings, const std::vector<double>& values,
                  const StopRequest* stop) {
  FitRun run;
  NoRunEvents events;  // a fit keeps numbers only
  RunOptions options;
  options.stop = stop;
  options.airIntegration = problem.airIntegration;
  try {
    const RunRecord record =
        RunCase(WithInputValues(problem.base, FittedInputs(problem), values, ValueText::Exact), events, options);
    run.model = readings.modelValues(record);
    run.messages = record.messages;
    if (!run.model && run.messages.empty()) run.messages.push_back(Tr("Anpassung", "Der Lauf lieferte keine endlichen Werte."));
  } catch (const std::exception& e) {  // no memory for a run state: this run fails, the fit goes on
    run.messages = {Tr("Studie", "Lauf nicht möglich: ") + e.what()};
  }
  return run;
}

}  // namespace lamvero
