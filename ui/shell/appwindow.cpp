#include "ui/shell/appwindow.h"

#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

#include "ui/shell/accuracycontrol.h"
#include "ui/shell/accuracypanel.h"
#include "ui/shell/casedocument.h"
#include "ui/shell/constantairbox.h"
#include "disk/casefiles.h"
#include "ui/diagrams/diagramwindow.h"
#include "ui/fitting/optimisedialog.h"
#include "ui/shell/filemenu.h"
#include "ui/shell/languagemenu.h"
#include "ui/shell/manualwindow.h"
#include "ui/shell/outdatedresults.h"
#include "ui/shell/plantpanel.h"
#include "ui/shell/runstatus.h"
#include "ui/shell/statuslines.h"
#include "ui/fitting/fitdialog.h"
#include "ui/studies/studyfilemenu.h"
#include "ui/studies/studywindow.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"
#include "inputs/constantair.h"
#include "present/resultrows.h"

namespace lamvero {

namespace {
// Room the window manager takes for the title bar and borders, which a
// window does not know before it is shown.
constexpr int kDecorationWidth = 16;
constexpr int kDecorationHeight = 48;

// What the program computes, after its name in the title bar.
constexpr const char* kSubject = QT_TRANSLATE_NOOP("lamvero::AppWindow", "Symmetrische Trocknung einer Platte aus Ziegelton");

// Shows a menu in the menu bar only while it has entries.
class HiddenWhileEmpty : public QObject {
 public:
  explicit HiddenWhileEmpty(QMenu& menu) : QObject(&menu), menu_(menu) {
    menu.installEventFilter(this);
    menu.menuAction()->setVisible(!menu.actions().isEmpty());
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionRemoved) {
      int count = menu_.actions().size();
      auto* removed = static_cast<QActionEvent*>(event)->action();
      if (event->type() == QEvent::ActionRemoved && menu_.actions().contains(removed)) --count;
      menu_.menuAction()->setVisible(count > 0);
    }
    return false;
  }

 private:
  QMenu& menu_;
};

// The one local file a drag carries, or nothing.
QString DraggedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
  return data->urls().front().toLocalFile();
}
}  // namespace

AppWindow::AppWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("app_Lamvero"));
  area_ = new MainWindow;
  setWindowTitle(area_->windowTitle());
  setWindowIcon(area_->windowIcon());
  createScrollArea();

  fileMenu_ = menuBar()->addMenu(tr("&Datei"));
  fileMenu_->menuAction()->setObjectName(QStringLiteral("mnu_Datei"));
  editMenu_ = menuBar()->addMenu(tr("&Bearbeiten"));
  editMenu_->menuAction()->setObjectName(QStringLiteral("mnu_Bearbeiten"));
  QMenu* viewMenu = menuBar()->addMenu(tr("&Ansicht"));
  viewMenu->menuAction()->setObjectName(QStringLiteral("mnu_Ansicht"));
  QMenu* calculationMenu = menuBar()->addMenu(tr("Be&rechnung"));
  calculationMenu->menuAction()->setObjectName(QStringLiteral("mnu_Berechnung"));
  helpMenu_ = menuBar()->addMenu(tr("&Hilfe"));
  helpMenu_->menuAction()->setObjectName(QStringLiteral("mnu_Hilfe"));
  new HiddenWhileEmpty(*editMenu_);
  new HiddenWhileEmpty(*helpMenu_);
  document_ = new CaseDocument(*area_, this);
  fileActions_ = new FileMenu(*fileMenu_, *document_, *area_, *this);
  connect(document_, &CaseDocument::changed, this, &AppWindow::updateTitle);
  updateTitle();
  createMenus();
  connect(&area_->runController(), &RunController::phaseChanged, this, &AppWindow::updateActions);
  connect(document_, &CaseDocument::changed, this, &AppWindow::updateActions);
  createDiagrams(*viewMenu);
  createStudies(*viewMenu);
  createCalculationMenu(*calculationMenu);
  createFit(*calculationMenu);
  statusLines_ = new StatusLines(*statusBar());
  new OutdatedResults(*document_, *area_, *statusLines_, this);
  new RunStatus(*document_, *area_, *statusLines_, this);
  createAccuracy(*viewMenu, *calculationMenu);
  createPlantPanel(*viewMenu);
  viewMenu->addSeparator();
  new LanguageMenu(*viewMenu, [this](const QString& text) { tell(text); }, this);
  updateActions();

  // A case file dropped anywhere on the window opens, also over an input box.
  setAcceptDrops(true);
  for (QLineEdit* box : area_->findChildren<QLineEdit*>()) box->installEventFilter(this);

  resize(fittingSize());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect free = screen->availableGeometry();
    const QPoint centred = free.center() - QPoint(width() / 2, height() / 2 + kDecorationHeight / 2);
    move(qMax(free.left(), centred.x()), qMax(free.top(), centred.y()));  // the title bar stays on the screen
  }
}

