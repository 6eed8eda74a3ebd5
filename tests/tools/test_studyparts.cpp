// Parts of a study in the runner: what --merge refuses and with which exit
// status, a part or a study stopped by SIGTERM or SIGINT, and a part without a
// case.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "runbatch.h"

namespace lamvero::testing {
namespace {

const std::string kQuick = "txt_Dicke=4 txt_Ortsschrittweite=0,2 txt_deltaT=2 txt_rund=100";
const std::string kTwoCases = kQuick + " --vary 'txt_Lufttemp=35;45'";

std::string Part(const std::string& name, const std::string& args) {
  const std::string path = TestFile(name);
  const BatchResult r = RunBatch(args);
  EXPECT_EQ(r.status, 0) << r.err;
  WriteFile(path, r.out);
  return path;
}

#define EXPECT_REFUSED(r, needle)                                        \
  do {                                                                   \
    EXPECT_EQ((r).status, 2) << (r).err;                                 \
    EXPECT_TRUE((r).out.empty()) << (r).out;                             \
    EXPECT_NE((r).err.find(needle), std::string::npos) << (r).err;       \
  } while (false)

TEST(StudyParts, PartsOfDifferentStudiesAreRefusedNamingThePartAndTheInput) {
  const std::string first = Part("first", kTwoCases + " --shard 1/2");
  const std::string thicker = Part("thicker", kTwoCases + " txt_Dicke=5 --shard 2/2");
  const std::string otherAxis = Part("axis", kQuick + " --vary 'txt_Lufttemp=35;55' --shard 2/2");
  const BatchResult base = RunBatch("--merge " + first + " " + thicker);
  EXPECT_REFUSED(base, thicker + ": gehört zu einer anderen Studie als " + first);
  EXPECT_NE(base.err.find("Grundeingabe txt_Dicke: 5 statt 4"), std::string::npos) << base.err;
  EXPECT_REFUSED(RunBatch("--merge " + first + " " + otherAxis), "variierte Eingaben (--vary)");
  const std::string jsonl = Part("jsonl", kTwoCases + " --shard 2/2 --format jsonl");
  EXPECT_REFUSED(RunBatch("--merge " + first + " " + jsonl), "Ausgabeformat: jsonl statt csv");
}

TEST(StudyParts, CutEmptyAndForeignFilesAreRefused) {
  const std::string first = Part("first", kTwoCases + " --shard 1/2");
  const std::string second = Part("second", kTwoCases + " --shard 2/2");
  const std::string text = Slurp(second);
  const std::string cut = TestFile("cut"), empty = TestFile("empty"), whole = TestFile("whole");
  WriteFile(cut, text.substr(0, text.rfind('#')));  // the rows without the end mark
  WriteFile(empty, "");
  WriteFile(whole, RunBatch(kTwoCases).out);
  EXPECT_REFUSED(RunBatch("--merge " + first + " " + cut), cut + ": ohne Schlussmarke");
  EXPECT_REFUSED(RunBatch("--merge " + first + " " + empty), empty + ": die Datei ist leer (0 Bytes)");
  EXPECT_REFUSED(RunBatch("--merge " + whole), "kein Teil einer Studie");
  EXPECT_REFUSED(RunBatch("--merge /dev/zero"), "keine gewöhnliche Datei");
  EXPECT_REFUSED(RunBatch("--merge " + ::testing::TempDir()), "ist ein Ordner");
  EXPECT_EQ(RunBatch("--merge " + first + " " + second).status, 0);
}

TEST(StudyParts, AMergeThatCannotWriteItsOutputEndsWithOne) {
  const std::string first = Part("first", kTwoCases + " --shard 1/2");
  const std::string second = Part("second", kTwoCases + " --shard 2/2");
  const std::string err = TestFile("stderr");
  const int raw = std::system((std::string(LAMVERO_BATCH) + " --merge " + first + " " + second + " >&- 2>" + err).c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 1);
  EXPECT_NE(Slurp(err).find("stdout ist geschlossen"), std::string::npos) << Slurp(err);
}

TEST(StudyParts, APartWithoutACaseIsWrittenEmptyAndMerges) {
  const BatchResult none = RunBatch(kTwoCases + " --shard 3/3");
  EXPECT_EQ(none.status, 0);
  EXPECT_NE(none.err.find("--shard 3/3: dieser Teil enthält keinen Fall (die Studie hat 2 Fälle)"), std::string::npos)
      << none.err;
  WriteFile(TestFile("3"), none.out);
  const BatchResult merged =
      RunBatch("--merge " + Part("1", kTwoCases + " --shard 1/3") + " " + Part("2", kTwoCases + " --shard 2/3") + " " +
               TestFile("3"));
  EXPECT_EQ(merged.status, 0) << merged.err;
  EXPECT_EQ(merged.out, RunBatch(kTwoCases).out);
}

// Starts the runner in the background, waits until its output holds `lines`
// lines, sends the signal and collects the exit status.
BatchResult StopWithSignal(const std::string& args, std::size_t lines, int signal) {
  const std::string out = TestFile("stdout"), err = TestFile("stderr");
  const pid_t pid = fork();
  if (pid == 0) {
    const std::string command = "exec " + std::string(LAMVERO_BATCH) + " " + args + " >" + out + " 2>" + err;
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
  while (Lines(Slurp(out)).size() < lines && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  kill(pid, signal);
  int raw = 0;
  waitpid(pid, &raw, 0);
  BatchResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = Slurp(out);
  r.err = Slurp(err);
  return r;
}

// Default steps: each plate runs long enough to be stopped half-way.
const std::string kLongStudy = "--vary txt_Dicke=10:200:1 -j 2";

TEST(StudyParts, APartStoppedBySigtermKeepsItsRowsSaysItIsIncompleteAndIsNotMerged) {
  const BatchResult r = StopWithSignal(kLongStudy + " --shard 1/2", 5, SIGTERM);
  EXPECT_EQ(r.status, 143) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_GE(lines.size(), 6u) << r.out;
  EXPECT_EQ(lines.front().rfind("# lamvero-study-part {", 0), 0u);
  const std::size_t rows = lines.size() - 4;  // mark, two header lines, rows, end mark
  EXPECT_EQ(lines.back(), "# lamvero-study-part-end {\"complete\":false,\"incomplete\":0,\"reason\":\"SIGTERM\",\"rows\":" +
                              std::to_string(rows) + "}");
  for (std::size_t i = 0; i < rows; ++i) {
    // Cases 1, 3, 5, ... each a complete row ending in the (empty) messages.
    EXPECT_EQ(lines[3 + i].rfind(std::to_string(2 * i + 1) + "," + std::to_string(10 + 2 * i) + ",Completed,", 0), 0u)
        << lines[3 + i];
    EXPECT_EQ(lines[3 + i].back(), ',') << lines[3 + i];
  }
  EXPECT_NE(r.err.find("Studie abgebrochen (SIGTERM): " + std::to_string(rows) + " von 96 Fällen geschrieben"),
            std::string::npos)
      << r.err;
  WriteFile(TestFile("stopped"), r.out);
  EXPECT_REFUSED(RunBatch("--merge " + TestFile("stopped")), "als unvollständig markiert (SIGTERM)");
}

TEST(StudyParts, AWholeStudyStoppedBySigintEndsWithTheIncompletenessMark) {
  const BatchResult r = StopWithSignal(kLongStudy + " --format jsonl", 2, SIGINT);
  EXPECT_EQ(r.status, 130) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_GE(lines.size(), 3u) << r.out;
  const std::size_t rows = lines.size() - 1;
  EXPECT_EQ(lines.back(), "{\"lamveroStudyIncomplete\":{\"incomplete\":0,\"reason\":\"SIGINT\",\"rows\":" +
                              std::to_string(rows) + ",\"studyCases\":191}}");
  EXPECT_EQ(lines[rows - 1].rfind("{\"case\":" + std::to_string(rows) + ",", 0), 0u);
}

}  // namespace
}  // namespace lamvero::testing
