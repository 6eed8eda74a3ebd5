// A study's table speaks the vocabulary of every table Lamvero writes: the
// first header line heads each column with the caption and unit its
// descriptor table gives (the input fields, the results in the unit the study
// writes them in), the second with its machine name, and a German file
// starts with a byte-order mark.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "run/resultdescriptors.h"
#include "study/studycolumns.h"
#include "study/studytable.h"
#include "study/studywriter.h"

namespace lamvero {
namespace {

const std::string kBom = "\xEF\xBB\xBF";

struct Header {
  std::vector<std::string> captions, keys;
};

// Both header lines of a table, split into cells; the mark must be there in the German dialect only.
Header HeaderOf(const std::string& table, CsvDialect dialect) {
  const bool marked = table.rfind(kBom, 0) == 0;
  EXPECT_EQ(marked, dialect == CsvDialect::German);
  const std::string text = marked ? table.substr(kBom.size()) : table;
  const std::size_t end1 = text.find('\n'), end2 = text.find('\n', end1 + 1);
  EXPECT_NE(end2, std::string::npos) << table;
  Header h;
  h.captions = SplitCsvLine(text.substr(0, end1), CsvSeparator(dialect)).value_or(std::vector<std::string>{});
  h.keys = SplitCsvLine(text.substr(end1 + 1, end2 - end1 - 1), CsvSeparator(dialect)).value_or(std::vector<std::string>{});
  return h;
}

// A result's caption as the descriptor table names it, in the study's unit: hours for a duration.
std::string ResultCaption(const ResultDescriptor& d) {
  const std::string unit = d.isDuration() ? "h" : d.unit;
  return unit == "1" ? d.name() : d.name() + " in " + unit;
}

// The caption that a column of that key must carry; empty for a key no table knows.
std::string ExpectedCaption(const std::string& key, bool refinement) {
  if (key == (refinement ? "level" : "case")) return refinement ? "Stufe" : "Fall";
  if (key == "outcome") return "Ergebnis";
  if (key == "messages") return "Meldungen";
  for (const InputField& f : InputFields()) {
    if (key != f.box) continue;
    std::string caption = f.caption;
    caption.erase(caption.find_last_not_of(' ') + 1);
    return caption;
  }
  const bool change = key.rfind("Δ ", 0) == 0;
  if (change && !refinement) return "";
  const ResultDescriptor* d = FindResult(change ? key.substr(std::strlen("Δ ")) : key);
  return d ? (change ? "Δ " : "") + ResultCaption(*d) : "";
}

void ExpectVocabulary(const Header& h, const std::vector<Input>& varied, bool refinement) {
  ASSERT_EQ(h.captions.size(), h.keys.size());
  const std::size_t results = kStudyQuantityCount * (refinement ? 2 : 1);
  ASSERT_EQ(h.keys.size(), 1 + varied.size() + 1 + results + 1);
  for (std::size_t i = 0; i < varied.size(); ++i) EXPECT_EQ(h.keys[1 + i], FieldOf(varied[i]).box);
  for (std::size_t i = 0; i < results; ++i) {
    const std::string key = StudyQuantities()[i % kStudyQuantityCount].result->key;
    EXPECT_EQ(h.keys[varied.size() + 2 + i], (i < kStudyQuantityCount ? "" : "Δ ") + key);
  }
  for (std::size_t i = 0; i < h.keys.size(); ++i) {
    const std::string expected = ExpectedCaption(h.keys[i], refinement);
    EXPECT_FALSE(expected.empty()) << "unknown key " << h.keys[i];
    EXPECT_EQ(h.captions[i], expected) << h.keys[i];
  }
}

TEST(StudyColumns, TheHeaderIsTheDescriptorTablesCaptionAndUnitOverTheKeyInBothDialects) {
  // The caption of txt_Feuchteleit holds a comma: a plain file must quote it.
  const std::vector<Input> varied{Input::Dicke, Input::Feuchteleit, Input::mue, Input::AbluftFeuchte};
  for (const CsvDialect dialect : {CsvDialect::Plain, CsvDialect::German}) {
    SCOPED_TRACE(dialect == CsvDialect::German ? "de" : "plain");
    const std::string table = StudyTableText(StudyResults{InputTexts::Defaults(), varied, {}, true}, StudyFormat::Csv,
                                             dialect);
    const Header h = HeaderOf(table, dialect);
    ExpectVocabulary(h, varied, false);
    EXPECT_EQ(h.captions[1], "Anfangsdicke der Platte in mm");
    EXPECT_EQ(h.captions[3], "Diff.-Widerstandszahl der trockenen Masse");  // no unit, no " in"
    EXPECT_EQ(h.captions[4], "relative Abluftfeuchtigkeit in %");          // without the label's trailing blank
    EXPECT_EQ(h.captions[6], "Dauer des 1. Trocknungsabschnitts in h");
    EXPECT_EQ(h.captions[14], "mittl. Energie / Verdampfungsenthalpie");   // a pure number: no " in 1"
    EXPECT_EQ(table.find(kBom, 1), std::string::npos);

    std::string refined;
    StudyWriter writer(refined, StudyLayout{StudyFormat::Csv, dialect, {Input::deltaT}, true});
    ASSERT_TRUE(writer.writeHeader());
    ExpectVocabulary(HeaderOf(refined, dialect), {Input::deltaT}, true);
  }
  // JSON Lines have no header: their rows name keys and units themselves.
  EXPECT_EQ(StudyTableText(StudyResults{InputTexts::Defaults(), varied, {}, true}, StudyFormat::JsonLines,
                           CsvDialect::German),
            "");
}

TEST(StudyColumns, OnlyALineOfMachineNamesCountsAsOne) {
  EXPECT_TRUE(IsStudyKeyLine("case,txt_Dicke,outcome"));
  EXPECT_TRUE(IsStudyKeyLine("level;txt_deltaT;outcome"));
  EXPECT_FALSE(IsStudyKeyLine("Fall,Anfangsdicke der Platte in mm"));
  EXPECT_FALSE(IsStudyKeyLine(kBom + "Fall;Anfangsdicke der Platte in mm"));
  EXPECT_FALSE(IsStudyKeyLine("cases,txt_Dicke"));
  EXPECT_FALSE(IsStudyKeyLine("case"));
  EXPECT_FALSE(IsStudyKeyLine("1,20,Completed"));
}

}  // namespace
}  // namespace lamvero
