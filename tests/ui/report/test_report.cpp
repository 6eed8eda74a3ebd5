// The report of a run: what its tables say, the PDF a reader gets (text
// extracted with pdftotext, plots as vectors), printing with the same layout,
// and the canvas that draws the plots on a page.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPicture>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <limits>

#include "present/displayedrun.h"
#include "text/numberformat.h"
#include "common/quickinputs.h"
#include "disk/casefiles.h"
#include "present/controltable.h"
#include "ui/calculator/paintercanvas.h"
#include "ui/report/report.h"
#include "present/plantrows.h"
#include "present/reportcontent.h"
#include "run/resultdescriptors.h"

namespace lamvero {
namespace {

using testing::QuickInputs;

// A run as the window records it: controls start as the window opens.
RunRecord Recorded(const InputTexts& in) {
  NullDisplay none;
  DisplayRunOptions options;
  options.controlsAtOpen = ControlAtOpen;
  return RunCaseOnDisplay(in, none, options);
}

RunRecord Completed(const InputTexts& in) {
  RunRecord r = Recorded(in);
  EXPECT_EQ(r.outcome, RunOutcome::Completed);
  return r;
}

// The line of a table whose first cell is `caption`, or nullptr.
const ReportLine* Line(const std::vector<ReportTable>& tables, const std::string& heading, const std::string& caption) {
  for (const ReportTable& t : tables) {
    if (t.heading != heading) continue;
    for (const ReportLine& l : t.lines) {
      if (!l.cells.empty() && l.cells[0] == caption) return &l;
    }
  }
  return nullptr;
}

const ReportTable* Table(const std::vector<ReportTable>& tables, const std::string& heading) {
  for (const ReportTable& t : tables) {
    if (t.heading == heading) return &t;
  }
  return nullptr;
}

// Runs a poppler tool on a file and returns what it prints.
QString Poppler(const QString& tool, const QStringList& args) {
  const QString exe = QStandardPaths::findExecutable(tool);
  EXPECT_FALSE(exe.isEmpty()) << tool.toStdString() << " is missing (poppler-utils, installed by scripts/setup.sh)";
  if (exe.isEmpty()) return {};
  QProcess p;
  p.start(exe, args);
  EXPECT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

int Pages(const QString& pdf) {
  const QString info = Poppler(QStringLiteral("pdfinfo"), {pdf});
  for (const QString& line : info.split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
  }
  return 0;
}

ReportInfo Info() {
  ReportInfo info;
  info.title = QStringLiteral("Platte 4 mm");
  info.fileName = QStringLiteral("/daten/platte4.lamvero");
  info.created = QDateTime(QDate(2026, 3, 14), QTime(9, 30));
  return info;
}

TEST(ReportContent, InputsAsTypedDerivedValuesAndResultsAsShownWithTheirNumbers) {
  InputTexts in = QuickInputs();
  in[Input::XAnf] = "0.25";  // as typed, point and all
  const RunRecord r = Completed(in);
  const ReportContent c = ReportTables(r);

  ASSERT_EQ(c.setUp.size(), 2u);
  const ReportTable* inputs = Table(c.setUp, "Eingaben");
  ASSERT_NE(inputs, nullptr);
  ASSERT_EQ(inputs->lines.size(), kInputCount);
  const ReportLine* dicke = Line(c.setUp, "Eingaben", "Anfangsdicke der Platte");
  ASSERT_NE(dicke, nullptr);
  EXPECT_EQ(dicke->cells, (std::vector<std::string>{"Anfangsdicke der Platte", "4", "mm"}));
  EXPECT_EQ(Line(c.setUp, "Eingaben", "Anfangswasserbeladung in kg/kg atro")->cells[1], "0.25");
  EXPECT_EQ(Line(c.setUp, "Eingaben", "Diff.-Widerstandszahl der trockenen Masse")->cells[2], "");

  const ReportLine* anzOS = Line(c.setUp, "Abgeleitete Werte", "Ortsschritte je halbe Dicke");
  ASSERT_NE(anzOS, nullptr);
  EXPECT_EQ(anzOS->cells, (std::vector<std::string>{"Ortsschritte je halbe Dicke", "10", "–"}));
  EXPECT_EQ(anzOS->colour, (Rgb{0, 0, 0}));
  const ReportLine* dry = Line(c.setUp, "Abgeleitete Werte", "Dicke der getrockneten Platte");
  ASSERT_NE(dry, nullptr);
  EXPECT_EQ(dry->cells[1], FormatSixDigits(1000 * r.derived.DickeTr));
  EXPECT_EQ(dry->cells[2], "mm");

  // A duration as h:mm:ss, as the window shows it.
  const ReportLine* dauer = Line(c.results, "Ergebnisse", "Dauer des 1. Trocknungsabschnitts");
  ASSERT_NE(dauer, nullptr);
  EXPECT_EQ(" " + dauer->cells[1], r.controls.at("txt_Dauer1TA").text);
  EXPECT_EQ(dauer->cells[2], "h:mm:ss");
  // A number in the window's format, its unit as the caption gives it, in black.
  const ReportLine* energy = Line(c.results, "Ergebnisse", "mittl. spez. Energiebedarf");
  ASSERT_NE(energy, nullptr);
  EXPECT_EQ(energy->cells[1], Format(r.results.spezEnergie, "#0.0"));
  EXPECT_EQ(energy->cells[2], "kJ/kg H2O");
  EXPECT_EQ(energy->colour, (Rgb{0, 0, 0}));
  // The set-up's values are not listed twice.
  EXPECT_EQ(Line(c.results, "Ergebnisse", "Ortsschritte je halbe Dicke"), nullptr);
}

// Every row with a number, a value and a unit: whatever the run reached, once.
void ExpectEveryResultOnceWithValueAndUnit(const RunRecord& r) {
  SCOPED_TRACE(OutcomeText(r.outcome));
  const ReportContent c = ReportTables(r);
  std::vector<const ReportTable*> tables;
  for (const ReportTable& t : c.setUp) {
    if (t.heading != "Eingaben") tables.push_back(&t);
  }
  for (const ReportTable& t : c.results) tables.push_back(&t);
  std::vector<std::string> captions;
  for (const ReportTable* t : tables) {
    for (const ReportLine& l : t->lines) {
      if (l.cells.size() == 1) continue;  // a warning's sentence
      ASSERT_EQ(l.cells.size(), 3u) << t->heading;
      EXPECT_EQ(l.colour, (Rgb{0, 0, 0})) << l.cells[0];
      EXPECT_FALSE(l.cells[1].empty()) << l.cells[0];
      EXPECT_FALSE(l.cells[2].empty()) << l.cells[0];
      EXPECT_EQ(l.cells[1].find_first_not_of("-0123456789,:"), std::string::npos) << l.cells[0] << ": " << l.cells[1];
      EXPECT_NE(l.cells[0].rfind("mom.", 0), 0u) << l.cells[0];
      captions.push_back(l.cells[0]);
    }
  }
  std::size_t expected = 0;
  for (const ResultDescriptor& d : ResultDescriptors()) {
    if (std::string(d.caption).rfind("mom. ", 0) != 0 && std::isfinite(d.value(r))) ++expected;
  }
  EXPECT_EQ(captions.size(), expected);
  std::sort(captions.begin(), captions.end());
  EXPECT_EQ(std::adjacent_find(captions.begin(), captions.end()), captions.end()) << "a caption twice";
}

TEST(ReportContent, EveryResultOnceWithValueAndUnitNoMomentaryRowNoExponent) {
  const RunRecord completed = Completed(QuickInputs());
  ExpectEveryResultOnceWithValueAndUnit(completed);
  // A tiny value stays fixed rather than "9,6842e-06".
  RunRecord dry = completed;
  dry.results.XEnde = 9.6842e-06;
  const ReportContent tables = ReportTables(dry);
  const ReportLine* rest = Line(tables.results, "Ergebnisse", "Restfeuchte des Rechenprofils");
  ASSERT_NE(rest, nullptr);
  EXPECT_EQ(rest->cells[1], "0,00000968");
  EXPECT_EQ(rest->cells[2], "kg/kg");

  const RunRecord stopped = Recorded(testing::SeriesFullInputs());
  ASSERT_EQ(stopped.outcome, RunOutcome::SeriesFull);
  ExpectEveryResultOnceWithValueAndUnit(stopped);
}

TEST(ReportContent, HighWaterErrorShowsItsWarningLowErrorNone) {
  // The quick run's long time step loses water: the window showed the warning.
  const RunRecord quick = Completed(QuickInputs());
  ASSERT_GT(quick.results.WasserfehlerProzent, 6);
  const ReportContent quickReport = ReportTables(quick);
  const ReportTable* balance = Table(quickReport.results, "Wasserbilanz");
  ASSERT_NE(balance, nullptr);
  ASSERT_EQ(balance->lines.size(), 2u);
  EXPECT_EQ(balance->lines[0].cells,
            (std::vector<std::string>{"relativer Wasserfehler", quick.controls.at("txt_Wasserfehler").text, "%"}));
  EXPECT_EQ(balance->lines[0].colour, (Rgb{0, 0, 0}));  // the warning says it, in red
  EXPECT_EQ(balance->lines[1].cells,
            (std::vector<std::string>{"evtl. sehr ungenau ! Zeitschrittweite verkleinern od. Ortsschrittweite vergrößern!"}));
  EXPECT_EQ(balance->lines[1].colour, (Rgb{255, 0, 0}));

  // The default inputs balance their water well: no warning, not red.
  const RunRecord fine = Completed(InputTexts::Defaults());
  ASSERT_LT(fine.results.WasserfehlerProzent, 3);
  const ReportContent fineReport = ReportTables(fine);
  const ReportTable* good = Table(fineReport.results, "Wasserbilanz");
  ASSERT_NE(good, nullptr);
  ASSERT_EQ(good->lines.size(), 1u);
  EXPECT_EQ(good->lines[0].colour, (Rgb{0, 0, 0}));
  EXPECT_EQ(Table(fineReport.results, "Hinweise"), nullptr);
}

TEST(ReportContent, ARunWithTheConsistentAirBalanceSaysSoInItsNotes) {
  NullDisplay none;
  DisplayRunOptions options;
  options.airIntegration = AirIntegration::Consistent;
  const RunRecord r = RunCaseOnDisplay(QuickInputs(), none, options);
  ASSERT_EQ(r.outcome, RunOutcome::Completed);
  const ReportContent content = ReportTables(r);
  const ReportTable* notes = Table(content.results, "Hinweise");
  ASSERT_NE(notes, nullptr);
  ASSERT_EQ(notes->lines.size(), 1u);
  EXPECT_EQ(notes->lines[0].cells[0].rfind("Luftbilanz des 2. Trocknungsabschnitts „consistent“: ", 0), 0u);
  EXPECT_EQ(notes->lines[0].colour, (Rgb{0, 0, 0}));
}

TEST(ReportContent, StoppedAndRefusedRunsSayWhy) {
  const RunRecord r = Recorded(testing::SeriesFullInputs());
  ASSERT_EQ(r.outcome, RunOutcome::SeriesFull);
  const ReportContent c = ReportTables(r);
  EXPECT_EQ(Table(c.results, "Wasserbilanz"), nullptr);  // no evaluation
  const ReportTable* notes = Table(c.results, "Hinweise");
  ASSERT_NE(notes, nullptr);
  ASSERT_EQ(notes->lines.size(), 1u);
  EXPECT_EQ(notes->lines[0].cells[0], r.messages.at(0));

  InputTexts bad = QuickInputs();
  bad[Input::Ortsschrittweite] = "0";
  const ReportContent refused = ReportTables(Recorded(bad));
  EXPECT_EQ(refused.setUp.size(), 1u);  // the inputs only
  ASSERT_EQ(refused.results.size(), 1u);
  EXPECT_EQ(refused.results[0].heading, "Hinweise");
}

TEST(ReportContent, NumbersAndCaptions) {
  EXPECT_EQ(FormatSixDigits(0.135573123), "0,135573");
  EXPECT_EQ(FormatSixDigits(22000.5), "22000,5");
  EXPECT_EQ(FormatSixDigits(std::numeric_limits<double>::quiet_NaN()), "");
  // Fixed, never with an exponent; six significant digits down to eight decimals.
  EXPECT_EQ(FormatSixDigits(9.6842e-06), "0,00000968");
  EXPECT_EQ(FormatSixDigits(-0.00123456789), "-0,00123457");
  EXPECT_EQ(FormatSixDigits(1.85e6), "1850000");
  EXPECT_EQ(FormatSixDigits(0.5), "0,5");
  EXPECT_EQ(FormatSixDigits(0), "0");
  EXPECT_EQ(FormatSixDigits(3e-12), "0");
  EXPECT_EQ(CaptionWithoutUnit("Außenlufttemperatur in °C ", "°C"), "Außenlufttemperatur");
  EXPECT_EQ(CaptionWithoutUnit("Anfangswasserbeladung in kg/kg atro", "kg/kg"), "Anfangswasserbeladung in kg/kg atro");
  EXPECT_EQ(CaptionWithoutUnit("Kappa-Steigung unter Grenzfeuchte", ""), "Kappa-Steigung unter Grenzfeuchte");
}

TEST(ReportPdf, A4PagesWithTheTextsBothPlotsAndTheChartsWithScalesAsVectors) {
  const RunRecord r = Completed(QuickInputs());
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
  const Status written = Report(r, Info()).writePdf(pdf);
  ASSERT_TRUE(written) << written.message();
  // Inputs and profiles; results and the window's curves; the five charts, two to a page.
  EXPECT_EQ(Pages(pdf), 5);
  EXPECT_TRUE(Poppler(QStringLiteral("pdfinfo"), {pdf}).contains(QLatin1String("595 x 842 pts (A4)")));

  const QString text = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  for (const QString& expected :
       {QStringLiteral("Bericht: Platte 4 mm"), QStringLiteral("/daten/platte4.lamvero"), QStringLiteral("14.03.2026"),
        ProgramName(), QStringLiteral("Eingaben"),
        QStringLiteral("Anfangsdicke der Platte"), QStringLiteral("Abgeleitete Werte"), QStringLiteral("Ergebnisse"),
        QString::fromStdString(r.controls.at("txt_Dauer1TA").text).trimmed(), QStringLiteral("Wasserbilanz"),
        QStringLiteral("relativer Wasserfehler"), QStringLiteral("evtl. sehr ungenau !"),
        QStringLiteral("Wasserbeladung über der halben Plattendicke"), QStringLiteral("Rohlingsdicke"),
        QStringLiteral("Ende des 1. Trocknungsabschnittes"), QStringLiteral("Verläufe über der Trocknungszeit"),
        QStringLiteral("laufende Zeit"), QStringLiteral("Trocknungsspiegel"), QStringLiteral("Seite 2"),
        QStringLiteral("Diagramme"), QStringLiteral("Zeit t in h"), QStringLiteral("Feuchte X in kg/kg atro"),
        QStringLiteral("Temperatur ϑ in °C"), QStringLiteral("lineare Schwindung in %"),
        QStringLiteral("Verdunstungsrate in kg/(m² h)"), QStringLiteral("Wasserbeladung X in g/kg trockene Luft"),
        QStringLiteral("Seite 5")}) {
    EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
  }
  // Vectors, not pictures: no image but the point markers of the h,X chart,
  // which the chart library draws as small pictures.
  const QStringList images = Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_GE(images.size(), 2);  // the list's two header lines
  for (int i = 2; i < images.size(); ++i) {
    const QStringList cells = images[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_GE(cells.size(), 5) << images[i].toStdString();
    EXPECT_EQ(cells[0], QStringLiteral("5")) << images[i].toStdString();
    EXPECT_LE(cells[3].toInt(), 32) << images[i].toStdString();
    EXPECT_LE(cells[4].toInt(), 32) << images[i].toStdString();
  }

  // Printing lays out the same pages.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString printed = dir.filePath(QStringLiteral("gedruckt.pdf"));
  printer.setOutputFileName(printed);
  Report::setUpPage(printer);
  EXPECT_EQ(Report(r, Info()).paint(printer), 5);
  EXPECT_EQ(Poppler(QStringLiteral("pdftotext"), {printed, QStringLiteral("-")}), text);
}

TEST(ReportPdf, TheHeadGivesTheProjectDataGivenAndTheCommentLineByLine) {
  const RunRecord r = Completed(QuickInputs());
  ReportInfo info = Info();
  info.about.project = "Werk Süd, Linie 2";
  info.about.customer = "Ziegelei „Am Hang“";
  info.about.comment = "Winterbetrieb\nAußenluft 5 °C";
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("kopf.pdf"));
  ASSERT_TRUE(Report(r, info).writePdf(pdf));
  const QString text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"), pdf,
                                                             QStringLiteral("-")});
  for (const QString& expected : {QStringLiteral("Projekt: Werk Süd, Linie 2"), QStringLiteral("Kunde: Ziegelei „Am Hang“"),
                                  QStringLiteral("Bemerkung:\nWinterbetrieb\nAußenluft 5 °C\n")}) {
    EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
  }
  EXPECT_FALSE(text.contains(QLatin1String("Bearbeiter")));  // not given, not listed
  EXPECT_LT(text.indexOf(QLatin1String("Kunde")), text.indexOf(QLatin1String("Eingaben")));
}

TEST(ReportPdf, ALaboratoryTestWithPlantDataSaysSoAndListsTheThroughputAndTheFigures) {
  const RunRecord r = Completed(QuickInputs());
  QTemporaryDir dir;
  const QString plain = dir.filePath(QStringLiteral("ohne.pdf"));
  ASSERT_TRUE(Report(r, Info()).writePdf(plain));
  const QString without = Poppler(QStringLiteral("pdftotext"), {plain, QStringLiteral("-")});
  EXPECT_FALSE(without.contains(QLatin1String("Laborversuch")));
  EXPECT_FALSE(without.contains(QLatin1String("Anlagendaten")));

  ReportInfo info = Info();
  info.constantAir = true;
  const PlantData plant{PlantData::Basis::PiecesPerHour, 3600, 2.5};
  info.plant = plant;
  const QString pdf = dir.filePath(QStringLiteral("labor.pdf"));
  ASSERT_TRUE(Report(r, info).writePdf(pdf));
  const QString head = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"), pdf,
                                                             QStringLiteral("-")});
  EXPECT_LT(head.indexOf(QLatin1String("Laborversuch, Luft konstant")), head.indexOf(QLatin1String("Eingaben")));
  EXPECT_NE(head.indexOf(QLatin1String("Laborversuch, Luft konstant")), -1);
  const QString text = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  ASSERT_NE(text.indexOf(QLatin1String("Anlagendaten")), -1);
  for (const std::vector<PlantRow>& rows : {PlantDataRows(plant), PlantFigureRows(plant, r)}) {
    for (const PlantRow& row : rows) {
      EXPECT_TRUE(text.contains(QString::fromStdString(row.caption))) << row.caption;
      EXPECT_TRUE(text.contains(QString::fromStdString(row.text))) << row.caption << " " << row.text;
    }
  }
}

