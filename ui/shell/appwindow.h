#pragma once
// The program's top-level window: a main window whose central widget scrolls
// the fixed-layout calculator area. At its natural size the area fills the
// window exactly; on a smaller screen the window opens as large as the screen
// allows and the area scrolls, so every control stays reachable. The menu bar
// (Datei, Bearbeiten, Ansicht, Berechnung, Hilfe), dialogs and further windows attach here, around
// the area; a status bar under it holds the program's status lines. The title
// names the case file and marks unsaved input changes.

#include <QMainWindow>
#include <QString>
#include <functional>
#include <vector>

#include "inputs/inputs.h"
#include "ui/report/report.h"

class QAction;
class QMenu;
class QPrinter;
class QScrollArea;

namespace lamvero {

class AccuracyControl;
class CaseDocument;
class DiagramWindow;
class FitDialog;
class FileMenu;
class MainWindow;
class ManualWindow;
class PlantPanel;
class OptimiseDialog;
class StatusLines;
class StudyWindow;

class AppWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit AppWindow(QWidget* parent = nullptr);
  ~AppWindow() override;

  MainWindow& area() { return *area_; }
  QScrollArea& scrollArea() { return *scroll_; }
  CaseDocument& document() { return *document_; }
  // The lines of the status bar under the area, by name.
  StatusLines& statusLines() { return *statusLines_; }

  // The menus, in the order of the menu bar (Berechnung holds the air balance of the case). A menu without entries is not shown.
  QMenu& fileMenu() { return *fileMenu_; }
  FileMenu& fileActions() { return *fileActions_; }
  QMenu& exportMenu();       // Datei ▸ Exportieren
  QAction* printPlace();     // Datei: entries for printing go before this
  QMenu& editMenu() { return *editMenu_; }
  QMenu& helpMenu() { return *helpMenu_; }

  // Opens a case file, asking first about unsaved input changes; a problem is shown.
  bool openFile(const QString& path);
  // The same for a file named on the command line (a file manager's double
  // click): opened once the event loop runs, so that a refusal is shown over the window.
  void openAtStart(const QString& path);
  // The diagrams window (menu Ansicht): every completed run of the area is added to it.
  DiagramWindow& diagrams() { return *diagrams_; }
  // The Studie window (Ansicht ▸ Studie…), made when first asked for; its
  // base case is what the boxes hold when it opens.
  StudyWindow& showStudies();
  // Berechnung ▸ An Messkurve anpassen…: the fit of the case to its measured
  // curve, made when first asked for; its case follows the boxes and the document's curve.
  FitDialog& showFit();
  // Berechnung ▸ Optimieren…: the search for the best dryer settings, made
  // when first asked for; its base case is what the boxes hold when it opens
  // while no search runs. Its "Übernehmen" writes into the boxes as typing does.
  OptimiseDialog& showOptimiser();
  // The accuracy estimate of the shown run and the choice of steps (Ansicht ▸ Genauigkeit, Berechnung).
  AccuracyControl& accuracy() { return *accuracy_; }
  // The plant figures of the shown run (Ansicht ▸ Anlagenwerte…).
  PlantPanel& plantPanel() { return *plantPanel_; }

  // The size that shows the whole area, bounded by the primary screen's free space.
  QSize fittingSize() const;
  // The window size for content of size `whole` on a screen with `free` room:
  // `whole` if it fits, otherwise bounded by `free`, with room for the scroll
  // bar (`scrollBar` pixels) that one direction then needs in the other.
  static QSize FittingSize(QSize whole, QSize free, int scrollBar);

  // The path the user picks in a save dialog, empty if cancelled (replaceable, e.g. by a test).
  using SavePathChooser =
      std::function<QString(const QString& caption, const QString& suggested, const QString& filter)>;
  void setSavePathChooser(SavePathChooser choose) { choosePath_ = std::move(choose); }
  // How a message reaches the user (a message box unless replaced).
  using MessagePresenter = std::function<void(const QString& text)>;
  void setMessagePresenter(MessagePresenter present) { present_ = std::move(present); }

  // The menu command of that object name ("act_Drucken"), or nullptr.
  QAction* action(const QString& name) const;

  // The commands behind the menus, for the run whose results the window shows
  // (the latest run that got past the input check, or the run of the opened file).
  void copyResults();                        // its visible result rows onto the clipboard, tab-separated
  bool exportPicture(const QString& path);   // the calculator area as a PNG picture
  bool exportReport(const QString& path);    // its report as a PDF file
  bool printReport(QPrinter& printer);       // its report on a printer set up by the caller
  ReportInfo reportInfo() const;             // title and file name of the case, the time now
  static QString AboutText();
  // Hilfe ▸ Handbuch (F1): the manual, at the entry of the area's box that has the focus.
  ManualWindow& showManual();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void onExportPicture();
  void onExportReport();
  void onPrint();
  void onAbout();
  void onManual();
  void updateActions();

 private:
  void updateTitle();
  void createMenus();
  void createCalculationMenu(QMenu& menu);
  void createScrollArea();
  void createDiagrams(QMenu& viewMenu);
  void createStudies(QMenu& viewMenu);
  void createAccuracy(QMenu& viewMenu, QMenu& calculationMenu);
  void createPlantPanel(QMenu& viewMenu);
  void createFit(QMenu& calculationMenu);
  void updateFitCase();
  // Writes the texts of those inputs (a fit's or a search's) into their boxes as a user edit does; the other boxes keep theirs.
  void adoptInputs(const std::vector<Input>& inputs, const InputTexts& texts);
  void takeOptimiserBase();
  QAction* addAction(QMenu* menu, const char* name, const QString& text, const char* slot);
  // The run whose results the window shows, or nullptr.
  const RunRecord* shownRun() const;
  QString choosePath(const QString& caption, const QString& suggestedName, const QString& filter,
                     const QString& suffix);
  void present(const QString& text);
  void tell(const QString& text);  // a note, not a warning

  QScrollArea* scroll_ = nullptr;
  MainWindow* area_ = nullptr;
  CaseDocument* document_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  FileMenu* fileActions_ = nullptr;
  DiagramWindow* diagrams_ = nullptr;
  ManualWindow* manual_ = nullptr;  // made when first asked for
  StudyWindow* studies_ = nullptr;  // made when first asked for
  FitDialog* fit_ = nullptr;        // made when first asked for
  OptimiseDialog* optimiser_ = nullptr;  // made when first asked for
  StatusLines* statusLines_ = nullptr;
  AccuracyControl* accuracy_ = nullptr;
  PlantPanel* plantPanel_ = nullptr;
  bool closeConfirmed_ = false;  // unsaved changes were dealt with; a run may still be unwinding
  SavePathChooser choosePath_;
  MessagePresenter present_;
  QString exportFolder_;  // where the last export went
};

}  // namespace lamvero
