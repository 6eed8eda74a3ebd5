#include "tools/studyfileinput.h"

#include <QString>

#include "disk/studyfiles.h"

namespace lamvero {

Outcome<StudyDefinition> ReadStudyDefinition(const std::string& path) {
  Outcome<StudyFile> read = ReadStudyFile(QString::fromStdString(path));
  if (!read) return read.failure();
  return std::move(read).value().definition;
}

}  // namespace lamvero
