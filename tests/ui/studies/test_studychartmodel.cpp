// What the study charts draw, before Qt draws it: the names and units they
// give, the axes' values as numbers, the curves' stretches and the map's grid.

#include <gtest/gtest.h>

#include <cmath>

#include "study/casesummary.h"
#include "ui/studies/colourscale.h"
#include "ui/studies/studychartmodel.h"
#include "ui/studies/studynames.h"
#include "studysample.h"

namespace lamvero {
namespace {

using testing::SampleRow;

std::size_t QuantityOf(const char* key) {
  for (std::size_t q = 0; q < kStudyQuantityCount; ++q) {
    if (std::string(StudyQuantities()[q].result->key) == key) return q;
  }
  ADD_FAILURE() << key;
  return 0;
}

TEST(StudyNames, CaptionsLoseTheirUnitWhichStandsApart) {
  EXPECT_EQ(AxisTitle(InputNaming(Input::Dicke)), "Anfangsdicke der Platte in mm");
  EXPECT_EQ(InputNaming(Input::Dicke).name, "Anfangsdicke der Platte");
  EXPECT_EQ(InputNaming(Input::ThetaEinf).name, "Temperatur der einfahrenden Rohlinge");  // trailing blank
  EXPECT_EQ(InputNaming(Input::Feuchteleit).name, "Feuchteleitk. (25% atro, 25°C)");
  EXPECT_EQ(InputNaming(Input::XAnf).name, "Anfangswasserbeladung");
  EXPECT_EQ(AxisTitle(InputNaming(Input::mue)), "Diff.-Widerstandszahl der trockenen Masse");
  // Durations in the hours the study reports, a pure number without a unit.
  EXPECT_EQ(AxisTitle(QuantityNaming(QuantityOf("Dauer1TA"))), "Dauer des 1. Trocknungsabschnitts in h");
  EXPECT_EQ(AxisTitle(QuantityNaming(QuantityOf("relEnergie"))), "mittl. Energie / Verdampfungsenthalpie");
  EXPECT_EQ(AxisTitle(QuantityNaming(QuantityOf("spezEnergie"))), "mittl. spez. Energiebedarf in kJ/kg");
  EXPECT_EQ(ValueText(InputNaming(Input::Lufttemp), "35"), "Ablufttemperatur = 35 °C");
  for (std::size_t q = 0; q < kStudyQuantityCount; ++q) {
    EXPECT_EQ(QuantityNaming(q).name.find(" in "), std::string::npos) << q;
  }
}

TEST(StudyNames, ResultsAreWrittenAsTheWindowWritesThem) {
  EXPECT_EQ(QuantityText(QuantityOf("Zeit"), 12.345), "12,35");
  EXPECT_EQ(QuantityText(QuantityOf("X1TA"), 0.123456), "0,1235");
  EXPECT_EQ(QuantityText(QuantityOf("XEnde"), 0.0123456), "0,01235");
  EXPECT_EQ(QuantityText(QuantityOf("Zeit"), NAN), "–");
}

TEST(StudyChartModel, NumbersAreReadAsTheBoxesReadThemAndOrderedAscending) {
  StudyResults r;
  r.variedFields = {Input::XAnf};
  r.rows = {SampleRow(1, {"0,3"}, 1), SampleRow(2, {"0.1"}, 2), SampleRow(3, {"0,25 kg/kg"}, 3)};
  StudyChartModel model;
  model.reset(&r);
  ASSERT_EQ(model.axisCount(), 1u);
  EXPECT_TRUE(model.axis(0).numeric);
  EXPECT_EQ(model.axis(0).texts, (std::vector<std::string>{"0.1", "0,25 kg/kg", "0,3"}));
  EXPECT_EQ(model.axis(0).numbers, (std::vector<double>{0.1, 0.25, 0.3}));
  const std::vector<StudyCurve> curves = model.curves(0, 0);
  ASSERT_EQ(curves.size(), 1u);
  ASSERT_EQ(curves[0].stretches.size(), 1u);
  EXPECT_EQ(curves[0].stretches[0][2].row, 0u);
  EXPECT_EQ(curves[0].stretches[0][2].y, 1);
  // A text that is more than a number and its unit is no number: the values keep their order.
  r.rows.push_back(SampleRow(4, {"0,2x5"}, 4));
  model.update();
  EXPECT_FALSE(model.axis(0).numeric);
  EXPECT_EQ(model.axis(0).texts.back(), "0,2x5");
}

TEST(StudyChartModel, RowsAreTakenInOnceAndAValueMissingOnTheEdgeEndsNoStretch) {
  StudyResults r = testing::ThreeByTwo();
  r.rows.resize(3);  // 10 mm both, 20 mm at 30 °C
  StudyChartModel model;
  model.reset(&r);
  StudyGrid grid = model.grid(0, 0);
  EXPECT_EQ(grid.columns, 2u);
  EXPECT_EQ(grid.cellRow, (std::vector<std::size_t>{0, 2, 1, kNoRow}));
  r.rows = testing::ThreeByTwo().rows;
  r.rows[5].values[4] = NAN;  // 30 mm, 40 °C reached no value of that result
  model.update();
  grid = model.grid(4, 0);
  EXPECT_EQ(grid.columns, 3u);
  EXPECT_EQ(grid.low, 130);
  EXPECT_EQ(grid.high, 330);
  const std::vector<StudyCurve> curves = model.curves(4, 0);
  ASSERT_EQ(curves[1].stretches.size(), 1u);
  EXPECT_EQ(curves[1].stretches[0].size(), 2u);
}

TEST(StudyChartModel, ARowWithoutATextForEveryVariedInputHasNoPlace) {
  StudyResults r = testing::ThreeByTwo();
  r.rows[0].varied.pop_back();
  StudyChartModel model;
  model.reset(&r);
  EXPECT_EQ(model.grid(0, 0).cellRow[0], kNoRow);
  EXPECT_EQ(model.axis(1).texts.size(), 2u);
}

double Luma(const QColor& c) { return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue(); }

TEST(ColourScale, RunsFromDarkToLightAndHoldsItsEnds) {
  EXPECT_EQ(ScaleColour(0), QColor(0x44, 0x01, 0x54));
  EXPECT_EQ(ScaleColour(1), QColor(0xFD, 0xE7, 0x25));
  EXPECT_EQ(ScaleColour(-3), ScaleColour(0));
  EXPECT_EQ(ScaleColour(7), ScaleColour(1));
  // Lighter with every step, so that the order of values reads without the scale.
  for (int k = 1; k <= 20; ++k) {
    EXPECT_GT(Luma(ScaleColour(k / 20.0)), Luma(ScaleColour((k - 1) / 20.0))) << k;
  }
  EXPECT_EQ(ScaleFraction(5, 5, 5), 0.5);
  EXPECT_EQ(ScaleFraction(7.5, 5, 10), 0.5);
}

}  // namespace
}  // namespace lamvero