// The accuracy of the shown run: its line in the status bar under the area,
// its panel in Ansicht, the choice of steps in Berechnung.
void AppWindow::createAccuracy(QMenu& viewMenu, QMenu& calculationMenu) {
  accuracy_ = new AccuracyControl(*document_, *area_, *statusLines_, *this);
  QAction* panel = viewMenu.addAction(tr("&Genauigkeit…"), this, [this] {
    accuracy_->panel().show();
    accuracy_->panel().raise();
    accuracy_->panel().activateWindow();
  });
  panel->setObjectName(QStringLiteral("act_Genauigkeit"));
  QAction* steps = calculationMenu.addAction(tr("&Schrittweiten automatisch…"), accuracy_,
                                     &AccuracyControl::askAndChooseSteps);
  steps->setObjectName(QStringLiteral("act_SchrittweitenAutomatisch"));
}

// The plant figures of the shown run: their panel in Ansicht and their line in the status bar.
void AppWindow::createPlantPanel(QMenu& viewMenu) {
  plantPanel_ = new PlantPanel(*document_, *area_, *statusLines_, this);
  QAction* show = viewMenu.addAction(tr("&Anlagenwerte…"), this, [this] {
    plantPanel_->show();
    plantPanel_->raise();
    plantPanel_->activateWindow();
  });
  show->setObjectName(QStringLiteral("act_Anlagenwerte"));
}

// The calculator area on white, scrolled where the screen is too small for it.
void AppWindow::createScrollArea() {
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("scroll_Lamvero"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);  // Tab goes through the area's controls only
  scroll_->setWidgetResizable(false);
  scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette white = scroll_->palette();
  white.setColor(QPalette::Window, Qt::white);
  scroll_->setPalette(white);
  scroll_->setAutoFillBackground(true);
  scroll_->setWidget(area_);
  setCentralWidget(scroll_);
}

// Every run and every case file opened with a run goes to the diagrams (a
// stopped one with its curves up to the stop, a refused one as the reason it
// is missing), and so does the case's measured curve.
void AppWindow::createDiagrams(QMenu& viewMenu) {
  diagrams_ = new DiagramWindow(this);
  connect(area_, &MainWindow::runEnded, this, [this](const RunResult& result) {
    if (result.outcome != RunOutcome::Refused) {
      diagrams_->addSessionRun(area_->lastRun(), document_->constantAir());
      return;
    }
    // The area keeps the run before: the diagrams are told why nothing came.
    RunRecord refused;
    refused.messages = result.messages;
    refused.shownMessages = result.shownMessages;
    diagrams_->addSessionRun(refused);
  });
  connect(document_, &CaseDocument::opened, this, [this] {
    if (document_->run()) {
      diagrams_->addRun(document_->run()->record, document_->displayName(), document_->constantAir());
    }
  });
  // The case's measured points stand beside the runs' curves.
  connect(document_, &CaseDocument::measuredChanged, this, [this] { diagrams_->setMeasured(document_->measured()); });
  // Pictures and tables of the diagrams go beside the case file unless saved elsewhere since.
  connect(document_, &CaseDocument::changed, this, [this] {
    diagrams_->setCaseFolder(document_->path().isEmpty() ? QString() : QFileInfo(document_->path()).absolutePath());
  });
  QAction* showDiagrams = viewMenu.addAction(tr("&Diagramme"), QKeySequence(Qt::CTRL | Qt::Key_D), this, [this] {
    diagrams_->show();
    diagrams_->raise();
    diagrams_->activateWindow();
  });
  showDiagrams->setObjectName(QStringLiteral("act_Diagramme"));
}

