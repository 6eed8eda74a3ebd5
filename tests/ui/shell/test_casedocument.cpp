// Case files and exports through the window: the Datei menu, saving,
// opening what was saved (the window looks as after the run), bad files,
// failed saves, the modified marker, asking before discarding, dropping a file.

#include <gtest/gtest.h>

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QDir>
#include <QImage>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include "files/casefile.h"
#include "common/quickinputs.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/casedocument.h"
#include "disk/casefiles.h"
#include "present/controltable.h"
#include "ui/diagrams/diagramwindow.h"
#include "ui/shell/filemenu.h"
#include "ui/shell/outdatedresults.h"
#include "ui/shell/statuslines.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/plotarea.h"
#include "ui/shell/recentfiles.h"
#include "ui/shell/runstatus.h"
#include "ui/calculator/runcontroller.h"
#include "windowdriver.h"

namespace lamvero {
namespace {

QByteArray Slurp(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Spit(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A shown program window whose dialogs answer from the test.
struct App {
  AppWindow w;
  QStringList warnings;
  QStringList asked;
  QString nextName;  // the file the next file dialog returns ("" = cancel)
  QMessageBox::StandardButton answer = QMessageBox::Cancel;
  CsvChoice csv;

  App() {
    w.area().setMessagePresenter([this](const QString& text) { warnings << text; });
    FileMenu::Dialogs d;
    d.openName = [this](const QString&, const QString&, const QString&) { return nextName; };
    d.saveName = [this](const QString&, const QString&, const QString&) { return nextName; };
    d.askSave = [this](const QString& text) {
      asked << text;
      return answer;
    };
    d.warn = [this](const QString& text) { warnings << text; };
    d.csvChoice = [this](bool) { return std::optional<CsvChoice>(csv); };
    w.fileActions().setDialogs(d);
    w.show();
  }
  QAction& action(const char* name) { return w.fileActions().action(name); }
  void trigger(const char* name, const QString& file = {}) {
    nextName = file;
    QAction& a = action(name);
    ASSERT_TRUE(a.isEnabled()) << name;
    a.trigger();
  }
  QLineEdit* box(const char* name) { return w.area().findChild<QLineEdit*>(QString::fromLatin1(name)); }
  void run(const InputTexts& in) {
    w.area().setInputs(in);
    w.area().findChild<QPushButton*>(QStringLiteral("cmd_Start"))->click();
    waitForRunEnd();
  }
  void waitForRunEnd() {
    EXPECT_TRUE(QTest::qWaitFor([this] { return !w.area().runController().active(); }, testing::Window::kRunTimeoutMs));
  }
  // Text, visibility and colour of every control the run can touch.
  std::map<std::string, std::string> look() {
    std::map<std::string, std::string> out;
    for (const ControlRow& c : ControlTable()) {
      if (c.kind != ControlKind::Label && c.kind != ControlKind::TextBox && c.kind != ControlKind::Button) continue;
      QWidget* widget = w.area().findChild<QWidget*>(QString::fromStdString(c.name));
      QString text;
      if (auto* e = qobject_cast<QLineEdit*>(widget)) text = e->text();
      if (auto* l = qobject_cast<QLabel*>(widget)) text = l->text();
      out[c.name] = (text + (widget->isHidden() ? " | hidden | " : " | shown | ") +
                     widget->palette().color(qobject_cast<QLineEdit*>(widget) ? QPalette::Text : QPalette::WindowText).name())
                        .toStdString();
    }
    return out;
  }
};

// The controls whose look differs, with both looks.
std::string Differences(const std::map<std::string, std::string>& a, const std::map<std::string, std::string>& b) {
  std::string out;
  for (const auto& [name, look] : a) {
    const auto other = b.find(name);
    if (other == b.end() || other->second != look) out += name + ": " + look + " / " + (other == b.end() ? "-" : other->second) + "\n";
  }
  return out;
}

// The pixels in which two pictures of the same size differ.
std::vector<QPoint> DifferingPixels(const QImage& a, const QImage& b) {
  std::vector<QPoint> at;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) at.emplace_back(x, y);
    }
  }
  return at;
}

// A case file with a run whose controls include `name`.
QByteArray WithControl(const std::string& name) {
  CaseFile f;
  f.run = CaseRun{};
  f.run->record.outcome = RunOutcome::Stopped;
  f.run->nReihe = 0;
  f.run->record.controls[name] = ControlState{"99", true, Rgb{0, 0, 0}};
  return QByteArray::fromStdString(CaseFileText(f, false));
}

class CaseDocumentTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString file(const char* name) { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(CaseDocumentTest, MenuBarHasDateiAndShowsNoEmptyMenus) {
  App app;
  const QList<QAction*> bar = app.w.menuBar()->actions();
  ASSERT_EQ(bar.size(), 5);
  EXPECT_EQ(bar[0]->text(), "&Datei");
  EXPECT_EQ(bar[1]->text(), "&Bearbeiten");
  EXPECT_EQ(bar[2]->text(), "&Ansicht");
  EXPECT_EQ(bar[3]->text(), "Be&rechnung");
  EXPECT_EQ(bar[4]->text(), "&Hilfe");
  for (QAction* menu : bar) EXPECT_TRUE(menu->isVisible());
  // Taking a menu's last entry away hides the menu; an entry makes it appear again.
  QAction* about = app.w.action(QStringLiteral("act_UeberLamvero"));
  QAction* manual = app.w.action(QStringLiteral("act_Handbuch"));
  ASSERT_NE(about, nullptr);
  ASSERT_NE(manual, nullptr);
  app.w.helpMenu().removeAction(manual);
  EXPECT_TRUE(bar[3]->isVisible());
  app.w.helpMenu().removeAction(about);
  EXPECT_FALSE(bar[4]->isVisible());
  app.w.helpMenu().addAction(about);
  EXPECT_TRUE(bar[4]->isVisible());

