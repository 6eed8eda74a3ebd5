// The Studie window, its charts and the dialogs that fit and optimise, in
// English: captions from the catalogue, numbers a user reads and types with a
// decimal point, and what the study keeps written as files keep it.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include "common/quickinputs.h"
#include "study/casesummary.h"
#include "studysample.h"
#include "ui/diagrams/chartpanel.h"
#include "ui/fitting/decisiontable.h"
#include "ui/fitting/fitdialog.h"
#include "ui/fitting/fitparametermodel.h"
#include "ui/fitting/optimiseresulttext.h"
#include "ui/shell/languagechoice.h"
#include "ui/studies/studycolourmap.h"
#include "ui/studies/studyplotpane.h"
#include "ui/studies/studytablemodel.h"
#include "ui/studies/studywindow.h"
#include "englishtexts.h"

namespace lamvero {
namespace {

using testing::QuickInputs;

class StudiesInEnglish : public testing::InEnglishWithEveryText {};

template <class T>
T* Child(QWidget& parent, const QString& name) {
  T* child = parent.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name.toStdString();
  return child;
}

// Thickness 4.5 and 5.5 mm against exhaust air 30.5 and 40 °C, every result of a case its number.
StudyResults WithFractions() {
  StudyResults r;
  r.variedFields = {Input::Dicke, Input::Lufttemp};
  std::size_t number = 1;
  for (const char* dicke : {"4,5", "5,5"}) {
    for (const char* luft : {"30,5", "40"}) {
      r.rows.push_back(testing::SampleRow(number, {dicke, luft}, static_cast<double>(number)));
      ++number;
    }
  }
  return r;
}

TEST_F(StudiesInEnglish, TheWindowSpeaksEnglishAndKeepsTypedValuesAsFilesKeepThem) {
  StudyWindow w;
  w.setBase(QuickInputs());
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Study"));
  EXPECT_EQ(Child<QMenuBar>(w, QString())->actions().front()->text(), QStringLiteral("&File"));
  EXPECT_EQ(Child<QPushButton>(w, QStringLiteral("cmd_Grundfall"))->text(), QStringLiteral("Take base case"));
  EXPECT_EQ(Child<QPushButton>(w, QStringLiteral("cmd_Abbrechen"))->text(), QStringLiteral("Cancel"));

  // A list typed with decimal points is the study's list with commas; its cases are counted in English.
  auto* field = Child<QComboBox>(w, QStringLiteral("cbo_Feld1"));
  field->setCurrentIndex(field->findData(static_cast<int>(Input::Dicke)));
  Child<QComboBox>(w, QStringLiteral("cbo_Art1"))->setCurrentIndex(1);
  Child<QLineEdit>(w, QStringLiteral("txt_Liste1"))->setText(QStringLiteral("4.5;5.5"));
  ASSERT_EQ(w.definition().varied.size(), 1u);
  EXPECT_EQ(w.definition().varied[0].values, "4,5;5,5");
  EXPECT_EQ(Child<QLabel>(w, QStringLiteral("lbl_Faelle"))->text(), QStringLiteral("2 cases"));

  // A study opened from its file shows its range with points again.
  StudyDefinition opened;
  opened.base = QuickInputs();
  opened.varied.push_back({Input::Dicke, "4,5:6,5:0,5"});
  w.setDefinition(opened);
  EXPECT_EQ(Child<QLineEdit>(w, QStringLiteral("txt_Anfang1"))->text(), QStringLiteral("4.5"));
  EXPECT_EQ(Child<QLineEdit>(w, QStringLiteral("txt_Schritt1"))->text(), QStringLiteral("0.5"));
  EXPECT_EQ(w.definition().varied[0].values, "4,5:6,5:0,5");
}

TEST_F(StudiesInEnglish, ChartsAndTableShowTheVariedValuesWithAPoint) {
  const StudyResults results = WithFractions();
  StudyPlotPane pane;
  pane.resize(900, 560);
  pane.show();
  pane.showResults(&results);
  auto* tabs = Child<QTabWidget>(pane, QStringLiteral("tab_Studiendiagramm"));
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("&Family of curves"));
  EXPECT_EQ(tabs->tabText(1), QStringLiteral("Colour &map"));
  QStringList curves;
  for (QAbstractSeries* s : Child<ChartPanel>(pane, QStringLiteral("kurvenschar"))->chart().series()) {
    curves << s->name();
  }
  ASSERT_EQ(curves.size(), 2);
  EXPECT_TRUE(curves[0].endsWith(QStringLiteral(" = 30.5 °C"))) << curves[0].toStdString();
  const QString cell = Child<StudyColourMap>(pane, QStringLiteral("farbkarte"))->cellText(0);
  EXPECT_TRUE(cell.contains(QStringLiteral(" = 4.5 mm")) && !cell.contains(',' + QStringLiteral("5 mm")))
      << cell.toStdString();

  StudyTableModel table;
  table.reset(results);
  EXPECT_EQ(table.data(table.index(0, 1)).toString(), QStringLiteral("4.5"));
  EXPECT_EQ(table.data(table.index(0, 2)).toString(), QStringLiteral("30.5"));
}

TEST_F(StudiesInEnglish, FitAndOptimiseDialogsNameTheirPartsAndReadPoints) {
  FitDialog fit;
  fit.setCase(QuickInputs(), AirIntegration::Standard);
  EXPECT_EQ(fit.windowTitle(), QStringLiteral("Fit to a measured curve"));
  FitParameterModel& model = fit.parameters();
  EXPECT_EQ(model.headerData(FitParameterModel::Lower, Qt::Horizontal).toString(), QStringLiteral("lower bound"));
  // The usual bounds shown with a point, typed ones read with one.
  const int row = model.rowOf(Input::Feuchteleit);
  for (int column : {FitParameterModel::Lower, FitParameterModel::Upper}) {
    EXPECT_FALSE(model.data(model.index(row, column)).toString().contains(','));
  }
  model.setBounds(Input::Feuchteleit, QStringLiteral("2.5"), QStringLiteral("ten"));
  const auto refused = model.parameters();
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.failure().reason, "\"ten\" is not a number");
  EXPECT_EQ(refused.failure().where.rfind("upper bound of \"", 0), 0u) << refused.failure().where;
  model.setBounds(Input::Feuchteleit, QStringLiteral("2.5"), QStringLiteral("100"));
  ASSERT_TRUE(model.parameters().ok());
  EXPECT_EQ(model.parameters().value().front().lower, 2.5);

  DecisionTable decisions;
  EXPECT_EQ(decisions.horizontalHeaderItem(DecisionTable::Lower)->text(), QStringLiteral("lower limit"));
  ConstraintState state;
  state.violated = true;
  EXPECT_EQ(ConstraintStateText(state), QStringLiteral("violated"));
  state.violated = false;
  state.active = true;
  EXPECT_EQ(ConstraintStateText(state), QStringLiteral("active"));
}

}  // namespace
}  // namespace lamvero
