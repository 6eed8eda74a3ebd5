// The diagrams window: the runs it keeps, what it draws of the shown ones,
// the comparison with a reference run, and its exports.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "present/displayedrun.h"
#include "run/resultdescriptors.h"
#include "common/quickinputs.h"
#include "common/quickrun.h"
#include "ui/shell/appwindow.h"
#include "ui/diagrams/chartexport.h"
#include "ui/diagrams/chartlegend.h"
#include "ui/diagrams/chartpanel.h"
#include "ui/diagrams/comparisontable.h"
#include "ui/diagrams/diagramwindow.h"
#include "ui/diagrams/windowfit.h"
#include "ui/shell/filemenu.h"
#include "ui/calculator/mainwindow.h"
#include "windowdriver.h"

namespace lamvero {
namespace {

using testing::QuickInputs;

const RunRecord& QuickRun(const char* dicke) { return testing::QuickRunOfThickness(dicke); }

// A record with n points of made-up curves, as long as a default run's.
RunRecord LongRecord(int n) {
  RunRecord r = QuickRun("4");
  RunSeries s;
  s.nReihe = n - 1;
  for (const SeriesColumn& c : SeriesColumns()) s.*c.member = Series(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) {
    const auto i = static_cast<std::size_t>(k);
    for (const SeriesColumn& c : SeriesColumns()) (s.*c.member)[i] = std::sin(k * 0.01) + 1;
    s.tReihe[i] = 0.5 * k;
    s.XReihe[i] = 0.25 * (n - k) / n;
  }
  r.series = s;
  return r;
}

QStringList ListTexts(DiagramWindow& w) {
  QStringList texts;
  auto* list = w.findChild<QListWidget*>(QStringLiteral("lst_Laeufe"));
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

int CurveCount(DiagramWindow& w, ChartKind kind) { return static_cast<int>(w.chart(kind).chart().series().size()); }

TEST(DiagramRuns, TheLastEightSessionRunsAreKeptAndLoadedFilesStay) {
  DiagramWindow w;
  w.show();
  const int file = w.addRun(QuickRun("4"), QStringLiteral("platte.lamvero"));
  for (int i = 0; i < 9; ++i) w.addSessionRun(QuickRun("4"));
  EXPECT_EQ(ListTexts(w), (QStringList{"platte.lamvero", "Lauf 2", "Lauf 3", "Lauf 4", "Lauf 5", "Lauf 6", "Lauf 7",
                                       "Lauf 8", "Lauf 9"}));
  // Nine entries, nine colours apart.
  std::set<QRgb> colours;
  for (const RunEntry& e : w.runs().entries()) colours.insert(e.color.rgb());
  EXPECT_EQ(colours.size(), 9u);

  // The reference goes with its run.
  w.setReference(file);
  EXPECT_EQ(w.runs().referenceId(), file);
  w.removeRun(file);
  EXPECT_EQ(w.runs().referenceId(), 0);
  EXPECT_EQ(ListTexts(w).size(), 8);
  w.addSessionRun(QuickRun("4"));
  EXPECT_EQ(ListTexts(w).front(), QStringLiteral("Lauf 3"));
  // A freed colour is taken again.
  EXPECT_EQ(w.runs().entries().back().color, RunList::Palette().front());
}

// Whatever the route, a record of refused inputs holds no run of them: it is not listed.
TEST(DiagramRuns, ARunWhoseInputsWereRefusedIsNeverListed) {
  DiagramWindow w;
  RunRecord edited = QuickRun("4");
  edited.inputs[Input::Dicke] = "abc";  // a run read back beside inputs edited by hand
  EXPECT_EQ(w.addRun(edited, QStringLiteral("abc.lamvero")), 0);
  EXPECT_EQ(w.addSessionRun(edited), 0);
  RunRecord refused;
  refused.inputs = QuickInputs();
  refused.messages = {"Anfangsdicke: keine Zahl"};
  EXPECT_EQ(w.addSessionRun(refused), 0);
  EXPECT_TRUE(w.runs().entries().empty());
  EXPECT_TRUE(ListTexts(w).isEmpty());
  EXPECT_EQ(w.table().columnCount(), 0);
  // The next run of the session is still the first.
  EXPECT_GT(w.addSessionRun(QuickRun("4")), 0);
  EXPECT_EQ(ListTexts(w), QStringList{QStringLiteral("Lauf 1")});
}

TEST(DiagramRuns, TheTickedRunsAreDrawnARunWithoutSeriesOnlyInTheTable) {
  DiagramWindow w;
  w.show();
  const int a = w.addSessionRun(QuickRun("4"));
  w.addSessionRun(QuickRun("5"));
  RunRecord withoutSeries = QuickRun("5");
  withoutSeries.series = RunSeries();
  w.addRun(withoutSeries, QStringLiteral("ohne.lamvero"));
  EXPECT_EQ(ListTexts(w).back(), QStringLiteral("ohne.lamvero (nur Tabelle)"));
  EXPECT_EQ(CurveCount(w, ChartKind::Moisture), 6);  // mean, surface, core of two runs
  EXPECT_EQ(CurveCount(w, ChartKind::Rate), 2);
  EXPECT_EQ(CurveCount(w, ChartKind::Temperature), 6);
  EXPECT_EQ(CurveCount(w, ChartKind::Shrinkage), 4);
  EXPECT_EQ(w.table().columnCount(), 3);

  // Unticking in the list hides the run from the diagrams and the table.
  auto* list = w.findChild<QListWidget*>(QStringLiteral("lst_Laeufe"));
  list->item(0)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(w.runs().find(a)->selected);
  EXPECT_EQ(CurveCount(w, ChartKind::Moisture), 3);
  EXPECT_EQ(w.table().columnCount(), 2);
  const QList<QAbstractSeries*> shown = w.chart(ChartKind::Moisture).chart().series();
  for (QAbstractSeries* s : shown) EXPECT_TRUE(s->name().startsWith(QStringLiteral("Lauf 2"))) << s->name().toStdString();
  // The surface and core curves start at point 1, as in the window's result plot.
  const auto* surface = static_cast<QLineSeries*>(shown[1]);
  EXPECT_EQ(surface->at(0).x(), QuickRun("5").series.tReihe[1] / 3600);
  list->item(0)->setCheckState(Qt::Checked);
  EXPECT_EQ(CurveCount(w, ChartKind::Moisture), 6);

  // Entfernen takes the run picked in the list.
  list->setCurrentRow(1);
  w.findChild<QPushButton*>(QStringLiteral("cmd_Entfernen"))->click();
  EXPECT_EQ(ListTexts(w), (QStringList{"Lauf 1", "ohne.lamvero (nur Tabelle)"}));
  EXPECT_EQ(CurveCount(w, ChartKind::Moisture), 3);
}

TEST(DiagramRuns, AHiddenWindowDrawsWhenItIsShown) {
  DiagramWindow w;
  auto* hint = w.findChild<QLabel*>(QStringLiteral("lbl_Hinweis"));
  ASSERT_NE(hint, nullptr);
  EXPECT_FALSE(hint->isHidden());  // says where runs come from
  const int id = w.addSessionRun(QuickRun("4"));
  EXPECT_TRUE(hint->isHidden());
  EXPECT_EQ(CurveCount(w, ChartKind::Moisture), 0);
  w.show();
  EXPECT_EQ(CurveCount(w, ChartKind::Moisture), 3);
  w.removeRun(id);
  EXPECT_FALSE(hint->isHidden());
  EXPECT_EQ(CurveCount(w, ChartKind::Moisture), 0);
}

TEST(DiagramTable, DifferencesToTheReferenceRun) {
  DiagramWindow w;
  w.show();
  const int thin = w.addSessionRun(QuickRun("4"));
  const int thick = w.addSessionRun(QuickRun("5"));
  ComparisonTable& t = w.table();
  // Only the input that differs is listed.
  EXPECT_EQ(t.rowOf(QStringLiteral("txt_Dicke")), 0);
  EXPECT_EQ(t.rowOf(QStringLiteral("txt_Lufttemp")), -1);
  EXPECT_EQ(t.item(0, 1)->text(), QStringLiteral("5"));
  const int zeit = t.rowOf(QStringLiteral("Zeit"));
  ASSERT_GE(zeit, 0);
  // Below the differing input, one row per compared result, headed by its full caption.
  EXPECT_EQ(t.rowCount(), 17);
  for (int row = 1; row < t.rowCount(); ++row) {
    const ResultDescriptor* d = FindResult(t.verticalHeaderItem(row)->data(Qt::UserRole).toString().toStdString());
    ASSERT_NE(d, nullptr) << row;
    EXPECT_EQ(t.verticalHeaderItem(row)->text(), QString::fromUtf8(d->fullCaption()));
    EXPECT_EQ(t.item(row, 0)->data(ComparisonTable::kValueRole).toDouble(), d->value(QuickRun("4"))) << d->key;
  }
  EXPECT_FALSE(t.item(zeit, 1)->data(ComparisonTable::kDifferenceRole).isValid());

  w.setReference(thin);
  const double zeitThin = QuickRun("4").results.Zeit, zeitThick = QuickRun("5").results.Zeit;
  EXPECT_EQ(t.horizontalHeaderItem(0)->text(), QStringLiteral("Lauf 1 (Bezug)"));
  EXPECT_FALSE(t.item(zeit, 0)->data(ComparisonTable::kDifferenceRole).isValid());
  EXPECT_EQ(t.item(zeit, 1)->data(ComparisonTable::kDifferenceRole).toDouble(), zeitThick - zeitThin);
  EXPECT_TRUE(t.item(zeit, 1)->text().contains(ComparisonTable::DifferenceText(zeitThick, zeitThin, true, nullptr)));
  const int energy = t.rowOf(QStringLiteral("spezEnergie"));
  const double eThin = QuickRun("4").results.spezEnergie, eThick = QuickRun("5").results.spezEnergie;
  EXPECT_EQ(t.item(energy, 1)->data(ComparisonTable::kDifferenceRole).toDouble(), eThick - eThin);

  // "4,0" is the thickness "4": not a different input.
  const int same = w.addSessionRun(QuickRun("4,0"));
  EXPECT_EQ(t.item(0, 2)->text(), QStringLiteral("4,0"));
  EXPECT_FALSE(t.item(0, 2)->font().bold());
  EXPECT_TRUE(t.item(0, 1)->font().bold());
  w.setShown(thick, false);
  EXPECT_EQ(t.rowOf(QStringLiteral("txt_Dicke")), -1);
  w.removeRun(same);
  w.setShown(thick, true);

  // The reference stays in the table, first, while it is not drawn.
  w.setShown(thin, false);
  EXPECT_EQ(t.columnCount(), 2);
  EXPECT_EQ(t.item(zeit, 1)->data(ComparisonTable::kDifferenceRole).toDouble(), zeitThick - zeitThin);
  w.setReference(thick);
  EXPECT_EQ(t.columnCount(), 1);
  EXPECT_EQ(t.horizontalHeaderItem(0)->text(), QStringLiteral("Lauf 2 (Bezug)"));

  // How a difference reads: signed, h:mm:ss or the row's decimals, relative in %.
  EXPECT_EQ(ComparisonTable::DifferenceText(7200 + 930, 7200, true, nullptr), QStringLiteral("+0:15:30 (+12,9 %)"));
  EXPECT_EQ(ComparisonTable::DifferenceText(90, 100, false, "#0.0"), QStringLiteral("−10,0 (−10,0 %)"));
  EXPECT_EQ(ComparisonTable::DifferenceText(1.00001, 1, false, "#0.0"), QStringLiteral("±0,0 (±0,0 %)"));
  EXPECT_EQ(ComparisonTable::DifferenceText(2, 0, false, "#0.00"), QStringLiteral("+2,00"));
}

// The table shows a duration as the window's clock does: to the second, halves up
// (the default run ends at 22000,5 s, which the window shows as 6:06:41).
TEST(DiagramTable, DurationsReadAsTheWindowShowsThem) {
  DiagramWindow w;
  w.show();
  RunRecord r = QuickRun("4");
  r.results.Zeit = 22000.5;
  w.addSessionRun(r);
  const int zeit = w.table().rowOf(QStringLiteral("Zeit"));
  ASSERT_GE(zeit, 0);
  EXPECT_EQ(w.table().item(zeit, 0)->text(), QStringLiteral("6:06:41"));
}

TEST(DiagramExport, CsvHoldsEveryPointOfTheShownRunsPicturesAreWritten) {
  DiagramWindow w;
  w.show();
  const RunRecord& a = QuickRun("4");
  w.addSessionRun(a);
  w.addRun(QuickRun("5"), QStringLiteral("dick; 5 mm"));
  const std::string csv = w.chartCsv(ChartKind::Moisture, CsvDialect::German);
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = csv.find('\n', at)) != std::string::npos; at = end + 1) {
    lines.push_back(csv.substr(at, end - at));
  }
  ASSERT_EQ(lines.size(), 2u + a.series.points() + QuickRun("5").series.points());
  // Time in the chart's hours, the moisture in its kg/kg.
  EXPECT_EQ(lines[0], "\xEF\xBB\xBFLauf;Zeit in h;mittlere Wasserbeladung in kg/kg;Wasserbeladung an der Oberfläche in kg/kg;"
                      "Wasserbeladung im Kern in kg/kg");
  EXPECT_EQ(lines[1], "run;tReihe;XReihe;XOberflReihe;XKernReihe");
  const std::size_t k = 100;
  EXPECT_EQ(lines[2 + k] + "\n", CsvRow({"Lauf 1", CsvNumber(a.series.tReihe[k] * (1.0 / 3600.0), CsvDialect::German),
                                  CsvNumber(a.series.XReihe[k], CsvDialect::German),
                                  CsvNumber(a.series.XOberflReihe[k], CsvDialect::German),
                                  CsvNumber(a.series.XKernReihe[k], CsvDialect::German)},
                                 CsvDialect::German));
  EXPECT_EQ(lines.back().rfind("\"dick; 5 mm\";", 0), 0u);
  EXPECT_EQ(w.chartCsv(ChartKind::Rate, CsvDialect::Plain)
                .rfind("Lauf,mittlere Wasserbeladung in kg/kg,Verdunstungsrate in kg/(m² h)\n"
                       "run,XReihe,WasserdampfReihe\nLauf 1,0.25,",
                       0),
            0u);

