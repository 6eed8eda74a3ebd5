#pragma once
// A laboratory test at constant air ("Laborversuch, Luft konstant"): a drying
// test in a climate chamber sees air of one state for the whole test. The
// dryer model gives that when the counter-current section ends in its first
// step: the air at the plate starts at the exhaust state, and a section end
// temperature no higher than the exhaust temperature ends the section before
// the air is ever advanced. The chamber's temperature and humidity are then
// the exhaust temperature and humidity boxes; nothing else changes.

#include <vector>

#include "inputs/inputs.h"
#include "inputs/plausibility.h"
#include "text/language.h"

namespace lamvero {

// The caption the window, the report and the runner give the choice; German,
// in the catalogue with the input captions: Tr("Eingabefelder", kConstantAirCaption).
constexpr const char* kConstantAirCaption = LV_TR_NOOP("Eingabefelder", "Laborversuch, Luft konstant");

// The inputs a run of a laboratory test gets: the counter-current end
// temperature takes the text of the exhaust temperature, so that both read as
// the same number, whatever the text is.
InputTexts WithConstantAir(InputTexts inputs);

// The warnings that concern a laboratory test: the counter-current end's
// usual range is a dryer's, and in a test its value is the chamber's
// temperature, which the exhaust temperature's own range already judges.
std::vector<InputWarning> ConstantAirWarnings(std::vector<InputWarning> warnings);

}  // namespace lamvero
