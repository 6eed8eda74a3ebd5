// Parts of a study put back together: the marks that say which study a part
// belongs to and whether it is complete, what a merge refuses (and names),
// and the bounds on what it reads.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "study/studycolumns.h"
#include "study/studymerge.h"
#include "study/studypart.h"

namespace lamvero {
namespace {

// A study of `cases` cases of one varied input, rows "N,value,..." (or JSON Lines).
struct Study {
  StudyIdentity identity;

  explicit Study(std::size_t cases, StudyFormat format = StudyFormat::Csv) {
    identity.program = "lamvero-batch test";
    identity.format = format;
    identity.base = InputTexts::Defaults();
    StudyAxis axis{Input::Dicke, {}};
    for (std::size_t c = 1; c <= cases; ++c) axis.texts.push_back(std::to_string(10 + c));
    identity.axes = {axis};
    identity.studyCases = cases;
  }

  std::string row(std::size_t c) const {
    if (identity.format == StudyFormat::JsonLines) return "{\"case\":" + std::to_string(c) + ",\"x\":1}\n";
    return std::to_string(c) + "," + std::to_string(10 + c) + ",Completed\n";
  }
  // The header the runner writes for the study (CSV), or `csvHeader` when set.
  std::string csvHeader;
  std::string header() const {
    if (identity.format != StudyFormat::Csv) return "";
    return csvHeader.empty() ? StudyHeader({Input::Dicke}, false, identity.dialect) : csvHeader;
  }