  QStringList entries;
  for (QAction* a : app.w.fileMenu().actions()) entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
  EXPECT_EQ(entries, QStringList({"&Neu", "Ö&ffnen…", "&Zuletzt geöffnet", "-", "&Speichern", "Speichern &unter…",
                                  "&Eigenschaften…", "Messkurve &laden…", "Messkurve ent&fernen", "&Anlagendaten…",
                                  "Zeitreihen &mitspeichern", "-", "&Exportieren", "&Drucken…", "-", "&Beenden"}));
  EXPECT_EQ(app.w.fileMenu().actions().indexOf(app.w.printPlace()), 14);
  EXPECT_EQ(app.w.exportMenu().actions().size(), 4);
  EXPECT_EQ(app.action("act_Neu").shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
  EXPECT_EQ(app.action("act_Oeffnen").shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
  EXPECT_EQ(app.action("act_Speichern").shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
  EXPECT_EQ(app.action("act_SpeichernUnter").shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  EXPECT_EQ(app.action("act_Beenden").shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
  // Nothing to export before a run.
  EXPECT_FALSE(app.action("act_ZeitreihenCsv").isEnabled());
  EXPECT_FALSE(app.action("act_ErgebnisseCsv").isEnabled());
}

TEST_F(CaseDocumentTest, AirBalanceChoiceRunsIsSavedWithTheCaseAndOpensAgain) {
  App first;
  QAction* air = first.w.action(QStringLiteral("act_LuftbilanzKonsistent"));
  ASSERT_NE(air, nullptr);
  ASSERT_TRUE(air->isCheckable());
  EXPECT_FALSE(air->isChecked());
  EXPECT_FALSE(first.w.isWindowModified());
  air->setChecked(true);
  EXPECT_TRUE(first.w.isWindowModified());  // the case changed
  first.run(testing::QuickInputs());
  EXPECT_EQ(first.w.area().lastRun().airIntegration, AirIntegration::Consistent);
  first.trigger("act_SpeichernUnter", file("luft.lamvero"));
  ASSERT_TRUE(first.warnings.isEmpty()) << first.warnings.join('\n').toStdString();
  EXPECT_EQ(Slurp(file("luft.lamvero")).count("\"airIntegration\": \"consistent\""), 2);  // the case and its run

  App second;
  ASSERT_TRUE(second.w.openFile(file("luft.lamvero")));
  QAction* opened = second.w.action(QStringLiteral("act_LuftbilanzKonsistent"));
  EXPECT_TRUE(opened->isChecked());
  EXPECT_FALSE(second.w.isWindowModified());
  EXPECT_EQ(second.w.document().run()->record.airIntegration, AirIntegration::Consistent);
  opened->setChecked(false);
  EXPECT_TRUE(second.w.isWindowModified());
  second.run(testing::QuickInputs());
  EXPECT_EQ(second.w.area().lastRun().airIntegration, AirIntegration::Standard);
}

TEST_F(CaseDocumentTest, SavedRunOpensLookingAsAfterTheRunWithItsCurves) {
  App first;
  first.run(testing::QuickInputs());
  ASSERT_EQ(first.w.area().lastRun().outcome, RunOutcome::Completed);
  EXPECT_TRUE(first.w.isWindowModified());  // the inputs differ from the defaults
  first.action("act_MitZeitreihen").setChecked(true);
  first.trigger("act_SpeichernUnter", file("platte"));  // the suffix is added
  ASSERT_TRUE(first.warnings.isEmpty()) << first.warnings.join('\n').toStdString();
  EXPECT_TRUE(QFile::exists(file("platte.lamvero")));
  EXPECT_FALSE(first.w.isWindowModified());
  EXPECT_TRUE(first.w.windowTitle().startsWith("platte.lamvero[*]  -  Lamvero")) << first.w.windowTitle().toStdString();
  EXPECT_EQ(RecentFiles().value(0), file("platte.lamvero"));

  App second;
  ASSERT_TRUE(second.w.openFile(file("platte.lamvero"))) << second.warnings.join('\n').toStdString();
  EXPECT_EQ(second.w.area().inputs()[Input::Dicke], "4");
  EXPECT_EQ(Differences(second.look(), first.look()), "");
  // The curves, from the stored series: the record as it left the run, drawn by the window. The run drew its
  // shrinkage curves' last step towards the model's values beyond the end of shrinkage, which the record no
  // longer holds: the two pictures differ there only, in a few pixels at the top edge.
  App drawn;
  drawn.w.area().showRecord(first.w.area().lastRun());
  EXPECT_EQ(second.w.area().zeit().image(), drawn.w.area().zeit().image());
  const std::vector<QPoint> moved = DifferingPixels(second.w.area().zeit().image(), first.w.area().zeit().image());
  EXPECT_LE(moved.size(), 12u);
  for (const QPoint& p : moved) EXPECT_LT(p.y(), 6) << p.x();
  EXPECT_TRUE(second.w.area().ausgabe().isBlank());  // profiles are not stored
  EXPECT_FALSE(second.w.isWindowModified());
  // Nochmal and Start recompute the same run.
  second.w.area().findChild<QPushButton*>(QStringLiteral("cmd_Neustart"))->click();
  second.w.area().findChild<QPushButton*>(QStringLiteral("cmd_Start"))->click();
  second.waitForRunEnd();
  EXPECT_EQ(Differences(second.look(), first.look()), "");
  EXPECT_EQ(second.w.document().run()->record.results.Zeit, first.w.area().lastRun().results.Zeit);
}

TEST_F(CaseDocumentTest, WithoutSeriesTheResultRowsStandAloneAndExportsFollowTheRun) {
  App first;
  first.run(testing::QuickInputs());
  first.trigger("act_SpeichernUnter", file("ohne.lamvero"));
  ASSERT_TRUE(first.warnings.isEmpty());
  EXPECT_EQ(Slurp(file("ohne.lamvero")).indexOf("\"series\""), -1);

  EXPECT_EQ(first.w.statusLines().text(QLatin1String(RunStatus::kLine)), "");

  App second;
  ASSERT_TRUE(second.w.openFile(file("ohne.lamvero")));
  EXPECT_EQ(Differences(second.look(), first.look()), "");
  EXPECT_TRUE(second.w.area().zeit().isBlank());
  // The status line says why the curves are missing.
  EXPECT_EQ(second.w.statusLines().text(QLatin1String(RunStatus::kLine)),
            "Die Datei enthält keine Zeitreihen; Diagramme nach einem neuen Lauf");
  EXPECT_FALSE(second.action("act_ZeitreihenCsv").isEnabled());
  ASSERT_TRUE(second.action("act_ErgebnisseCsv").isEnabled());
  second.csv = CsvChoice{CsvDialect::German, 1};
  second.trigger("act_ErgebnisseCsv", file("ergebnisse"));
  const QByteArray results = Slurp(file("ergebnisse.csv"));
  EXPECT_TRUE(results.startsWith("\xEF\xBB\xBF" "Ergebnis;Wert;Einheit;Anzeige im Fenster;Wert mit allen Stellen;Schlüssel\n"
                                 "name;value;unit;shown;exact;key\n"));
  EXPECT_TRUE(results.contains("\nDauer des 1. Trocknungsabschnitts;")) << results.left(400).toStdString();

  first.csv = CsvChoice{CsvDialect::Plain, 100};
  first.trigger("act_ZeitreihenCsv", file("reihen.csv"));
  const QList<QByteArray> rows = Slurp(file("reihen.csv")).split('\n');
  EXPECT_TRUE(rows[0].startsWith("Zeit in s,mittlere Wasserbeladung in kg/kg,"));
  EXPECT_TRUE(rows[1].startsWith("tReihe,XReihe,"));
  EXPECT_TRUE(rows[2].startsWith("0,0.25,0.25,0.25,"));
  const int points = first.w.area().lastRun().series.points();
  EXPECT_EQ(rows.size(), 2 + (points - 1 + 99) / 100 + 1 + 1);  // header, every 100th, the last, final line feed
}

// A file named on the command line (a double click in a file manager) opens
// as Datei ▸ Öffnen opens it, once the window is up; a refusal is a message.
TEST_F(CaseDocumentTest, AFileNamedAtStartOpensOnceTheWindowIsUp) {
  App first;
  first.run(testing::QuickInputs());
  first.trigger("act_SpeichernUnter", file("start.lamvero"));

  App second;
  second.w.openAtStart(file("start.lamvero"));
  EXPECT_TRUE(second.w.document().path().isEmpty());  // not before the event loop runs
  ASSERT_TRUE(QTest::qWaitFor([&] { return !second.w.document().path().isEmpty(); }, 5000));
  EXPECT_EQ(Differences(second.look(), first.look()), "");
  EXPECT_TRUE(second.warnings.isEmpty());

  App third;
  third.w.openAtStart(file("fehlt.lamvero"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !third.warnings.isEmpty(); }, 5000));
  EXPECT_TRUE(third.warnings[0].contains(QStringLiteral("fehlt.lamvero"))) << third.warnings[0].toStdString();
  EXPECT_TRUE(third.w.document().path().isEmpty());
}

TEST_F(CaseDocumentTest, BadFilesAreRefusedAndChangeNothing) {
  App app;
  app.box("txt_Dicke")->setText(QStringLiteral("33,3"));
  const std::vector<std::pair<const char*, QByteArray>> files = {
      {"kein.lamvero", "Das ist kein JSON."},
      {"fremd.lamvero", "{\"type\": \"FeatureCollection\"}"},
      {"neu.lamvero", "{\"format\": \"lamvero-case\", \"version\": 7, \"inputs\": {}}"},
      {"typ.lamvero", "{\"format\": \"lamvero-case\", \"version\": 1, \"inputs\": 5}"},
      {"eingabe.lamvero", WithControl("txt_Dicke")},  // a run never writes an input box
      {"fremdbox.lamvero", WithControl("txt_Breite")},
  };
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    Spit(file(name), bytes);
    app.warnings.clear();
    app.answer = QMessageBox::Discard;
    EXPECT_FALSE(app.w.openFile(file(name)));
    ASSERT_EQ(app.warnings.size(), 1);
    EXPECT_TRUE(app.warnings[0].contains(QString::fromLatin1(name))) << app.warnings[0].toStdString();
    EXPECT_EQ(app.box("txt_Dicke")->text(), "33,3");
    EXPECT_TRUE(app.w.document().path().isEmpty());
  }
  // A file far too large is refused before it is read.
  QFile huge(file("riesig.lamvero"));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(static_cast<qint64>(kMaxCaseFileBytes) + 1));  // sparse
  huge.close();
  app.warnings.clear();
  EXPECT_FALSE(app.w.openFile(file("riesig.lamvero")));
  ASSERT_EQ(app.warnings.size(), 1);
  EXPECT_TRUE(app.warnings[0].contains("zu groß")) << app.warnings[0].toStdString();
  EXPECT_FALSE(app.w.openFile(file("fehlt.lamvero")));
  EXPECT_EQ(app.box("txt_Dicke")->text(), "33,3");
}

TEST_F(CaseDocumentTest, FailedSaveKeepsTheOldFileAndSaysSo) {
  const QString path = file("alt.lamvero");
  Spit(path, "old content");
  // A write that fails half-way leaves the old file as it was.
  const Status saved = SaveFileAtomically(path, [](const ByteSink& sink) { return sink("new, half") && false; });
  ASSERT_FALSE(saved);
  EXPECT_NE(saved.message().find("bleibt unverändert"), std::string::npos) << saved.message();
  EXPECT_EQ(Slurp(path), "old content");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"alt.lamvero"}));  // no temporary left

