// Every control a run addresses exists in the window's control table, as a
// control that can show it: a control missing there would silently show nothing.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "present/displayedrun.h"
#include "common/quickinputs.h"
#include "present/controltable.h"
#include "present/resultrows.h"

namespace lamvero {
namespace {

// Collects the name of every control a run addresses, by any call.
class NameCollector : public NullDisplay {
 public:
  std::set<std::string> names;
  void setText(RunControl c, const std::string&) override { names.insert(ControlName(c)); }
  void setVisible(RunControl c, bool) override { names.insert(ControlName(c)); }
  void setColor(RunControl c, Rgb) override { names.insert(ControlName(c)); }
  void repaint(RunControl c) override { names.insert(ControlName(c)); }
};

TEST(ControlNames, EveryControlARunAddressesIsInTheTable) {
  InputTexts rigid = testing::QuickInputs();
  rigid[Input::linTrSchwind] = "0";
  InputTexts inaccurate = testing::QuickInputs();  // a water-balance error above 6 %
  inaccurate[Input::deltaT] = "20";
  inaccurate[Input::rund] = "50";
  InputTexts full = testing::QuickInputs();  // stops with full time series
  full[Input::Dicke] = "2";
  full[Input::Ortsschrittweite] = "0,5";
  full[Input::deltaT] = "0,002";
  full[Input::rund] = "100000";

  NameCollector d;
  for (const InputTexts& in : {testing::QuickInputs(), rigid, inaccurate, full}) RunCaseOnDisplay(in, d);
  // The runs reached the rare branches, so their names were sent too.
  for (const char* c : {"lbl_ungenau3", "txt_DauerGegenstrom", "txt_Wasserfehler", "lbl_Achtung", "cmd_Neustart"}) {
    EXPECT_TRUE(d.names.count(c)) << c;
  }
  for (const std::string& name : d.names) EXPECT_NE(FindControl(name), nullptr) << name;
}

// The rows of the clipboard, the report and the runner give the advice of the
// water-balance warning as the window shows it: on a coarse grid it asks for a
// smaller space step, which the label's caption at open does not.
TEST(ControlNames, ResultRowsGiveTheWarningsAdviceAsTheRunWordedIt) {
  InputTexts coarse = InputTexts::Defaults();
  coarse[Input::Ortsschrittweite] = "0,5";
  NullDisplay d;
  const RunRecord r = RunCaseOnDisplay(coarse, d);
  std::vector<std::string> warnings;
  for (const ResultRow& row : VisibleResultRows(r)) {
    if (row.warning) warnings.push_back(row.caption);
  }
  EXPECT_EQ(warnings, (std::vector<std::string>{"evtl. sehr ungenau !", "Ortsschrittweite verkleinern od.",
                                                "Zeitschrittweite vergrößern!"}));
}

TEST(ControlNames, EveryRunControlIsAControlThatShowsSomething) {
  std::set<std::string> names;
  for (std::size_t i = 0; i < kRunControlCount; ++i) {
    const char* name = ControlName(static_cast<RunControl>(i));
    EXPECT_TRUE(names.insert(name).second) << name;
    const ControlRow* row = FindControl(name);
    ASSERT_NE(row, nullptr) << name;
    EXPECT_TRUE(row->kind == ControlKind::Label || row->kind == ControlKind::TextBox ||
                row->kind == ControlKind::Button || row->kind == ControlKind::Picture)
        << name;
  }
}

}  // namespace
}  // namespace lamvero
