// The window's result rows, the result rows a run prints and the report list
// every result of the descriptor table with its caption and number: a row
// the table lacks, or a result a consumer drops, fails here.

#include <gtest/gtest.h>

#include "text/trim.h"

#include <string>

#include "present/controltable.h"
#include "present/reportcontent.h"
#include "present/resultrows.h"
#include "present/displayedrun.h"
#include "run/resultdescriptors.h"
#include "text/csvformat.h"
#include "text/trim.h"
#include "common/quickinputs.h"

namespace lamvero {
namespace {

const RunRecord& QuickRun() {
  static const RunRecord r = [] {
    NullDisplay none;
    return RunCaseOnDisplay(testing::QuickInputs(), none);
  }();
  return r;
}

bool IsInputBox(const std::string& name) {
  for (const InputField& f : InputFields()) {
    if (name == f.box) return true;
  }
  return false;
}

TEST(ResultCoverage, EveryOutputRowOfTheWindowIsAResultWithItsCaption) {
  for (const ResultDescriptor& d : ResultDescriptors()) {
    if (!*d.box) continue;
    SCOPED_TRACE(d.key);
    const ControlRow* box = FindControl(d.box);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->kind, ControlKind::TextBox);
    EXPECT_EQ(box->label, d.label);
    ASSERT_NE(FindControl(d.label), nullptr);
    EXPECT_EQ(FindControl(d.label)->caption, d.caption);
  }
  // The other way round: every output box is a result, but for the two live
  // speeds no record keeps.
  int outputs = 0;
  for (const ControlRow& c : ControlTable()) {
    if (c.kind != ControlKind::TextBox || c.label.empty() || IsInputBox(c.name)) continue;
    ++outputs;
    if (c.name == "txt_KapGeschw" || c.name == "txt_Dampfgeschw") continue;
    EXPECT_NE(FindResultOfBox(c.name), nullptr) << c.name;
  }
  EXPECT_EQ(outputs, 28);
}

TEST(ResultCoverage, ResultRowsAndReportGiveEveryShownResultItsNumber) {
  const RunRecord& r = QuickRun();
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  const std::string tsv = ResultRowsTsv(r);
  const ReportContent report = ReportTables(r);
  int shown = 0;
  for (const ResultDescriptor& d : ResultDescriptors()) {
    const std::string* text = ShownText(r, d);
    if (!text) continue;
    ++shown;
    SCOPED_TRACE(d.key);
    const std::string unit = d.unit == std::string("1") ? "" : d.unit;
    const std::string line = d.name() + "\t" + *text + "\t" + d.shownNumber(d.value(r)) + "\t" + unit + "\n";
    EXPECT_NE(tsv.find(line), std::string::npos) << tsv;
    // The report gives the results of the run as a whole with the text the
    // window showed and the unit, under the caption the caption begins with.
    const std::string caption = WithoutTrailingBlanks(d.fullCaption());
    std::string shownText = *text;
    shownText.erase(0, shownText.find_first_not_of(' '));
    int inReport = 0;
    for (const auto* part : {&report.setUp, &report.results}) {
      for (const ReportTable& t : *part) {
        for (const ReportLine& l : t.lines) {
          if (l.cells.size() != 3 || caption.rfind(l.cells[0], 0) != 0) continue;
          const std::string rest = caption.substr(l.cells[0].size());
          if ((rest.empty() || rest == " in " + l.cells[2]) && l.cells[1] == shownText && !l.cells[2].empty()) {
            ++inReport;
          }
        }
      }
    }
    const bool momentary = std::string(d.caption).rfind("mom. ", 0) == 0;
    EXPECT_EQ(inReport, momentary ? 0 : 1);
  }
  EXPECT_GE(shown, 24);
}

}  // namespace
}  // namespace lamvero