  // Part k of n with its rows; incomplete counts the cases that did not complete.
  std::string part(std::size_t k, std::size_t n, std::size_t incomplete = 0) const {
    const StudyShard shard{k, n};
    std::string text = PartBeginLine(identity, shard) + header();
    for (std::size_t i = 0; i < shard.caseCount(identity.studyCases); ++i) text += row(shard.caseIndex(i) + 1);
    return text + PartEndLine(identity.format, StudyEnd{shard.caseCount(identity.studyCases), incomplete, true, ""});
  }
  std::string whole() const {
    std::string text = header();
    for (std::size_t c = 1; c <= identity.studyCases; ++c) text += row(c);
    return text;
  }
};

std::string Refusal(const std::vector<StudyPartText>& parts) {
  const Outcome<MergedStudy> merged = MergeStudyParts(parts);
  EXPECT_FALSE(merged) << "merged, though it should not";
  return merged ? "" : merged.message();
}

// The refusal names what it should.
#define EXPECT_NAMES(text, part) EXPECT_NE((text).find(part), std::string::npos) << (text)

TEST(StudyMerge, PartsInAnyOrderGiveTheWholeStudyWithoutMarksAndCountTheIncompleteCases) {
  for (const StudyFormat format : {StudyFormat::Csv, StudyFormat::JsonLines}) {
    const Study s(7, format);
    const Outcome<MergedStudy> merged = MergeStudyParts({{"c", s.part(3, 3)}, {"a", s.part(1, 3, 2)}, {"b", s.part(2, 3)}});
    ASSERT_TRUE(merged) << merged.message();
    EXPECT_EQ(merged->text, s.whole());
    EXPECT_EQ(merged->cases, 7u);
    EXPECT_EQ(merged->incomplete, 2u);
  }
  // More parts than cases: the parts without a case are empty but complete.
  const Study few(2);
  const Outcome<MergedStudy> merged = MergeStudyParts({{"a", few.part(1, 3)}, {"b", few.part(2, 3)}, {"c", few.part(3, 3)}});
  ASSERT_TRUE(merged) << merged.message();
  EXPECT_EQ(merged->text, few.whole());
}

// The German header starts with a byte-order mark, and a part's header
// follows its mark: the merge puts it first, as the whole study has it.
// Parts of older versions, with their one line of machine names, merge too.
TEST(StudyMerge, EitherHeaderInEitherDialectMergesToTheWholeStudy) {
  Study german(5);
  german.identity.dialect = CsvDialect::German;
  Study old(5);
  old.csvHeader = "case,txt_Dicke,outcome,Dauer1TA [h],messages\n";
  for (const Study* s : {&german, &old}) {
    const Outcome<MergedStudy> merged = MergeStudyParts({{"b", s->part(2, 2)}, {"a", s->part(1, 2)}});
    ASSERT_TRUE(merged) << merged.message();
    EXPECT_EQ(merged->text, s->whole());
  }
  EXPECT_EQ(german.whole().rfind("\xEF\xBB\xBF" "Fall;Anfangsdicke der Platte in mm;Ergebnis;", 0), 0u);
  // A header of captions without its line of machine names is refused where the names should be.
  Study captionsOnly(3);
  captionsOnly.csvHeader = "Fall,Anfangsdicke der Platte in mm,Ergebnis\n";
  const std::string refusal = Refusal({{"a", captionsOnly.part(1, 1)}});
  EXPECT_NAMES(refusal, "a, Zeile 3: keine zweite Kopfzeile");
  // Parts of one study with different headers (an older and a newer runner) do not merge.
  EXPECT_NAMES(Refusal({{"a", Study(5).part(1, 2)}, {"b", old.part(2, 2)}}), "b: die Kopfzeile weicht");
}

TEST(StudyMerge, PartsOfDifferentStudiesAreRefusedNamingThePartAndWhatDiffers) {
  const Study s(4);
  Study warmer = s;
  warmer.identity.base[Input::Lufttemp] = "45";
  const std::string base = Refusal({{"a", s.part(1, 2)}, {"b", warmer.part(2, 2)}});
  EXPECT_NAMES(base, "b: gehört zu einer anderen Studie als a");
  EXPECT_NAMES(base, "Grundeingabe txt_Lufttemp: 45 statt 35");
  // A part's texts may be any bytes: a message shows them escaped.
  Study carriageReturn = s;
  carriageReturn.identity.base[Input::Lufttemp] = "45\r\x1b";
  EXPECT_NAMES(Refusal({{"a", s.part(1, 2)}, {"b", carriageReturn.part(2, 2)}}), "txt_Lufttemp: 45\\rU+001B statt 35");

  Study otherAxis = s;
  otherAxis.identity.axes[0].texts[3] = "99";
  EXPECT_NAMES(Refusal({{"a", s.part(1, 2)}, {"b", otherAxis.part(2, 2)}}), "variierte Eingaben");

  Study table = s, otherTable = s;
  table.identity.table = CaseTable{{Input::XAnf}, {{"0,2"}, {"0,3"}}};
  otherTable.identity.table = CaseTable{{Input::XAnf}, {{"0,2"}, {"0,31"}}};
  EXPECT_NAMES(Refusal({{"a", table.part(1, 2)}, {"b", otherTable.part(2, 2)}}), "Falltabelle");

  Study german = s;
  german.identity.dialect = CsvDialect::German;
  EXPECT_NAMES(Refusal({{"a", s.part(1, 2)}, {"b", german.part(2, 2)}}), "CSV-Dialekt");
  EXPECT_NAMES(Refusal({{"a", s.part(1, 2)}, {"b", s.part(2, 3)}}), "verschieden geteilt");
  const Study json(4, StudyFormat::JsonLines);
  EXPECT_NAMES(Refusal({{"a", s.part(1, 2)}, {"b", json.part(2, 2)}}), "Ausgabeformat");
}

TEST(StudyMerge, AShardTwiceOrMissingIsRefusedNamingItsCases) {
  const Study s(5);
  EXPECT_NAMES(Refusal({{"a", s.part(1, 2)}, {"b", s.part(1, 2)}}), "b: Teil 1/2 kommt zweimal vor (auch a)");
  EXPECT_NAMES(Refusal({{"a", s.part(1, 3)}, {"c", s.part(3, 3)}}), "Teil 2/3 fehlt (Fall 2, 5, …)");
  EXPECT_NAMES(Refusal({{"a", s.part(1, 3)}, {"b", s.part(2, 3)}}), "Teil 3/3 fehlt (Fall 3)");
}

TEST(StudyMerge, ACutEmptyOrIncompletePartIsRefused) {
  const Study s(5);
  const std::string whole = s.part(2, 2);
  EXPECT_NAMES(Refusal({{"a", s.part(1, 2)}, {"b", ""}}), "b: die Datei ist leer (0 Bytes)");
  // Cut anywhere: inside the end mark, before it, inside a row, inside the first mark.
  for (const std::size_t keep : {whole.size() - 5, whole.size() - 60, whole.size() - 70, std::size_t{30}}) {
    EXPECT_NAMES(Refusal({{"a", s.part(1, 2)}, {"b", whole.substr(0, keep)}}), "b") << keep;
  }
  const std::string withoutEnd = whole.substr(0, whole.rfind("# lamvero"));
  EXPECT_NAMES(Refusal({{"a", s.part(1, 2)}, {"b", withoutEnd}}), "ohne Schlussmarke");

  const StudyShard shard{1, 2};
  const std::string stopped = PartBeginLine(s.identity, shard) + s.header() + s.row(1) +
                              PartEndLine(StudyFormat::Csv, StudyEnd{1, 0, false, "SIGTERM"});
  EXPECT_NAMES(Refusal({{"a", stopped}, {"b", whole}}), "a: als unvollständig markiert (SIGTERM): 1 von 3 Fällen");
  // An end mark that counts other rows than the part holds, or a part short of its cases.
  const std::string short2 = PartBeginLine(s.identity, shard) + s.header() + s.row(1) + s.row(3) +
                             PartEndLine(StudyFormat::Csv, StudyEnd{2, 0, true, ""});
  EXPECT_NAMES(Refusal({{"a", short2}, {"b", whole}}), "a, Zeile 6: die Schlussmarke zählt 2 Zeilen, der Teil hat 2 von 3");
  EXPECT_NAMES(Refusal({{"a", s.part(1, 2) + s.row(7)}, {"b", whole}}), "a, Zeile 7: nach der Schlussmarke");
}

TEST(StudyMerge, RowsMustBeTheShardsCasesInOrder) {
  const Study s(5);
  const StudyShard shard{1, 2};
  const std::string begin = PartBeginLine(s.identity, shard) + s.header();
  const std::string end = PartEndLine(StudyFormat::Csv, StudyEnd{3, 0, true, ""});
  EXPECT_NAMES(Refusal({{"a", begin + s.row(1) + s.row(2) + s.row(5) + end}, {"b", s.part(2, 2)}}),
               "a, Zeile 5: Fall 2 statt Fall 3");
  EXPECT_NAMES(Refusal({{"a", begin + s.row(1) + s.row(3) + s.row(5) + s.row(7) + end}, {"b", s.part(2, 2)}}),
               "a, Zeile 7: mehr Zeilen als die 3 Fälle");
  EXPECT_NAMES(Refusal({{"a", begin + "x,1\n" + end}, {"b", s.part(2, 2)}}), "keine Zeile einer Studie");
  EXPECT_NAMES(Refusal({{"a", begin + s.row(1) + std::string(100000, '7') + "\n" + end}, {"b", s.part(2, 2)}}),
               "a, Zeile 5: länger als jede Zeile dieser Studie");
}

TEST(StudyMerge, TheFirstMarkIsCheckedBeforeAnythingIsTrusted) {
  const Study s(5);
  EXPECT_NAMES(Refusal({{"w", s.whole()}}), "w: kein Teil einer Studie");
  const std::string mark = PartBeginLine(s.identity, StudyShard{1, 2});
  const auto replaced = [&mark](const std::string& from, const std::string& to) {
    std::string text = mark;
    text.replace(text.find(from), from.size(), to);
    return text + "case\n" + PartEndLine(StudyFormat::Csv, StudyEnd{});
  };
  EXPECT_NAMES(Refusal({{"a", replaced("\"partCases\":3", "\"partCases\":2")}}), "Fallzahlen");
  // Beyond the largest study, even with the part's count to match.
  std::string huge = replaced("\"studyCases\":5", "\"studyCases\":5000000");
  huge.replace(huge.find("\"partCases\":3"), 13, "\"partCases\":2500000");
  EXPECT_NAMES(Refusal({{"a", huge}}), "Fallzahlen");
  EXPECT_NAMES(Refusal({{"a", replaced("\"shard\":\"1/2\"", "\"shard\":\"3/2\"")}}), "keinen gültigen Teil");
  EXPECT_NAMES(Refusal({{"a", replaced("\"partVersion\":1", "\"partVersion\":2")}}), "anderen Version");
  EXPECT_NAMES(Refusal({{"a", replaced("\"base\":{", "\"base\":{\"n\":[[[[[[[[[[1]]]]]]]]]],")}}), "beschädigt");
  EXPECT_NAMES(Refusal({{"a", replaced("\"vary\":[{", "\"vary\":[7,{")}}), "unvollständig");
}

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "lamvero_merge_" + std::to_string(getpid()) + "_" + name;
}

TEST(StudyPartFile, FoldersFifosAndOverlongFilesAreRefusedWithoutReadingThemWhole) {
  EXPECT_NAMES(ReadStudyPartFile(::testing::TempDir()).message(), "ist ein Ordner");
  const std::string fifo = TempPath("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_NAMES(ReadStudyPartFile(fifo).message(), "keine gewöhnliche Datei");  // does not wait for a writer
  std::remove(fifo.c_str());

  // A part of one case followed by far more than one case's row.
  const Study s(1);
  const std::string longPart = TempPath("long");
  {
    std::ofstream out(longPart, std::ios::binary);
    out << PartBeginLine(s.identity, StudyShard{1, 1});
    const std::string block(1 << 20, 'x');
    for (int i = 0; i < 16; ++i) out << block;
  }
  EXPECT_NAMES(ReadStudyPartFile(longPart).message(), "länger, als ein Teil mit 1 Fällen sein kann");
  // A file that is no part is handed on after its first bytes, for the merge to say so.
  {
    std::ofstream out(longPart, std::ios::binary);
    for (int i = 0; i < 16; ++i) out << std::string(1 << 20, '\0');
  }
  const Outcome<StudyPartText> zeros = ReadStudyPartFile(longPart);
  ASSERT_TRUE(zeros) << zeros.message();
  EXPECT_LE(zeros->text.size(), std::size_t{1} << 17);
  EXPECT_NAMES(Refusal({zeros.value()}), "kein Teil einer Studie");
  std::remove(longPart.c_str());
}

}  // namespace
}  // namespace lamvero
