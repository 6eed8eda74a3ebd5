#include "tools/accuracyoptions.h"

#include <CLI/CLI.hpp>

#include "study/autosteps.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "text/parsenumber.h"
#include "text/shownchars.h"

namespace lamvero {

namespace {

std::string SchemeNames() {
  std::string names;
  for (const AccuracyScheme& s : AccuracySchemes()) names += (names.empty() ? "" : ", ") + std::string(s.name);
  return names;
}

std::string SchemeHelp() {
  std::string help;
  for (const AccuracyScheme& s : AccuracySchemes()) help += std::string("; ") + s.name + ": " + Tr("Genauigkeit", s.caption);
  return help;
}

}  // namespace

void AccuracyRequest::registerWith(CLI::App& app) {
  app.add_flag("--accuracy", estimate,
               Tr("lamvero-batch",
                  "nach dem Lauf denselben Fall mit verfeinerten Schrittweiten rechnen (Vorgabe: Ortsschrittweite "
                  "halbiert, Zeitschrittweite geviertelt) und je Kennergebnis Änderung, beobachtete Ordnung, "
                  "extrapolierten Wert und geschätzten Diskretisierungsfehler ausgeben (mit --json als Objekt "
                  "\"accuracy\")"));
  app.add_option("--accuracy-scheme", schemeName,
                 Filled(Tr("lamvero-batch", "Genauigkeit: wie verfeinert wird (Vorgabe %1%2)"), {schemeName, SchemeHelp()}))
      ->type_name("NAME");
  app.add_option("--tolerance", toleranceText,
                 Filled(Tr("lamvero-batch", "Genauigkeit: Fehler in %, ab dem ein Ergebnis markiert wird (Vorgabe %1 %)"),
                        {FormatSignificant(kDefaultAccuracyTolerancePercent, 3)}))
      ->type_name("TOL%");
  app.add_flag("--auto-steps{" + FormatSignificant(kDefaultAutoStepsTolerancePercent, 3) + "%}", autoStepsText,
               Filled(Tr("lamvero-batch",
                         "Schrittweiten wählen: ab den eingegebenen Zeit- und Ortsschrittweiten beide halbieren, bis "
                         "sich kein Kennergebnis mehr um TOL ändert (--auto-steps=TOL, Vorgabe %1 %); gerechnet wird "
                         "dann mit den gewählten Schrittweiten"),
                      {FormatSignificant(kDefaultAutoStepsTolerancePercent, 3)}));
}

Status AccuracyRequest::resolve(const CLI::App& app) {
  scheme = FindAccuracyScheme(schemeName);
  if (!scheme) {
    return Failure{"--accuracy-scheme",
                   Filled(Tr("lamvero-batch", "unbekannt: \"%1\"; erwartet %2"), {ShownText(schemeName), SchemeNames()})};
  }
  const bool schemeOrTolerance = app.count("--accuracy-scheme") > 0 || app.count("--tolerance") > 0;
  autoSteps = app.count("--auto-steps") > 0;
  if (schemeOrTolerance && !estimate) {
    return Failure{"", Tr("lamvero-batch", "--accuracy-scheme und --tolerance gelten nur mit --accuracy")};
  }
  if (app.count("--tolerance") > 0) {
    const Outcome<double> tolerance = ReadTolerancePercent(toleranceText, "--tolerance");
    if (!tolerance) return tolerance.failure();
    tolerancePercent = tolerance.value();
  }
  if (autoSteps) {
    const Outcome<double> tolerance = ReadTolerancePercent(autoStepsText, "--auto-steps");
    if (!tolerance) return tolerance.failure();
    autoStepsPercent = tolerance.value();
  }
  return Done{};
}

Outcome<double> ReadTolerancePercent(const std::string& text, const std::string& option) {
  const InputNumber number = ReadInputNumber(text);
  if (number.reading != NumberReading::Number || !(number.rest.empty() || number.rest == "%")) {
    return Failure{option, Filled(Tr("lamvero-batch", "\"%1\" ist keine Prozentangabe (etwa 2% oder 0,5%)"),
                                  {ShownText(text)})};
  }
  if (!(number.value > 0 && number.value < 100)) {
    return Failure{option, Filled(Tr("lamvero-batch", "\"%1\" liegt nicht zwischen 0 % und 100 %"), {ShownText(text)})};
  }
  return number.value;
}

}  // namespace lamvero
