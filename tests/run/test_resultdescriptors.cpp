#include "run/resultdescriptors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>
#include <string>

#include "present/display.h"
#include "present/displayedrun.h"
#include "text/parsenumber.h"
#include "text/trim.h"
#include "common/quickinputs.h"

namespace lamvero {
namespace {

// " h:mm:ss" back to seconds.
double SecondsOf(const std::string& text) {
  int h = 0, m = 0, s = 0;
  EXPECT_EQ(std::sscanf(text.c_str(), " %d:%d:%d", &h, &m, &s), 3) << text;
  return 3600.0 * h + 60.0 * m + s;
}

// Half a unit of the last digit the text shows: the most a correctly scaled
// value may differ from its rounded text.
double HalfLastDigit(const std::string& text) {
  const std::size_t comma = text.find(',');
  const int decimals = comma == std::string::npos ? 0 : static_cast<int>(text.size() - comma - 1);
  return 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
}

// Every number stands for what its box shows: same unit, same scale.
TEST(ResultDescriptors, EachNumberMatchesTheTextItsBoxShows) {
  NullDisplay display;
  const RunRecord r = RunCaseOnDisplay(testing::QuickInputs(), display);
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  int compared = 0;
  for (const ResultDescriptor& d : ResultDescriptors()) {
    if (*d.box == '\0') continue;
    const auto it = r.controls.find(d.box);
    ASSERT_NE(it, r.controls.end()) << d.box;
    const std::string& shown = it->second.text;
    const double value = d.value(r);
    if (shown == "-" || !std::isfinite(value)) continue;
    if (d.isDuration()) {
      EXPECT_NEAR(value, SecondsOf(shown), 0.5 + 1e-9) << d.key << " shows " << shown;
    } else {
      const auto number = ParseNumber(shown);
      ASSERT_TRUE(number.has_value()) << d.key << " shows " << shown;
      EXPECT_NEAR(value, *number, HalfLastDigit(shown)) << d.key << " shows " << shown;
    }
    ++compared;
  }
  EXPECT_GE(compared, 24);
}

TEST(ResultDescriptors, StagesNotReachedAreNotNumbers) {
  NullDisplay display;
  InputTexts in = testing::QuickInputs();
  in[Input::ThetaGegenstromende] = "200";  // the air never gets that hot: no switch to the chamber
  const RunRecord r = RunCaseOnDisplay(in, display);
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  EXPECT_TRUE(std::isnan(ResultOf("DauerGegenstrom").value(r)));
  EXPECT_TRUE(std::isfinite(ResultOf("spezEnergie").value(r)));
  EXPECT_EQ(FindResult("nonsense"), nullptr);
  EXPECT_THROW(ResultOf("nonsense"), std::logic_error);

  const RunRecord refused = RunCaseOnDisplay([] {
    InputTexts bad = testing::QuickInputs();
    bad[Input::deltaT] = "0";
    return bad;
  }(), display);
  ASSERT_EQ(refused.outcome, RunOutcome::Refused);
  EXPECT_TRUE(std::isnan(ResultOf("spezEnergie").value(refused)));
  EXPECT_TRUE(std::isnan(ResultOf("Dauer1TA").value(refused)));
}

// A table that gives each result a row of its own must tell them apart: the
// window captions two rows "danach Wasserbeladung in kg/kg atro", the tables
// name what each follows. Names and the series' captions are each unique, and
// a name never ends in the unit its table gives in a column of its own.
TEST(ResultDescriptors, EveryResultAndEverySeriesHasANameOfItsOwn) {
  std::set<std::string> names, full;
  for (const ResultDescriptor& d : ResultDescriptors()) {
    SCOPED_TRACE(d.key);
    EXPECT_TRUE(names.insert(d.name()).second) << d.name();
    EXPECT_TRUE(full.insert(WithoutTrailingBlanks(d.fullCaption())).second);
    EXPECT_FALSE(d.name().empty());
    EXPECT_EQ(d.name(), WithoutTrailingBlanks(d.name()));
    EXPECT_EQ(d.name().find(std::string(" in ") + d.unit), std::string::npos) << d.name();
  }
  EXPECT_EQ(ResultOf("XGegen").name(), "Wasserbeladung nach der Gegenstromtrocknung");
  EXPECT_EQ(ResultOf("X1TA").name(), "Wasserbeladung nach dem 1. TA");
  EXPECT_EQ(ResultOf("X1TA").captionUnit(), "kg/kg atro");
  EXPECT_EQ(ResultOf("Dauer1TA").captionUnit(), "h:mm:ss");
  EXPECT_EQ(ResultOf("AnzOS").captionUnit(), "–");
  EXPECT_EQ(ResultOf("DickeTr").captionUnit(), "mm");

  std::set<std::string> series;
  for (const SeriesColumn& c : SeriesColumns()) EXPECT_TRUE(series.insert(c.caption).second) << c.caption;
}

// What a reader sees: the window's precision, never the double's every digit.
TEST(ResultDescriptors, AValueIsWrittenInThePrecisionTheWindowShows) {
  const ResultDescriptor& porosity = ResultOf("offPoren");  // "#0.0"
  EXPECT_EQ(porosity.shownText(100 * 0.1876), "18,8");
  EXPECT_EQ(ResultOf("X1TA").shownText(0.1 + 0.2), "0,3000");
  EXPECT_EQ(ResultOf("XAbluft").shownText(0.1 + 0.2), "0,3");  // no window row: six significant digits
  EXPECT_EQ(ResultOf("XAbluft").shownText(0.0123456789), "0,0123457");
  EXPECT_EQ(porosity.shownText(std::nan("")), "");
  // A duration: h:mm:ss as text, whole seconds as a number, a half rounded
  // as the window rounds it: up on its clock (the running time, the end of the
  // first period), to even for the others.
  const ResultDescriptor& zeit = ResultOf("Zeit");
  EXPECT_EQ(zeit.shownText(3725.4), "1:02:05");
  EXPECT_EQ(zeit.shownNumber(3725.4), "3725");
  EXPECT_EQ(zeit.shownText(22000.5), "6:06:41");
  EXPECT_EQ(ResultOf("Dauer1TA").shownText(22000.5), "6:06:41");
  EXPECT_EQ(ResultOf("DauerGegenstrom").shownText(22000.5), "6:06:40");
  EXPECT_EQ(ResultOf("t2xse").shownText(22001.5), "6:06:42");
  for (const char* key : {"Zeit", "Dauer1TA", "DauerGegenstrom", "t1xse"}) {
    for (double seconds : {3724.5, 3725.5, 3725.50001}) {
      SCOPED_TRACE(std::string(key) + " " + std::to_string(seconds));
      const ResultDescriptor& d = ResultOf(key);
      EXPECT_EQ(std::stod(d.shownNumber(seconds)), SecondsOf(" " + d.shownText(seconds)));
    }
  }
  EXPECT_EQ(zeit.shownNumber(std::nan("")), "");
  EXPECT_EQ(porosity.shownNumber(100 * 0.1876), "18,8");
}

// Written from the record, a result reads as its box showed it, to the last
// digit; but the live moisture box has words of its own ("<0,01", "0" for the
// dry plate).
TEST(ResultDescriptors, TheShownTextIsTheTextOfItsBox) {
  NullDisplay display;
  for (const char* dicke : {"4", "5"}) {
    InputTexts in = testing::QuickInputs();
    in[Input::Dicke] = dicke;
    const RunRecord r = RunCaseOnDisplay(in, display);
    ASSERT_EQ(r.outcome, RunOutcome::Completed);
    int compared = 0;
    for (const ResultDescriptor& d : ResultDescriptors()) {
      const std::string* shown = ShownText(r, d);
      if (!shown || *shown == "-" || std::string(d.key) == "xmom") continue;
      std::string text = *shown;
      text.erase(0, text.find_first_not_of(' '));
      EXPECT_EQ(d.shownText(d.value(r)), text) << d.key;
      ++compared;
    }
    EXPECT_GE(compared, 20);
  }
}

}  // namespace
}  // namespace lamvero
