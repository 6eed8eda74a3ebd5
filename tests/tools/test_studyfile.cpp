// A study saved in the window, run by the runner: --study writes what the
// same study given with --vary writes, in every format, on any number of
// workers and in parts that merge back; the window's table of that study is
// the runner's output byte for byte; what --study does not go with is refused.

#include <gtest/gtest.h>

#include <algorithm>

#include "files/studyfile.h"
#include "common/rowcollector.h"
#include "runbatch.h"
#include "study/studyoutput.h"
#include "study/studyrunner.h"
#include "study/studytable.h"

namespace lamvero::testing {
namespace {

const std::string kQuick = "txt_Dicke=4 txt_Ortsschrittweite=0,2 txt_deltaT=2 txt_rund=100";
// Six cases, the plate of 0 mm refused.
const std::string kVary = kQuick + " --vary 'txt_Dicke=6;0;4' --vary 'txt_Lufttemp=35:45:10'";

StudyDefinition QuickStudy() {
  StudyDefinition definition;
  definition.base[Input::Dicke] = "4";
  definition.base[Input::Ortsschrittweite] = "0,2";
  definition.base[Input::deltaT] = "2";
  definition.base[Input::rund] = "100";
  definition.varied = {{Input::Dicke, "6;0;4"}, {Input::Lufttemp, "35:45:10"}};
  return definition;
}

// The study saved as the window saves it, with results that --study must not use.
std::string SavedStudy() {
  StudyFile file;
  file.definition = QuickStudy();
  file.results = StudyResults{file.definition.base, PlanOf(file.definition)->variedFields(), {}, false};
  const std::string path = TestFile("quick.lamvero-studie");
  WriteFile(path, StudyFileText(file));
  return path;
}

const char* const kForms[] = {"", "--csv-dialect de", "--format jsonl"};

std::string Changed(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

TEST(StudyFileRun, StudyWritesWhatTheSameVaryWritesInEveryFormAndOnAnyWorkers) {
  const std::string study = SavedStudy();
  for (const char* form : kForms) {
    const BatchResult vary = RunBatch(kVary + " " + form);
    EXPECT_EQ(vary.status, 3) << vary.err;  // the refused case
    for (const char* jobs : {"-j 1", "-j 2"}) {
      const BatchResult fromFile = RunBatch("--study " + study + " " + form + " " + jobs);
      EXPECT_EQ(fromFile.status, vary.status) << fromFile.err;
      EXPECT_EQ(fromFile.out, vary.out) << form << " " << jobs;
    }
  }
}

TEST(StudyFileRun, ItsPartsAreThoseOfTheVaryStudyAndMergeToTheWholeStudy) {
  const std::string study = SavedStudy();
  for (const char* form : {"", "--format jsonl"}) {
    std::string parts;
    for (const char* shard : {"1/3", "2/3", "3/3"}) {
      const BatchResult part = RunBatch("--study " + study + " --shard " + shard + " " + form);
      EXPECT_EQ(part.out, RunBatch(kVary + " --shard " + shard + " " + form).out) << shard;
      const std::string path = TestFile(std::string("part") + shard[0]);
      WriteFile(path, part.out);
      parts = path + " " + parts;  // in any order
    }
    const BatchResult merged = RunBatch("--merge " + parts);
    EXPECT_EQ(merged.status, 3) << merged.err;
    EXPECT_EQ(merged.out, RunBatch("--study " + study + " " + form).out);
  }
}

using testing::RowCollector;

TEST(StudyFileRun, TheTableOfTheStudyIsTheRunnersOutputByteForByte) {
  const StudyDefinition definition = QuickStudy();
  const Outcome<StudyPlan> plan = PlanOf(definition);
  ASSERT_TRUE(plan) << plan.message();
  StudyResults computed{definition.base, plan->variedFields(), {}, true};
  RowCollector collector(computed);
  StudyRunOptions options;
  options.jobs = 2;
  RunStudy(
      plan->size(), [&](std::size_t i) { return plan->caseInputs(i); }, collector, options);
  const std::string study = SavedStudy();
  const struct {
    const char* option;
    StudyFormat format;
    CsvDialect dialect;
  } forms[] = {{"", StudyFormat::Csv, CsvDialect::Plain},
               {"--csv-dialect de", StudyFormat::Csv, CsvDialect::German},
               {"--format jsonl", StudyFormat::JsonLines, CsvDialect::Plain}};
  for (const auto& form : forms) {
    const std::string out = RunBatch("--study " + study + " " + form.option).out;
    EXPECT_EQ(StudyTableText(computed, form.format, form.dialect), out) << form.option;
    // Read back against the study, the output gives the same table again.
    const Outcome<StudyResults> read = ReadStudyOutput(out, definition);
    ASSERT_TRUE(read) << read.message();
    EXPECT_TRUE(read->complete);
    EXPECT_EQ(StudyTableText(read.value(), form.format, form.dialect), out);
  }
}

TEST(StudyFileRun, WhatStudyDoesNotGoWithAndABadStudyFileAreRefused) {
  const std::string study = SavedStudy();
  const std::string cases = TestFile("cases.csv"), caseFile = TestFile("case.lamvero");
  WriteFile(cases, "txt_Dicke\n5\n");
  ASSERT_EQ(RunBatch(kQuick + " --save " + caseFile).status, 0);
  const std::string broken = TestFile("broken.lamvero-studie");
  WriteFile(broken, Changed(StudyFileText(StudyFile{QuickStudy(), std::nullopt}), "txt_rhos", "txt_Breite"));
  const struct {
    std::string args;
    std::string mention;
  } refused[] = {
      {"--study " + study + " --vary txt_mue=20:30:10", "--study zusammen mit --vary:"},
      {"--study " + study + " --cases " + cases, "--study zusammen mit --cases:"},
      {"--study " + study + " --refine", "--study zusammen mit --refine:"},
      {"--study " + study + " --inputs " + caseFile, "--study zusammen mit --inputs:"},
      {"--study " + study + " txt_Dicke=5", "--study zusammen mit txt_Name=TEXT:"},
      {"--study " + study + " --merge " + study, "--merge setzt fertige Teile zusammen"},
      {"--study " + broken,
       "--study: Die Datei „" + broken + "“ kann nicht geöffnet werden: Unbekanntes Eingabefeld „inputs.txt_Breite“"},
      {"--study " + TestFile("missing"), "Es gibt sie nicht."},
      {"--study " + study + " --json", "--json gilt für einen einzelnen Lauf"},
  };
  for (const auto& r : refused) {
    const BatchResult result = RunBatch(r.args);
    EXPECT_EQ(result.status, 2) << r.args << "\n" << result.err;
    EXPECT_TRUE(result.out.empty()) << r.args;
    EXPECT_NE(result.err.find(r.mention), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
}

}  // namespace
}  // namespace lamvero::testing
