#include "ui/studies/studyfilemenu.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "disk/studyfiles.h"
#include "ui/studies/studyplotpane.h"
#include "ui/studies/studywindow.h"

namespace lamvero {

namespace {

const char* const kFolderKey = "studie/verzeichnis";
const char* const kStudyFilter =
    QT_TRANSLATE_NOOP("lamvero::StudyFileMenu", "Lamvero-Studien (*.lamvero-studie);;Alle Dateien (*)");
const char* const kCsvFilter = QT_TRANSLATE_NOOP("lamvero::StudyFileMenu", "CSV-Tabellen (*.csv);;Alle Dateien (*)");

}  // namespace

StudyFileMenu::StudyFileMenu(QMenu& menu, StudyWindow& window) : QObject(&menu), window_(window) {
  dialogs_ = FileMenu::StandardDialogs(window_);
  auto add = [&menu](const QString& text, const char* name) {
    QAction* a = menu.addAction(text);
    a->setObjectName(QLatin1String(name));
    return a;
  };
  connect(add(tr("Studie ö&ffnen…"), "act_StudieOeffnen"), &QAction::triggered, this, &StudyFileMenu::chooseAndOpen);
  connect(add(tr("Studie &speichern…"), "act_StudieSpeichern"), &QAction::triggered, this,
          &StudyFileMenu::chooseAndSave);
  connect(add(tr("Ergebnisse &einlesen…"), "act_ErgebnisseEinlesen"), &QAction::triggered, this,
          &StudyFileMenu::chooseAndReadOutput);
  menu.addSeparator();
  connect(add(tr("&Tabelle als CSV…"), "act_TabelleCsv"), &QAction::triggered, this, &StudyFileMenu::chooseAndExport);
  connect(add(tr("Diagramm als &PNG…"), "act_StudieDiagrammPng"), &QAction::triggered, this,
          [this] { chooseAndExportChart(QStringLiteral(".png"), tr("PNG-Bilder (*.png)")); });
  connect(add(tr("Diagramm als S&VG…"), "act_StudieDiagrammSvg"), &QAction::triggered, this,
          [this] { chooseAndExportChart(QStringLiteral(".svg"), tr("SVG-Grafiken (*.svg)")); });
}

bool StudyFileMenu::maybeDiscard() {
  if (saved_ || window_.results().rows.empty()) return true;
  const QMessageBox::StandardButton answer =
      dialogs_.askSave(tr("Die Ergebnisse der Studie sind nicht gespeichert.\nSollen sie gespeichert werden?"));
  if (answer == QMessageBox::Save) return chooseAndSave();
  return answer == QMessageBox::Discard;
}

bool StudyFileMenu::open(const QString& path) {
  Outcome<StudyFile> read = ReadStudyFile(path);
  if (!read) {
    dialogs_.warn(QString::fromStdString(read.message()));
    return false;
  }
  window_.showStudy(read.value().definition, std::move(read.value().results));
  saved_ = true;
  return true;
}

bool StudyFileMenu::save(const QString& path) {
  StudyFile file;
  file.definition = window_.shownDefinition();
  if (!window_.results().rows.empty()) file.results = window_.results();
  const Status written = SaveStudyFile(path, file);
  if (!written) {
    dialogs_.warn(QString::fromStdString(written.message()));
    return false;
  }
  saved_ = true;
  return true;
}

bool StudyFileMenu::readOutput(const QString& path) {
  const StudyDefinition definition = window_.definition();
  Outcome<StudyResults> read = ReadStudyOutputFile(path, definition);
  if (!read) {
    dialogs_.warn(QString::fromStdString(read.message()));
    return false;
  }
  window_.showStudy(definition, std::move(read).value());
  saved_ = false;
  return true;
}

bool StudyFileMenu::exportTable(const QString& path, CsvDialect dialect) {
  const Status written = SaveStudyTable(path, window_.results(), dialect);
  if (!written) dialogs_.warn(QString::fromStdString(written.message()));
  return written.ok();
}

bool StudyFileMenu::exportChart(const QString& path) {
  StudyPlotPane& pane = window_.plots();
  const Status written = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ? pane.exportSvg(path) : pane.exportPng(path);
  if (!written) {
    dialogs_.warn(tr("%1 konnte nicht geschrieben werden:\n%2")
                      .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.message())));
  }
  return written.ok();
}

void StudyFileMenu::chooseAndOpen() {
  if (window_.running() || !maybeDiscard()) return;
  const QString path = dialogs_.openName(tr("Studie öffnen"), startFolder(), tr(kStudyFilter));
  if (!path.isEmpty() && open(path)) rememberFolder(path);
}

bool StudyFileMenu::chooseAndSave() {
  const QString path = askSaveName(tr("Studie speichern"), QLatin1String(kStudyFileSuffix), tr(kStudyFilter));
  return !path.isEmpty() && save(path);
}

void StudyFileMenu::chooseAndReadOutput() {
  if (window_.running() || !maybeDiscard()) return;
  const QString path = dialogs_.openName(tr("Ergebnisse der Studie einlesen"), startFolder(), tr(kCsvFilter));
  if (!path.isEmpty() && readOutput(path)) rememberFolder(path);
}

void StudyFileMenu::chooseAndExport() {
  const std::optional<CsvChoice> choice = dialogs_.csvChoice(false);
  if (!choice) return;
  const QString path = askSaveName(tr("Tabelle der Studie als CSV"), QStringLiteral(".csv"), tr(kCsvFilter));
  if (!path.isEmpty()) exportTable(path, choice->dialect);
}

void StudyFileMenu::chooseAndExportChart(const QString& suffix, const QString& filter) {
  const QString path = askSaveName(tr("Diagramm der Studie speichern"), suffix, filter);
  if (!path.isEmpty()) exportChart(path);
}

QString StudyFileMenu::startFolder() const {
  return QSettings().value(QLatin1String(kFolderKey), QDir::homePath()).toString();
}

QString StudyFileMenu::askSaveName(const QString& caption, const QString& suffix, const QString& filter) {
  QString path = dialogs_.saveName(caption, QDir(startFolder()).filePath(tr("Studie") + suffix), filter);
  if (path.isEmpty()) return path;
  if (QFileInfo(path).suffix().isEmpty()) path += suffix;
  rememberFolder(path);
  return path;
}

void StudyFileMenu::rememberFolder(const QString& path) {
  QSettings().setValue(QLatin1String(kFolderKey), QFileInfo(path).absolutePath());
}

}  // namespace lamvero
