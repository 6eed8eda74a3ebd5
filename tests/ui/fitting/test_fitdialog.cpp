// The fit dialog driven as a user would, on the quick case and a curve made
// from a run of it with a known moisture conductivity: a fit runs to its end
// and shows what it found, Übernehmen hands over exactly the fitted inputs,
// Abbrechen leaves everything as it was, and a problem the fit cannot take
// is refused with Start disabled. Beside it the tables and texts the dialog
// is made of.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QAction>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <vector>

#include "common/quickinputs.h"
#include "run/dryingrun.h"
#include "run/runevents.h"
#include "study/inputtext.h"
#include "ui/fitting/fitdialog.h"
#include "ui/fitting/fitparametermodel.h"
#include "ui/fitting/fitquantitypanel.h"
#include "ui/fitting/fitresultview.h"
#include "ui/fitting/residualchart.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/casedocument.h"
#include "ui/shell/outdatedresults.h"
#include "ui/shell/progresstext.h"
#include "ui/shell/statuslines.h"

namespace lamvero {
namespace {

using testing::QuickInputs;
constexpr int kFitTimeoutMs = 300000;
constexpr double kTrueFeuchteleit = 55;  // the default case has 40

// Readings of the quick case's mean moisture (and, if asked, its surface
// temperature) from a run with the true conductivity, at twelve times over its drying.
MeasuredCurve SyntheticCurve(bool withTemperature = false) {
  InputTexts truth = QuickInputs();
  truth[Input::Feuchteleit] = ExactInputText(kTrueFeuchteleit);
  NoRunEvents none;
  const RunRecord run = RunCase(truth, none);
  EXPECT_EQ(run.outcome, RunOutcome::Completed);
  const double end = run.results.Zeit;
  MeasuredCurve curve;
  curve.source = "/tmp/synthetisch.csv";
  for (int i = 1; i <= 12; ++i) {
    const double t = end * i / 13.0;
    curve.time.push_back(t);
    curve[MeasuredQuantity::Moisture].push_back(ModelValueAt(run, MeasuredQuantity::Moisture, t));
    if (withTemperature) {
      curve[MeasuredQuantity::SurfaceTemperature].push_back(ModelValueAt(run, MeasuredQuantity::SurfaceTemperature, t));
    }
  }
  return curve;
}

struct Dialog {
  FitDialog d;
  std::vector<std::vector<Input>> applied;
  std::vector<InputTexts> appliedTexts;
  explicit Dialog(const MeasuredCurve& curve) {
    d.setCase(QuickInputs(), AirIntegration::Standard);
    d.setCurve(curve);
    d.parameters().setChosen(Input::Waermeuebergang, false);  // one parameter: quick
    QObject::connect(&d, &FitDialog::applyRequested, &d, [this](const std::vector<Input>& inputs, const InputTexts& texts) {
      applied.push_back(inputs);
      appliedTexts.push_back(texts);
    });
    d.show();
  }
  template <class T = QWidget>
  T* get(const char* name) {
    T* child = d.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  bool startEnabled() { return get<QPushButton>("cmd_Start")->isEnabled(); }
  QString problem() { return get<QLabel>("lbl_Problem")->text(); }
};

TEST(FitDialog, FitsTheConductivityShowsItAndHandsOverOnlyTheFittedInput) {
  Dialog dialog(SyntheticCurve());
  ASSERT_TRUE(dialog.startEnabled()) << dialog.problem().toStdString();
  dialog.get<QPushButton>("cmd_Start")->click();
  EXPECT_TRUE(dialog.d.running());
  EXPECT_FALSE(dialog.get<QPushButton>("cmd_Uebernehmen")->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.d.running(); }, kFitTimeoutMs));

  ASSERT_TRUE(dialog.d.result().has_value()) << dialog.get<QLabel>("lbl_Zustand")->text().toStdString();
  const FitResult& result = *dialog.d.result();
  ASSERT_EQ(result.values.size(), 1u);
  EXPECT_NEAR(result.values[0], kTrueFeuchteleit, 1e-3 * kTrueFeuchteleit);
  auto* values = dialog.get<QTableWidget>("tbl_Werte");
  ASSERT_EQ(values->rowCount(), 1);
  EXPECT_TRUE(values->item(0, 0)->text().startsWith(QStringLiteral("Feuchteleitk.")));
  EXPECT_EQ(values->item(0, 1)->text(), ValueWithInterval(result.values[0], result.halfWidth95, 0));
  EXPECT_TRUE(values->item(0, 1)->text().startsWith(QStringLiteral("55")));
  EXPECT_EQ(dialog.get<QTableWidget>("tbl_Guete")->rowCount(), 1);
  EXPECT_EQ(dialog.get<QProgressBar>("bar_Fortschritt")->value(), dialog.get<QProgressBar>("bar_Fortschritt")->maximum());