  QTemporaryDir dir;
  const QString csvPath = dir.filePath(QStringLiteral("feuchte.csv"));
  const Status csvWritten = WriteTextFile(csvPath, csv);
  ASSERT_TRUE(csvWritten) << csvWritten.message();
  QFile read(csvPath);
  ASSERT_TRUE(read.open(QIODevice::ReadOnly));
  EXPECT_EQ(read.readAll().toStdString(), csv);

  ChartPanel& panel = w.chart(ChartKind::Moisture);
  ASSERT_TRUE(WriteChartPng(panel, dir.filePath(QStringLiteral("f.png"))).ok());
  EXPECT_EQ(QImage(dir.filePath(QStringLiteral("f.png"))).size(), panel.pictureSize() * panel.devicePixelRatioF());
  ASSERT_TRUE(WriteChartSvg(panel, dir.filePath(QStringLiteral("f.svg"))).ok());
  QFile svg(dir.filePath(QStringLiteral("f.svg")));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray text = svg.readAll();
  EXPECT_TRUE(text.contains("<svg")) << text.left(200).toStdString();
  EXPECT_TRUE(text.contains("Zeit t in h"));
  // A folder that does not exist: a failure with its reason, no file.
  const Status missing = WriteChartPng(panel, dir.filePath(QStringLiteral("nicht/da.png")));
  EXPECT_FALSE(missing);
  EXPECT_FALSE(missing.message().empty());
}

TEST(DiagramChart, TheAirStatesOfEachRunInTheEnthalpyHumidityChart) {
  DiagramWindow w;
  w.show();
  const RunRecord& r = QuickRun("4");
  w.addSessionRun(r);
  ChartPanel& p = w.chart(ChartKind::AirStates);
  std::vector<QLineSeries*> named;
  for (QAbstractSeries* s : p.chart().series()) {
    if (!s->name().isEmpty()) named.push_back(static_cast<QLineSeries*>(s));
  }
  ASSERT_EQ(named.size(), 7u);
  // The heater warms the outside air at constant humidity to the supply temperature.
  EXPECT_EQ(named[0]->name(), QStringLiteral("Lauf 1 – Erhitzer"));
  EXPECT_EQ(named[0]->points(), (QList<QPointF>{{1000 * r.derived.XAussen, r.values.AussenluftTemp},
                                                {1000 * r.derived.XAussen, r.results.ThetaZuluft}}));
  EXPECT_EQ(named[1]->name(), QStringLiteral("Lauf 1 – Zuluft → Kammer"));
  // The counter-current section runs from the exhaust air to the air of the chamber.
  ASSERT_TRUE(std::isfinite(r.results.DauerGegenstrom));
  EXPECT_EQ(named[2]->name(), QStringLiteral("Lauf 1 – Gegenstromabschnitt"));
  EXPECT_EQ(named[2]->points().front(), QPointF(1000 * r.series.XLuftReihe[0], r.values.Lufttemp));
  EXPECT_NEAR(named[2]->points().back().x(), 1000 * r.results.XLuft, 1e-6);
  EXPECT_NEAR(named[2]->points().back().y(), r.results.ThetaLuft, 1e-6);
  EXPECT_EQ(named[6]->name(), QStringLiteral("Lauf 1 – Kammer"));
  EXPECT_EQ(named[6]->points(), (QList<QPointF>{{1000 * r.results.XLuft, r.results.ThetaLuft}}));
  // The view frames the states, not the background lines.
  EXPECT_LE(p.axisY().min(), r.values.AussenluftTemp);
  EXPECT_GE(p.axisY().max(), r.results.ThetaZuluft);
  EXPECT_LT(p.axisY().max(), r.results.ThetaZuluft + 50);
  EXPECT_LT(p.axisX().max(), 1000 * r.derived.XAbluft + 20);

  // A run whose air never reaches the end temperature of the counter-current
  // section has no chamber: its section ends at the last air state.
  InputTexts neverSwitches = QuickInputs();
  neverSwitches[Input::ThetaGegenstromende] = "150";
  NullDisplay none;
  const RunRecord counterCurrentOnly = RunCaseOnDisplay(neverSwitches, none);
  ASSERT_FALSE(std::isfinite(counterCurrentOnly.results.DauerGegenstrom));
  DiagramWindow other;
  other.show();
  other.addSessionRun(counterCurrentOnly);
  QStringList names;
  for (QAbstractSeries* s : other.chart(ChartKind::AirStates).chart().series()) {
    if (!s->name().isEmpty()) names << s->name();
  }
  EXPECT_EQ(names, (QStringList{"Lauf 1 – Erhitzer", "Lauf 1 – Gegenstromabschnitt", "Lauf 1 – Außenluft",
                                "Lauf 1 – Zuluft", "Lauf 1 – Abluft", "Lauf 1 – Ende"}));
  EXPECT_NE(other.chartCsv(ChartKind::AirStates, CsvDialect::Plain).find("Lauf 1,Ende,"), std::string::npos);

  const std::string csv = w.chartCsv(ChartKind::AirStates, CsvDialect::Plain);
  // X in the chart's g/kg.
  EXPECT_EQ(csv.substr(0, csv.find('\n')), "Lauf,Zustand,Wasserbeladung der Luft in g/kg,Lufttemperatur in °C");
  EXPECT_NE(csv.find("\nrun,state,X,theta\n"), std::string::npos);
  EXPECT_NE(csv.find("Lauf 1,Zuluft," + CsvNumber(1000 * r.derived.XAussen, CsvDialect::Plain) + "," +
                     CsvNumber(r.results.ThetaZuluft, CsvDialect::Plain) + "\n"),
            std::string::npos);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 6);
}

