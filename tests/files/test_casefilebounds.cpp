// Hostile case files: whatever their shape, the reader refuses them in time
// proportional to their size and with memory bounded by what the largest sound
// file takes. Each shape is one a sound file never has in such numbers.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "files/casefile.h"

namespace lamvero {
namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// `head`, then `item` until the text has `bytes` bytes, then `tail`.
std::string Repeated(const std::string& head, const std::string& item, const std::string& tail, std::size_t bytes) {
  std::string text = head;
  text.reserve(bytes + tail.size() + item.size());
  while (text.size() + item.size() + tail.size() <= bytes) text += item;
  return text + tail;
}

std::string ManyKeys(std::size_t bytes) {
  std::string text = "{\"format\": \"lamvero-case\"";
  for (std::size_t k = 0; text.size() < bytes; ++k) text += ",\"k" + std::to_string(k) + "\":0";
  return text + "}";
}

struct Shape {
  const char* what;
  std::function<std::string(std::size_t bytes)> make;
  const char* refusal;  // part of the message, once the file is large enough to reach the bound
};

// A file that names the case format, so that the reader holds it to the
// bounds of a case file rather than call it another program's file.
std::string Marked(const std::string& head) { return "{\"format\": \"lamvero-case\", \"x\": " + head; }

const std::vector<Shape>& Shapes() {
  static const std::vector<Shape> shapes = {
      {"empty objects", [](std::size_t n) { return Repeated(Marked("["), "{},", "{}]}", n); }, "zu viele Objekte und Listen"},
      {"empty lists", [](std::size_t n) { return Repeated(Marked("["), "[],", "[]]}", n); }, "zu viele Objekte und Listen"},
      {"deep lists", [](std::size_t n) { return Repeated(Marked("{\"a\":"), "[", "", n); }, "zu tief verschachtelt"},
      {"deep objects", [](std::size_t n) { return Repeated(Marked(""), "{\"a\":", "", n); }, "zu tief verschachtelt"},
      {"many keys", ManyKeys, "zu viele Feldnamen"},
      {"numbers", [](std::size_t n) { return Repeated(Marked("["), "0,", "0]}", n); }, "zu viele Werte"},
      {"one long number", [](std::size_t n) { return Repeated(Marked("["), "1", "]}", n); }, "zu lang"},
      {"one long text", [](std::size_t n) { return Repeated(Marked("[\""), "x", "\"]}", n); }, "zu lang"},
      // Texts just short enough, each a comment's length: only their sum bounds them.
      {"long texts",
       [](std::size_t n) { return Repeated(Marked("["), "\"" + std::string(kMaxCaseCommentBytes, 'x') + "\",", "0]}", n); },
       "zu viel Text"},
  };
  return shapes;
}

bool AnyControl(const std::string&) { return true; }

// This thread's processor time: what the reader costs, whatever else the machine does.
double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

TEST(HostileCaseFiles, AreRefusedInTimeProportionalToTheirSize) {
  for (const Shape& shape : Shapes()) {
    const std::string text = shape.make(std::size_t{3} << 20);
    const double start = CpuSeconds();
    const Outcome<CaseFile> read = ReadCaseFileText(text, AnyControl);
    const double took = CpuSeconds() - start;
    ASSERT_FALSE(read) << shape.what;
    EXPECT_FALSE(read.message().empty()) << shape.what;
    // A reader that went back over what it read took minutes here; the
    // sanitizers slow every step, so there only the refusal counts.
    if (!kSanitized) {
      EXPECT_LT(took, 1.0) << shape.what;
    }
  }
}

// What reading the text `make` makes adds to the peak memory, in kB, measured
// in a child process (which keeps this one's memory out of the figure); -2 if
// the reader did not refuse it with `refusal`.
long PeakKilobytesAdded(const std::function<std::string()>& make, const std::string& refusal) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    const std::string text = make();
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const Outcome<CaseFile> read = ReadCaseFileText(text, AnyControl);
    const bool refused = !read && read.message().find(refusal) != std::string::npos;
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    const long added = refused ? after.ru_maxrss - before.ru_maxrss : -2;
    if (write(pipeEnds[1], &added, sizeof added) != sizeof added) _exit(1);
    _exit(0);
  }
  close(pipeEnds[1]);
  long added = -1;
  if (read(pipeEnds[0], &added, sizeof added) != sizeof added) added = -1;
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return added;
}

TEST(HostileCaseFiles, TakeNoMoreMemoryThanTheLargestSoundFile) {
  // The sanitizers keep freed memory back and add their own: the figure would say nothing.
  if (kSanitized) GTEST_SKIP() << "memory is measured without sanitizers";
  const std::size_t bytes = std::size_t{72} << 20;  // beyond every bound
  // Reading the largest sound file takes less than its text (the series as
  // numbers take less than as digits); no file may make the reader take more.
  const long bound = static_cast<long>(kMaxCaseFileBytes >> 10);
  for (const Shape& shape : Shapes()) {
    const long added = PeakKilobytesAdded([&] { return shape.make(bytes); }, shape.refusal);
    ASSERT_NE(added, -2) << shape.what << " was not refused for its shape";
    ASSERT_GE(added, 0) << shape.what << ": the child failed";
    EXPECT_LT(added, bound) << shape.what;
  }
}

}  // namespace
}  // namespace lamvero
