#include "run/airintegration.h"

#include <cstddef>

#include "text/shownchars.h"

namespace lamvero {

const std::vector<AirIntegrationName>& AirIntegrationNames() {
  static const std::vector<AirIntegrationName> names = {
      // In the order of the enumeration.
      {AirIntegration::Standard, "standard", "die Körperwärme geht mal der Zeitschrittweite und ab 0 °C ein (Vorgabe)"},
      {AirIntegration::Consistent, "consistent",
       "die Körperwärme geht je Schritt einmal ein, ab der Kerntemperatur zu Beginn des Abschnitts: die Dauer der "
       "Gegenstromtrocknung hängt kaum noch von der Zeitschrittweite ab"},
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
    keys += std::string(keys.empty() ? "" : " oder ") + n.key;
  }
  return Failure{where, "„" + ShownText(key) + "“ ist keine Luftbilanz; möglich sind " + keys + "."};
}

}  // namespace lamvero
