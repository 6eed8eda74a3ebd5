#include "text/language.h"

#include <atomic>

namespace lamvero {
namespace {

// Written once at start-up, read from every thread afterwards.
std::atomic<Language> g_language{Language::German};
std::atomic<CatalogueLookup> g_lookup{nullptr};
// How many FileTexts scopes this thread is in.
thread_local int t_fileTexts = 0;

}  // namespace

void UseLanguage(Language language, CatalogueLookup lookup) {
  g_lookup.store(language == Language::German ? nullptr : lookup);
  g_language.store(language);
}

Language CurrentLanguage() { return t_fileTexts > 0 ? Language::German : g_language.load(); }

FileTexts::FileTexts() { ++t_fileTexts; }
FileTexts::~FileTexts() { --t_fileTexts; }

std::string Tr(const char* context, const char* german) {
  const CatalogueLookup lookup = g_lookup.load();
  if (lookup == nullptr || CurrentLanguage() == Language::German) return german;
  std::string english = lookup(context, german);
  return english.empty() ? std::string(german) : english;
}

std::string Tr(const char* context, const std::string& german) { return Tr(context, german.c_str()); }

std::string Filled(const std::string& text, std::initializer_list<std::string> args) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    const std::size_t n = static_cast<std::size_t>(next - '1');
    if (text[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
      out += *(args.begin() + n);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

char ShownDecimalSeparator() { return CurrentLanguage() == Language::English ? '.' : ','; }

namespace {
std::string SeparatorsSwapped(std::string text) {
  for (char& c : text) c = c == ',' ? '.' : c == '.' ? ',' : c;
  return text;
}
}  // namespace

std::string ShownInputText(const std::string& canonical) {
  return CurrentLanguage() == Language::English ? SeparatorsSwapped(canonical) : canonical;
}

std::string CanonicalInputText(const std::string& shown) {
  return CurrentLanguage() == Language::English ? SeparatorsSwapped(shown) : shown;
}

}  // namespace lamvero