  App app;
  app.box("txt_Dicke")->setText(QStringLiteral("12"));
  app.trigger("act_SpeichernUnter", file("fehlt/neu.lamvero"));
  ASSERT_EQ(app.warnings.size(), 1);
  EXPECT_TRUE(app.warnings[0].contains("fehlt/neu.lamvero")) << app.warnings[0].toStdString();
  EXPECT_TRUE(app.w.document().path().isEmpty());
  EXPECT_TRUE(app.w.isWindowModified());
}

// A line pasted from a CRLF list brings its carriage return into the box:
// Start refuses it naming the box and the character, and Save writes no file
// that could not be opened again.
TEST_F(CaseDocumentTest, APastedControlCharacterIsRefusedAtStartAndNotSaved) {
  App app;
  QLineEdit* dicke = app.box("txt_Dicke");
  QGuiApplication::clipboard()->setText(QStringLiteral("3\r"));
  dicke->selectAll();
  dicke->paste();
  ASSERT_EQ(dicke->text(), QStringLiteral("3\r"));

  app.w.area().findChild<QPushButton*>(QStringLiteral("cmd_Start"))->click();
  app.waitForRunEnd();
  ASSERT_EQ(app.warnings.size(), 1);
  EXPECT_TRUE(app.warnings[0].contains(QStringLiteral("„Anfangsdicke der Platte in mm“"))) << app.warnings[0].toStdString();
  EXPECT_TRUE(app.warnings[0].contains(QStringLiteral("Steuerzeichen \\r"))) << app.warnings[0].toStdString();

  app.trigger("act_SpeichernUnter", file("kaputt.lamvero"));
  ASSERT_EQ(app.warnings.size(), 2);
  EXPECT_TRUE(app.warnings[1].contains(QStringLiteral("nicht gespeichert"))) << app.warnings[1].toStdString();
  EXPECT_TRUE(app.warnings[1].contains(QStringLiteral("„Anfangsdicke der Platte in mm“"))) << app.warnings[1].toStdString();
  EXPECT_FALSE(QFile::exists(file("kaputt.lamvero")));
  EXPECT_TRUE(app.w.isWindowModified());

  dicke->setText(QStringLiteral("3"));
  app.trigger("act_SpeichernUnter", file("heil.lamvero"));
  const Outcome<CaseFile> read = ReadCaseFile(file("heil.lamvero"));
  ASSERT_TRUE(read) << read.message();
  EXPECT_EQ(read.value().inputs[Input::Dicke], "3");
}

TEST_F(CaseDocumentTest, UnsavedInputsAreAskedAboutBeforeTheyAreLost) {
  App app;
  EXPECT_FALSE(app.w.isWindowModified());
  EXPECT_TRUE(app.w.windowTitle().startsWith("Unbenannt[*]")) << app.w.windowTitle().toStdString();
  app.trigger("act_Neu");  // nothing changed: no question
  EXPECT_TRUE(app.asked.isEmpty());

  app.box("txt_Dicke")->setText(QStringLiteral("25,5"));
  EXPECT_TRUE(app.w.isWindowModified());
  app.answer = QMessageBox::Cancel;
  app.trigger("act_Neu");
  EXPECT_EQ(app.asked.size(), 1);
  EXPECT_EQ(app.box("txt_Dicke")->text(), "25,5");
  app.w.close();
  EXPECT_TRUE(app.w.isVisible());  // cancelled
  EXPECT_EQ(app.asked.size(), 2);

  // Save answers the question by saving (the dialog asks where).
  app.answer = QMessageBox::Save;
  app.nextName = file("gesichert.lamvero");
  app.action("act_Neu").trigger();
  EXPECT_EQ(app.box("txt_Dicke")->text(), "20,0");
  const Outcome<CaseFile> read = ReadCaseFile(file("gesichert.lamvero"));
  ASSERT_TRUE(read) << read.message();
  const CaseFile& saved = read.value();
  EXPECT_EQ(saved.inputs[Input::Dicke], "25,5");
  EXPECT_FALSE(saved.run);

  app.box("txt_Dicke")->setText(QStringLiteral("30"));
  app.answer = QMessageBox::Discard;
  app.w.close();
  EXPECT_FALSE(app.w.isVisible());
}

TEST_F(CaseDocumentTest, ResultsAreSavedOnlyWithTheInputsTheyBelongTo) {
  App app;
  app.run(testing::QuickInputs());
  app.box("txt_Lufttemp")->setText(QStringLiteral("40"));
  app.trigger("act_SpeichernUnter", file("geaendert.lamvero"));
  const Outcome<CaseFile> read = ReadCaseFile(file("geaendert.lamvero"));
  ASSERT_TRUE(read) << read.message();
  const CaseFile& saved = read.value();
  EXPECT_EQ(saved.inputs[Input::Lufttemp], "40");
  EXPECT_FALSE(saved.run);
}

TEST_F(CaseDocumentTest, EntriesThatWouldInterfereAreDisabledDuringARun) {
  App app;
  std::map<std::string, bool> during;
  QObject::connect(&app.w.area(), &MainWindow::runStarted, [&] {
    for (const char* name : {"act_Neu", "act_Oeffnen", "act_Speichern", "act_SpeichernUnter", "act_Exportieren",
                             "act_Zuletzt", "act_Beenden"}) {
      during[name] = app.action(name).isEnabled();
    }
  });
  app.run(testing::QuickInputs());
  EXPECT_EQ(during, (std::map<std::string, bool>{{"act_Neu", false}, {"act_Oeffnen", false}, {"act_Speichern", false},
                                                 {"act_SpeichernUnter", false}, {"act_Exportieren", false},
                                                 {"act_Zuletzt", false}, {"act_Beenden", true}}));
  EXPECT_TRUE(app.action("act_Oeffnen").isEnabled());
  EXPECT_TRUE(app.action("act_ZeitreihenCsv").isEnabled());
}

TEST_F(CaseDocumentTest, AFileDroppedOnAnInputBoxOpensAndLeavesTheBoxAlone) {
  CaseFile f;
  f.inputs[Input::Dicke] = "17";
  ASSERT_TRUE(SaveCaseFile(file("fallen.lamvero"), f, false).ok());
  App app;
  QLineEdit* dicke = app.box("txt_Dicke");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(file("fallen.lamvero"))});
  data.setText(file("fallen.lamvero"));  // file managers send the path as text too
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(dicke, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(dicke, &drop);
  EXPECT_EQ(dicke->text(), "17");
  EXPECT_EQ(app.w.document().path(), file("fallen.lamvero"));
}

