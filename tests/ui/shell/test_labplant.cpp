// The laboratory test at constant air (Berechnung ▸ Laborversuch, Luft
// konstant) and the plant data (Datei ▸ Anlagendaten…, Ansicht ▸
// Anlagenwerte…) in the window: the box that follows, the case file that
// keeps both, the dialog that refuses, the figures after a run.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "common/quickinputs.h"
#include "present/plantrows.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/casedocument.h"
#include "ui/shell/filemenu.h"
#include "ui/shell/plantdialog.h"
#include "ui/shell/plantpanel.h"
#include "ui/shell/statuslines.h"
#include "modaldialog.h"
#include "windowdriver.h"

namespace lamvero {
namespace {

struct App {
  AppWindow w;
  QStringList warnings, questions;
  App() {
    w.area().setMessagePresenter([this](const QString& text) { warnings << text; });
    w.area().setQuestioner([this](const QString& text) {
      questions << text;
      return true;
    });
    w.show();
  }
  QLineEdit& box(Input id) { return *w.area().findChild<QLineEdit*>(QString::fromLatin1(FieldOf(id).box)); }
  QAction& lab() { return *w.action(QStringLiteral("act_LaborversuchLuftKonstant")); }
  void run() {
    w.area().findChild<QPushButton*>(QStringLiteral("cmd_Start"))->click();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !w.area().runController().active(); }, testing::Window::kRunTimeoutMs));
  }
  QStringList figures() {
    auto* table = w.plantPanel().findChild<QTableWidget*>(QStringLiteral("tbl_Anlagenwerte"));
    QStringList rows;
    for (int i = 0; i < table->rowCount(); ++i) {
      rows << table->item(i, 0)->text() + QLatin1Char('=') + table->item(i, 1)->text() + QLatin1Char(' ') +
                  table->item(i, 2)->text();
    }
    return rows;
  }
};

TEST(LabTestInWindow, EndBoxFollowsTheExhaustReadOnlyAndGetsItsTextBack) {
  App app;
  QLineEdit& end = app.box(Input::ThetaGegenstromende);
  const QString before = end.text();
  const QString ownTip = end.toolTip();
  ASSERT_TRUE(app.lab().isCheckable());
  app.lab().setChecked(true);
  EXPECT_TRUE(app.w.isWindowModified());
  EXPECT_EQ(end.text(), app.box(Input::Lufttemp).text());
  EXPECT_TRUE(end.isReadOnly());
  EXPECT_NE(end.toolTip(), ownTip);
  EXPECT_EQ(app.w.statusLines().text(QStringLiteral("labor")), QStringLiteral("Laborversuch, Luft konstant"));
  app.box(Input::Lufttemp).setText(QStringLiteral("41,5"));
  EXPECT_EQ(end.text(), QStringLiteral("41,5"));
  end.setText(QStringLiteral("99"));  // a value taken over from elsewhere does not break the rule
  EXPECT_EQ(end.text(), QStringLiteral("41,5"));

  // A chamber at 35 °C, below a dryer's usual counter-current end: Start does not
  // ask about the box that follows it. The run ends with the other boxes editable
  // again, this one still held; the air stayed put.
  InputTexts quick = testing::QuickInputs();
  quick[Input::Lufttemp] = "35";
  app.w.area().setInputs(quick);
  EXPECT_EQ(end.text(), QStringLiteral("35"));
  app.run();
  EXPECT_TRUE(app.questions.isEmpty()) << app.questions.join('\n').toStdString();
  EXPECT_FALSE(app.box(Input::Dicke).isReadOnly());
  EXPECT_TRUE(end.isReadOnly());
  const RunSeries& s = app.w.area().lastRun().series;
  EXPECT_EQ(s.ThetaLuftReihe[static_cast<std::size_t>(s.nReihe)], 35);

  app.lab().setChecked(false);
  EXPECT_EQ(end.text(), before);
  EXPECT_FALSE(end.isReadOnly());
  EXPECT_EQ(end.toolTip(), ownTip);
  EXPECT_TRUE(app.w.statusLines().text(QStringLiteral("labor")).isEmpty());
  app.box(Input::Lufttemp).setText(QStringLiteral("50"));
  EXPECT_EQ(end.text(), before);  // no longer follows
}

