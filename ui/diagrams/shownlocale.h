#pragma once
// The locale of the numbers a window shows: German with its decimal comma, or
// English with a decimal point, as the program's language says. Only for what
// a user reads; files keep their own number rules.

#include <QLocale>

namespace lamvero {

QLocale ShownLocale();

}  // namespace lamvero