// The darkest grey (0 black .. 255 white) inside a control of the area, as the screen shows it.
int Darkest(MainWindow& area, const char* name) {
  const QImage shot = area.grab().toImage();
  const QRect r = area.findChild<QWidget*>(QString::fromLatin1(name))->geometry();
  int darkest = 255;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) darkest = std::min(darkest, qGray(shot.pixel(x, y)));
  }
  return darkest;
}

TEST_F(CaseDocumentTest, EditedInputsDimTheResultsUntilTheyAreTypedBack) {
  App app;
  app.run(testing::QuickInputs());
  MainWindow& area = app.w.area();
  const QString line = QLatin1String(OutdatedResults::kLine);
  ASSERT_FALSE(area.resultsOutdated());
  EXPECT_EQ(app.w.statusLines().text(line), "");
  const std::map<std::string, std::string> ran = app.look();
  const int porosity = Darkest(area, "txt_offPoren"), curves = Darkest(area, "pic_Zeit");
  ASSERT_LT(porosity, 60);
  ASSERT_LT(curves, 60);

  app.box("txt_Lufttemp")->setText(QStringLiteral("40"));
  app.box("txt_Dicke")->setText(QStringLiteral("5"));
  EXPECT_TRUE(area.resultsOutdated());
  EXPECT_EQ(app.w.statusLines().text(line),
            "Eingaben geändert seit der Rechnung: Anfangsdicke der Platte in mm, Ablufttemperatur in °C; "
            "Ergebnisse veraltet");
  // Derived values, results and curves are dimmed; the inputs and every control stay as they are.
  EXPECT_GT(Darkest(area, "txt_offPoren"), porosity + 80);
  EXPECT_GT(Darkest(area, "pic_Zeit"), curves + 80);
  EXPECT_LT(Darkest(area, "txt_Dicke"), 60);
  const std::string changed = Differences(app.look(), ran);
  EXPECT_EQ(std::count(changed.begin(), changed.end(), '\n'), 2) << changed;
  EXPECT_EQ(changed.find("txt_Dicke: 5 |"), 0u) << changed;

  // Typed back one by one: the mark goes with the last.
  app.box("txt_Dicke")->setText(QStringLiteral("4"));
  EXPECT_EQ(app.w.statusLines().text(line), "Eingaben geändert seit der Rechnung: Ablufttemperatur in °C; Ergebnisse veraltet");
  app.box("txt_Lufttemp")->setText(QString::fromStdString(testing::QuickInputs()[Input::Lufttemp]));
  EXPECT_FALSE(area.resultsOutdated());
  EXPECT_EQ(app.w.statusLines().text(line), "");
  EXPECT_EQ(Differences(app.look(), ran), "");
  EXPECT_EQ(Darkest(area, "txt_offPoren"), porosity);

  // A refused Start changes nothing: the old results stay marked, and no run joins the Diagramme list.
  app.box("txt_Dicke")->setText(QStringLiteral("abc"));
  area.findChild<QPushButton*>(QStringLiteral("cmd_Start"))->click();
  app.waitForRunEnd();
  ASSERT_EQ(app.warnings.size(), 1);  // the input check said why
  EXPECT_TRUE(area.resultsOutdated());
  EXPECT_EQ(app.w.diagrams().runs().entries().size(), 1u);

  // Nothing is marked while a run goes on, nor after it.
  app.box("txt_Dicke")->setText(QStringLiteral("5"));
  bool markedDuringRun = true;
  QObject::connect(&area, &MainWindow::runStarted, [&] { markedDuringRun = area.resultsOutdated(); });
  area.findChild<QPushButton*>(QStringLiteral("cmd_Start"))->click();
  app.waitForRunEnd();
  EXPECT_FALSE(markedDuringRun);
  EXPECT_FALSE(area.resultsOutdated());
  EXPECT_EQ(app.w.statusLines().text(line), "");
  // Nochmal clears the results: there is nothing left to mark.
  area.findChild<QPushButton*>(QStringLiteral("cmd_Neustart"))->click();
  app.box("txt_Dicke")->setText(QStringLiteral("6"));
  EXPECT_FALSE(area.resultsOutdated());
  EXPECT_EQ(app.w.statusLines().text(line), "");
}