TEST(ReportContent, PlantTableListsOnlyTheFiguresTheRunReached) {
  const PlantData tonnes{PlantData::Basis::TonnesPerHour, 12.5, 0};
  const ReportTable full = PlantTable(tonnes, Completed(QuickInputs()));
  EXPECT_EQ(full.heading, "Anlagendaten");
  ASSERT_EQ(full.lines.size(), 6u);
  EXPECT_EQ(full.lines[0].cells, (std::vector<std::string>{"Durchsatz", "12,5", "t/h"}));
  RunRecord refused;
  refused.outcome = RunOutcome::Refused;
  const ReportTable some = PlantTable(tonnes, refused);
  for (const ReportLine& line : some.lines) EXPECT_FALSE(line.cells[1].empty()) << line.cells[0];
  EXPECT_LT(some.lines.size(), full.lines.size());
}

TEST(ReportPdf, MissingFolderFailsNamingTheFileAndLeavesNothing) {
  const RunRecord r = Completed(QuickInputs());
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("fehlt/bericht.pdf"));
  const Status written = Report(r, Info()).writePdf(missing);
  ASSERT_FALSE(written);
  EXPECT_NE(written.message().find(missing.toStdString()), std::string::npos) << written.message();
  EXPECT_FALSE(QFile::exists(missing));
}