TEST(DiagramChart, ADefaultLengthRunIsDrawnWithFewPointsAndZoomBringsBackDetail) {
  DiagramWindow w;
  w.resize(1200, 900);
  w.show();
  const int n = 44000;
  w.addSessionRun(LongRecord(n));
  ChartPanel& p = w.chart(ChartKind::Moisture);
  const int full = p.drawnPoints();
  EXPECT_LT(full, 3 * n / 4);  // three curves of 44 000 points each
  EXPECT_GT(full, 3 * 1200);
  // The axes show the data whole: time in hours.
  EXPECT_LE(p.axisX().min(), 0.0);
  EXPECT_GE(p.axisX().max(), 0.5 * (n - 1) / 3600);

  // Zoomed into a hundredth of the time: every point there is drawn.
  const double t0 = 0.5 * 20000 / 3600, t1 = 0.5 * 20440 / 3600;
  p.axisX().setRange(t0, t1);
  QCoreApplication::processEvents();
  int inside = 0;
  for (const QPointF& q : static_cast<QLineSeries*>(p.chart().series()[0])->points()) inside += q.x() >= t0 && q.x() <= t1;
  EXPECT_GE(inside, 440);
  EXPECT_EQ(p.axisX().min(), t0);  // new points do not move the axes
  p.resetZoom();
  EXPECT_EQ(p.drawnPoints(), full);

  // The read-out at the middle of the plot area.
  const QRectF area = p.chart().plotArea();
  const QPoint middle = p.view().mapFromScene(p.chart().mapToScene(area.center()));
  p.showValuesAt(middle);
  const double tMiddle = (p.axisX().min() + p.axisX().max()) / 2;
  const double onePixel = (p.axisX().max() - p.axisX().min()) / area.width();
  const QStringList words = p.readOut().split(' ', Qt::SkipEmptyParts);
  ASSERT_GE(words.size(), 8) << p.readOut().toStdString();
  EXPECT_EQ(words[0], QStringLiteral("t"));
  EXPECT_EQ(words[3], QStringLiteral("h"));
  EXPECT_NEAR(QLocale(QLocale::German).toDouble(words[2]), tMiddle, onePixel);
  EXPECT_EQ(words[4], QStringLiteral("X"));
  // Near a curve, its name and point follow.
  EXPECT_TRUE(p.readOut().contains(QStringLiteral("Lauf 1 – "))) << p.readOut().toStdString();
}

