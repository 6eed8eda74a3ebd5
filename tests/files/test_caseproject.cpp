// The project data of a case file: every field back as it was written, in a
// fixed place before the inputs, only where given, and checked on reading
// like the title.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "common/sampleproject.h"
#include "files/casefile.h"

namespace lamvero {
namespace {

using json = nlohmann::json;

TEST(CaseProjectData, EveryFieldComesBackAndStandsBeforeTheInputsInItsOrder) {
  CaseFile file;
  file.about = testing::SampleProject();
  const std::string text = CaseFileText(file, false);
  const Outcome<CaseFile> read = ReadCaseFileText(text, nullptr);
  ASSERT_TRUE(read) << read.message();
  EXPECT_EQ(read->about, testing::SampleProject());
  for (const ProjectField& f : ProjectFields()) {
    ProjectData other = testing::SampleProject();
    other.*f.member += "x";
    EXPECT_NE(read->about, other) << f.key;  // every field takes part in the comparison
  }
  std::size_t at = text.find("\"version\"");
  for (const char* key : {"\"title\"", "\"project\"", "\"customer\"", "\"author\"", "\"comment\"", "\"inputs\""}) {
    const std::size_t next = text.find(key);
    ASSERT_NE(next, std::string::npos) << key;
    EXPECT_GT(next, at) << key;
    at = next;
  }
}

TEST(CaseProjectData, AFileWithoutThemIsWrittenAndReadAsBefore) {
  CaseFile file;
  const std::string none = CaseFileText(file, false);
  EXPECT_EQ(none.rfind("{\n  \"format\": \"lamvero-case\",\n  \"version\": 1,\n  \"inputs\": {\n", 0), 0u) << none;
  const Outcome<CaseFile> read = ReadCaseFileText(none, nullptr);
  ASSERT_TRUE(read) << read.message();
  EXPECT_EQ(read->about, ProjectData{});

  // A file with a title and a comment only, as written before there were more fields.
  file.about.title = "T";
  file.about.comment = "K";
  const std::string titled = CaseFileText(file, false);
  EXPECT_EQ(titled.rfind("{\n  \"format\": \"lamvero-case\",\n  \"version\": 1,\n  \"title\": \"T\",\n  \"comment\": \"K\",\n"
                         "  \"inputs\": {\n",
                         0),
            0u)
      << titled;
  EXPECT_EQ(CaseFileText(ReadCaseFileText(titled, nullptr).value(), false), titled);
}

TEST(CaseProjectData, ReadingRefusesWhatTheDialogRefusesNamingTheField) {
  const json good = json::parse(CaseFileText(CaseFile{}, false));
  struct Case {
    const char* key;
    json value;
    const char* mention;
  };
  const Case cases[] = {
      {"customer", "Ziegelei\nNord", "„Kunde“ enthält einen Zeilenumbruch"},
      {"project", "Linie\t2", "„Projekt“ enthält einen Zeilenumbruch"},
      {"author", std::string(kMaxProjectLineBytes + 1, 'a'), "„Bearbeiter“ ist zu lang"},
      {"comment", std::string(kMaxProjectCommentBytes + 1, 'a'), "„Bemerkung“ ist zu lang"},
      {"project", 7, "„Projekt“ ist kein Text"},
  };
  for (const Case& c : cases) {
    json j = good;
    j[c.key] = c.value;
    const Outcome<CaseFile> read = ReadCaseFileText(j.dump(), nullptr);
    ASSERT_FALSE(read) << c.key;
    EXPECT_NE(read.message().find(c.mention), std::string::npos) << read.message();
    // The dialog's check says the same of that text.
    if (c.value.is_string()) {
      for (const ProjectField& f : ProjectFields()) {
        if (std::string(f.key) == c.key) {
          EXPECT_FALSE(ProjectTextProblem(f, c.value.get<std::string>()).empty());
        }
      }
    }
  }
  // Longest accepted: a one-line field at its bound; a comment over several lines.
  json j = good;
  j["author"] = std::string(kMaxProjectLineBytes, 'a');
  j["comment"] = "a\r\nb\tc";
  EXPECT_TRUE(ReadCaseFileText(j.dump(), nullptr));
}

}  // namespace
}  // namespace lamvero