TEST(ReportPdf, ARecordWithoutProfilesOrSeriesSaysSoInsteadOfEmptyPlots) {
  RunRecord r = Completed(QuickInputs());
  r.profiles = ProfileCurves{};  // as a record read back from a file may be
  r.series = RunSeries{};
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("ohne.pdf"));
  const Status written = Report(r, Info()).writePdf(pdf);
  ASSERT_TRUE(written) << written.message();
  const QString text = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  EXPECT_TRUE(text.contains(QLatin1String("Die Feuchteprofile dieses Laufs liegen nicht vor.")));
  EXPECT_TRUE(text.contains(QLatin1String("Die Zeitreihen dieses Laufs liegen nicht vor")));
  EXPECT_FALSE(text.contains(QLatin1String("Trocknungsspiegel")));  // no diagram, no legend
  EXPECT_TRUE(text.contains(QLatin1String("Wasserbilanz")));        // the numbers are all there
}

TEST(PainterCanvas, JoinsTheSegmentsOfACurveAndSkipsWhatCannotBeDrawn) {
  QPicture picture;
  QPainter p(&picture);
  {
    PainterCanvas c(p, QRectF(0, 0, 1050, 430), 10500, 4300, 1.0);
    c.line(0, 0, 100, 100, Rgb{0, 0, 0});
    c.line(100, 100, 200, 50, Rgb{0, 0, 0});      // continues the curve
    c.line(200, 50, 300, 60, Rgb{255, 0, 0});     // another colour: a new stroke
    c.setPenWidth(2);
    c.line(300, 60, 400, 70, Rgb{255, 0, 0});     // another width: a new stroke
    c.line(0, 0, std::numeric_limits<float>::infinity(), 5, Rgb{0, 0, 0});  // not drawn
    c.line(1e30f, 1e30f, 2e30f, 2e30f, Rgb{0, 0, 0});                       // far outside: not drawn
    c.line(5000, 100, 1e30f, 100, Rgb{0, 0, 0});  // cut back to the area
    c.refresh();
    EXPECT_EQ(c.strokes(), 4);
  }
  p.end();
  EXPECT_FALSE(picture.boundingRect().isEmpty());
}

}  // namespace
}  // namespace lamvero
