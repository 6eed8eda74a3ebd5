// What the runner reads and writes beside its numbers: no output over an
// input or twice into one file, a closed or full stdout reported in studies
// too, reads that stop at a bound with a message, refinement levels checked
// before any runs, and nothing that ends the program with an abort.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "runbatch.h"

namespace lamvero::testing {
namespace {

// Quick cases (see tests/common/quickinputs.h).
const std::string kQuick = "txt_Dicke=4 txt_Ortsschrittweite=0,2 txt_deltaT=2 txt_rund=100";
// A run far too long to wait for: whatever is refused must be refused before it.
const std::string kSlow = "txt_Dicke=40 txt_deltaT=0,05";
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
// The sanitizers reserve far more address space than any limit allows.
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
// Bounds a runner that would read without end or wait for ever.
const std::string kBounded = kSanitized ? "timeout 120" : "ulimit -v 4000000; timeout 120";

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(FilesAndStreams, NoOutputOverwritesAnInputOrAnotherOutput) {
  const std::string kept = TestFile("keep.lamvero");
  ASSERT_EQ(RunBatch(kQuick + " --save " + kept).status, 0);
  const std::string original = Slurp(kept);
  const std::string link = TestFile("link.lamvero");
  std::filesystem::remove(link);
  std::filesystem::create_symlink(kept, link);
  const std::string folder = ::testing::TempDir(), dotted = ::testing::TempDir() + "./";
  struct Case {
    std::string args, stdoutTo, first, second;
  };
  for (const Case& c : std::vector<Case>{
           {"--inputs " + kept + " --series " + kept, "", "--series", "--inputs"},
           {"--inputs " + kept + " --png " + link, "", "--png", "--inputs"},
           {"--inputs " + link + " --report " + dotted + std::filesystem::path(kept).filename().string(), "",
            "--report", "--inputs"},
           {"--inputs " + kept, ">>" + kept, "stdout", "--inputs"},
           {"--inputs " + kept + " --vary 'txt_Dicke=4;5'", ">>" + link, "stdout", "--inputs"},
           // Files yet to be written: the same folder reached two ways.
           {"--series " + folder + "neu.csv --save " + dotted + "neu.csv", "", "--save", "--series"},
       }) {
    SCOPED_TRACE(c.args + " " + c.stdoutTo);
    const BatchResult r = RunBatchIn("", c.args + " " + kSlow, c.stdoutTo);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Has(r.err, c.first + " ") && Has(r.err, " " + c.second)) << r.err;
    EXPECT_EQ(Slurp(kept), original);
  }
  // The case saved back into its own file is no clash: it is read before the run and replaced after.
  const BatchResult back = RunBatch("--inputs " + link + " --save " + kept + " txt_Dicke=5");
  EXPECT_EQ(back.status, 0) << back.err;
  EXPECT_EQ(RunBatch("--inputs " + kept + " --json").status, 0);
  EXPECT_NE(Slurp(kept), original);

