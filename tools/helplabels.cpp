#include "tools/helplabels.h"

#include "text/language.h"

namespace lamvero {

namespace {

struct HelpLabel {
  const char* word;    // as the library writes it
  const char* german;  // as the help shows it, looked up in the runner's catalogue
};

constexpr HelpLabel kHelpLabels[] = {
    {"Usage", LV_TR_NOOP("lamvero-batch", "Aufruf")},
    {"OPTIONS", LV_TR_NOOP("lamvero-batch", "OPTIONEN")},
    {"Positionals", LV_TR_NOOP("lamvero-batch", "Argumente")},
    {"SUBCOMMAND", LV_TR_NOOP("lamvero-batch", "BEFEHL")},
    {"REQUIRED", LV_TR_NOOP("lamvero-batch", "PFLICHT")},
    {"Needs", LV_TR_NOOP("lamvero-batch", "braucht")},
    {"Excludes", LV_TR_NOOP("lamvero-batch", "schließt aus")},
    {"Env", LV_TR_NOOP("lamvero-batch", "Umgebung")},
    {"UINT", LV_TR_NOOP("lamvero-batch", "ZAHL")},
    {"INT", LV_TR_NOOP("lamvero-batch", "ZAHL")},
    {"FLOAT", LV_TR_NOOP("lamvero-batch", "ZAHL")},
};

}  // namespace

void UseHelpLabels(CLI::App& app) {
  for (const HelpLabel& label : kHelpLabels) app.get_formatter()->label(label.word, Tr("lamvero-batch", label.german));
  app.option_defaults()->group(Tr("lamvero-batch", "Optionen"));
}

}  // namespace lamvero