TEST(DiagramWindowInApp, TheViewMenuOpensItCompletedRunsAndOpenedCaseFilesReachIt) {
  AppWindow app;
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("fall.lamvero"));
  FileMenu::Dialogs dialogs;
  dialogs.saveName = [&](const QString&, const QString&, const QString&) { return file; };
  dialogs.askSave = [](const QString&) { return QMessageBox::Discard; };
  dialogs.warn = [](const QString& text) { ADD_FAILURE() << text.toStdString(); };
  app.fileActions().setDialogs(dialogs);
  QAction* open = app.findChild<QAction*>(QStringLiteral("act_Diagramme"));
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->text(), QStringLiteral("&Diagramme"));
  EXPECT_EQ(open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
  QStringList menus;
  for (QAction* a : app.menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "Be&rechnung", "&Hilfe"}));

  MainWindow& area = app.area();
  area.setMessagePresenter([](const QString&) {});
  area.setInputs(QuickInputs());
  testing::RunToEnd(area);
  InputTexts refused = QuickInputs();
  refused[Input::Dicke] = "0";
  area.setInputs(refused);
  testing::RunToEnd(area);
  DiagramWindow& diagrams = app.diagrams();
  ASSERT_EQ(diagrams.runs().entries().size(), 1u);
  const RunEntry& e = diagrams.runs().entries().front();
  EXPECT_EQ(e.label, QStringLiteral("Lauf 1"));
  EXPECT_FALSE(e.fromFile);
  EXPECT_EQ(e.record->results.Zeit, area.lastRun().results.Zeit);
  EXPECT_EQ(e.record->series.points(), area.lastRun().series.points());

  // The case saved without series and opened again: in the table, not in the charts.
  area.setInputs(QuickInputs());
  ASSERT_TRUE(app.fileActions().saveAs());
  ASSERT_TRUE(app.openFile(file));
  ASSERT_EQ(diagrams.runs().entries().size(), 2u);
  const RunEntry& loaded = diagrams.runs().entries().back();
  EXPECT_EQ(loaded.label, QStringLiteral("fall.lamvero"));
  EXPECT_TRUE(loaded.fromFile);
  EXPECT_FALSE(loaded.hasSeries());
  EXPECT_EQ(loaded.record->results.Zeit, diagrams.runs().entries().front().record->results.Zeit);

  open->trigger();
  EXPECT_TRUE(diagrams.isVisible());
  EXPECT_EQ(diagrams.windowTitle(), QStringLiteral("Diagramme"));
  EXPECT_EQ(CurveCount(diagrams, ChartKind::Moisture), 3);
  EXPECT_EQ(diagrams.table().columnCount(), 2);
  app.close();
  EXPECT_FALSE(diagrams.isVisible());
}

