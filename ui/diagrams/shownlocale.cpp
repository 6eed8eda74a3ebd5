#include "ui/diagrams/shownlocale.h"

#include "text/language.h"

namespace lamvero {

QLocale ShownLocale() {
  return CurrentLanguage() == Language::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                                : QLocale(QLocale::German, QLocale::Germany);
}

}  // namespace lamvero
