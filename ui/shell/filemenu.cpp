#include "ui/shell/filemenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

#include "disk/measuredfiles.h"
#include "files/casefile.h"
#include "ui/shell/casedocument.h"
#include "ui/shell/plantdialog.h"
#include "ui/shell/projectdialog.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"
#include "ui/shell/recentfiles.h"
#include "text/language.h"

namespace lamvero {

namespace {

QString CaseFilter() { return QCoreApplication::translate("lamvero::FileMenu", "Lamvero-Rechnungen (*.lamvero);;Alle Dateien (*)"); }
QString CsvFilter() { return QCoreApplication::translate("lamvero::FileMenu", "CSV-Tabellen (*.csv);;Alle Dateien (*)"); }

QAction* AddAction(QMenu& menu, const QString& text, const char* name, const QKeySequence& keys = {}) {
  QAction* a = menu.addAction(text);
  a->setObjectName(QString::fromLatin1(name));
  if (!keys.isEmpty()) a->setShortcut(keys);
  return a;
}

// A name the user typed without the suffix gets it.
QString WithSuffix(QString path, const QString& suffix) {
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += suffix;
  return path;
}

}  // namespace

FileMenu::Dialogs FileMenu::StandardDialogs(QWidget& window) {
  Dialogs d;
  d.openName = [&window](const QString& caption, const QString& dir, const QString& filter) {
    return QFileDialog::getOpenFileName(&window, caption, dir, filter);
  };
  d.saveName = [&window](const QString& caption, const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(&window, caption, suggested, filter);
  };
  d.askSave = [&window](const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Lamvero"), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &window);
    box.setDefaultButton(QMessageBox::Save);
    box.button(QMessageBox::Save)->setText(tr("Speichern"));
    box.button(QMessageBox::Discard)->setText(tr("Nicht speichern"));
    box.button(QMessageBox::Cancel)->setText(tr("Abbrechen"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
  };
  d.warn = [&window](const QString& text) { QMessageBox::warning(&window, QStringLiteral("Lamvero"), text); };
  d.dryMass = [&window](const QString& fileName) -> std::optional<double> {
    QInputDialog dialog(&window);
    dialog.setObjectName(QStringLiteral("dlg_Trockenmasse"));
    dialog.setWindowTitle(tr("Trockenmasse der Probe"));
    dialog.setLabelText(tr("„%1“ gibt die Masse der Probe an.\nTrockenmasse der Probe in g:").arg(fileName));
    dialog.setInputMode(QInputDialog::DoubleInput);
    dialog.setLocale(CurrentLanguage() == Language::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                                            : QLocale(QLocale::German, QLocale::Germany));
    dialog.setDoubleRange(0.001, 1e6);
    dialog.setDoubleDecimals(3);
    dialog.setDoubleValue(100);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.doubleValue();
  };
  d.csvChoice = [&window](bool withEvery) -> std::optional<CsvChoice> {
    CsvExportDialog dialog(withEvery, &window);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    dialog.remember();
    return dialog.choice();
  };
  return d;
}

FileMenu::FileMenu(QMenu& menu, CaseDocument& document, MainWindow& area, QWidget& window)
    : QObject(&menu), document_(document), area_(area), window_(window) {
  dialogs_ = StandardDialogs(window_);

  connect(AddAction(menu, tr("&Neu"), "act_Neu", QKeySequence(QStringLiteral("Ctrl+N"))),
          &QAction::triggered, this, &FileMenu::newCase);
  connect(AddAction(menu, tr("Ö&ffnen…"), "act_Oeffnen", QKeySequence(QStringLiteral("Ctrl+O"))),
          &QAction::triggered, this, &FileMenu::chooseAndOpen);
  recent_ = menu.addMenu(tr("&Zuletzt geöffnet"));
  recent_->menuAction()->setObjectName(QStringLiteral("act_Zuletzt"));
  connect(recent_, &QMenu::aboutToShow, this, &FileMenu::fillRecentMenu);
  menu.addSeparator();
  connect(AddAction(menu, tr("&Speichern"), "act_Speichern", QKeySequence(QStringLiteral("Ctrl+S"))),
          &QAction::triggered, this, &FileMenu::save);
  connect(AddAction(menu, tr("Speichern &unter…"), "act_SpeichernUnter",
                    QKeySequence(QStringLiteral("Ctrl+Shift+S"))),
          &QAction::triggered, this, &FileMenu::saveAs);
  connect(AddAction(menu, tr("&Eigenschaften…"), "act_Eigenschaften"), &QAction::triggered, this,
          &FileMenu::editProperties);
  connect(AddAction(menu, tr("Messkurve &laden…"), "act_MesskurveLaden"), &QAction::triggered, this,
          &FileMenu::loadMeasuredCurve);
  removeMeasured_ = AddAction(menu, tr("Messkurve ent&fernen"), "act_MesskurveEntfernen");
  connect(removeMeasured_, &QAction::triggered, this, &FileMenu::removeMeasuredCurve);
  connect(AddAction(menu, tr("&Anlagendaten…"), "act_Anlagendaten"), &QAction::triggered, this,
          &FileMenu::editPlant);
  withSeries_ = AddAction(menu, tr("Zeitreihen &mitspeichern"), "act_MitZeitreihen");
  withSeries_->setCheckable(true);
  withSeries_->setToolTip(tr("Die Zeitreihen eines Laufs machen eine Falldatei viele Megabyte groß."));
  connect(withSeries_, &QAction::toggled, &document_, &CaseDocument::setWithSeries);
  menu.addSeparator();
  export_ = menu.addMenu(tr("&Exportieren"));
  export_->menuAction()->setObjectName(QStringLiteral("act_Exportieren"));
  seriesCsv_ = AddAction(*export_, tr("&Zeitreihen als CSV…"), "act_ZeitreihenCsv");
  connect(seriesCsv_, &QAction::triggered, this, &FileMenu::exportSeries);
  resultsCsv_ = AddAction(*export_, tr("&Ergebnisse als CSV…"), "act_ErgebnisseCsv");
  connect(resultsCsv_, &QAction::triggered, this, &FileMenu::exportResults);
  printPlace_ = menu.addSeparator();
  connect(AddAction(menu, tr("&Beenden"), "act_Beenden", QKeySequence(QStringLiteral("Ctrl+Q"))),
          &QAction::triggered, &window_, &QWidget::close);

  connect(&document_, &CaseDocument::changed, this, &FileMenu::updateActions);
  connect(&area_.runController(), &RunController::phaseChanged, this, &FileMenu::updateActions);
  updateActions();
}

QAction& FileMenu::action(const char* objectName) {
  auto* menu = qobject_cast<QMenu*>(parent());
  QAction* a = menu->findChild<QAction*>(QString::fromLatin1(objectName));
  Q_ASSERT_X(a, "FileMenu::action", objectName);
  return a ? *a : *menu->menuAction();
}

void FileMenu::updateActions() {
  const bool idle = canOpen();
  for (const char* name : {"act_Neu", "act_Oeffnen", "act_Speichern", "act_SpeichernUnter", "act_MitZeitreihen"}) {
    action(name).setEnabled(idle);
  }
  recent_->menuAction()->setEnabled(idle);
  export_->menuAction()->setEnabled(idle);
  const auto& run = document_.run();
  seriesCsv_->setEnabled(idle && run && run->hasSeries());
  resultsCsv_->setEnabled(idle && run.has_value());
  removeMeasured_->setEnabled(document_.measured().has_value());
  const QSignalBlocker quiet(withSeries_);
  withSeries_->setChecked(document_.withSeries());
}

QString FileMenu::startFolder() const {
  if (!document_.path().isEmpty()) return QFileInfo(document_.path()).absolutePath();
  return QSettings().value(QStringLiteral("lastFolder"), QDir::homePath()).toString();
}

void FileMenu::rememberFolder(const QString& path) const {
  QSettings().setValue(QStringLiteral("lastFolder"), QFileInfo(path).absolutePath());
}

QString FileMenu::suggestedName(const QString& suffix) const {
  const QString base = document_.path().isEmpty() ? tr("Rechnung") : QFileInfo(document_.path()).completeBaseName();
  return QDir(startFolder()).filePath(base + suffix);
}

bool FileMenu::maybeDiscard() {
  if (!document_.isModified()) return true;
  const QMessageBox::StandardButton answer = dialogs_.askSave(
      tr("Die Eingaben in „%1“ wurden geändert.\nSollen die Änderungen gespeichert werden?")
          .arg(document_.displayName()));
  if (answer == QMessageBox::Save) return save();
  return answer == QMessageBox::Discard;
}

bool FileMenu::canOpen() const { return !area_.runController().active(); }

void FileMenu::newCase() {
  if (!maybeDiscard()) return;
  document_.newCase();
}

void FileMenu::chooseAndOpen() {
  if (!maybeDiscard()) return;
  const QString path = dialogs_.openName(tr("Rechnung öffnen"), startFolder(), CaseFilter());
  if (path.isEmpty()) return;
  if (openAndTell(path)) rememberFolder(path);
}

bool FileMenu::openFile(const QString& path) {
  if (!canOpen() || !maybeDiscard()) return false;
  return openAndTell(path);
}

bool FileMenu::openInputs(const InputTexts& inputs) {
  if (!canOpen() || !maybeDiscard()) return false;
  document_.newCase();
  area_.setInputs(inputs);
  return true;
}

bool FileMenu::openAndTell(const QString& path) {
  const Outcome<std::string> opened = document_.open(path);
  if (!opened) {
    dialogs_.warn(QString::fromStdString(opened.message()));
    return false;
  }
  if (!opened.value().empty()) dialogs_.warn(QString::fromStdString(opened.value()));
  AddRecentFile(document_.path());
  return true;
}

void FileMenu::fillRecentMenu() {
  recent_->clear();
  const QStringList files = RecentFiles();
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files[i];
    QAction* a = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    a->setToolTip(QDir::toNativeSeparators(path));
    a->setStatusTip(QDir::toNativeSeparators(path));
    connect(a, &QAction::triggered, this, [this, path] {
      if (!QFileInfo::exists(path)) {
        dialogs_.warn(tr("Die Datei „%1“ gibt es nicht mehr; sie wird aus der Liste genommen.")
                          .arg(QDir::toNativeSeparators(path)));
        RemoveRecentFile(path);
        return;
      }
      openFile(path);
    });
  }
  if (files.isEmpty()) recent_->addAction(tr("(keine)"))->setEnabled(false);
}

bool FileMenu::save() {
  if (document_.path().isEmpty()) return saveAs();
  const Status saved = document_.saveAs(document_.path());
  if (!saved) {
    dialogs_.warn(QString::fromStdString(saved.message()));
    return false;
  }
  return true;
}

bool FileMenu::saveAs() {
  const QString path = WithSuffix(
      dialogs_.saveName(tr("Rechnung speichern unter"), suggestedName(kCaseFileSuffix), CaseFilter()),
      kCaseFileSuffix);
  if (path.isEmpty()) return false;
  const Status saved = document_.saveAs(path);
  if (!saved) {
    dialogs_.warn(QString::fromStdString(saved.message()));
    return false;
  }
  rememberFolder(path);
  AddRecentFile(document_.path());
  return true;
}

void FileMenu::exportSeries() {
  const std::optional<CsvChoice> choice = dialogs_.csvChoice(true);
  if (!choice) return;
  const QString path = WithSuffix(
      dialogs_.saveName(tr("Zeitreihen als CSV exportieren"), suggestedName(QStringLiteral("-zeitreihen.csv")),
                        CsvFilter()),
      QStringLiteral(".csv"));
  if (path.isEmpty()) return;
  const Status exported = document_.exportSeries(path, choice->dialect, choice->every);
  if (!exported) dialogs_.warn(QString::fromStdString(exported.message()));
}

void FileMenu::exportResults() {
  const std::optional<CsvChoice> choice = dialogs_.csvChoice(false);
  if (!choice) return;
  const QString path = WithSuffix(
      dialogs_.saveName(tr("Ergebnisse als CSV exportieren"), suggestedName(QStringLiteral("-ergebnisse.csv")),
                        CsvFilter()),
      QStringLiteral(".csv"));
  if (path.isEmpty()) return;
  const Status exported = document_.exportResults(path, choice->dialect);
  if (!exported) dialogs_.warn(QString::fromStdString(exported.message()));
}

bool FileMenu::loadMeasuredCurve() {
  const QString path = dialogs_.openName(tr("Messkurve laden"), startFolder(), CsvFilter());
  if (path.isEmpty()) return false;
  const Outcome<bool> needsDryMass = MeasuredCurveFileNeedsDryMass(path);
  if (!needsDryMass) {
    dialogs_.warn(QString::fromStdString(needsDryMass.message()));
    return false;
  }
  std::optional<double> dryMass;
  if (needsDryMass.value()) {
    dryMass = dialogs_.dryMass(QFileInfo(path).fileName());
    if (!dryMass) return false;
  }
  Outcome<MeasuredCurve> read = ReadMeasuredCurveFile(path, dryMass);
  if (!read) {
    dialogs_.warn(QString::fromStdString(read.message()));
    return false;
  }
  document_.setMeasured(std::move(read).value());
  return true;
}

void FileMenu::removeMeasuredCurve() { document_.setMeasured(std::nullopt); }

void FileMenu::editPlant() {
  PlantDialog dialog(document_.plant(), &window_);
  if (dialog.exec() == QDialog::Accepted) document_.setPlant(dialog.plant());
}

void FileMenu::editProperties() {
  ProjectDialog dialog(document_.about(), &window_);
  if (dialog.exec() == QDialog::Accepted) document_.setAbout(dialog.about());
}

}  // namespace lamvero