  // stdout into the case table or a part it merges.
  const std::string table = TestFile("cases.csv");
  WriteFile(table, "txt_Dicke\n4\n");
  const BatchResult cases = RunBatchIn("", kQuick + " --cases " + table, ">>" + table);
  EXPECT_EQ(cases.status, 2);
  EXPECT_TRUE(Has(cases.err, "--cases")) << cases.err;
  EXPECT_EQ(Slurp(table), "txt_Dicke\n4\n");
  EXPECT_EQ(RunBatchIn("", "--merge " + table, ">>" + table).status, 2);
}

TEST(FilesAndStreams, AClosedOrFullStdoutFailsEveryStudy) {
  for (const char* study : {"--vary 'txt_Dicke=4;5'", "--refine=1"}) {
    SCOPED_TRACE(study);
    const BatchResult closed = RunBatchIn("", kQuick + " " + std::string(study), ">&-");
    EXPECT_EQ(closed.status, 1);
    EXPECT_TRUE(Has(closed.err, "stdout")) << closed.err;
    const BatchResult full = RunBatchIn("", kQuick + " " + std::string(study), ">/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_TRUE(Has(full.err, "kein Platz auf dem Datenträger")) << full.err;
  }
  const BatchResult single = RunBatchIn("", kQuick + " --json", ">/dev/full");
  EXPECT_EQ(single.status, 1);
  EXPECT_TRUE(Has(single.err, "stdout ließ sich nicht schreiben: kein Platz auf dem Datenträger")) << single.err;
}

// A full disk, made in a mount namespace of the test's own so that nothing
// outside sees it.
TEST(FilesAndStreams, AFullDiskNamesTheFileAndTheCause) {
  if (std::system("unshare -rm true 2>/dev/null") != 0) GTEST_SKIP() << "no mount namespace to be had";
  const std::string disk = TestFile("disk");
  std::filesystem::create_directories(disk);
  const BatchResult r = RunBatchIn("unshare -rm sh -c 'mount -t tmpfs -o size=12k tmpfs " + disk + " && exec \"$0\" \"$@\"'",
                                   kQuick + " --series " + disk + "/reihen.csv");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Has(r.err, disk + "/reihen.csv") && Has(r.err, "kein Platz auf dem Datenträger")) << r.err;
}

TEST(FilesAndStreams, ReadsStopAtABoundWithAMessage) {
  const std::string fifo = TestFile("fifo"), folder = TestFile("folder");
  std::filesystem::remove(fifo);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::filesystem::create_directories(folder);
  struct Case {
    std::string before, args, needle;
  };
  for (const Case& c : std::vector<Case>{
           {kBounded, "--cases /dev/zero", "keine gewöhnliche Datei"},
           {kBounded, "--cases " + fifo, "keine gewöhnliche Datei"},
           {kBounded, "--inputs " + fifo, "keine gewöhnliche Datei"},
           {kBounded, "--cases " + folder, "Ordner"},
           {kBounded, "--cases - </dev/zero", "Zeile 1: die Zeile ist länger als 4096 Zeichen"},
           {kBounded + " sh -c 'echo txt_Dicke; yes 4' |", "--cases -", "Zeile 1000002: mehr als 1000000 Fälle"},
       }) {
    SCOPED_TRACE(c.args);
    const BatchResult r = RunBatchIn(c.before, kQuick + " " + c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_TRUE(Has(r.err, c.needle)) << r.err;
  }
  // A table from stdin is a table like any other.
  const BatchResult piped = RunBatchIn("printf 'txt_Dicke\\n4\\n5\\n' |", kQuick + " --cases -");
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(Lines(piped.out).size(), 4u);
}

// Thread stacks beyond the address space the shell allows: the runner reports
// what went wrong instead of aborting.
TEST(FilesAndStreams, AnUnforeseenFailureIsReportedNotAnAbort) {
  if (kSanitized) GTEST_SKIP() << "the address-space limit leaves the sanitizers no room to start";
  const BatchResult r = RunBatchIn("ulimit -v 400000;", kQuick + " --vary 'txt_Dicke=4:12:0,01' -j 1024");
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_TRUE(Has(r.err, "lamvero-batch: interner Fehler: ")) << r.err;
}

// Level 3 would have 1 600 000 spatial steps per half plate, more than even
// the refinement levels may have: refused before level 0 runs for hours.
TEST(FilesAndStreams, RefinementChecksEveryLevelBeforeAnyRuns) {
  const BatchResult tooFine = RunBatchIn("timeout 120", "txt_Ortsschrittweite=0,00005 --refine=3");
  EXPECT_EQ(tooFine.status, 2);
  EXPECT_TRUE(tooFine.out.empty()) << tooFine.out;
  EXPECT_TRUE(Has(tooFine.err, "Stufe 3 (") && Has(tooFine.err, "--refine=2 ist die feinste zulässige Stufe"))
      << tooFine.err;
  const BatchResult first = RunBatchIn("timeout 120", "txt_Ortsschrittweite=0,000015 --refine=2");
  EXPECT_EQ(first.status, 2);
  EXPECT_TRUE(Has(first.err, "Schon die erste Verfeinerung ist nicht zulässig")) << first.err;

  const BatchResult refused = RunBatch(kQuick + " txt_Dicke=0 --refine=1");
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(refused.out.empty()) << refused.out;
  EXPECT_TRUE(Has(refused.err, "Stufe 0 (")) << refused.err;
}

}  // namespace
}  // namespace lamvero::testing
