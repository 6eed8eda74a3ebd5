#include "run/airintegration.h"

#include <cstddef>

#include "text/language.h"
#include "text/shownchars.h"

namespace lamvero {

const std::vector<AirIntegrationName>& AirIntegrationNames() {
  static const std::vector<AirIntegrationName> names = {
      // In the order of the enumeration.
      {AirIntegration::Standard, "standard",
       LV_TR_NOOP("Luftbilanz", "die Körperwärme geht mal der Zeitschrittweite und ab 0 °C ein (Vorgabe)")},
      {AirIntegration::Consistent, "consistent",
       LV_TR_NOOP("Luftbilanz",
                  "die Körperwärme geht je Schritt einmal ein, ab der Kerntemperatur zu Beginn des "
                  "Abschnitts: die Dauer der Gegenstromtrocknung hängt kaum noch von der "
                  "Zeitschrittweite ab")},
  };
  return names;
}

const char* AirIntegrationKey(AirIntegration value) {
  return AirIntegrationNames()[static_cast<std::size_t>(value)].key;
}

Outcome<AirIntegration> AirIntegrationOfKey(std::string_view key, const std::string& where) {
  std::string keys;
  for (const AirIntegrationName& n : AirIntegrationNames()) {
    if (key == n.key) return n.value;
    keys = keys.empty() ? n.key : Filled(Tr("Luftbilanz", "%1 oder %2"), {keys, n.key});
  }
  return Failure{where,
                 Filled(Tr("Luftbilanz", "„%1“ ist keine Luftbilanz; möglich sind %2."), {ShownText(key), keys})};
}

}  // namespace lamvero