  dialog.get<QPushButton>("cmd_Uebernehmen")->click();
  ASSERT_EQ(dialog.applied.size(), 1u);
  EXPECT_EQ(dialog.applied[0], std::vector<Input>{Input::Feuchteleit});
  EXPECT_EQ(dialog.appliedTexts[0][Input::Feuchteleit], InputTextOf(result.values[0]));
}

TEST(FitDialog, AbbrechenStopsTheFitAndShowsNoResult) {
  Dialog dialog(SyntheticCurve());
  dialog.d.parameters().setChosen(Input::Waermeuebergang, true);
  dialog.d.setMaxRuns(2000);
  ASSERT_TRUE(dialog.d.start());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.get<QLabel>("lbl_Zeit")->text().isEmpty(); }, kFitTimeoutMs));
  ASSERT_TRUE(dialog.d.running());
  dialog.get<QPushButton>("cmd_Abbrechen")->click();
  EXPECT_FALSE(dialog.d.running());
  QTest::qWait(50);  // anything the fit posted before it stopped is dropped
  EXPECT_FALSE(dialog.d.result().has_value());
  EXPECT_FALSE(dialog.get<QPushButton>("cmd_Uebernehmen")->isEnabled());
  EXPECT_TRUE(dialog.get<QLabel>("lbl_Zustand")->text().contains(QStringLiteral("abgebrochen")));
  EXPECT_TRUE(dialog.applied.empty());
  EXPECT_TRUE(dialog.startEnabled());  // and may start again
}

TEST(FitDialog, RefusesWhatCannotBeFittedAndWaitsTillItIsMended) {
  Dialog dialog(SyntheticCurve(true));
  ASSERT_TRUE(dialog.startEnabled());
  // No parameter ticked.
  dialog.d.parameters().setChosen(Input::Feuchteleit, false);
  EXPECT_FALSE(dialog.startEnabled());
  EXPECT_FALSE(dialog.problem().isEmpty());
  EXPECT_FALSE(dialog.d.start());
  dialog.d.parameters().setChosen(Input::Feuchteleit, true);
  EXPECT_TRUE(dialog.startEnabled());
  EXPECT_TRUE(dialog.problem().isEmpty());
  // A bound that is no number, named with its input.
  dialog.d.parameters().setBounds(Input::Feuchteleit, QStringLiteral("zehn"), QStringLiteral("100"));
  EXPECT_FALSE(dialog.startEnabled());
  EXPECT_TRUE(dialog.problem().contains(QStringLiteral("untere Schranke von „Feuchteleitk."))) << dialog.problem().toStdString();
  // Bounds the wrong way round.
  dialog.d.parameters().setBounds(Input::Feuchteleit, QStringLiteral("100"), QStringLiteral("10"));
  EXPECT_FALSE(dialog.startEnabled());
  dialog.d.parameters().setBounds(Input::Feuchteleit, QStringLiteral("10"), QStringLiteral("100"));
  EXPECT_TRUE(dialog.startEnabled());
  // A weight of 0 on a ticked quantity, or no number.
  auto* weight = dialog.get<QLineEdit>("txt_Gewicht_surfaceTemperature");
  for (const char* bad : {"0", "-1", "x"}) {
    weight->setText(QLatin1String(bad));
    EXPECT_FALSE(dialog.startEnabled()) << bad;
    EXPECT_TRUE(dialog.problem().contains(QStringLiteral("Gewicht"))) << bad;
  }
  weight->setText(QStringLiteral("0,5"));
  EXPECT_TRUE(dialog.startEnabled());
  // Unticking every quantity leaves nothing to fit to.
  for (const char* box : {"chk_moisture", "chk_surfaceTemperature"}) dialog.get<QCheckBox>(box)->setChecked(false);
  EXPECT_FALSE(dialog.startEnabled());
  dialog.get<QCheckBox>("chk_moisture")->setChecked(true);
  // The case's curve removed: nothing to fit to either.
  dialog.d.setCurve(std::nullopt);
  EXPECT_FALSE(dialog.startEnabled());
  EXPECT_TRUE(dialog.problem().contains(QStringLiteral("Messkurve")));
}

