#include "disk/fileerrors.h"

#include <QCoreApplication>
#include <cerrno>

namespace lamvero {

namespace {

struct FileError {
  int code;
  const char* text;
};

// A full disk and a used-up quota look alike to the user.
constexpr FileError kFileErrors[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("Dateizugriff", "kein Platz auf dem Datenträger")},
    {EDQUOT, QT_TRANSLATE_NOOP("Dateizugriff", "kein Platz auf dem Datenträger (Speicherkontingent erschöpft)")},
};

}  // namespace

std::string FileErrorText(int code) {
  for (const FileError& e : kFileErrors) {
    if (e.code == code) return QCoreApplication::translate("Dateizugriff", e.text).toStdString();
  }
  return {};
}

std::string FileErrorSuffix(int code) {
  const std::string text = FileErrorText(code);
  return text.empty() ? text : ": " + text;
}

}  // namespace lamvero
