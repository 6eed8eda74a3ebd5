// The runner in English: --lang and the system's locale choose the language of
// the help and the messages; what a program reads (JSON, CSV) stays the same.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tools/runbatch.h"

namespace {

using lamvero::testing::BatchResult;
using lamvero::testing::Lines;
using lamvero::testing::RunBatch;
using lamvero::testing::RunBatchIn;
using lamvero::testing::Slurp;
using lamvero::testing::TestFile;
using lamvero::testing::kQuickArgs;

std::string Unescaped(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, plain] : entities) {
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
      text.replace(at, std::string(entity).size(), plain);
    }
  }
  return text;
}

// The German pieces of the runner's catalogue long enough to be telling:
// each source cut at its %1 … %9, every piece of at least 12 characters
// whose catalogue English differs.
std::vector<std::string> GermanPieces() {
  const std::string ts = Slurp(std::string(LAMVERO_TRANSLATIONS_DIR) + "/lamvero_tools_en.ts");
  const auto between = [&ts](const std::string& open, const std::string& close, std::size_t& at) {
    const std::size_t begin = ts.find(open, at) + open.size();
    at = ts.find(close, begin);
    return Unescaped(ts.substr(begin, at - begin));
  };
  std::vector<std::string> pieces;
  for (std::size_t at = ts.find("<source>"); at != std::string::npos; at = ts.find("<source>", at)) {
    const std::string german = between("<source>", "</source>", at);
    if (german == between("<translation>", "</translation>", at)) continue;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= german.size(); ++i) {
      const bool placeholder = i + 1 < german.size() && german[i] == '%' && german[i + 1] >= '1' && german[i + 1] <= '9';
      if (!placeholder && i < german.size()) continue;
      if (i - start >= 12) pieces.push_back(german.substr(start, i - start));
      start = i + 2;
      ++i;
    }
  }
  return pieces;
}

void ExpectNoGerman(const std::string& text) {
  const std::vector<std::string> pieces = GermanPieces();
  ASSERT_GT(pieces.size(), 100u);  // the catalogue was read
  for (const std::string& piece : pieces) EXPECT_EQ(text.find(piece), std::string::npos) << piece;
}

TEST(Language, HelpFollowsLangAndTheSystem) {
  for (const char* args : {"--lang en --help", "--lang=en --help", "--help --lang en"}) {
    SCOPED_TRACE(args);
    const BatchResult english = RunBatch(args);
    EXPECT_EQ(english.status, 0) << english.err;
    EXPECT_NE(english.out.find("Usage"), std::string::npos);
    EXPECT_NE(english.out.find("show this help and exit"), std::string::npos);
    EXPECT_NE(english.out.find("Exit status: 0 complete run"), std::string::npos);
    ExpectNoGerman(english.out);
  }
  // An English system speaks English; --lang de overrides it; C stays German.
  const BatchResult system = RunBatchIn("LANG=en_GB.UTF-8", "--help");
  EXPECT_NE(system.out.find("show this help and exit"), std::string::npos);
  for (const char* before : {"LANG=en_GB.UTF-8", "LC_MESSAGES=en_US.UTF-8"}) {
    const BatchResult german = RunBatchIn(before, "--lang de --help");
    EXPECT_NE(german.out.find("diese Hilfe zeigen und enden"), std::string::npos) << before;
  }
  EXPECT_NE(RunBatchIn("LANG=C", "--help").out.find("Aufruf"), std::string::npos);
}

TEST(Language, WrongLanguageIsAUsageError) {
  for (const char* args : {"--lang fr", "--lang=fr --json", "--lang"}) {
    SCOPED_TRACE(args);
    const BatchResult r = RunBatch(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty()) << r.out;
    ASSERT_EQ(Lines(r.err).size(), 1u) << r.err;
    EXPECT_NE(r.err.find("--lang"), std::string::npos) << r.err;
  }
  EXPECT_NE(RunBatch("--lang fr").err.find("„fr“ ist nicht erlaubt (erlaubt: de, en)"), std::string::npos);
  EXPECT_NE(RunBatchIn("LANG=en_GB.UTF-8", "--lang fr").err.find("\"fr\" is not allowed (allowed: de, en)"),
            std::string::npos);
}

