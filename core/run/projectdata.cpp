#include "run/projectdata.h"

namespace lamvero {

bool ProjectData::operator==(const ProjectData& other) const {
  for (const ProjectField& f : ProjectFields()) {
    if (this->*f.member != other.*f.member) return false;
  }
  return true;
}

const std::vector<ProjectField>& ProjectFields() {
  static const std::vector<ProjectField> fields = {
      {"title", "Titel", &ProjectData::title, kMaxProjectLineBytes, false},
      {"project", "Projekt", &ProjectData::project, kMaxProjectLineBytes, false},
      {"customer", "Kunde", &ProjectData::customer, kMaxProjectLineBytes, false},
      {"author", "Bearbeiter", &ProjectData::author, kMaxProjectLineBytes, false},
      {"comment", "Bemerkung", &ProjectData::comment, kMaxProjectCommentBytes, true},
  };
  return fields;
}

std::string ProjectTextProblem(const ProjectField& field, const std::string& text) {
  if (text.size() > field.maxBytes) {
    return "ist zu lang (" + std::to_string(text.size()) + " Bytes, höchstens " + std::to_string(field.maxBytes) + ")";
  }
  if (!field.multiLine) {
    for (unsigned char c : text) {
      if (c < 0x20) return "enthält einen Zeilenumbruch oder ein Steuerzeichen";
    }
  }
  return "";
}

}  // namespace lamvero
