#include "ui/shell/languagemenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTranslator>

#include "ui/shell/languagechoice.h"

namespace lamvero {

namespace {

// A choice: its action, the language it remembers (none: the system's) and
// the note that confirms it.
struct Choice {
  const char* name;
  const char* caption;
  std::optional<Language> language;
  const char* note;
};
const Choice kChoices[] = {
    {"act_SpracheSystem", QT_TRANSLATE_NOOP("lamvero::LanguageMenu", "Wie das System"), std::nullopt,
     QT_TRANSLATE_NOOP("lamvero::LanguageMenu", "Lamvero spricht ab dem nächsten Start die Sprache des Systems.")},
    {"act_SpracheDeutsch", "Deutsch", Language::German,
     QT_TRANSLATE_NOOP("lamvero::LanguageMenu", "Lamvero spricht ab dem nächsten Start Deutsch.")},
    {"act_SpracheEnglisch", "English", Language::English,
     QT_TRANSLATE_NOOP("lamvero::LanguageMenu", "Lamvero spricht ab dem nächsten Start Englisch.")},
};

// A note in the language it speaks of, whichever the window speaks now.
QString InLanguage(Language language, const char* german) {
  if (language == Language::English) {
    QTranslator catalogue;
    if (catalogue.load(QStringLiteral(":/i18n/lamvero_window_en.qm"))) {
      const QString english = catalogue.translate("lamvero::LanguageMenu", german);
      if (!english.isEmpty()) return english;
    }
  }
  return QString::fromUtf8(german);
}

}  // namespace

LanguageMenu::LanguageMenu(QMenu& viewMenu, Tell tell, QObject* parent) : QObject(parent), tell_(std::move(tell)) {
  QMenu* menu = viewMenu.addMenu(tr("&Sprache"));
  menu->menuAction()->setObjectName(QStringLiteral("mnu_Sprache"));
  auto* group = new QActionGroup(menu);
  group->setExclusive(true);
  const std::optional<Language> remembered = RememberedWindowLanguage();
  for (const Choice& c : kChoices) {
    // The languages' own names stay as they are in every language.
    QAction* action = menu->addAction(c.language ? QString::fromUtf8(c.caption) : tr(c.caption));
    action->setObjectName(QString::fromLatin1(c.name));
    action->setCheckable(true);
    action->setChecked(c.language == remembered);
    group->addAction(action);
  }
  connect(group, &QActionGroup::triggered, this, &LanguageMenu::choose);
}

void LanguageMenu::choose(QAction* action) {
  for (const Choice& c : kChoices) {
    if (action->objectName() != QLatin1String(c.name)) continue;
    RememberWindowLanguage(c.language);
    tell_(InLanguage(c.language.value_or(SystemLanguage()), c.note));
  }
}

}  // namespace lamvero