// Nine runs: a case file and eight of the session.
std::vector<int> AddNineRuns(DiagramWindow& w) {
  std::vector<int> ids{w.addRun(QuickRun("4"), QStringLiteral("platte.lamvero"))};
  for (int i = 0; i < RunList::kMaxSessionRuns; ++i) ids.push_back(w.addSessionRun(QuickRun(i % 2 ? "5" : "4")));
  return ids;
}

QStringList LegendTexts(const ChartPanel& p) {
  QStringList texts;
  for (const LegendEntry& e : p.legend().entries()) texts << e.text;
  return texts;
}

// Whether the picture holds a pixel of that colour right of x0.
bool HasColourRightOf(const QImage& picture, const QColor& colour, int x0) {
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = x0; x < picture.width(); ++x) {
      if (picture.pixelColor(x, y).rgb() == colour.rgb()) return true;
    }
  }
  return false;
}

// The chart's own legend clipped what passed the chart's height: with nine runs
// (27 curves) a picture of the window's size lost the runs from "Lauf 6" on.
TEST(DiagramLegend, EveryShownRunIsInTheLegendAndInThePictures) {
  DiagramWindow w;
  w.show();
  AddNineRuns(w);
  QStringList labels;
  for (const RunEntry& e : w.runs().entries()) labels << e.label;
  ASSERT_EQ(labels.size(), 9);

  // Three curves a run: the runs by colour, the quantities by line style.
  ChartPanel& moisture = w.chart(ChartKind::Moisture);
  EXPECT_EQ(LegendTexts(moisture), labels + QStringList({"mittel", "Oberfläche", "Kern"}));
  EXPECT_EQ(LegendTexts(w.chart(ChartKind::Rate)), labels);

  QTemporaryDir dir;
  for (ChartKind kind : {ChartKind::Moisture, ChartKind::Rate}) {
    ChartPanel& p = w.chart(kind);
    const QString svgPath = dir.filePath(QStringLiteral("d.svg"));
    ASSERT_TRUE(WriteChartSvg(p, svgPath).ok());
    QFile svg(svgPath);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    for (const QString& label : labels) EXPECT_TRUE(text.contains(label)) << label.toStdString();
  }

  // A chart lower than its legend: the picture sets the legend in columns
  // beside it, every entry's stroke right of the chart.
  w.resize(900, 300);
  QCoreApplication::processEvents();
  const QString pngPath = dir.filePath(QStringLiteral("d.png"));
  ASSERT_TRUE(WriteChartPng(moisture, pngPath).ok());
  const QImage png(pngPath);
  const int chartWidth = static_cast<int>(moisture.view().width() * moisture.devicePixelRatioF());
  EXPECT_GT(png.width(), chartWidth);
  EXPECT_EQ(png.height(), static_cast<int>(moisture.view().height() * moisture.devicePixelRatioF()));
  for (const LegendEntry& e : moisture.legend().entries()) {
    EXPECT_TRUE(HasColourRightOf(png, e.pen.color(), chartWidth)) << e.text.toStdString();
  }
}

