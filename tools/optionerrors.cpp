#include "tools/optionerrors.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "text/language.h"
#include "text/shownchars.h"
#include "tools/closestname.h"
#include "tools/fieldnames.h"

namespace lamvero {

namespace {

std::string Quoted(const std::string& text) { return Filled(Tr("lamvero-batch", "„%1“"), {ShownText(text)}); }

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
  if (extra.size() < 2 || extra[0] != '-') return Filled(Tr("lamvero-batch", "unerwartetes Argument %1"), {Quoted(extra)});
  const std::string name = extra.substr(0, extra.find('='));
  // Longer names may take more slips: "--vray" one swap, "--acuracy-shceme" more.
  // A single letter ("-x") is too short to guess from.
  const std::size_t maxEdits = std::clamp<std::size_t>(name.size() / 4, 2, 3);
  std::string text = Filled(Tr("lamvero-batch", "unbekannte Option %1"), {ShownText(name)});
  const std::string likely = name.size() > 3 ? ClosestName(name, LongOptionNames(app), maxEdits) : "";
  if (!likely.empty()) {
    text += Filled(Tr("lamvero-batch", "; gemeint ist wohl %1"), {likely});
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
  const std::string range = Filled(Tr("lamvero-batch", "%1 bis %2"), {std::to_string(min), std::to_string(max)});
  return CLI::Validator(
      [min, max, range](std::string& text) -> std::string {
        long long value = 0;
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, value);
        if (error != std::errc() || stop != end) {
          return Filled(Tr("lamvero-batch", "%1 ist keine ganze Zahl (erlaubt: %2)."), {Quoted(text), range});
        }
        if (value < min || value > max) {
          return Filled(Tr("lamvero-batch", "%1 liegt nicht zwischen %2 und %3."),
                        {Quoted(text), std::to_string(min), std::to_string(max)});
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
        return Filled(Tr("lamvero-batch", "%1 ist nicht erlaubt (erlaubt: %2)."), {Quoted(text), listed});
      },
      "{" + listed + "}");
}

std::string WithHelpHint(const std::string& message) {
  const bool sentence = !message.empty() && message.back() == '.';
  return message + (sentence ? "" : ".") + Tr("lamvero-batch", " Alle Optionen und Felder: lamvero-batch --help");
}

std::string OptionErrorText(const CLI::ParseError& error, const CLI::App& app, const std::vector<std::string>& args) {
  if (dynamic_cast<const CLI::ExtrasError*>(&error) && !app.remaining().empty()) {
    return ExtraArgumentText(app.remaining().front(), app, args);
  }
  // The validators above give the reason in the user's language already: "--refine: „9“ liegt nicht ...".
  if (dynamic_cast<const CLI::ValidationError*>(&error)) return std::string(error.what());
  std::string name;
  const CLI::Option* option = OptionInError(error.what(), app, name);
  if (!option) return Tr("lamvero-batch", "die Befehlszeile lässt sich nicht lesen.");
  const bool mismatch = dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr;
  // More values than the option takes: it was given twice ("--series a.csv --series b.csv").
  if (mismatch && option->results().size() > static_cast<std::size_t>(std::max(option->get_items_expected_max(), 1))) {
    return Filled(Tr("lamvero-batch", "%1 ist mehrfach angegeben; die Option nimmt einen Wert."), {name});
  }
  // Otherwise nearly always the value missing at the end of the line.
  if (mismatch || option->results().empty()) {
    return Filled(Tr("lamvero-batch", "%1: der Wert fehlt (%1 WERT oder %1=WERT)."), {name});
  }
  return Filled(Tr("lamvero-batch", "%1: %2 ist kein gültiger Wert."), {name, Quoted(option->results().back())});
}

}  // namespace lamvero
