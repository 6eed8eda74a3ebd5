// A measured curve through the window: Datei ▸ Messkurve laden… (asking for
// the dry mass of a file of masses), refused files, the case file keeping the
// curve, and its points as markers in the Diagramme charts and their pictures.

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScatterSeries>
#include <QTemporaryDir>

#include "ui/diagrams/chartlegend.h"
#include "ui/diagrams/chartpanel.h"
#include "ui/diagrams/diagramwindow.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/casedocument.h"
#include "ui/shell/filemenu.h"

namespace lamvero {
namespace {

// A program window whose file dialogs answer from the test.
struct MeasuredApp {
  AppWindow w;
  QStringList warnings;
  QString nextName;
  std::optional<double> dryMass;  // the answer to the dry-mass question
  QStringList askedDryMass;

  MeasuredApp() {
    FileMenu::Dialogs d;
    d.openName = [this](const QString&, const QString&, const QString&) { return nextName; };
    d.saveName = d.openName;
    d.warn = [this](const QString& text) { warnings << text; };
    d.dryMass = [this](const QString& file) {
      askedDryMass << file;
      return dryMass;
    };
    w.fileActions().setDialogs(d);
    w.show();
  }
  QAction& action(const char* name) { return w.fileActions().action(name); }
  void trigger(const char* name, const QString& file = {}) {
    nextName = file;
    ASSERT_TRUE(action(name).isEnabled()) << name;
    action(name).trigger();
  }
  const CaseDocument& doc() { return w.document(); }
};

QString Write(const QTemporaryDir& dir, const char* name, const QByteArray& text) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
  return path;
}

// The chart's marker series, by name.
std::vector<const QScatterSeries*> Markers(DiagramWindow& d, ChartKind kind) {
  std::vector<const QScatterSeries*> found;
  for (QAbstractSeries* s : d.chart(kind).chart().series()) {
    if (auto* m = qobject_cast<QScatterSeries*>(s)) found.push_back(m);
  }
  return found;
}

QImage Picture(ChartPanel& panel) {
  QImage image(panel.pictureSize(), QImage::Format_RGB32);
  QPainter painter(&image);
  panel.paintPicture(painter);
  return image;
}

const QByteArray kMasses =
    "# Versuch 3\nZeit in h;Masse in g;Oberflächentemperatur in °C;Kerntemperatur in °C\n"
    "0;125;20;20\n1;120;25;\n2;115;30;28\n3;110;32;31\n4;105;35;34\n";

TEST(MeasuredCurveInWindow, LoadedAskingForDryMassShownAsMarkersKeptInTheCaseFile) {
  QTemporaryDir dir;
  MeasuredApp app;
  DiagramWindow& diagrams = app.w.diagrams();
  diagrams.show();
  EXPECT_FALSE(app.action("act_MesskurveEntfernen").isEnabled());
  const QImage before = Picture(diagrams.chart(ChartKind::Moisture));

  app.dryMass = 100.0;
  app.trigger("act_MesskurveLaden", Write(dir, "versuch3.csv", kMasses));
  EXPECT_EQ(app.askedDryMass, QStringList{QStringLiteral("versuch3.csv")});
  ASSERT_TRUE(app.doc().measured()) << app.warnings.join('\n').toStdString();
  EXPECT_EQ((*app.doc().measured())[MeasuredQuantity::Moisture][0], 0.25);
  EXPECT_TRUE(app.w.isWindowModified());
  EXPECT_TRUE(app.action("act_MesskurveEntfernen").isEnabled());

  // Moisture over time in h, both temperatures told apart, none in the drying-rate chart.
  const auto moisture = Markers(diagrams, ChartKind::Moisture);
  ASSERT_EQ(moisture.size(), 1u);
  EXPECT_EQ(moisture[0]->name(), QStringLiteral("Messung (versuch3.csv)"));
  ASSERT_EQ(moisture[0]->count(), 5);
  EXPECT_EQ(moisture[0]->at(4), QPointF(4.0, 0.05));
  const auto temperatures = Markers(diagrams, ChartKind::Temperature);
  ASSERT_EQ(temperatures.size(), 2u);
  EXPECT_EQ(temperatures[0]->name(), QStringLiteral("Messung (versuch3.csv) – Oberfläche"));
  EXPECT_EQ(temperatures[1]->count(), 4);  // the missing core reading is left out
  EXPECT_NE(temperatures[0]->markerShape(), temperatures[1]->markerShape());
  EXPECT_TRUE(Markers(diagrams, ChartKind::Rate).empty());
  EXPECT_TRUE(Markers(diagrams, ChartKind::Shrinkage).empty());
  // The view frames the points, and the picture (PNG, SVG) holds them and their legend line.
  EXPECT_GE(diagrams.chart(ChartKind::Moisture).axisY().max(), 0.25);
  EXPECT_NE(Picture(diagrams.chart(ChartKind::Moisture)), before);
  bool inLegend = false;
  for (const LegendEntry& e : diagrams.chart(ChartKind::Moisture).legend().entries()) {
    inLegend = inLegend || (e.text == moisture[0]->name() && e.mark == LegendMark::Circle);
  }
  EXPECT_TRUE(inLegend);

  // Saved with the case, gone with a new case, back when the file is opened.
  const QString path = dir.filePath(QStringLiteral("fall.lamvero"));
  app.trigger("act_SpeichernUnter", path);
  EXPECT_FALSE(app.w.isWindowModified());
  const MeasuredCurve saved = *app.doc().measured();
  app.trigger("act_Neu");
  EXPECT_FALSE(app.doc().measured());
  EXPECT_TRUE(Markers(diagrams, ChartKind::Moisture).empty());
  ASSERT_TRUE(app.w.fileActions().openFile(path));
  ASSERT_TRUE(app.doc().measured());
  EXPECT_TRUE(*app.doc().measured() == saved);
  EXPECT_FALSE(app.w.isWindowModified());
  EXPECT_EQ(Markers(diagrams, ChartKind::Moisture).size(), 1u);

  app.trigger("act_MesskurveEntfernen");
  EXPECT_FALSE(app.doc().measured());
  EXPECT_TRUE(app.w.isWindowModified());
  EXPECT_TRUE(Markers(diagrams, ChartKind::Temperature).empty());
  EXPECT_TRUE(app.warnings.isEmpty()) << app.warnings.join('\n').toStdString();
}

TEST(MeasuredCurveInWindow, ARefusedFileOrACancelledDryMassChangesNothing) {
  QTemporaryDir dir;
  MeasuredApp app;
  app.trigger("act_MesskurveLaden",
              Write(dir, "gut.csv", "Zeit in min,X in kg/kg\n0,0.2\n1,0.19\n2,0.18\n3,0.17\n4,0.16\n"));
  ASSERT_TRUE(app.doc().measured());
  const MeasuredCurve first = *app.doc().measured();

  // The message names the file, the line, the column and the reason.
  app.trigger("act_MesskurveLaden",
              Write(dir, "schlecht.csv", "Zeit in min,X in kg/kg\n0,0.2\n1,0.19\n1,0.18\n3,0.17\n4,0.16\n"));
  ASSERT_EQ(app.warnings.size(), 1);
  EXPECT_TRUE(app.warnings[0].contains(QStringLiteral("schlecht.csv"))) << app.warnings[0].toStdString();
  EXPECT_TRUE(app.warnings[0].contains(QStringLiteral("Zeile 4, Spalte „Zeit in min“"))) << app.warnings[0].toStdString();
  EXPECT_TRUE(*app.doc().measured() == first);

  // No dry mass given: nothing is read, nothing said.
  app.dryMass.reset();
  app.trigger("act_MesskurveLaden", Write(dir, "massen.csv", kMasses));
  EXPECT_EQ(app.askedDryMass.size(), 1);
  EXPECT_EQ(app.warnings.size(), 1);
  EXPECT_TRUE(*app.doc().measured() == first);

  // A dry mass from the file's comment is not asked for.
  app.trigger("act_MesskurveLaden", Write(dir, "mit-trockenmasse.csv", "# Trockenmasse in g: 100\n" + kMasses));
  EXPECT_EQ(app.askedDryMass.size(), 1);
  ASSERT_TRUE(app.doc().measured());
  EXPECT_EQ(app.doc().measured()->source, "mit-trockenmasse.csv");
}

}  // namespace
}  // namespace lamvero
