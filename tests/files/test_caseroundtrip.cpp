#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "files/casefile.h"
#include "inputpieces.h"
#include "inputs/inputcheck.h"

namespace lamvero {
namespace {

using namespace std::string_literals;

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

// What the program writes, it reads back: every set of input texts the check
// accepts comes back unchanged from a case file. Run over the fuzzing seeds,
// which hold control characters, Latin-1 bytes and other awkward texts.
TEST(CaseRoundTrip, EveryInputTheCheckAcceptsComesBackFromTheFuzzingSeeds) {
  int seeds = 0, accepted = 0;
  for (const auto& entry : std::filesystem::directory_iterator(LAMVERO_FUZZ_SEEDS_DIR)) {
    const std::string data = Slurp(entry.path());
    ++seeds;
    // Each seed as it stands, and each of its pieces alone in the default inputs.
    std::vector<InputTexts> variants = {InputsOfPieces(data, [](std::string_view) {})};
    InputsOfPieces(data, [&](std::string_view text) {
      for (const InputField& f : InputFields()) {
        InputTexts one = InputTexts::Defaults();
        one[f.id] = std::string(text);
        variants.push_back(one);
      }
    });
    for (const InputTexts& inputs : variants) {
      if (!FindInputProblems(inputs).empty()) continue;
      ++accepted;
      EXPECT_TRUE(SurviveCaseFile(inputs)) << entry.path();
    }
  }
  EXPECT_GE(seeds, 6);
  EXPECT_GT(accepted, 20);  // or the property was never put to the test
}

// The title and the comment as a file that was read holds them: the longest
// title, any character a comment may hold (line ends, tabs, NUL), all UTF-8.
TEST(CaseRoundTrip, TitleAndCommentComeBackUnchanged) {
  CaseFile file;
  const std::string start = "Ziegel „Süd“ 😀 ";
  file.about.title = start + std::string(kMaxProjectLineBytes - start.size(), 'x');
  file.about.comment = "Zeile 1\r\nZeile 2\tmit Tab\n\0Ende \u0085 \x7f"s;
  const Outcome<CaseFile> read = ReadCaseFileText(CaseFileText(file, false), nullptr);
  ASSERT_TRUE(read) << read.message();
  EXPECT_EQ(read.value().about.title, file.about.title);
  EXPECT_EQ(read.value().about.comment, file.about.comment);
}

}  // namespace
}  // namespace lamvero
