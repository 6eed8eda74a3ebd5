#pragma once
// The input fields as the command line of lamvero-batch knows them.

#include <string>
#include <vector>

namespace lamvero {

// One line per input field: name, caption, unit, default text and usual range.
std::string FieldListing();

// The input field a misspelt name most likely meant ("txt_dicke", "Dicke",
// "txt_Dike" give "txt_Dicke"); "" when none is close.
std::string SuggestField(const std::string& name);

// The names of the input fields (txt_Dicke, ...) in the window's order.
std::vector<std::string> FieldNames();

// For a field name and its value given as two arguments ("txt_Dicke 25"): the
// message that shows the right form (value "" when none followed); "" when
// name is no input field.
std::string SpacedAssignmentHint(const std::string& name, const std::string& value);

// The same for a varied input ("--vary txt_Dicke 20:40:5"): the message that
// shows "--vary txt_Dicke=WERTE"; "" when name is no input field.
std::string SpacedVaryHint(const std::string& name, const std::string& value);

}  // namespace lamvero
