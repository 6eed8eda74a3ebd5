// The Diagramme window and the PDF report in English: captions, axes and
// legends from the catalogue, numbers with a decimal point, and exports whose
// data stay the bytes German writes.

#include <gtest/gtest.h>

#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <set>

#include "common/quickrun.h"
#include "ui/diagrams/airchartform.h"
#include "ui/diagrams/chartlegend.h"
#include "ui/diagrams/chartpanel.h"
#include "ui/diagrams/comparisontable.h"
#include "ui/diagrams/diagramwindow.h"
#include "ui/report/report.h"
#include "ui/shell/languagechoice.h"
#include "englishtexts.h"

namespace lamvero {
namespace {

const RunRecord& QuickRun(const char* dicke) { return testing::QuickRunOfThickness(dicke); }

// The German texts of the contexts named, as the catalogue of the charts and the report holds them.
std::set<QString> GermanTexts(const std::set<QString>& contexts) {
  QFile file(QStringLiteral(LAMVERO_TRANSLATIONS_DIR "/lamvero_diagrams_en.ts"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  QXmlStreamReader xml(&file);
  std::set<QString> texts;
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("source") && contexts.count(context)) texts.insert(xml.readElementText());
  }
  return texts;
}

class InEnglish : public testing::InEnglishWithEveryText {};

using DiagramsInEnglish = InEnglish;
using ReportInEnglish = InEnglish;

TEST_F(DiagramsInEnglish, TitlesAxesLegendsAndTheListSpeakEnglish) {
  DiagramWindow w;
  w.show();
  w.addSessionRun(QuickRun("4"));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Charts"));
  auto* list = w.findChild<QListWidget*>(QStringLiteral("lst_Laeufe"));
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("Run 1"));
  EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("cmd_Entfernen"))->text(), QStringLiteral("Remove"));

  auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("tab_Diagramme"));
  QStringList tabTexts;
  for (int i = 0; i < tabs->count(); ++i) tabTexts << tabs->tabText(i);
  EXPECT_EQ(tabTexts, (QStringList{"Moisture", "Drying rate", "Temperatures", "Shrinkage", "h,X chart"}));

  ChartPanel& moisture = w.chart(ChartKind::Moisture);
  EXPECT_EQ(moisture.chart().title(), QStringLiteral("Moisture of the green body: mean, surface and core"));
  EXPECT_EQ(moisture.axisX().titleText(), QStringLiteral("Time t in h"));
  EXPECT_EQ(moisture.axisY().titleText(), QStringLiteral("Moisture X in kg/kg dry basis"));
  QStringList legend;
  for (const LegendEntry& e : moisture.legend().entries()) legend << e.text;
  EXPECT_EQ(legend, (QStringList{"Run 1", "mean", "surface", "core"}));
  EXPECT_EQ(moisture.chart().series().front()->name(), QStringLiteral("Run 1 – mean"));

  // The air chart's legend and its form, as chosen beside the buttons.
  ChartPanel& air = w.chart(ChartKind::AirStates);
  QStringList airLegend;
  for (const LegendEntry& e : air.legend().entries()) airLegend << e.text;
  EXPECT_TRUE(airLegend.contains(QStringLiteral("Heater (X constant)"))) << airLegend.join('|').toStdString();
  EXPECT_TRUE(airLegend.contains(QStringLiteral("■ Chamber")));
  EXPECT_EQ(air.axisY().titleText(), QStringLiteral("Air temperature ϑ in °C"));
}

