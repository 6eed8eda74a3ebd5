#pragma once
// The language of every text a user reads: German, the program's own, or
// English from the translation catalogues. The model writes its texts in
// German through Tr(); the program's edge (the window, the runner) chooses the
// language once at start-up, before any other thread runs, and hands in the
// function that looks a German text up in the catalogues. Nothing here knows
// where the catalogues come from.
//
// Marking a text: Tr("Context", "German text with %1") for a text made now,
// LV_TR_NOOP("Context", "German text") for a text in a table that is looked up
// later with Tr(context, text). The catalogue tool reads both.

#include <initializer_list>
#include <string>

// A text in a table, marked for the catalogue and looked up when shown.
#define LV_TR_NOOP(context, text) text

namespace lamvero {

enum class Language { German, English };

// The English of a German text in a context; empty when the catalogue has none.
using CatalogueLookup = std::string (*)(const char* context, const char* german);

// Sets the language for the whole process. German needs no lookup (nullptr).
void UseLanguage(Language language, CatalogueLookup lookup);

// The language texts are made in on this thread: German inside a FileTexts
// scope, the process's language elsewhere.
Language CurrentLanguage();

// While one lives, this thread makes its texts as files keep them: German,
// with the decimal comma, whatever the user's language. A run records its
// messages so for the case and study files, next to the ones it shows.
class FileTexts {
 public:
  FileTexts();
  ~FileTexts();
  FileTexts(const FileTexts&) = delete;
  FileTexts& operator=(const FileTexts&) = delete;
};

// The text in the current language: the German source itself in German, the
// catalogue's text in English (the German one where the catalogue has none).
std::string Tr(const char* context, const char* german);
std::string Tr(const char* context, const std::string& german);

// The text with %1 … %9 replaced by the arguments, in their order; a % not
// followed by the number of an argument stays as it is.
std::string Filled(const std::string& text, std::initializer_list<std::string> args);

// The decimal separator of numbers a reader sees: the comma in German, the
// point in English. Files keep their own rules.
char ShownDecimalSeparator();

// An input box's text as the user sees it: the text as files keep it (decimal
// comma) in German; in English with its commas and points swapped, so that
// 0,2 shows as 0.2. CanonicalInputText turns it back; the swap loses nothing,
// and the reader takes either separator, so both read as the same number.
std::string ShownInputText(const std::string& canonical);
std::string CanonicalInputText(const std::string& shown);

}  // namespace lamvero
