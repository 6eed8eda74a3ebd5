#include "tools/helplabels.h"

namespace lamvero {

namespace {

struct HelpLabel {
  const char* word;    // as the library writes it
  const char* german;  // as the help shows it
};

constexpr HelpLabel kHelpLabels[] = {
    {"Usage", "Aufruf"},       {"OPTIONS", "OPTIONEN"},    {"Positionals", "Argumente"},
    {"SUBCOMMAND", "BEFEHL"},  {"REQUIRED", "PFLICHT"},    {"Needs", "braucht"},
    {"Excludes", "schließt aus"}, {"Env", "Umgebung"},     {"UINT", "ZAHL"},
    {"INT", "ZAHL"},           {"FLOAT", "ZAHL"},
};

}  // namespace

void UseGermanHelpLabels(CLI::App& app) {
  for (const HelpLabel& label : kHelpLabels) app.get_formatter()->label(label.word, label.german);
  app.option_defaults()->group("Optionen");
}

}  // namespace lamvero
