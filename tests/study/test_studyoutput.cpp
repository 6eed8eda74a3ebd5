// A study's table as the runner writes it, read back against the study: the
// same rows with the same bits in every format and dialect, a stopped study's
// rows kept, and every line that is not the study's refused by its number.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/samplestudy.h"
#include "study/studyoutput.h"
#include "study/studypart.h"
#include "study/studytable.h"

namespace lamvero {
namespace {

using testing::SameBits;
using testing::SampleStudyDefinition;
using testing::SampleStudyResults;

struct Form {
  StudyFormat format;
  CsvDialect dialect;
};
const Form kForms[] = {{StudyFormat::Csv, CsvDialect::Plain},
                       {StudyFormat::Csv, CsvDialect::German},
                       {StudyFormat::JsonLines, CsvDialect::Plain}};

void ExpectSameRows(const StudyResults& read, const StudyResults& written) {
  ASSERT_EQ(read.rows.size(), written.rows.size());
  EXPECT_EQ(read.variedFields, written.variedFields);
  for (std::size_t r = 0; r < read.rows.size(); ++r) {
    EXPECT_EQ(read.rows[r].number, written.rows[r].number);
    EXPECT_EQ(read.rows[r].varied, written.rows[r].varied);
    EXPECT_EQ(read.rows[r].outcome, written.rows[r].outcome);
    for (std::size_t i = 0; i < kStudyQuantityCount; ++i) {
      EXPECT_TRUE(SameBits(read.rows[r].values[i], written.rows[r].values[i])) << "row " << r << " value " << i;
    }
  }
}

TEST(StudyOutput, EveryFormReadsBackToTheSameRowsAndBytes) {
  const StudyDefinition definition = SampleStudyDefinition();
  const StudyResults results = SampleStudyResults(definition);
  for (const Form& form : kForms) {
    const std::string text = StudyTableText(results, form.format, form.dialect);
    const Outcome<StudyResults> read = ReadStudyOutput(text, definition);
    ASSERT_TRUE(read) << read.message();
    EXPECT_TRUE(read->complete);
    ExpectSameRows(read.value(), results);
    EXPECT_EQ(StudyTableText(read.value(), form.format, form.dialect), text);
  }
  // JSON Lines keep the messages as a list; CSV joins them on one line.
  const Outcome<StudyResults> jsonl =
      ReadStudyOutput(StudyTableText(results, StudyFormat::JsonLines, CsvDialect::Plain), definition);
  EXPECT_EQ(jsonl->rows[2].messages.size(), 3u);
  EXPECT_EQ(jsonl->rows[2].messages[2], "dritte mit Zeilenumbruch");
}

TEST(StudyOutput, TheHeaderAndTheRowsAreThoseTheWriterMakes) {
  const StudyDefinition definition = SampleStudyDefinition();
  const std::string plain = StudyTableText(SampleStudyResults(definition, 1), StudyFormat::Csv, CsvDialect::Plain);
  const std::size_t keys = plain.find('\n') + 1;
  EXPECT_EQ(plain.substr(keys, plain.find(",outcome,") - keys), "case,txt_Dicke,txt_Lufttemp");
  EXPECT_NE(plain.find("\n1,20,35,Completed,"), std::string::npos) << plain;
  const std::string german = StudyTableText(SampleStudyResults(definition, 1), StudyFormat::Csv, CsvDialect::German);
  EXPECT_NE(german.find("\n1;20;35;Completed;0,43333333333333335;"), std::string::npos) << german;
  EXPECT_EQ(StudyTableText(SampleStudyResults(definition, 0), StudyFormat::JsonLines, CsvDialect::Plain), "");
}

// What older versions wrote: one header line of machine names, each result
// with its unit in brackets, and no byte-order mark in the German dialect.
TEST(StudyOutput, AnOutputWithTheOlderOneLineHeaderIsStillRead) {
  const StudyDefinition definition = SampleStudyDefinition();
  const StudyResults results = SampleStudyResults(definition);
  const std::string old =
      "case,txt_Dicke,txt_Lufttemp,outcome,Dauer1TA [h],DauerGegenstrom [h],Zeit [h],X1TA [kg/kg],"
      "XGegen [kg/kg],XEnde [kg/kg],ThetaZuluft [°C],spezEnergie [kJ/kg],relEnergie [1],"
      "WasserfehlerProzent [%],WasserdampfMax [kg/(m² h)],schwinddiff [%],schwindgrad [% pro mm],messages\n";
  for (const CsvDialect dialect : {CsvDialect::Plain, CsvDialect::German}) {
    const std::string now = StudyTableText(results, StudyFormat::Csv, dialect);
    const std::size_t rows = now.find('\n', now.find('\n') + 1) + 1;
    std::string header = old;
    if (dialect == CsvDialect::German) std::replace(header.begin(), header.end(), ',', ';');
    const Outcome<StudyResults> read = ReadStudyOutput(header + now.substr(rows), definition);
    ASSERT_TRUE(read) << read.message();
    ExpectSameRows(read.value(), results);
    // Written again, it gets today's header.
    EXPECT_EQ(StudyTableText(read.value(), StudyFormat::Csv, dialect), now);
    // Its line numbers count one header line.
    const Outcome<StudyResults> wrong = ReadStudyOutput(header + now.substr(rows) + "7,30\n", definition);
    ASSERT_FALSE(wrong);
    EXPECT_NE(wrong.message().find("Zeile 8: mehr Zeilen"), std::string::npos) << wrong.message();
  }
  // Only one of the two lines of today's header is no header.
  const std::string now = StudyTableText(results, StudyFormat::Csv, CsvDialect::Plain);
  const Outcome<StudyResults> captionsOnly = ReadStudyOutput(now.substr(0, now.find('\n') + 1), definition);
  ASSERT_FALSE(captionsOnly);
  EXPECT_NE(captionsOnly.message().find("Zeile 1: die Kopfzeilen"), std::string::npos) << captionsOnly.message();
}

TEST(StudyOutput, AStudyStoppedHalfWayKeepsItsRowsAndSaysSo) {
  const StudyDefinition definition = SampleStudyDefinition();
  const StudyResults results = SampleStudyResults(definition, 4);
  for (const Form& form : kForms) {
    const StudyEnd end{4, 1, false, "SIGTERM"};
    const std::string text = StudyTableText(results, form.format, form.dialect) + IncompleteLine(form.format, end, 6);
    const Outcome<StudyResults> read = ReadStudyOutput(text, definition);
    ASSERT_TRUE(read) << read.message();
    EXPECT_FALSE(read->complete);
    ExpectSameRows(read.value(), results);
  }
  // Without the mark, fewer rows than cases are a study that ended early too.
  const Outcome<StudyResults> unmarked =
      ReadStudyOutput(StudyTableText(results, StudyFormat::Csv, CsvDialect::Plain), definition);
  ASSERT_TRUE(unmarked) << unmarked.message();
  EXPECT_FALSE(unmarked->complete);
}

// Replaces the first `from` in text with `to`.
std::string Changed(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(StudyOutput, LinesThatAreNotTheStudysAreRefusedByLineAndReason) {
  const StudyDefinition definition = SampleStudyDefinition();
  const std::string csv = StudyTableText(SampleStudyResults(definition), StudyFormat::Csv, CsvDialect::Plain);
  const std::string jsonl = StudyTableText(SampleStudyResults(definition), StudyFormat::JsonLines, CsvDialect::Plain);
  const std::string stopped = IncompleteLine(StudyFormat::Csv, StudyEnd{6, 0, false, "SIGINT"}, 6);
  StudyIdentity identity;
  identity.base = definition.base;
  const struct {
    std::string text;
    std::string mention;
  } cases[] = {
      {"", "leer"},
      {PartBeginLine(identity, StudyShard{1, 2}) + csv,
       "Zeile 1: ein Teil einer Studie: erst mit --merge zusammenfügen"},
      {csv + PartEndLine(StudyFormat::Csv, StudyEnd{6, 0, true, ""}), "Zeile 9: ein Teil einer Studie"},
      {Changed(csv, "txt_Lufttemp", "txt_Dicke"), "Zeile 1: die Kopfzeilen sind nicht die dieser Studie"},
      {Changed(csv, "\n2,20,45,", "\n2,20,55,"),
       "Zeile 4: nicht Fall 2 der Studie: Spalte txt_Lufttemp: „55“ statt „45“"},
      {Changed(csv, "\n2,20,45,", "\n3,20,45,"), "Zeile 4: nicht Fall 2 der Studie: Spalte case: „3“ statt „2“"},
      // The same number in another form is not what the runner writes.
      {Changed(csv, "\n2,20,45,Completed,0.5333333333333333,", "\n2,20,45,Completed,0.53333333333333330,"),
       "Spalte Dauer1TA: „0.53333333333333330“ statt „0.5333333333333333“"},
      {Changed(csv, "\n2,20,45,Completed,0.", "\n2,20,45,Completed,x0."), "Zeile 4: Spalte Dauer1TA: keine Zahl"},
      {Changed(csv, "\n2,20,45,Completed,", "\n2,20,45,Fertig,"), "Zeile 4: Spalte outcome: „Fertig“"},
      {Changed(csv, "\n2,20,45,Completed,", "\n2,20,Completed,"), "Zeile 4: 17 Spalten, die Kopfzeile hat 18"},
      {csv + "7,30,55,Completed\n", "Zeile 9: mehr Zeilen als die Studie Fälle hat (6)"},
      {csv.substr(0, csv.size() - 1), "Zeile 8: die Zeile endet ohne Zeilenumbruch"},
      {csv + stopped, "Zeile 9: die Marke des abgebrochenen Laufs"},  // a stopped study with all rows cannot be
      {csv.substr(0, csv.find("\n4,")) + "\n" + IncompleteLine(StudyFormat::Csv, StudyEnd{2, 0, false, ""}, 6),
       "Zeile 6: die Marke nennt 2 Zeilen, es sind 3"},
      {csv.substr(0, csv.find("\n4,")) + "\n" + IncompleteLine(StudyFormat::Csv, StudyEnd{3, 0, false, ""}, 9),
       "nennt eine Studie mit 9 Fällen, diese hat 6"},
      {csv.substr(0, csv.find("\n4,")) + "\n" + IncompleteLine(StudyFormat::Csv, StudyEnd{3, 0, false, ""}, 6) + "x\n",
       "Zeile 7: nach der Marke des abgebrochenen Laufs folgt noch etwas"},
      {Changed(jsonl, "\"txt_Lufttemp\":\"45\"", "\"txt_Lufttemp\":\"40\""),
       "Zeile 2: nicht Fall 2 der Studie: „inputs“"},
      {Changed(jsonl, "{\"case\":2,", "[\"case\":2,"), "Zeile 2: keine Zeile einer Studie in JSON Lines"},
      {Changed(jsonl, "\"Dauer1TA\":{\"value\":0.5333333333333333", "\"Dauer1TA\":{\"value\":\"0.5333333333333333\""),
       "Zeile 2: das Ergebnis Dauer1TA ist keine Zahl"},
  };
  for (const auto& c : cases) {
    const Outcome<StudyResults> read = ReadStudyOutput(c.text, definition);
    ASSERT_FALSE(read) << c.mention;
    EXPECT_NE(read.message().find(c.mention), std::string::npos) << read.message();
  }
}

TEST(StudyOutput, AStudyThatCannotBePlannedOrAnOversizedOutputIsRefused) {
  StudyDefinition definition = SampleStudyDefinition();
  const std::string csv = StudyTableText(SampleStudyResults(definition), StudyFormat::Csv, CsvDialect::Plain);
  const std::size_t most = MaxStudyOutputBytes(definition);
  EXPECT_GT(most, csv.size());
  const Outcome<StudyResults> big = ReadStudyOutput(csv + std::string(most, '\n'), definition);
  ASSERT_FALSE(big);
  EXPECT_NE(big.message().find("größer, als eine Ausgabe dieser Studie sein kann"), std::string::npos) << big.message();
  definition.varied[1].values = "35:25:5";
  const Outcome<StudyResults> unplanned = ReadStudyOutput(csv, definition);
  ASSERT_FALSE(unplanned);
  EXPECT_NE(unplanned.message().find("txt_Lufttemp"), std::string::npos) << unplanned.message();
}

}  // namespace
}  // namespace lamvero