void AppWindow::createStudies(QMenu& viewMenu) {
  QAction* show = viewMenu.addAction(tr("&Studie…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), this,
                                     [this] { showStudies(); });
  show->setObjectName(QStringLiteral("act_Studie"));
}

// A chosen case opens as a new case (after asking about unsaved inputs); a
// case for the diagrams joins them under its study label.
StudyWindow& AppWindow::showStudies() {
  if (!studies_) {
    studies_ = new StudyWindow(this);
    studies_->setBaseSource([this] { return area_->inputs(); });
    connect(studies_, &StudyWindow::openCaseRequested, this, [this](const InputTexts& inputs) {
      if (!fileActions_->canOpen()) {
        present(tr("Der Fall kann während einer Rechnung nicht geöffnet werden: erst die Rechnung "
                               "anhalten oder ihr Ende abwarten."));
      } else if (fileActions_->openInputs(inputs)) {
        raise();
        activateWindow();
      }
    });
    connect(studies_, &StudyWindow::caseRunForDiagrams, this, [this](const RunRecord& record, const QString& label) {
      diagrams_->addRun(record, label);
      diagrams_->show();
      diagrams_->raise();
    });
  }
  if (!studies_->isVisible() && !studies_->running()) studies_->takeBase();
  studies_->show();
  studies_->raise();
  studies_->activateWindow();
  return *studies_;
}

void AppWindow::createFit(QMenu& calculationMenu) {
  QAction* fit = calculationMenu.addAction(tr("An &Messkurve anpassen…"), this, [this] { showFit(); });
  fit->setObjectName(QStringLiteral("act_Anpassen"));
  connect(document_, &CaseDocument::measuredChanged, this, &AppWindow::updateActions);
}

FitDialog& AppWindow::showFit() {
  if (!fit_) {
    fit_ = new FitDialog(this);
    connect(fit_, &FitDialog::applyRequested, this, &AppWindow::adoptInputs);
    connect(document_, &CaseDocument::changed, fit_, [this] { updateFitCase(); });
    connect(document_, &CaseDocument::measuredChanged, fit_, [this] { updateFitCase(); });
  }
  updateFitCase();
  fit_->show();
  fit_->raise();
  fit_->activateWindow();
  return *fit_;
}

// The dialog starts from the boxes as they stand and fits the document's curve.
void AppWindow::updateFitCase() {
  fit_->setCase(area_->inputs(), document_->airIntegration());
  fit_->setCurve(document_->measured());
}

AppWindow::~AppWindow() = default;

QSize AppWindow::fittingSize() const {
  QSize whole = area_->size();
  if (QMenuBar* bar = findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly)) {
    whole.rheight() += bar->sizeHint().height();
  }
  whole.rheight() += statusBar()->sizeHint().height();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return whole;
  const QSize free = screen->availableGeometry().size() - QSize(kDecorationWidth, kDecorationHeight);
  return FittingSize(whole, free, scroll_->verticalScrollBar()->sizeHint().width());
}

QSize AppWindow::FittingSize(QSize whole, QSize free, int scrollBar) {
  if (whole.width() <= free.width() && whole.height() <= free.height()) return whole;
  // Scrolling in one direction takes room for that scroll bar in the other.
  if (whole.height() > free.height()) whole.rwidth() += scrollBar;
  if (whole.width() > free.width()) whole.rheight() += scrollBar;
  return whole.boundedTo(free);
}

// Berechnung: stopping the run, also from a pause (Esc in the area); the air
// balance of the case's next runs, kept with the case.
void AppWindow::createCalculationMenu(QMenu& menu) {
  QAction* stop = menu.addAction(tr("&Anhalten\tEsc"), area_, &MainWindow::stopRun);
  stop->setObjectName(QStringLiteral("act_Anhalten"));
  menu.addSeparator();
  QAction* air = menu.addAction(tr("Luftbilanz unabhängig vom Zeitschritt"));
  air->setObjectName(QStringLiteral("act_LuftbilanzKonsistent"));
  air->setCheckable(true);
  connect(air, &QAction::toggled, this, [this](bool on) {
    document_->setAirIntegration(on ? AirIntegration::Consistent : AirIntegration::Standard);
  });
  connect(document_, &CaseDocument::changed, air,
          [this, air] { air->setChecked(document_->airIntegration() == AirIntegration::Consistent); });
  QAction* lab = menu.addAction(ConstantAirCaption());
  lab->setObjectName(QStringLiteral("act_LaborversuchLuftKonstant"));
  lab->setCheckable(true);
  lab->setToolTip(tr("Die Luft bleibt den ganzen Lauf im Zustand der Abluft (der Klimakammer): das Ende "
                                 "der Gegenstromtrocknung folgt der Ablufttemperatur."));
  connect(lab, &QAction::toggled, document_, &CaseDocument::setConstantAir);
  // The status bar says so while it is on: the box's text alone does not show it.
  connect(document_, &CaseDocument::changed, lab, [this, lab] {
    lab->setChecked(document_->constantAir());
    statusLines_->set(QStringLiteral("labor"), document_->constantAir() ? ConstantAirCaption() : QString());
  });
  menu.addSeparator();
  QAction* optimise = menu.addAction(tr("&Optimieren…"), this, [this] { showOptimiser(); });
  optimise->setObjectName(QStringLiteral("act_Optimieren"));
}