TEST(LabTestInWindow, CaseFileKeepsBothChoicesAndTheWindowRestoresThem) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("labor.lamvero"));
  PlantData plant{PlantData::Basis::PiecesPerHour, 3600, 2.5};
  {
    App first;
    first.box(Input::Lufttemp).setText(QStringLiteral("38"));
    first.lab().setChecked(true);
    first.w.document().setPlant(plant);
    ASSERT_TRUE(first.w.document().saveAs(path));
    EXPECT_FALSE(first.w.isWindowModified());
    first.w.document().setPlant(std::nullopt);
    EXPECT_TRUE(first.w.isWindowModified());
  }
  App second;
  ASSERT_TRUE(second.w.openFile(path)) << second.warnings.join('\n').toStdString();
  EXPECT_TRUE(second.lab().isChecked());
  EXPECT_TRUE(second.box(Input::ThetaGegenstromende).isReadOnly());
  EXPECT_EQ(second.box(Input::ThetaGegenstromende).text(), QStringLiteral("38"));
  ASSERT_TRUE(second.w.document().plant());
  EXPECT_EQ(*second.w.document().plant(), plant);
  EXPECT_FALSE(second.w.isWindowModified());
  EXPECT_TRUE(second.w.reportInfo().constantAir);
  // A new case is no laboratory test; its end box is the default one, editable.
  second.w.document().newCase();
  EXPECT_FALSE(second.lab().isChecked());
  EXPECT_FALSE(second.box(Input::ThetaGegenstromende).isReadOnly());
  EXPECT_EQ(second.box(Input::ThetaGegenstromende).text().toStdString(), FieldOf(Input::ThetaGegenstromende).defaultText);
  EXPECT_FALSE(second.w.document().plant());
}

// The dialog's verdict on what was typed: the refusal or, when it is empty, the plant data.
struct Typed {
  bool none;
  int basis;
  const char* throughput;
  const char* pieceMass;
  const char* mention;  // part of the refusal; "" for accepted
};

TEST(PlantDialogInput, RefusesWhatGivesNoFiguresNamingTheFieldAndHoldsOk) {
  const Typed cases[] = {
      {false, 0, "12,5", "", ""},
      {false, 0, "abc", "", "„Durchsatz“"},
      {false, 0, "12 kg", "", "„Durchsatz“"},
      {false, 0, "", "", "„Durchsatz“"},
      {false, 0, "0", "", "Durchsatz"},
      {false, 0, "-3", "", "Durchsatz"},
      {false, 1, "3600", "", "„Stückmasse (trocken)“"},
      {false, 1, "3600", "0", "Stückmasse"},
      {false, 1, "3600", "2,5", ""},
      {true, 0, "abc", "", ""},
  };
  for (const Typed& t : cases) {
    SCOPED_TRACE(std::string(t.throughput) + " / " + t.pieceMass);
    PlantDialog d(std::nullopt);
    d.findChild<QCheckBox*>(QStringLiteral("chk_KeineAnlagendaten"))->setChecked(t.none);
    d.findChild<QComboBox*>(QStringLiteral("cmb_Durchsatzbasis"))->setCurrentIndex(t.basis);
    d.findChild<QLineEdit*>(QStringLiteral("edt_Durchsatz"))->setText(QString::fromUtf8(t.throughput));
    auto* mass = d.findChild<QLineEdit*>(QStringLiteral("edt_Stueckmasse"));
    mass->setText(QString::fromUtf8(t.pieceMass));
    EXPECT_EQ(mass->isEnabled(), !t.none && t.basis == 1);
    const auto* shown = d.findChild<QLabel*>(QStringLiteral("lbl_AnlagendatenFehler"));
    const bool refused = *t.mention != '\0';
    EXPECT_EQ(shown->text(), d.problem());
    EXPECT_NE(d.problem().indexOf(QString::fromUtf8(t.mention)), -1) << d.problem().toStdString();
    EXPECT_EQ(d.problem().isEmpty(), !refused);
    EXPECT_EQ(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled(), !refused);
  }
  PlantDialog pieces(std::nullopt);
  pieces.findChild<QComboBox*>(QStringLiteral("cmb_Durchsatzbasis"))->setCurrentIndex(1);
  pieces.findChild<QLineEdit*>(QStringLiteral("edt_Durchsatz"))->setText(QStringLiteral("3600"));
  pieces.findChild<QLineEdit*>(QStringLiteral("edt_Stueckmasse"))->setText(QStringLiteral("2,5"));
  EXPECT_EQ(pieces.plant(), (PlantData{PlantData::Basis::PiecesPerHour, 3600, 2.5}));
  // Opened on given data, it shows them; "keine Anlagendaten" gives none.
  PlantDialog given(PlantData{PlantData::Basis::TonnesPerHour, 12.5, 0});
  EXPECT_EQ(given.findChild<QLineEdit*>(QStringLiteral("edt_Durchsatz"))->text(), QStringLiteral("12,5"));
  EXPECT_EQ(given.plant(), (PlantData{PlantData::Basis::TonnesPerHour, 12.5, 0}));
  given.findChild<QCheckBox*>(QStringLiteral("chk_KeineAnlagendaten"))->setChecked(true);
  EXPECT_FALSE(given.plant());
}

