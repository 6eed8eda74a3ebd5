#include "tools/fitoptions.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <unistd.h>

#include "disk/measuredfiles.h"
#include "text/language.h"
#include "text/parsenumber.h"
#include "tools/exitstatus.h"
#include "tools/fieldnames.h"
#include "tools/fitoutput.h"
#include "tools/stoponsignal.h"
#include "tools/studyprogress.h"

namespace lamvero {

namespace {

// A number as an input box reads it ("0,5"); nothing when the text is no number.
std::optional<double> NumberOf(const std::string& text) {
  const InputNumber read = ReadInputNumber(text);
  if (read.reading != NumberReading::Number || !read.rest.empty()) return std::nullopt;
  return read.value;
}

Outcome<Input> FieldNamed(const std::string& name, const std::string& option) {
  for (const InputField& f : InputFields()) {
    if (name == f.box) return f.id;
  }
  const std::string suggestion = SuggestField(name);
  return Failure{option, Filled(Tr("lamvero-batch", "unbekanntes Eingabefeld \"%1\""), {name}) +
                             (suggestion.empty() ? std::string()
                                                 : Filled(Tr("lamvero-batch", "; gemeint ist wohl %1"), {suggestion}))};
}

// "txt_Name" (its usual range) or "txt_Name=lo:hi".
Outcome<FitParameter> ParameterOf(const std::string& text) {
  const std::size_t eq = text.find('=');
  const Outcome<Input> input = FieldNamed(text.substr(0, eq), "--fit-param");
  if (!input) return input.failure();
  FitParameter parameter = DefaultFitParameter(input.value());
  if (eq == std::string::npos) return parameter;
  const std::string bounds = text.substr(eq + 1);
  const std::size_t colon = bounds.find(':');
  const std::optional<double> lower = NumberOf(bounds.substr(0, colon));
  const std::optional<double> upper = colon == std::string::npos ? std::nullopt : NumberOf(bounds.substr(colon + 1));
  if (!lower || !upper) {
    return Failure{"--fit-param", Filled(Tr("lamvero-batch", "\"%1\": Schranken als UNTEN:OBEN erwartet, z. B. %2=5:100"),
                                         {text, FieldOf(input.value()).box})};
  }
  parameter.lower = *lower;
  parameter.upper = *upper;
  return parameter;
}

// "quantity=WEIGHT" sets that quantity's weight.
Status ApplyWeight(const std::string& text, FitProblem& problem) {
  const std::size_t eq = text.find('=');
  const std::string key = text.substr(0, eq);
  std::string keys;
  for (const MeasuredQuantityInfo& info : MeasuredQuantities()) {
    keys += std::string(keys.empty() ? "" : ", ") + info.key;
    if (key != info.key) continue;
    const std::optional<double> weight = eq == std::string::npos ? std::nullopt : NumberOf(text.substr(eq + 1));
    if (!weight) {
      return Failure{"--fit-weight",
                     Filled(Tr("lamvero-batch", "\"%1\": GRÖSSE=GEWICHT erwartet, z. B. %2=%3"),
                            {text, key, ShownInputText("0,5")})};
    }
    problem.weights[static_cast<std::size_t>(info.id)] = *weight;
    return Done{};
  }
  return Failure{"--fit-weight", Filled(Tr("lamvero-batch", "unbekannte Messgröße \"%1\"; bekannt sind %2"), {key, keys})};
}

}  // namespace

void AddFitOptions(CLI::App& app, FitOptions& o) {
  app.add_option("--fit", o.dataPath,
                 Tr("lamvero-batch",
                    "Anpassung: die mit --fit-param gewählten Eingaben so wählen, dass der Lauf die gemessene Kurve "
                    "dieser CSV-Datei am besten trifft (kleinste Quadrate); Ausgabe: Werte mit 95-%-Vertrauensbereich, "
                    "RMSE und R² je Messgröße, Läufe und Zeit; mit --json ein Objekt \"fit\""))
      ->type_name(Tr("lamvero-batch", "DATEI") + ".csv");
  app.add_option("--fit-param", o.params,
                 Tr("lamvero-batch", "Anpassung: ein anzupassendes Eingabefeld, mit Schranken in der Einheit des "
                                     "Feldes (Vorgabe: sein üblicher Bereich); mehrmals für mehrere"))
      ->type_name(Tr("lamvero-batch", "txt_Name[=UNTEN:OBEN]"))
      ->allow_extra_args(false);
  app.add_option("--fit-weight", o.weights,
                 Tr("lamvero-batch", "Anpassung: Gewicht einer Messgröße (moisture, surfaceTemperature, "
                                     "coreTemperature, shrinkage); Vorgabe moisture=1, die anderen 0; 0 lässt sie weg"))
      ->type_name(Tr("lamvero-batch", "GRÖSSE=GEWICHT"))
      ->allow_extra_args(false);
  app.add_option("--dry-mass", o.dryMass,
                 Tr("lamvero-batch", "Anpassung: Trockenmasse der Probe in g, wenn die Datei die Masse statt der "
                                     "Wasserbeladung enthält"))
      ->type_name("G");
  app.add_option("--fit-max-runs", o.maxRuns,
                 Tr("lamvero-batch", "Anpassung: höchstens so viele Läufe der Suche (Vorgabe 300)"))
      ->type_name(Tr("lamvero-batch", "ANZAHL"));
}

bool FitRequested(const FitOptions& o) {
  return !o.dataPath.empty() || !o.params.empty() || !o.weights.empty() || !o.dryMass.empty();
}

Outcome<FitProblem> FitProblemOf(const FitOptions& o, const InputTexts& base) {
  if (o.dataPath.empty())
    return Failure{"--fit", Tr("lamvero-batch", "--fit-param, --fit-weight und --dry-mass gelten nur mit --fit DATEI.")};
  if (o.params.empty()) return Failure{"--fit", Tr("lamvero-batch", "mindestens ein --fit-param txt_Name ist nötig.")};
  FitProblem problem;
  problem.base = base;
  if (o.maxRuns > 0) problem.maxRuns = o.maxRuns;
  for (const std::string& text : o.params) {
    const Outcome<FitParameter> parameter = ParameterOf(text);
    if (!parameter) return parameter.failure();
    problem.parameters.push_back(parameter.value());
  }
  for (const std::string& text : o.weights) {
    if (const Status applied = ApplyWeight(text, problem); !applied) return applied.failure();
  }
  return problem;
}

}  // namespace lamvero