OptimiseDialog& AppWindow::showOptimiser() {
  if (!optimiser_) {
    optimiser_ = new OptimiseDialog(this);
    connect(optimiser_, &OptimiseDialog::adoptRequested, this, &AppWindow::adoptInputs);
    connect(optimiser_, &OptimiseDialog::baseRequested, this, &AppWindow::takeOptimiserBase);
    connect(document_, &CaseDocument::changed, optimiser_, [this] { optimiser_->compareWithWindow(area_->inputs()); });
  }
  if (!optimiser_->isVisible() && !optimiser_->running()) takeOptimiserBase();
  optimiser_->show();
  optimiser_->raise();
  optimiser_->activateWindow();
  return *optimiser_;
}

// The boxes' inputs, with their run when it belongs to them (the limits start from its results).
void AppWindow::takeOptimiserBase() {
  const bool runFits = document_->run() && document_->runMatchesInputs();
  optimiser_->setBase(area_->inputs(), runFits ? &document_->run()->record : nullptr, document_->airIntegration(),
                      document_->plant(), document_->constantAir());
}

// What a fit or a search found, taken over: only those boxes change, and as
// typing changes them, so the case is then modified.
void AppWindow::adoptInputs(const std::vector<Input>& inputs, const InputTexts& texts) {
  if (area_->runController().active()) {
    present(tr("Die Werte können während einer Rechnung nicht übernommen werden: erst die Rechnung "
                           "anhalten oder ihr Ende abwarten."));
    return;
  }
  InputTexts now = area_->inputs();
  for (Input input : inputs) now[input] = texts[input];
  area_->setInputs(now);
}

void AppWindow::createMenus() {
  // Datei ▸ Exportieren: after the CSV tables; Drucken… above Beenden.
  addAction(&exportMenu(), "act_FensterbildPng", tr("&Fensterbild als PNG…"), SLOT(onExportPicture()));
  addAction(&exportMenu(), "act_BerichtPdf", tr("&Bericht als PDF…"), SLOT(onExportReport()));
  auto* print = new QAction(tr("&Drucken…"), this);
  print->setObjectName(QStringLiteral("act_Drucken"));
  print->setShortcut(QKeySequence::Print);
  connect(print, &QAction::triggered, this, &AppWindow::onPrint);
  fileMenu().insertAction(printPlace(), print);

  QAction* copy = addAction(&editMenu(), "act_ErgebnisseKopieren", tr("Ergebnisse &kopieren"), nullptr);
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  connect(copy, &QAction::triggered, this, &AppWindow::copyResults);

  QAction* manual = addAction(&helpMenu(), "act_Handbuch", tr("&Handbuch"), SLOT(onManual()));
  manual->setShortcut(QKeySequence::HelpContents);
  addAction(&helpMenu(), "act_UeberLamvero", tr("Über &Lamvero"), SLOT(onAbout()));
  updateActions();
}

QAction* AppWindow::addAction(QMenu* menu, const char* name, const QString& text, const char* slot) {
  QAction* a = menu->addAction(text);
  a->setObjectName(QLatin1String(name));
  if (slot) connect(a, SIGNAL(triggered()), this, slot);
  return a;
}

QAction* AppWindow::action(const QString& name) const { return findChild<QAction*>(name); }

