#include "ui/shell/languagechoice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <memory>
#include <vector>

namespace lamvero {
namespace {

const char* const kSettingsKey = "Ansicht/Sprache";
const char* const kCatalogues[] = {"core", "present", "study", "files", "window", "diagrams", "studies", "tools"};

// Loaded once, read by every thread afterwards.
std::vector<std::unique_ptr<QTranslator>>& Catalogues() {
  static std::vector<std::unique_ptr<QTranslator>> catalogues;
  return catalogues;
}

}  // namespace

std::string CatalogueEnglish(const char* context, const char* german) {
  if (CurrentLanguage() != Language::English) return {};
  for (const auto& catalogue : Catalogues()) {
    const QString english = catalogue->translate(context, german);
    if (!english.isEmpty()) return english.toStdString();
  }
  return {};
}

Language SystemLanguage() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = qEnvironmentVariable(variable);
    if (value.isEmpty()) continue;
    const bool german = value.startsWith(QLatin1String("de")) || value == QLatin1String("C") ||
                        value.startsWith(QLatin1String("C.")) || value == QLatin1String("POSIX");
    return german ? Language::German : Language::English;
  }
  return Language::German;
}

std::optional<Language> LanguageNamed(const QString& code) {
  if (code == QLatin1String("de")) return Language::German;
  if (code == QLatin1String("en")) return Language::English;
  return std::nullopt;
}

QString LanguageCode(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("de");
}

std::optional<Language> RememberedWindowLanguage() {
  return LanguageNamed(QSettings().value(QLatin1String(kSettingsKey)).toString());
}

Language WindowLanguage() { return RememberedWindowLanguage().value_or(SystemLanguage()); }

void RememberWindowLanguage(std::optional<Language> language) {
  QSettings settings;
  if (language) {
    settings.setValue(QLatin1String(kSettingsKey), LanguageCode(*language));
  } else {
    settings.remove(QLatin1String(kSettingsKey));
  }
}

void StartLanguage(Language language) {
  // The model goes back to German while the catalogues change.
  UseLanguage(Language::German, nullptr);
  auto& catalogues = Catalogues();
  for (const auto& catalogue : catalogues) QCoreApplication::removeTranslator(catalogue.get());
  catalogues.clear();
  if (language == Language::English) {
    for (const char* name : kCatalogues) {
      auto catalogue = std::make_unique<QTranslator>();
      if (catalogue->load(QStringLiteral(":/i18n/lamvero_%1_en.qm").arg(QLatin1String(name)))) {
        catalogues.push_back(std::move(catalogue));
      }
    }
  } else {
    // Qt's own dialogs (files, questions) in German, like the rest of the program.
    auto qtGerman = std::make_unique<QTranslator>();
    if (qtGerman->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      catalogues.push_back(std::move(qtGerman));
    }
  }
  if (QCoreApplication::instance() != nullptr) {
    for (const auto& catalogue : catalogues) QCoreApplication::installTranslator(catalogue.get());
  }
  UseLanguage(language, language == Language::English ? &CatalogueEnglish : nullptr);
}

}  // namespace lamvero
