// Case files on disk: what is not a regular file is refused by its kind
// before it is opened (a pipe without a writer would block, a device never
// ends), an oversized file by its real size, and the name in the message
// shows its control characters.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "disk/casefiles.h"

namespace lamvero {
namespace {

bool Mentions(const Outcome<CaseFile>& read, const std::string& part) {
  return !read && read.message().find(part) != std::string::npos;
}

TEST(ReadCaseFileFromDisk, APipeWithoutAWriterIsRefusedAtOnce) {
  QTemporaryDir dir;
  const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("pipe.lamvero")));
  ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
  auto reading = std::async(std::launch::async, [&] { return ReadCaseFile(QFile::decodeName(fifo)); });
  if (reading.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << "the reader waits for a writer";
    const int writer = open(fifo.constData(), O_WRONLY | O_NONBLOCK);  // lets it go: no data, then the end
    if (writer >= 0) close(writer);
  }
  const Outcome<CaseFile> read = reading.get();
  EXPECT_TRUE(Mentions(read, "pipe.lamvero“ kann nicht geöffnet werden: Das ist eine Pipe (FIFO)")) << read.message();
}

TEST(ReadCaseFileFromDisk, WhatIsNoCaseFileIsRefusedByWhatItIs) {
  QTemporaryDir dir;
  const QString big = dir.filePath(QStringLiteral("gross.lamvero"));
  QFile file(big);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_TRUE(file.resize(static_cast<qint64>(kMaxCaseFileBytes + 300 * 1024)));  // sparse: no disk taken
  file.close();
  struct Case {
    QString path;
    std::string mention;
  };
  const std::vector<Case> cases = {
      {QStringLiteral("/dev/zero"), "Das ist ein Gerät, keine gewöhnliche Datei."},
      {dir.path(), "Das ist ein Ordner."},
      {dir.filePath(QStringLiteral("fehlt.lamvero")), "Es gibt sie nicht."},
      {dir.filePath(QStringLiteral("a\tb\x01.lamvero")), "a\\tbU+0001.lamvero“ kann nicht geöffnet werden"},
      {big, "Die Datei ist zu groß (256,3 MB = 268.742.656 Bytes; eine Falldatei hat höchstens 256 MB"},
  };
  for (const Case& c : cases) {
    const Outcome<CaseFile> read = ReadCaseFile(c.path);
    EXPECT_TRUE(Mentions(read, c.mention)) << c.path.toStdString() << ": " << read.message();
  }
}

}  // namespace
}  // namespace lamvero