TEST(PlantDialogInput, OkThroughTheMenuGivesTheDocumentItsPlantData) {
  App app;
  testing::AnswerModalDialog(
      QStringLiteral("dlg_Anlagendaten"), [&] { app.w.fileActions().action("act_Anlagendaten").trigger(); },
      [](QDialog& d) { d.findChild<QLineEdit*>(QStringLiteral("edt_Durchsatz"))->setText(QStringLiteral("7,25")); },
      true);
  ASSERT_TRUE(app.w.document().plant());
  EXPECT_EQ(*app.w.document().plant(), (PlantData{PlantData::Basis::TonnesPerHour, 7.25, 0}));
  EXPECT_TRUE(app.w.isWindowModified());
}

TEST(PlantFiguresInWindow, AppearAfterARunFollowThePlantDataAndClearWithTheInputs) {
  App app;
  const PlantData tonnes{PlantData::Basis::TonnesPerHour, 10, 0};
  app.w.document().setPlant(tonnes);
  EXPECT_FALSE(app.w.plantPanel().state().isEmpty());  // no run yet
  app.w.area().setInputs(testing::QuickInputs());
  app.run();
  const RunRecord& record = app.w.document().run()->record;
  const auto expected = [&](const PlantData& plant) {
    QStringList rows;
    for (const std::vector<PlantRow>& part : {PlantDataRows(plant), PlantFigureRows(plant, record)}) {
      for (const PlantRow& r : part) rows << QString::fromStdString(r.caption + "=" + r.text + " " + r.unit);
    }
    return rows;
  };
  EXPECT_TRUE(app.w.plantPanel().state().isEmpty()) << app.w.plantPanel().state().toStdString();
  EXPECT_EQ(app.figures(), expected(tonnes));
  ASSERT_EQ(app.figures().size(), 6);
  for (const QString& row : app.figures()) EXPECT_FALSE(row.section('=', 1).startsWith(' ')) << row.toStdString();
  const QString line = app.w.statusLines().text(QLatin1String(PlantPanel::kLine));
  EXPECT_TRUE(line.startsWith(QStringLiteral("Anlage: "))) << line.toStdString();
  EXPECT_NE(line.indexOf(QString::fromStdString(PlantFigureRows(tonnes, record)[3].text)), -1);

  // Twice the throughput: the figures are worked out again at once.
  const PlantData twice{PlantData::Basis::TonnesPerHour, 20, 0};
  app.w.document().setPlant(twice);
  EXPECT_EQ(app.figures(), expected(twice));
  EXPECT_NE(expected(twice), expected(tonnes));

  // Inputs changed since the run: no figures until the next run.
  app.box(Input::Dicke).setText(QStringLiteral("5"));
  EXPECT_NE(app.w.plantPanel().state().indexOf(QStringLiteral("Eingaben geändert")), -1);
  EXPECT_EQ(app.figures().size(), 1);
  EXPECT_TRUE(app.w.statusLines().text(QLatin1String(PlantPanel::kLine)).isEmpty());
  app.box(Input::Dicke).setText(QStringLiteral("4"));
  EXPECT_EQ(app.figures(), expected(twice));
  app.w.document().setPlant(std::nullopt);
  EXPECT_TRUE(app.figures().isEmpty());
}

}  // namespace
}  // namespace lamvero