TEST_F(CaseDocumentTest, AFileEditedAfterItsRunOpensWithoutTheRunAndSaysSo) {
  App first;
  first.run(testing::QuickInputs());
  first.action("act_MitZeitreihen").setChecked(true);
  first.trigger("act_SpeichernUnter", file("platte.lamvero"));
  const QByteArray saved = Slurp(file("platte.lamvero"));
  const QByteArray dicke = "\"txt_Dicke\": \"4\"";
  ASSERT_TRUE(saved.contains(dicke));

  for (const char* edited : {"25", "abc"}) {
    SCOPED_TRACE(edited);
    Spit(file("haendisch.lamvero"), QByteArray(saved).replace(dicke, "\"txt_Dicke\": \"" + QByteArray(edited) + "\""));
    App second;
    ASSERT_TRUE(second.w.openFile(file("haendisch.lamvero")));
    ASSERT_EQ(second.warnings.size(), 1);
    EXPECT_TRUE(second.warnings[0].contains("„haendisch.lamvero“")) << second.warnings[0].toStdString();
    EXPECT_TRUE(second.warnings[0].contains("geändert: Anfangsdicke der Platte in mm.")) << second.warnings[0].toStdString();
    EXPECT_EQ(second.w.area().inputs()[Input::Dicke], edited);
    EXPECT_FALSE(second.w.document().run());
    // The window looks as a new case with these inputs: no results, no curves, nothing to mark.
    App plain;
    plain.w.area().setInputs(second.w.area().inputs());
    EXPECT_EQ(Differences(second.look(), plain.look()), "");
    EXPECT_TRUE(second.w.area().zeit().isBlank());
    EXPECT_FALSE(second.w.area().resultsOutdated());
    EXPECT_TRUE(second.w.diagrams().runs().entries().empty());
  }
}

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostEight) {
  QStringList list;
  for (int i = 0; i < 10; ++i) list = WithRecentFile(list, QStringLiteral("/f%1").arg(i));
  EXPECT_EQ(list.size(), kMaxRecentFiles);
  EXPECT_EQ(list.front(), "/f9");
  list = WithRecentFile(list, QStringLiteral("/f5"));
  EXPECT_EQ(list.front(), "/f5");
  EXPECT_EQ(list.count(QStringLiteral("/f5")), 1);
  EXPECT_EQ(list.size(), kMaxRecentFiles);
}

}  // namespace
}  // namespace lamvero