TEST(DiagramWindowPlace, AWindowIsFittedIntoTheFreeAreaOfItsScreen) {
  const QMargins frame(8, 32, 8, 8);
  const QRect laptop(0, 0, 1366, 728);  // 1366 × 768 less a panel
  // Too large: as large as the screen allows, its frame inside.
  EXPECT_EQ(FittedGeometry(QRect(83, 0, 1200, 900), laptop, frame), QRect(83, 32, 1200, 688));
  EXPECT_EQ(CentredGeometry(QSize(1200, 900), QRect(0, 0, 1280, 720), frame), QRect(40, 32, 1200, 680));
  // Left on a screen that is gone, or half off this one: moved back whole.
  EXPECT_EQ(FittedGeometry(QRect(2500, 900, 800, 600), laptop, frame), QRect(558, 120, 800, 600));
  EXPECT_EQ(FittedGeometry(QRect(-300, 50, 800, 600), QRect(1920, 0, 1366, 728), frame), QRect(1928, 50, 800, 600));
  // A window that fits stays where it is.
  EXPECT_EQ(FittedGeometry(QRect(100, 100, 800, 600), laptop, frame), QRect(100, 100, 800, 600));
}

// At 1366 × 768 and at 150 % on 1920 × 1080 (1280 × 720 logical pixels) the
// table and every button lie inside the window, not scrolled away.
TEST(DiagramWindowPlace, TheTableAndTheButtonsStayInsideOnASmallScreen) {
  for (const QRect available : {QRect(0, 0, 1366, 768), QRect(0, 0, 1280, 720)}) {
    DiagramWindow w;
    w.show();
    AddNineRuns(w);
    w.fitInto(available);
    QCoreApplication::processEvents();
    EXPECT_TRUE(available.contains(w.geometry())) << available.width();
    for (const char* name : {"tbl_Vergleich", "cmd_Entfernen", "cbo_Bezug", "lst_Laeufe", "cmd_Gesamtansicht",
                             "cmd_PNG", "cmd_SVG", "cmd_CSV"}) {
      auto* child = w.findChild<QWidget*>(QString::fromLatin1(name));
      ASSERT_NE(child, nullptr) << name;
      EXPECT_FALSE(child->visibleRegion().isEmpty()) << name;
      EXPECT_EQ(child->visibleRegion().boundingRect(), child->rect()) << name << " at " << available.width();
    }
    EXPECT_GE(w.table().height(), 120);
  }
}

