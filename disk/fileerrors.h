#pragma once
// Why a file or a stream could not be written, in the user's language where
// the user can do something about it: the system names these causes in
// English ("No space left on device"), and a save through QSaveFile may not
// name them at all.

#include <string>

namespace lamvero {

// The German text for an errno value such as ENOSPC ("kein Platz auf dem
// Datenträger"), or "" for a cause without one.
std::string FileErrorText(int code);

// The same as ": TEXT", to follow what could not be done; "" without one.
std::string FileErrorSuffix(int code);

}  // namespace lamvero
