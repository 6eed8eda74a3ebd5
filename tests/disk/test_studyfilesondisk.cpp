// Study files and a study's outputs on disk: saved and opened again whole,
// refused by what the path is before it is opened, an output larger than
// the study can write refused by its size, the table saved as the runner
// writes it.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "common/samplestudy.h"
#include "disk/studyfiles.h"
#include "study/studyoutput.h"
#include "study/studytable.h"

namespace lamvero {
namespace {

std::string Contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

TEST(StudyFilesOnDisk, AStudyAndItsTableAreSavedAndOpenedAgain) {
  QTemporaryDir dir;
  StudyFile file;
  file.definition = testing::SampleStudyDefinition();
  file.results = testing::SampleStudyResults(file.definition, 5);
  const QString path = dir.filePath(QStringLiteral("studie.lamvero-studie"));
  ASSERT_TRUE(SaveStudyFile(path, file));
  const Outcome<StudyFile> read = ReadStudyFile(path);
  ASSERT_TRUE(read) << read.message();
  EXPECT_EQ(StudyFileText(read.value()), StudyFileText(file));
  EXPECT_FALSE(read->results->complete);

  const QString table = dir.filePath(QStringLiteral("studie.csv"));
  ASSERT_TRUE(SaveStudyTable(table, *file.results, CsvDialect::German));
  EXPECT_EQ(Contents(table), StudyTableText(*file.results, StudyFormat::Csv, CsvDialect::German));
  const Outcome<StudyResults> output = ReadStudyOutputFile(table, file.definition);
  ASSERT_TRUE(output) << output.message();
  EXPECT_EQ(output->rows.size(), 5u);
}

TEST(StudyFilesOnDisk, WhatIsNoFileOfTheStudyIsRefusedByWhatItIs) {
  QTemporaryDir dir;
  const StudyDefinition definition = testing::SampleStudyDefinition();
  const QString fifo = dir.filePath(QStringLiteral("pipe.csv"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString big = dir.filePath(QStringLiteral("gross.csv"));
  QFile file(big);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_TRUE(file.resize(static_cast<qint64>(MaxStudyOutputBytes(definition) + 1)));  // sparse: no disk taken
  file.close();
  const Outcome<StudyResults> pipe = ReadStudyOutputFile(fifo, definition);
  EXPECT_NE(pipe.message().find("pipe.csv“ kann nicht geöffnet werden: Das ist eine Pipe"), std::string::npos)
      << pipe.message();
  const Outcome<StudyResults> oversized = ReadStudyOutputFile(big, definition);
  EXPECT_NE(oversized.message().find("als eine Ausgabe dieser Studie sein kann"), std::string::npos)
      << oversized.message();
  const Outcome<StudyFile> folder = ReadStudyFile(dir.path());
  EXPECT_NE(folder.message().find("Das ist ein Ordner."), std::string::npos) << folder.message();
  const Status saved = SaveStudyFile(dir.path(), StudyFile{definition, std::nullopt});
  EXPECT_NE(saved.message().find("kann nicht gespeichert werden: Das ist ein Ordner."), std::string::npos)
      << saved.message();
  const Outcome<StudyFile> notStudy = ReadStudyFile(big);
  EXPECT_FALSE(notStudy);
}

TEST(StudyFilesOnDisk, AStudyWhoseTextsAFileCouldNotKeepIsNotSaved) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("studie.lamvero-studie"));
  StudyFile lineBreak{testing::SampleStudyDefinition(), std::nullopt};
  lineBreak.definition.base[Input::mue] = "20\n30";
  const Status base = SaveStudyFile(path, lineBreak);
  EXPECT_NE(base.message().find("wird nicht gespeichert"), std::string::npos) << base.message();
  StudyFile control{testing::SampleStudyDefinition(), std::nullopt};
  control.definition.varied[0].values = "20;\x01 30";
  const Status values = SaveStudyFile(path, control);
  EXPECT_NE(values.message().find("Die Werte von txt_Dicke"), std::string::npos) << values.message();
  EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace lamvero