// The program window with a quick run shown and a saved case holding the synthetic curve.
struct FitApp {
  AppWindow w;
  QTemporaryDir dir;
  QStringList messages;
  FitApp() {
    w.area().setMessagePresenter([this](const QString& text) { messages << text; });
    w.setMessagePresenter([this](const QString& text) { messages << text; });
    w.show();
    w.area().setInputs(QuickInputs());
    w.area().findChild<QPushButton*>(QStringLiteral("cmd_Start"))->click();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !w.area().runController().active(); }, kFitTimeoutMs));
    EXPECT_FALSE(w.action(QStringLiteral("act_Anpassen"))->isEnabled());
    w.document().setMeasured(SyntheticCurve());
    EXPECT_TRUE(w.action(QStringLiteral("act_Anpassen"))->isEnabled());
    EXPECT_TRUE(w.document().saveAs(dir.filePath(QStringLiteral("fall.lamvero"))).ok());
    EXPECT_FALSE(w.document().isModified());
  }
  FitDialog& openFit() {
    w.action(QStringLiteral("act_Anpassen"))->trigger();
    auto* dialog = w.findChild<FitDialog*>();
    EXPECT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    return *dialog;
  }
};

TEST(FitInTheWindow, UebernehmenWritesOnlyTheFittedBoxesAsATypedChange) {
  FitApp app;
  FitDialog& d = app.openFit();
  d.parameters().setChosen(Input::Waermeuebergang, false);
  ASSERT_TRUE(d.start());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !d.running(); }, kFitTimeoutMs));
  ASSERT_TRUE(d.result().has_value());
  // A box edited while the fit ran keeps its edit: only the fitted input is taken over.
  app.w.area().findChild<QLineEdit*>(QStringLiteral("txt_Lufttemp"))->setText(QStringLiteral("36"));
  const InputTexts before = app.w.area().inputs();
  d.findChild<QPushButton*>(QStringLiteral("cmd_Uebernehmen"))->click();
  const InputTexts after = app.w.area().inputs();
  EXPECT_EQ(ChangedInputs(before, after), std::vector<Input>{Input::Feuchteleit});
  EXPECT_EQ(after[Input::Feuchteleit], InputTextOf(d.result()->values[0]));
  // As a typed change: the case is modified and the shown results are outdated, naming the input.
  EXPECT_TRUE(app.w.document().isModified());
  EXPECT_TRUE(app.w.area().resultsOutdated());
  EXPECT_EQ(app.w.statusLines().text(QLatin1String(OutdatedResults::kLine)),
            OutdatedResults::Message({Input::Feuchteleit, Input::Lufttemp}));
  // The dialog starts the next fit from the values taken over.
  EXPECT_EQ(d.parameters().data(d.parameters().index(d.parameters().rowOf(Input::Feuchteleit), FitParameterModel::Start)).toString().toStdString(),
            after[Input::Feuchteleit]);
  EXPECT_TRUE(app.messages.isEmpty()) << app.messages.join('\n').toStdString();
}

TEST(FitInTheWindow, AbbrechenAndClosingLeaveTheCaseAsItWas) {
  FitApp app;
  const InputTexts before = app.w.area().inputs();
  FitDialog& d = app.openFit();
  d.setMaxRuns(2000);
  for (const bool byClosing : {false, true}) {
    ASSERT_TRUE(d.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !d.findChild<QLabel*>(QStringLiteral("lbl_Zeit"))->text().isEmpty(); },
                                kFitTimeoutMs));
    if (byClosing) {
      d.close();
    } else {
      d.findChild<QPushButton*>(QStringLiteral("cmd_Abbrechen"))->click();
    }
    EXPECT_FALSE(d.running()) << byClosing;
    QTest::qWait(50);
    EXPECT_FALSE(d.result().has_value()) << byClosing;
    EXPECT_TRUE(ChangedInputs(before, app.w.area().inputs()).empty()) << byClosing;
    EXPECT_FALSE(app.w.document().isModified()) << byClosing;
    d.show();
  }
}

TEST(FitDialog, OffersTheCurvesQuantitiesWithTheirWeights) {
  FitQuantityPanel panel;
  panel.setCurve(SyntheticCurve(true));
  EXPECT_NE(panel.findChild<QWidget*>(QStringLiteral("chk_moisture")), nullptr);
  EXPECT_EQ(panel.findChild<QWidget*>(QStringLiteral("chk_coreTemperature")), nullptr);
  auto weights = panel.weights();
  ASSERT_TRUE(weights.ok());
  EXPECT_EQ(weights.value(), (std::array<double, kMeasuredQuantityCount>{1, 0.5, 0, 0}));
  panel.findChild<QCheckBox*>(QStringLiteral("chk_surfaceTemperature"))->setChecked(false);
  EXPECT_EQ(panel.weights().value(), (std::array<double, kMeasuredQuantityCount>{1, 0, 0, 0}));
  // A curve without temperatures drops their rows.
  panel.setCurve(SyntheticCurve(false));
  EXPECT_EQ(panel.findChild<QWidget*>(QStringLiteral("chk_surfaceTemperature")), nullptr);
  EXPECT_EQ(panel.weights().value(), (std::array<double, kMeasuredQuantityCount>{1, 0, 0, 0}));
}

