#include "tools/optionerrors.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "text/shownchars.h"
#include "tools/closestname.h"
#include "tools/fieldnames.h"

namespace lamvero {

namespace {

std::string Quoted(const std::string& text) { return "„" + ShownText(text) + "“"; }

// The long names of the options, with their dashes; positionals have none.
std::vector<std::string> LongOptionNames(const CLI::App& app) {
  std::vector<std::string> names;
  for (const CLI::Option* option : app.get_options()) {
    for (const std::string& n : option->get_lnames()) names.push_back("--" + n);
  }
  return names;
}

// An argument the command line does not take: a field and its value given
// apart, an unknown option (with the likely one), or a stray word.
std::string ExtraArgumentText(const std::string& extra, const CLI::App& app, const std::vector<std::string>& args) {
  const auto at = std::find(args.begin(), args.end(), extra);
  if (at != args.begin() && at != args.end()) {
    if (std::string hint = SpacedAssignmentHint(*(at - 1), extra); !hint.empty()) return hint;
  }
  if (extra.size() < 2 || extra[0] != '-') return "unerwartetes Argument " + Quoted(extra);
  const std::string name = extra.substr(0, extra.find('='));
  // Longer names may take more slips: "--vray" one swap, "--acuracy-shceme" more.
  // A single letter ("-x") is too short to guess from.
  const std::size_t maxEdits = std::clamp<std::size_t>(name.size() / 4, 2, 3);
  std::string text = "unbekannte Option " + ShownText(name);
  const std::string likely = name.size() > 3 ? ClosestName(name, LongOptionNames(app), maxEdits) : "";
  if (!likely.empty()) {
    text += "; gemeint ist wohl " + likely;
  }
  return text;
}

// The option an error of the command-line library is about: the longest of
// the names that its text mentions, or nullptr.
const CLI::Option* OptionInError(const std::string& what, const CLI::App& app, std::string& name) {
  const CLI::Option* found = nullptr;
  for (const CLI::Option* option : app.get_options()) {
    for (const std::string& n : option->get_lnames()) {
      const std::string dashed = "--" + n;
      const std::size_t pos = what.find(dashed);
      const std::size_t end = pos + dashed.size();
      const bool whole = pos != std::string::npos && (end == what.size() || !(std::isalnum(static_cast<unsigned char>(what[end])) || what[end] == '-'));
      if (whole && dashed.size() > name.size()) {
        name = dashed;
        found = option;
      }
    }
  }
  return found;
}

}  // namespace

CLI::Validator WholeNumberBetween(long long min, long long max) {
  const std::string range = std::to_string(min) + " bis " + std::to_string(max);
  return CLI::Validator(
      [min, max, range](std::string& text) -> std::string {
        long long value = 0;
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, value);
        if (error != std::errc() || stop != end) return Quoted(text) + " ist keine ganze Zahl (erlaubt: " + range + ").";
        if (value < min || value > max) {
          return Quoted(text) + " liegt nicht zwischen " + std::to_string(min) + " und " + std::to_string(max) + ".";
        }
        return "";
      },
      range);
}

CLI::Validator OneOfWords(const std::vector<std::string>& words) {
  std::string listed;
  for (const std::string& w : words) listed += (listed.empty() ? "" : ", ") + w;
  return CLI::Validator(
      [words, listed](std::string& text) -> std::string {
        if (std::find(words.begin(), words.end(), text) != words.end()) return "";
        return Quoted(text) + " ist nicht erlaubt (erlaubt: " + listed + ").";
      },
      "{" + listed + "}");
}

std::string WithHelpHint(const std::string& message) {
  const bool sentence = !message.empty() && message.back() == '.';
  return message + (sentence ? "" : ".") + " Alle Optionen und Felder: lamvero-batch --help";
}

std::string OptionErrorText(const CLI::ParseError& error, const CLI::App& app, const std::vector<std::string>& args) {
  if (dynamic_cast<const CLI::ExtrasError*>(&error) && !app.remaining().empty()) {
    return ExtraArgumentText(app.remaining().front(), app, args);
  }
  // The validators above give the reason in German already: "--refine: „9“ liegt nicht ...".
  if (dynamic_cast<const CLI::ValidationError*>(&error)) return std::string(error.what());
  std::string name;
  const CLI::Option* option = OptionInError(error.what(), app, name);
  if (!option) return "die Befehlszeile lässt sich nicht lesen.";
  // Nearly always the value missing at the end of the line.
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) || option->results().empty()) {
    return name + ": der Wert fehlt (" + name + " WERT oder " + name + "=WERT).";
  }
  return name + ": " + Quoted(option->results().back()) + " ist kein gültiger Wert.";
}

}  // namespace lamvero
