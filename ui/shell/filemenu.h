#pragma once
// The Datei menu: new, open, recent files, save, save as, the case's project
// data (Eigenschaften), its measured curve, the exports and
// quit, with the dialogs they need. Entries that would interfere with a run
// are disabled while one is active (from the run controller's phase), and a
// file opened by other ways (dropped, named) is refused then. The dialogs can
// be replaced (tests).

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "inputs/inputs.h"
#include "ui/shell/csvexportdialog.h"

class QAction;
class QMenu;
class QWidget;

namespace lamvero {

class CaseDocument;
class MainWindow;

class FileMenu : public QObject {
  Q_OBJECT
 public:
  struct Dialogs {
    // A file to open or to save to; empty: cancelled.
    std::function<QString(const QString& caption, const QString& dir, const QString& filter)> openName;
    std::function<QString(const QString& caption, const QString& suggested, const QString& filter)> saveName;
    // Save, Discard or Cancel.
    std::function<QMessageBox::StandardButton(const QString& text)> askSave;
    std::function<void(const QString& text)> warn;
    // Format of a CSV table (withEvery: time series); nothing: cancelled.
    std::function<std::optional<CsvChoice>(bool withEvery)> csvChoice;
    // The dry mass of a measured sample in g, for a curve file of masses; nothing: cancelled.
    std::function<std::optional<double>(const QString& fileName)> dryMass;
  };
  // The program's own dialogs, parented by `window`.
  static Dialogs StandardDialogs(QWidget& window);

  // Fills `menu` (the Datei menu) for the document shown in `area`; `window` parents the dialogs.
  FileMenu(QMenu& menu, CaseDocument& document, MainWindow& area, QWidget& window);

  void setDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }

  QMenu& exportMenu() { return *export_; }
  // Entries for printing go before this separator (the one above Beenden).
  QAction* printPlace() { return printPlace_; }
  QAction& action(const char* objectName);  // e.g. "act_Speichern"

  // Asks whether unsaved input changes are to be saved first; false: the user cancelled.
  bool maybeDiscard();
  // Whether a case may be opened or made new now: not while a run is active.
  bool canOpen() const;
  // Opens a file (after maybeDiscard) unless canOpen() says no; a problem is shown and changes nothing.
  bool openFile(const QString& path);
  // Shows these inputs as a new, unsaved case (after maybeDiscard) unless canOpen() says no.
  bool openInputs(const InputTexts& inputs);
  bool save();
  bool saveAs();
  void newCase();
  void exportSeries();
  void exportResults();
  // Datei ▸ Eigenschaften…: the case's project data in a dialog; OK changes the document.
  void editProperties();
  // Datei ▸ Messkurve laden…: a measured curve from a CSV file becomes the
  // case's (asking for the dry mass where the file gives masses without it); a
  // refused file is shown and changes nothing. True if a curve was loaded.
  bool loadMeasuredCurve();
  // Datei ▸ Messkurve entfernen: the case keeps no measured curve.
  void removeMeasuredCurve();
  void editPlant();  // Datei ▸ Anlagendaten…

 private:
  void chooseAndOpen();
  // Opens the file and tells the user what went wrong, or what was left out; true if it opened.
  bool openAndTell(const QString& path);
  void fillRecentMenu();
  void updateActions();
  QString suggestedName(const QString& suffix) const;
  QString startFolder() const;
  void rememberFolder(const QString& path) const;

  CaseDocument& document_;
  MainWindow& area_;
  QWidget& window_;
  Dialogs dialogs_;
  QMenu* recent_ = nullptr;
  QMenu* export_ = nullptr;
  QAction* printPlace_ = nullptr;
  QAction* withSeries_ = nullptr;
  QAction* seriesCsv_ = nullptr;
  QAction* resultsCsv_ = nullptr;
  QAction* removeMeasured_ = nullptr;
};

}  // namespace lamvero
