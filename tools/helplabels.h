#pragma once
// The runner's help in its language throughout: the words the command-line
// library puts around the options ("Usage", "OPTIONS", the value types).

#include <CLI/CLI.hpp>

namespace lamvero {

// Call before the first option is added: the group name of options is taken
// when an option is made.
void UseHelpLabels(CLI::App& app);

}  // namespace lamvero