TEST(DiagramWindowPlace, TheWindowComesBackWhereItWasLeftFittedToTheScreen) {
  const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
  {
    DiagramWindow w;
    w.show();
    w.setGeometry(QRect(free.topLeft() + QPoint(30, 40), QSize(free.width() / 2, free.height() / 2)));
    w.close();
  }
  {
    DiagramWindow w;
    w.show();
    EXPECT_EQ(w.geometry(), QRect(free.topLeft() + QPoint(30, 40), QSize(free.width() / 2, free.height() / 2)));
    // Left larger than the screen and beyond it (a screen since unplugged).
    w.setGeometry(QRect(free.right() + 500, free.bottom() + 400, free.width() + 400, free.height() + 300));
    w.close();
  }
  DiagramWindow w;
  w.show();
  EXPECT_TRUE(free.contains(w.geometry())) << w.geometry().x() << "," << w.geometry().y();
  EXPECT_GT(w.width(), free.width() / 2);
  QSettings().remove(QStringLiteral("diagramme/geometrie"));
}

TEST(DiagramRuns, ARenamedRunKeepsItsNameInListLegendTableAndExports) {
  DiagramWindow w;
  w.show();
  const int id = w.addSessionRun(QuickRun("4"));
  w.addSessionRun(QuickRun("5"));
  w.setReference(id);
  auto* list = w.findChild<QListWidget*>(QStringLiteral("lst_Laeufe"));
  const QRect first = list->visualItemRect(list->item(0));
  const QPoint onName = first.center() + QPoint(first.width() / 4, 0);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onName);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onName);
  auto* dialog = w.findChild<QInputDialog*>(QStringLiteral("dlg_Umbenennen"));
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->textValue(), QStringLiteral("Lauf 1"));
  // No run without a name.
  QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
  dialog->setTextValue(QStringLiteral("   "));
  EXPECT_FALSE(ok->isEnabled());
  dialog->setTextValue(QStringLiteral("  Sommer,  45 °C "));
  EXPECT_TRUE(ok->isEnabled());
  ok->click();
  const QString name = QStringLiteral("Sommer, 45 °C");
  EXPECT_EQ(w.runs().find(id)->label, name);
  EXPECT_EQ(ListTexts(w), (QStringList{name, "Lauf 2"}));
  EXPECT_EQ(LegendTexts(w.chart(ChartKind::Moisture)).front(), name);
  EXPECT_TRUE(LegendTexts(w.chart(ChartKind::Rate)).contains(name));
  EXPECT_EQ(w.table().horizontalHeaderItem(0)->text(), name + QStringLiteral(" (Bezug)"));
  const std::string rate = w.chartCsv(ChartKind::Rate, CsvDialect::Plain);
  EXPECT_EQ(rate.find("\n\"Sommer, 45 °C\","), rate.find("WasserdampfReihe\n") + 16);
  EXPECT_FALSE(w.renameRun(id, QStringLiteral(" \t\u0001")));
  EXPECT_EQ(w.runs().find(id)->label, name);
  EXPECT_TRUE(w.renameRun(id, QStringLiteral("Winter\r\n\u0007 30 °C")));
  EXPECT_EQ(w.runs().find(id)->label, QStringLiteral("Winter 30 °C"));
}

