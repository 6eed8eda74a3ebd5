// The cases of a study: values of a varied input, the grid and the table of
// cases, shards and refinement levels.

#include <gtest/gtest.h>

#include <set>

#include "text/parsenumber.h"
#include "study/refinement.h"
#include "study/studyaxis.h"
#include "study/casetable.h"
#include "study/studyplan.h"
#include "study/studyshard.h"

namespace lamvero {
namespace {

std::vector<std::string> Values(const std::string& given) {
  const Outcome<StudyAxis> r = ReadStudyAxis(given);
  EXPECT_TRUE(r) << given << ": " << (r ? "" : r.message());
  return r ? r->texts : std::vector<std::string>{};
}

std::string Refusal(const std::string& given) {
  const Outcome<StudyAxis> r = ReadStudyAxis(given);
  EXPECT_FALSE(r) << given;
  return r ? "" : r.message();
}

using Texts = std::vector<std::string>;

TEST(StudyAxis, RangesAreCountedInDecimalsWithoutDrift) {
  EXPECT_EQ(Values("txt_Dicke=10:40:5"), (Texts{"10", "15", "20", "25", "30", "35", "40"}));
  EXPECT_EQ(Values("txt_XAnf=0,1:0,3:0,1"), (Texts{"0,1", "0,2", "0,3"}));
  EXPECT_EQ(Values("txt_deltaT=1:2:0,25"), (Texts{"1,00", "1,25", "1,50", "1,75", "2,00"}));
  EXPECT_EQ(Values("txt_AussenluftTemp=-10:5:5"), (Texts{"-10", "-5", "0", "5"}));
  EXPECT_EQ(Values("txt_Dicke=10:12:5"), (Texts{"10"}));  // the end is included only when a step meets it
  // A decimal point reads as the comma; the values are written with a comma.
  EXPECT_EQ(Values("txt_XAnf=0.2:0.3:0.05"), (Texts{"0,20", "0,25", "0,30"}));
  // Ten steps of 0,1 end exactly at 1, and every text reads as the decimal it shows.
  const Texts tenths = Values("txt_XAnf=0,1:1:0,1");
  ASSERT_EQ(tenths.size(), 10u);
  EXPECT_EQ(tenths.back(), "1,0");
  EXPECT_EQ(ParseNumber(tenths[6]), 0.7);
}

TEST(StudyAxis, ListsSeparateBySemicolonOrByCommasThatCannotBeDecimal) {
  EXPECT_EQ(Values("txt_Lufttemp=35,45,55"), (Texts{"35", "45", "55"}));
  EXPECT_EQ(Values("txt_deltaT=0,5;1,5"), (Texts{"0,5", "1,5"}));
  EXPECT_EQ(Values("txt_deltaT=0.5,1.5"), (Texts{"0,5", "1,5"}));
  EXPECT_EQ(Values("txt_deltaT=0,5;"), (Texts{"0,5"}));
  EXPECT_EQ(Values("txt_Lufttemp=35"), (Texts{"35"}));
  EXPECT_EQ(Values("txt_Lufttemp= 35 ; 45 "), (Texts{"35", "45"}));
  EXPECT_EQ(Values("txt_Feuchteleit=4E1;2,5e+1"), (Texts{"4E1", "2,5e+1"}));
  // One comma between digits is either a decimal comma or two values: refused with both spellings.
  const std::string ambiguous = Refusal("txt_Lufttemp=35,45");
  EXPECT_NE(ambiguous.find("mehrdeutig"), std::string::npos) << ambiguous;
  EXPECT_NE(ambiguous.find("txt_Lufttemp=35.45"), std::string::npos) << ambiguous;
  EXPECT_NE(ambiguous.find("txt_Lufttemp=35;45"), std::string::npos) << ambiguous;
}

TEST(StudyAxis, RefusesWhatItCannotReadNamingTheField) {
  for (const char* given : {"txt_Dicke=10:40", "txt_Dicke=10:40:0", "txt_Dicke=40:10:5", "txt_Dicke=1e1:40:5",
                           "txt_Dicke=10:40:x", "txt_Dicke=10;zehn", "txt_Dicke=10;;20", "txt_Dicke=",
                           "txt_Dicke"}) {
    EXPECT_NE(Refusal(given).find("txt_Dicke"), std::string::npos) << given;
  }
  EXPECT_NE(Refusal("txt_Dicke=0:1:0,000001").find("Werte"), std::string::npos);  // a million runs by mistake
  EXPECT_NE(Refusal("txt_Unbekannt=1;2").find("txt_Unbekannt"), std::string::npos);
  EXPECT_NE(Refusal("txt_AnzOS=1;2").find("txt_AnzOS"), std::string::npos);  // computed, not an input
  EXPECT_FALSE(ReadStudyAxis("txt_Dicke=1:123456789012345678:1").ok());  // beyond 17 digits
}

StudyAxis Axis(Input field, Texts texts) { return StudyAxis{field, std::move(texts)}; }

TEST(StudyPlan, GridRunsLikeNestedLoopsTheLastVariedInputFastest) {
  const Outcome<StudyPlan> m = StudyPlan::Make(
      InputTexts::Defaults(), {}, {Axis(Input::Dicke, {"10", "20"}), Axis(Input::Lufttemp, {"35", "45", "55"})});
  ASSERT_TRUE(m) << m.message();
  const StudyPlan& p = m.value();
  ASSERT_EQ(p.size(), 6u);
  EXPECT_EQ(p.variedFields(), (std::vector<Input>{Input::Dicke, Input::Lufttemp}));
  const char* expected[6][2] = {{"10", "35"}, {"10", "45"}, {"10", "55"}, {"20", "35"}, {"20", "45"}, {"20", "55"}};
  for (std::size_t i = 0; i < 6; ++i) {
    const InputTexts in = p.caseInputs(i);
    EXPECT_EQ(in[Input::Dicke], expected[i][0]) << i;
    EXPECT_EQ(in[Input::Lufttemp], expected[i][1]) << i;
    EXPECT_EQ(in[Input::XAnf], "0,25");  // the rest from the base
  }
}

TEST(StudyPlan, TableRowsCrossTheGridAndEmptyCellsKeepTheBase) {
  InputTexts base = InputTexts::Defaults();
  base[Input::rhos] = "1900";
  CaseTable table{{Input::Dicke, Input::rhos}, {{"10", ""}, {"30", "2000"}}};
  const Outcome<StudyPlan> m = StudyPlan::Make(base, table, {Axis(Input::deltaT, {"1", "2"})});
  ASSERT_TRUE(m) << m.message();
  ASSERT_EQ(m->size(), 4u);
  EXPECT_EQ(m->variedFields(), (std::vector<Input>{Input::Dicke, Input::rhos, Input::deltaT}));
  const InputTexts c1 = m->caseInputs(1), c2 = m->caseInputs(2);
  EXPECT_EQ(c1[Input::Dicke], "10");
  EXPECT_EQ(c1[Input::rhos], "1900");
  EXPECT_EQ(c1[Input::deltaT], "2");
  EXPECT_EQ(c2[Input::Dicke], "30");
  EXPECT_EQ(c2[Input::rhos], "2000");
  EXPECT_EQ(c2[Input::deltaT], "1");
}

TEST(StudyPlan, RefusesAFieldTwiceARaggedTableAndAnOversizedStudy) {
  const InputTexts base = InputTexts::Defaults();
  EXPECT_NE(StudyPlan::Make(base, {}, {Axis(Input::Dicke, {"1"}), Axis(Input::Dicke, {"2"})}).message().find("txt_Dicke"),
            std::string::npos);
  EXPECT_NE(StudyPlan::Make(base, {{Input::mue}, {{"5"}}}, {Axis(Input::mue, {"2"})}).message().find("txt_mue"),
            std::string::npos);
  EXPECT_NE(StudyPlan::Make(base, {{Input::mue}, {{"5"}, {"5", "6"}}}, {}).message().find("Fall 2"), std::string::npos);
  EXPECT_FALSE(StudyPlan::Make(base, {{Input::mue}, {}}, {}).ok());
  Texts thousand(1000, "1");
  EXPECT_FALSE(StudyPlan::Make(base, {}, {Axis(Input::Dicke, thousand), Axis(Input::mue, thousand),
                                          Axis(Input::rhos, {"1", "2"})}).ok());
  const Outcome<StudyPlan> single = StudyPlan::Make(base, {}, {});
  ASSERT_TRUE(single);
  EXPECT_EQ(single->size(), 1u);
}

TEST(CaseTable, ReadsCellsTrimmedAndRefusesNamingTheFileAndItsLine) {
  const Outcome<CaseTable> good = ParseCaseTable("\xEF\xBB\xBFtxt_Dicke;txt_mue\r\n10; 5\r\n\r\n;6\r\n", "f.csv");
  ASSERT_TRUE(good) << good.message();
  EXPECT_EQ(good->columns, (std::vector<Input>{Input::Dicke, Input::mue}));
  EXPECT_EQ(good->rows, (std::vector<std::vector<std::string>>{{"10", "5"}, {"", "6"}}));

  const Outcome<CaseTable> bad = ParseCaseTable("txt_Dicke;txt_mue\n10;5\n\n12;x\n", "faelle.csv");
  ASSERT_FALSE(bad);
  EXPECT_EQ(bad.failure().where, "faelle.csv, Zeile 4");  // the empty line counts
  EXPECT_EQ(bad.message(), "faelle.csv, Zeile 4: txt_mue = \"x\" ist keine Zahl");
  EXPECT_EQ(ParseCaseTable("", "leer.csv").failure().where, "leer.csv");
  // A terminal's control sequence in a cell is shown, not obeyed.
  EXPECT_EQ(ParseCaseTable("txt_mue\n5\x1b[2J\n", "f.csv").message(), "f.csv, Zeile 2: txt_mue = \"5U+001B[2J\" ist keine Zahl");

  // The longest line passes, one byte more is refused at its line.
  const std::string longest = "txt_Dicke\n" + std::string(kMaxCaseTableLineBytes - 1, ' ') + "4\n";
  EXPECT_TRUE(ParseCaseTable(longest, "lang.csv"));
  EXPECT_EQ(ParseCaseTable("txt_Dicke\n " + longest.substr(10), "lang.csv").failure().where, "lang.csv, Zeile 2");
}

TEST(CaseTable, MoreCasesThanAStudyRunsAreRefusedWithoutAGrid) {
  CaseTable table{{Input::Dicke}, std::vector<std::vector<std::string>>(kMaxStudyCases + 1, {"4"})};
  EXPECT_FALSE(StudyPlan::Make(InputTexts::Defaults(), table, {}));
  table.rows.pop_back();
  EXPECT_TRUE(StudyPlan::Make(InputTexts::Defaults(), std::move(table), {}));
}

TEST(StudyShard, ShardsTakeEveryNthCaseAndTogetherEveryCaseOnce) {
  EXPECT_FALSE(ReadStudyShard("0/3").ok());
  EXPECT_FALSE(ReadStudyShard("4/3").ok());
  EXPECT_FALSE(ReadStudyShard("1/0").ok());
  EXPECT_FALSE(ReadStudyShard("1").ok());
  EXPECT_FALSE(ReadStudyShard("1/3x").ok());
  EXPECT_FALSE(ReadStudyShard("-1/3").ok());
  const StudyShard second = ReadStudyShard("2/3").value();
  EXPECT_EQ(second.caseCount(10), 3u);  // cases 2, 5, 8
  EXPECT_EQ(second.caseIndex(2), 7u);
  EXPECT_EQ((StudyShard{3, 3}.caseCount(2)), 0u);
  for (std::size_t cases : {0u, 1u, 7u, 9u}) {
    std::multiset<std::size_t> seen;
    for (std::size_t k = 1; k <= 3; ++k) {
      const StudyShard s{k, 3};
      for (std::size_t i = 0; i < s.caseCount(cases); ++i) seen.insert(s.caseIndex(i));
    }
    ASSERT_EQ(seen.size(), cases);
    std::size_t expected = 0;
    for (std::size_t index : seen) EXPECT_EQ(index, expected++);
  }
}

TEST(Refinement, HalvesBothStepsExactlyPerLevel) {
  InputTexts base = InputTexts::Defaults();
  base[Input::deltaT] = "0,5";
  base[Input::Ortsschrittweite] = "0.1";
  const std::vector<InputTexts> levels = RefinementLevels(base, 3);
  ASSERT_EQ(levels.size(), 4u);
  EXPECT_EQ(levels[0][Input::Ortsschrittweite], "0.1");  // level 0 is the case as typed
  const char* dt[] = {"0,5", "0,25", "0,125", "0,0625"};
  const char* dx[] = {"0.1", "0,05", "0,025", "0,0125"};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(levels[k][Input::deltaT], dt[k]);
    EXPECT_EQ(levels[k][Input::Ortsschrittweite], dx[k]);
    EXPECT_EQ(*ParseNumber(levels[k][Input::deltaT]) * (1 << k), 0.5);
    EXPECT_EQ(*ParseNumber(levels[k][Input::Ortsschrittweite]) * (1 << k), 0.1);
    EXPECT_EQ(levels[k][Input::Dicke], base[Input::Dicke]);
  }
}

}  // namespace
}  // namespace lamvero