TEST_F(DiagramsInEnglish, NumbersShowADecimalPointAndGermanKeepsItsComma) {
  const QStringList english = AirReadOut(AirChartForm::ThetaX, QPointF(10, 20.5));
  EXPECT_EQ(english.mid(0, 2), (QStringList{"ϑ = 20.5 °C", "X = 10.00 g/kg"}));
  EXPECT_EQ(ComparisonTable::DifferenceText(1.25, 1.0, false, "#0.00"), QStringLiteral("+0.25 (+25.0 %)"));

  DiagramWindow w;
  w.show();
  w.addSessionRun(QuickRun("4"));
  w.addSessionRun(QuickRun("5"));
  // A result of three decimals, with its difference to the reference run.
  ComparisonTable& table = w.table();
  const int rate = table.rowOf(QStringLiteral("Anfangsrate"));
  ASSERT_GE(rate, 0);
  const QString value = table.item(rate, 0)->text();
  EXPECT_TRUE(value.contains('.') && !value.contains(',')) << value.toStdString();

  StartLanguage(Language::German);
  EXPECT_EQ(AirReadOut(AirChartForm::ThetaX, QPointF(10, 20.5)).front(), QStringLiteral("ϑ = 20,5 °C"));
  EXPECT_EQ(ComparisonTable::DifferenceText(1.25, 1.0, false, "#0.00"), QStringLiteral("+0,25 (+25,0 %)"));
}

TEST_F(DiagramsInEnglish, TheCsvOfAChartIsTheSameBytesInBothLanguages) {
  const auto csvOf = [] {
    DiagramWindow w;
    w.addRun(QuickRun("4"), QStringLiteral("platte4.lamvero"));
    std::string csv;
    for (ChartKind kind : {ChartKind::Moisture, ChartKind::Rate, ChartKind::AirStates}) {
      csv += w.chartCsv(kind, CsvDialect::German) + w.chartCsv(kind, CsvDialect::Plain);
    }
    return csv;
  };
  const std::string english = csvOf();
  StartLanguage(Language::German);
  const std::string german = csvOf();
  EXPECT_EQ(english, german);
  EXPECT_NE(english.find("Wasserbeladung der Luft in g/kg"), std::string::npos);  // the German header captions
}

// Runs pdftotext on the file and returns the text.
QString PdfText(const QString& pdf) {
  const QString exe = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  EXPECT_FALSE(exe.isEmpty()) << "pdftotext is missing (poppler-utils)";
  QProcess p;
  p.start(exe, {pdf, QStringLiteral("-")});
  EXPECT_TRUE(p.waitForFinished(60000));
  return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(ReportInEnglish, HeadingsChartsAndFooterInEnglishWithoutTheGermanOfTheReport) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
  ReportInfo info;
  info.title = QStringLiteral("Plate 4 mm");
  info.created = QDateTime(QDate(2026, 3, 14), QTime(9, 30));
  const Status written = Report(QuickRun("4"), info).writePdf(pdf);
  ASSERT_TRUE(written) << written.message();
  const QString text = PdfText(pdf);
  for (const char* english : {"Report: Plate 4 mm", "File: not saved", "Created: 2026-03-14, 09:30", "Page 1", "Page 2",
                              "Charts", "Moisture content over half the plate thickness", "Curves over the drying time",
                              "Moisture of the green body: mean, surface and core", "Time t in h"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(english))) << english;
  }
  // Sentences and captions of the report and its charts: none of the German is left.
  for (const QString& german : GermanTexts({"Report", "DiagramCharts", "AirChartForm"})) {
    // A single word may also be part of the texts the report takes from the window and its plots.
    if (!german.contains(' ')) continue;
    EXPECT_FALSE(text.contains(german)) << german.toStdString();
  }
  EXPECT_FALSE(text.contains(QStringLiteral("Seite ")));
  EXPECT_FALSE(text.contains(QStringLiteral("Bericht: ")));
  // Nor any German the report takes from the window's tables, the results and the plots.
  const QRegularExpression germanLetters(QStringLiteral("[äöüÄÖÜß„]|\\b(der|die|das|des|und|pro|je|mom)\\b"));
  EXPECT_FALSE(germanLetters.match(text).hasMatch()) << germanLetters.match(text).captured(0).toStdString() << " in\n"
                                                     << text.toStdString();
}

}  // namespace
}  // namespace lamvero