// What needs a finished run waits for one; nothing that writes files or
// opens dialogs interrupts a run: those entries are disabled while one is active.
void AppWindow::updateActions() {
  const bool idle = !area_->runController().active();
  const bool haveRun = idle && shownRun();
  for (const char* name : {"act_BerichtPdf", "act_Drucken", "act_ErgebnisseKopieren"}) {
    if (QAction* a = action(QLatin1String(name))) a->setEnabled(haveRun);
  }
  const RunPhase phase = area_->runController().phase();
  if (QAction* stop = action(QStringLiteral("act_Anhalten"))) {
    stop->setEnabled(phase == RunPhase::Running || phase == RunPhase::Paused);
  }
  // A run keeps the balance it started with; the choice of steps waits for the run.
  for (const char* name : {"act_FensterbildPng", "act_LuftbilanzKonsistent", "act_LaborversuchLuftKonstant",
                           "act_SchrittweitenAutomatisch", "act_Anlagendaten"}) {
    if (QAction* a = action(QLatin1String(name))) a->setEnabled(idle);
  }
  // A fit needs the measured curve the case holds.
  if (QAction* fit = action(QStringLiteral("act_Anpassen"))) fit->setEnabled(document_->measured().has_value());
}

const RunRecord* AppWindow::shownRun() const {
  const std::optional<CaseRun>& run = document_->run();
  return run ? &run->record : nullptr;
}

ReportInfo AppWindow::reportInfo() const {
  ReportInfo info;
  info.fileName = QDir::toNativeSeparators(document_->path());
  info.about = document_->about();
  info.constantAir = document_->constantAir();
  info.plant = document_->plant();
  // The case's own title, else its file's name.
  info.title = !info.about.title.empty() ? QString::fromStdString(info.about.title)
                                         : QFileInfo(document_->path()).completeBaseName();
  info.created = QDateTime::currentDateTime();
  return info;
}

void AppWindow::copyResults() {
  const RunRecord* run = shownRun();
  if (!run) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(ResultRowsTsv(*run)));
}

bool AppWindow::exportPicture(const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !area_->grab().save(&file, "PNG") || !file.commit()) {
    present(tr("Das Bild %1 kann nicht geschrieben werden: %2").arg(path, file.errorString()));
    return false;
  }
  return true;
}

bool AppWindow::exportReport(const QString& path) {
  const RunRecord* run = shownRun();
  if (!run) return false;
  const Status written = Report(*run, reportInfo()).writePdf(path);
  if (!written) present(QString::fromStdString(written.message()));
  return written.ok();
}

bool AppWindow::printReport(QPrinter& printer) {
  const RunRecord* run = shownRun();
  if (!run) return false;
  if (Report(*run, reportInfo()).paint(printer) > 0) return true;
  present(tr("Der Bericht kann nicht gedruckt werden: der Drucker %1 nimmt ihn nicht an.")
              .arg(printer.printerName()));
  return false;
}

void AppWindow::onExportPicture() {
  const QString path = choosePath(tr("Fensterbild als PNG speichern"), QStringLiteral("Lamvero-Fenster"),
                                  tr("PNG-Bilder (*.png)"), QStringLiteral("png"));
  if (!path.isEmpty() && exportPicture(path)) exportFolder_ = QFileInfo(path).absolutePath();
}

void AppWindow::onExportReport() {
  const QString title = reportInfo().title;
  const QString path = choosePath(tr("Bericht als PDF speichern"),
                                  title.isEmpty() ? QStringLiteral("Lamvero-Bericht") : title,
                                  tr("PDF-Dateien (*.pdf)"), QStringLiteral("pdf"));
  if (!path.isEmpty() && exportReport(path)) exportFolder_ = QFileInfo(path).absolutePath();
}

void AppWindow::onPrint() {
  if (!shownRun()) return;
  QPrinter printer(QPrinter::HighResolution);
  if (printer.outputFormat() != QPrinter::NativeFormat) {
    // Without a printer of the system the print dialog would not open at all.
    present(tr("Es ist kein Drucker eingerichtet. Den Bericht speichert Datei ▸ Exportieren ▸ "
                           "Bericht als PDF… als Datei."));
    return;
  }
  Report::setUpPage(printer);
  const QString title = reportInfo().title;
  printer.setDocName(title.isEmpty() ? QStringLiteral("Lamvero-Bericht") : title);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(tr("Bericht drucken"));
  if (dialog.exec() == QDialog::Accepted) printReport(printer);
}