// Rows of a series of points 0..last when every n-th is kept, the last always.
std::size_t RowsKept(int points, int every) { return static_cast<std::size_t>((points - 1 + every - 1) / every + 1); }

TEST(DiagramExport, EveryNthPointAndTheFolderTheSaveDialogsStartIn) {
  DiagramWindow w;
  w.show();
  const RunRecord& a = QuickRun("4");
  const RunRecord& b = QuickRun("5");
  w.addSessionRun(a);
  w.addSessionRun(b);
  QTemporaryDir first, second, caseDir;
  QStringList suggested;
  QString target;
  DiagramWindow::Dialogs dialogs;
  dialogs.saveName = [&](const QString&, const QString& path, const QString&) {
    suggested << path;
    return target;
  };
  dialogs.csvChoice = [] { return CsvChoice{CsvDialect::Plain, 7}; };
  w.setDialogs(dialogs);
  target = first.filePath(QStringLiteral("feuchte"));
  w.findChild<QPushButton*>(QStringLiteral("cmd_CSV"))->click();
  QFile csv(target + QStringLiteral(".csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  QStringList rows = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(static_cast<std::size_t>(rows.size()), 2 + RowsKept(a.series.points(), 7) + RowsKept(b.series.points(), 7));
  // Hours, as the chart's axis.
  const auto secondsOf = [&](int row) { return rows[row].split(',')[1].toDouble() * 3600; };
  EXPECT_NEAR(secondsOf(3), a.series.tReihe[7], 1e-9);
  EXPECT_NEAR(secondsOf(static_cast<int>(RowsKept(a.series.points(), 7)) + 1), a.series.tReihe[a.series.nReihe], 1e-6);
  EXPECT_NEAR(secondsOf(rows.size() - 1), b.series.tReihe[b.series.nReihe], 1e-6);

  // The next dialog starts where the last save went; a case file opened since moves it there.
  target = second.filePath(QStringLiteral("bild.png"));
  w.findChild<QPushButton*>(QStringLiteral("cmd_PNG"))->click();
  EXPECT_EQ(QFileInfo(suggested.last()).absolutePath(), first.path());
  EXPECT_TRUE(QFileInfo::exists(target));
  w.setCaseFolder(caseDir.path());
  EXPECT_EQ(w.startFolder(), caseDir.path());
  // A save since wins over the same case file told again (with every edit of it).
  target = second.filePath(QStringLiteral("b.svg"));
  w.findChild<QPushButton*>(QStringLiteral("cmd_SVG"))->click();
  w.setCaseFolder(caseDir.path());
  EXPECT_EQ(w.startFolder(), second.path());
  // The next window starts where this one saved last.
  EXPECT_EQ(DiagramWindow().startFolder(), second.path());
}

}  // namespace
}  // namespace lamvero
