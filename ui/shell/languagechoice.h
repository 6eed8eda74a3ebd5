#pragma once
// Which language the program speaks, and the catalogues that make it English.
// German is the program's own and needs no catalogue; English loads the
// catalogues built into the program and hands the model its lookup.

#include <QString>
#include <optional>
#include <string>

#include "text/language.h"

namespace lamvero {

// The language the system's locale asks for (LC_ALL, LC_MESSAGES, LANG, the
// first one set): German for a German locale or none (C, POSIX), English for
// any other.
Language SystemLanguage();

// "de" or "en" (the runner's --lang, the remembered choice); nullopt for any other.
std::optional<Language> LanguageNamed(const QString& code);
QString LanguageCode(Language language);

// The window's language: the one chosen under Ansicht ▸ Sprache, else the system's.
Language WindowLanguage();
// Remembers the window's language for its next start; nullopt follows the system.
void RememberWindowLanguage(std::optional<Language> language);
// The remembered choice; nullopt when the window follows the system.
std::optional<Language> RememberedWindowLanguage();

// The English of a German text in the catalogues StartLanguage loaded; empty
// when they have none, and always in German.
std::string CatalogueEnglish(const char* context, const char* german);

// Makes the language the process's: loads its catalogues (and Qt's own texts
// for its dialogs), installs them in the application when there is one and
// gives the model its lookup. Call before any window or thread starts: at
// start-up, again after the application is made (the runner makes it late),
// and in tests that switch.
void StartLanguage(Language language);

}  // namespace lamvero
