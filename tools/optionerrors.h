#pragma once
// What lamvero-batch says about a command line it cannot read: one line in
// the user's language naming the option and the reason, with the likely option for a
// misspelt one, instead of the command-line library's English text and help.

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

namespace lamvero {

// Accepts a whole number from min to max; refuses anything else with a reason in the user's language.
CLI::Validator WholeNumberBetween(long long min, long long max);

// Accepts one of words exactly; refuses anything else with a reason in the user's language.
CLI::Validator OneOfWords(const std::vector<std::string>& words);

// message as a sentence, followed by where the options and fields are listed.
std::string WithHelpHint(const std::string& message);

// The message for a command line that app refused with error; args are the
// arguments after the program's name.
std::string OptionErrorText(const CLI::ParseError& error, const CLI::App& app, const std::vector<std::string>& args);

}  // namespace lamvero