TEST(Language, RefusalsInEnglish) {
  const BatchResult input = RunBatch("--lang en txt_Dicke=abc");
  EXPECT_EQ(input.status, 2);
  EXPECT_EQ(input.err.rfind("Input refused: ", 0), 0u) << input.err;
  EXPECT_NE(input.err.find("abc"), std::string::npos) << input.err;

  const BatchResult field = RunBatch("--lang en txt_Dikce=4");
  EXPECT_EQ(field.status, 2);
  EXPECT_NE(field.err.find("unknown input field in \"txt_Dikce=4\"; did you mean txt_Dicke. Expected txt_Name=TEXT"),
            std::string::npos)
      << field.err;
  EXPECT_NE(field.err.find("All options and fields: lamvero-batch --help"), std::string::npos);

  const BatchResult option = RunBatch("--lang en --jsno");
  EXPECT_EQ(option.status, 2);
  EXPECT_NE(option.err.find("unknown option --jsno; did you mean --json."), std::string::npos) << option.err;

  const BatchResult value = RunBatch("--lang en --vary txt_Dicke=10:20:5 --jobs 0");
  EXPECT_EQ(value.status, 2);
  EXPECT_NE(value.err.find("\"0\" is not between 1 and 1024."), std::string::npos) << value.err;
  ExpectNoGerman(input.err + field.err + option.err + value.err);
}

// "caption: text" rows, split at the first ": ".
std::vector<std::pair<std::string, std::string>> Rows(const std::string& out) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (const std::string& line : Lines(out)) {
    const std::size_t colon = line.find(": ");
    rows.emplace_back(line.substr(0, colon), colon == std::string::npos ? "" : line.substr(colon + 2));
  }
  return rows;
}

TEST(Language, EnglishRowsShowTheSameNumbersWithADecimalPoint) {
  const BatchResult german = RunBatch("--lang de " + kQuickArgs);
  const BatchResult english = RunBatch("--lang en " + kQuickArgs);
  ASSERT_EQ(german.status, 0) << german.err;
  ASSERT_EQ(english.status, 0) << english.err;
  const auto de = Rows(german.out), en = Rows(english.out);
  ASSERT_EQ(de.size(), en.size());
  ASSERT_GT(de.size(), 10u);
  int decimals = 0;
  for (std::size_t i = 0; i < de.size(); ++i) {
    std::string expected = de[i].second;
    for (char& c : expected) c = c == ',' ? '.' : c;
    EXPECT_EQ(en[i].second, expected) << de[i].first;
    EXPECT_EQ(en[i].second.find(','), std::string::npos) << en[i].first;
    decimals += en[i].second.find('.') != std::string::npos;
  }
  EXPECT_GT(decimals, 5);
}

// The JSON without the texts a reader reads: the messages and the texts of
// the warnings and the problems.
nlohmann::json WithoutMessages(const std::string& text) {
  nlohmann::json j = nlohmann::json::parse(text);
  j.erase("messages");
  for (const char* list : {"warnings", "problems"}) {
    if (!j.contains(list)) continue;
    for (nlohmann::json& entry : j[list]) entry.erase("text");
  }
  return j;
}

TEST(Language, JsonSeriesAndStudiesAreTheSameInBothLanguages) {
  const std::string cases[] = {
      kQuickArgs,                                      // a complete run
      kQuickArgs + " txt_Lufttemp=70 --accuracy",     // a warning and the accuracy members
      "txt_Dicke=abc txt_rhos=-1",                     // refused
      kQuickArgs + " --throughput 2,5t/h",             // the plant members
  };
  for (const std::string& c : cases) {
    SCOPED_TRACE(c);
    const BatchResult de = RunBatch("--lang de --json " + c);
    const BatchResult en = RunBatch("--lang en --json " + c);
    EXPECT_EQ(de.status, en.status);
    EXPECT_EQ(WithoutMessages(de.out), WithoutMessages(en.out));
  }
  const std::string deCsv = TestFile("de.csv"), enCsv = TestFile("en.csv");
  ASSERT_EQ(RunBatch("--lang de --series " + deCsv + " " + kQuickArgs).status, 0);
  ASSERT_EQ(RunBatch("--lang en --series " + enCsv + " " + kQuickArgs).status, 0);
  EXPECT_FALSE(Slurp(deCsv).empty());
  EXPECT_EQ(Slurp(deCsv), Slurp(enCsv));
  // A study's rows, in either format.
  for (const char* format : {"csv", "jsonl"}) {
    const std::string study = kQuickArgs + " --vary txt_Lufttemp=70:80:10 --format " + format;
    const BatchResult de = RunBatch("--lang de " + study), en = RunBatch("--lang en " + study);
    EXPECT_GE(Lines(de.out).size(), 2u) << de.out;  // a row for each case
    EXPECT_EQ(de.out, en.out) << format;
  }
}

}  // namespace
