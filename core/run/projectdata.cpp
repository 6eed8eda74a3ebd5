#include "run/projectdata.h"

#include "text/language.h"

namespace lamvero {

bool ProjectData::operator==(const ProjectData& other) const {
  for (const ProjectField& f : ProjectFields()) {
    if (this->*f.member != other.*f.member) return false;
  }
  return true;
}

const std::vector<ProjectField>& ProjectFields() {
  static const std::vector<ProjectField> fields = {
      {"title", LV_TR_NOOP("Projektdaten", "Titel"), &ProjectData::title, kMaxProjectLineBytes, false},
      {"project", LV_TR_NOOP("Projektdaten", "Projekt"), &ProjectData::project, kMaxProjectLineBytes, false},
      {"customer", LV_TR_NOOP("Projektdaten", "Kunde"), &ProjectData::customer, kMaxProjectLineBytes, false},
      {"author", LV_TR_NOOP("Projektdaten", "Bearbeiter"), &ProjectData::author, kMaxProjectLineBytes, false},
      {"comment", LV_TR_NOOP("Projektdaten", "Bemerkung"), &ProjectData::comment, kMaxProjectCommentBytes, true},
  };
  return fields;
}

std::string ProjectTextProblem(const ProjectField& field, const std::string& text) {
  if (text.size() > field.maxBytes) {
    return Filled(Tr("Projektdaten", "ist zu lang (%1 Bytes, höchstens %2)"),
                  {std::to_string(text.size()), std::to_string(field.maxBytes)});
  }
  if (!field.multiLine) {
    for (unsigned char c : text) {
      if (c < 0x20) return Tr("Projektdaten", "enthält einen Zeilenumbruch oder ein Steuerzeichen");
    }
  }
  return "";
}

}  // namespace lamvero
