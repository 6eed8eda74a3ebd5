#pragma once
// How a run steps the dryer air's enthalpy balance in the second drying period.
//
// Standard is the air balance the program has always used: the heat that
// warms the body (specific heat times the change of the front temperature in
// one step) enters multiplied by the time step once more, and its reference
// temperature starts at 0 °C. That term therefore grows with the time step,
// and the first step of the period lifts the air by the time step times the
// whole front temperature: the duration of the counter-current section falls
// with a larger time step.
//
// Consistent counts the same heat once per step (kJ per kg of dry body, as
// the water term counts kg of water per step) and from the front temperature
// the body has when the period begins. The laws stay the same; only their
// stepping in time no longer depends on the step.

#include <string>
#include <string_view>
#include <vector>

#include "text/outcome.h"

namespace lamvero {

enum class AirIntegration { Standard, Consistent };

struct AirIntegrationName {
  AirIntegration value;
  const char* key;   // in options, JSON and case files
  const char* help;  // what it does, for the runner's help; German, Tr("Luftbilanz", help)
};

// Every choice, the default (Standard) first.
const std::vector<AirIntegrationName>& AirIntegrationNames();

// "standard" or "consistent".
const char* AirIntegrationKey(AirIntegration value);

// The choice of a key; a failure naming `where` and the keys there are.
Outcome<AirIntegration> AirIntegrationOfKey(std::string_view key, const std::string& where);

}  // namespace lamvero
