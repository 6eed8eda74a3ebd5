#pragma once
// What a case is about, for whoever reads its file or its report: title,
// project, customer, author and a comment. Each field as data: its key in the
// case file, its caption, how long it may be and whether it may hold several
// lines. The case file, the Eigenschaften dialog and the report's head all
// read this one table.

#include <cstddef>
#include <string>
#include <vector>

#include "inputs/inputs.h"

namespace lamvero {

struct ProjectData {
  std::string title, project, customer, author;
  std::string comment;  // several lines
  bool operator==(const ProjectData& other) const;
  bool operator!=(const ProjectData& other) const { return !(*this == other); }
};

constexpr std::size_t kMaxProjectLineBytes = kMaxInputTextBytes;
constexpr std::size_t kMaxProjectCommentBytes = std::size_t{1} << 20;

struct ProjectField {
  const char* key;      // in the case file: "customer"
  const char* caption;  // in the dialog and the report: "Kunde"; German, Tr("Projektdaten", caption)
  std::string ProjectData::*member;
  std::size_t maxBytes;
  bool multiLine;
};

// Every field, in the order the dialog, the file and the report's head give them.
const std::vector<ProjectField>& ProjectFields();

// Why a case file could not keep this text in that field, to follow the
// field's name ("ist zu lang …", "enthält einen Zeilenumbruch …"; too long, a line
// break or a control character in a one-line field); empty if it can.
std::string ProjectTextProblem(const ProjectField& field, const std::string& text);

}  // namespace lamvero
