#pragma once
// The input fields as the command line of lamvero-batch knows them.

#include <string>

namespace lamvero {

// One line per input field: name, caption, unit, default text and usual range.
std::string FieldListing();

// The input field a misspelt name most likely meant ("txt_dicke", "Dicke",
// "txt_Dike" give "txt_Dicke"); "" when none is close.
std::string SuggestField(const std::string& name);

}  // namespace lamvero