namespace lamvero {

namespace {

// The fit's progress on stderr, counted in runs towards the most the search may take.
struct FitProgressOnStderr : FitObserver {
  explicit FitProgressOnStderr(StudyProgress& progress) : progress_(progress) {}
  void progress(const FitProgress& p) override { progress_.update(std::min(p.runs, p.maxRuns), p.maxRuns); }
  StudyProgress& progress_;
};

int Refused(const std::string& message) {
  std::cerr << "lamvero-batch: " << message << "\n";
  return kExitUsageOrRefused;
}

// The problem with its data read; the exit status when it cannot be made.
Outcome<FitProblem> ReadFitProblem(const FitOptions& o, const FitCommand& c) {
  Outcome<FitProblem> made = FitProblemOf(o, c.base);
  if (!made) return made.failure();
  FitProblem problem = std::move(made).value();
  std::optional<double> dryMass;
  if (!o.dryMass.empty()) {
    dryMass = NumberOf(o.dryMass);
    if (!dryMass || !(*dryMass > 0)) {
      return Failure{"--dry-mass", Filled(Tr("lamvero-batch", "\"%1\" ist keine Masse über 0 g."), {o.dryMass})};
    }
  }
  Outcome<MeasuredCurve> data = ReadMeasuredCurveFile(QString::fromStdString(o.dataPath), dryMass);
  if (!data) return Failure{"--fit", data.message()};
  problem.data = std::move(data).value();
  problem.jobs = c.jobs;
  problem.airIntegration = c.airIntegration;
  const std::string error = FitProblemError(problem);
  if (!error.empty()) return Failure{"--fit", error};
  return problem;
}

}  // namespace

int RunFitCommand(const FitOptions& o, const FitCommand& c) {
  const Outcome<FitProblem> problem = ReadFitProblem(o, c);
  if (!problem) return Refused(problem.message());
  StopOnSignal onSignal;
  StudyProgress progress(isatty(STDERR_FILENO) == 1 ? StudyProgress::Style::Terminal
                         : c.progressLog            ? StudyProgress::Style::Log
                                                    : StudyProgress::Style::Off);
  FitProgressOnStderr observer(progress);
  const FitResult result = Fit(problem.value(), &observer, &onSignal.stop());
  progress.end();
  std::cout << (c.json ? FitJson(problem.value(), result) + "\n" : FitText(problem.value(), result));
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "lamvero-batch: " << Tr("lamvero-batch", "die Ausgabe auf stdout ließ sich nicht schreiben.") << "\n";
    return kExitFileError;
  }
  switch (result.status) {
    case FitResult::Status::Converged:
      return kExitCompleted;
    case FitResult::Status::Stopped:
      std::cerr << "lamvero-batch: "
                << Filled(Tr("lamvero-batch", "Anpassung durch %1 abgebrochen."), {StopOnSignal::Name(onSignal.signal())})
                << "\n";
      return kExitSignalBase + onSignal.signal();
    case FitResult::Status::Failed:
      break;
  }
  std::cerr << "lamvero-batch: " << result.message << "\n";
  return kExitStopped;
}

}  // namespace lamvero