QString AppWindow::AboutText() {
  return tr("<h3>%1</h3>"
             "<p>Trocknungsrechner für die Ziegel- und Keramikindustrie: symmetrische konvektive Trocknung "
             "einer Platte aus Ziegelton in einem Gegenstrom- und Kammertrockner.</p>"
             "<p>Lamvero ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public "
             "License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later), "
             "weitergeben und verändern. Lamvero wird ohne jede Gewährleistung bereitgestellt. Den "
             "Lizenztext enthält die Datei LICENSE.</p>"
             "<p>Lamvero verwendet Qt %2 unter der GNU Lesser General Public License, Version 3 "
             "(LGPL-3.0); mehr dazu unter „Über Qt“.</p>")
      .arg(ProgramName(), QLatin1String(qVersion()));
}

ManualWindow& AppWindow::showManual() {
  if (!manual_) manual_ = new ManualWindow(this);
  const QWidget* focus = QApplication::focusWidget();
  manual_->showAt(focus && area_->isAncestorOf(focus) ? focus->objectName() : QString());
  return *manual_;
}

void AppWindow::onManual() { showManual(); }

void AppWindow::onAbout() {
  QMessageBox box(this);
  box.setWindowTitle(tr("Über Lamvero"));
  box.setIconPixmap(windowIcon().pixmap(64, 64));
  box.setTextFormat(Qt::RichText);
  box.setText(AboutText());
  QPushButton* qt = box.addButton(tr("Über Qt…"), QMessageBox::ActionRole);
  box.addButton(QMessageBox::Close);
  box.exec();
  if (box.clickedButton() == qt) QMessageBox::aboutQt(this, tr("Über Qt"));
}

QString AppWindow::choosePath(const QString& caption, const QString& suggestedName, const QString& filter,
                              const QString& suffix) {
  QString folder = exportFolder_;
  if (folder.isEmpty() && !document_->path().isEmpty()) folder = QFileInfo(document_->path()).absolutePath();
  if (folder.isEmpty()) folder = QDir::homePath();
  const QString suggested = QDir(folder).filePath(suggestedName + QLatin1Char('.') + suffix);
  QString path = choosePath_ ? choosePath_(caption, suggested, filter)
                             : QFileDialog::getSaveFileName(this, caption, suggested, filter);
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
  return path;
}

void AppWindow::present(const QString& text) {
  if (present_) {
    present_(text);
  } else {
    QMessageBox::warning(this, QStringLiteral("Lamvero"), text);
  }
}

void AppWindow::tell(const QString& text) {
  if (present_) {
    present_(text);
  } else {
    QMessageBox::information(this, QStringLiteral("Lamvero"), text);
  }
}

QMenu& AppWindow::exportMenu() { return fileActions_->exportMenu(); }

QAction* AppWindow::printPlace() { return fileActions_->printPlace(); }

void AppWindow::updateTitle() {
  // The program's name and version as the About box and the case files give them.
  setWindowTitle(QStringLiteral("%1[*]  -  %2  -  %3").arg(document_->displayName(), ProgramName(), tr(kSubject)));
  setWindowModified(document_->isModified());
}

bool AppWindow::openFile(const QString& path) { return fileActions_->openFile(path); }

void AppWindow::openAtStart(const QString& path) {
  QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

void AppWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DraggedFile(event->mimeData()).isEmpty() && fileActions_->canOpen()) event->acceptProposedAction();
}

void AppWindow::dropEvent(QDropEvent* event) {
  const QString path = DraggedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  openFile(path);
}

bool AppWindow::eventFilter(QObject* watched, QEvent* event) {
  // An input box would take the dropped file's name as text: the window opens the file instead.
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (DraggedFile(drag->mimeData()).isEmpty()) break;
      if (fileActions_->canOpen()) drag->acceptProposedAction(); else drag->ignore();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (DraggedFile(drop->mimeData()).isEmpty()) break;
      dropEvent(drop);
      return true;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void AppWindow::closeEvent(QCloseEvent* event) {
  // Unsaved input changes first; then a run in progress stops, and the area
  // closes the window again once the run has unwound.
  if (!closeConfirmed_) {
    if (!fileActions_->maybeDiscard() || (studies_ && !studies_->files().maybeDiscard())) {
      event->ignore();
      return;
    }
    closeConfirmed_ = true;
  }
  if (area_->mayClose()) {
    diagrams_->close();
    if (studies_) studies_->close();
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace lamvero