TEST(FitParameterModel, OffersEveryInputButTheNumericalControlsWithTheirUsualRanges) {
  FitParameterModel model;
  model.setBase(QuickInputs());
  EXPECT_EQ(model.rowCount(), static_cast<int>(kInputCount) - 3);
  for (Input control : {Input::Ortsschrittweite, Input::deltaT, Input::rund}) EXPECT_EQ(model.rowOf(control), -1);
  EXPECT_GE(model.rowOf(Input::KappaSteig), 0);
  EXPECT_EQ(model.chosen(), (std::vector<Input>{Input::Feuchteleit, Input::Waermeuebergang}));
  const int row = model.rowOf(Input::Dicke);
  EXPECT_EQ(model.data(model.index(row, FitParameterModel::Start)).toString(), QStringLiteral("4"));
  EXPECT_EQ(model.data(model.index(row, FitParameterModel::Unit)).toString(), QStringLiteral("mm"));
  const FitParameter usual = DefaultFitParameter(Input::Dicke);
  EXPECT_EQ(model.data(model.index(row, FitParameterModel::Lower)).toString().toStdString(), InputTextOf(usual.lower));
  EXPECT_EQ(model.data(model.index(row, FitParameterModel::Upper)).toString().toStdString(), InputTextOf(usual.upper));
  // Typed bounds are read with a decimal comma, in table order of the ticked inputs.
  model.setChosen(Input::Dicke, true);
  model.setBounds(Input::Dicke, QStringLiteral("2,5"), QStringLiteral("12"));
  const auto parameters = model.parameters();
  ASSERT_TRUE(parameters.ok());
  ASSERT_EQ(parameters.value().size(), 3u);
  EXPECT_EQ(parameters.value()[0].input, Input::Dicke);
  EXPECT_EQ(parameters.value()[0].lower, 2.5);
  EXPECT_EQ(parameters.value()[0].upper, 12);
  model.setBounds(Input::Waermeuebergang, QStringLiteral("5"), QString());
  EXPECT_EQ(model.parameters().failure().where, "obere Schranke von „effekt. Wärmeübergangskoeff. in W/(m² K)“");
}

TEST(FitResultTexts, ResidualsAreScaledBySpanWhenQuantitiesShareTheAxis) {
  const std::vector<FitResidual> residuals{
      {MeasuredQuantity::Moisture, 0, 0.20, 0.21},
      {MeasuredQuantity::Moisture, 60, 0.10, 0.09},
      {MeasuredQuantity::SurfaceTemperature, 0, 30, 32},
      {MeasuredQuantity::SurfaceTemperature, 60, 30, 29},  // flat readings: span 1
  };
  const std::vector<double> raw = ShownResiduals(residuals, false);
  const std::vector<double> scaled = ShownResiduals(residuals, true);
  const std::vector<double> expectedScaled{0.1, -0.1, 2, -1};
  ASSERT_EQ(scaled.size(), residuals.size());
  for (std::size_t i = 0; i < residuals.size(); ++i) {
    EXPECT_DOUBLE_EQ(raw[i], residuals[i].model - residuals[i].measured) << i;
    EXPECT_NEAR(scaled[i], expectedScaled[i], 1e-12) << i;
  }
}

TEST(FitResultTexts, ValueWithIntervalAndTimeLeft) {
  EXPECT_EQ(ValueWithInterval(37.8125, {0.4237}, 0), QStringLiteral("37,8125 ± 0,42"));
  EXPECT_EQ(ValueWithInterval(37.8125, {}, 0), QStringLiteral("37,8125"));
  EXPECT_EQ(TimeLeftText(10, 0, 6), QString());
  EXPECT_EQ(TimeLeftText(10, 6, 6), QString());
  EXPECT_EQ(TimeLeftText(10, 2, 6), QStringLiteral("0:00:20"));
  EXPECT_EQ(TimeLeftText(10, 3, 6), QStringLiteral("0:00:10"));
  EXPECT_EQ(DurationText(64.2), QStringLiteral("0:01:05"));
}

}  // namespace
}  // namespace lamvero
