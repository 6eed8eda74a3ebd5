#pragma once
// The Datei menu of the Studie window: a study saved as a file (its
// definition, base inputs and rows) and opened again without recomputing, a
// runner's output read in (checked against the study's definition), and the
// table as CSV, byte for byte what the runner writes. Results not saved are
// asked about before anything replaces them. The save dialogs start in the
// folder of the last save or open from this menu.

#include <QObject>
#include <QString>

#include "text/csvformat.h"
#include "ui/shell/filemenu.h"

class QMenu;

namespace lamvero {

class StudyWindow;

class StudyFileMenu : public QObject {
  Q_OBJECT
 public:
  // Those of the program's Datei menu; the CSV choice is asked without every n-th point.
  using Dialogs = FileMenu::Dialogs;


  // Fills `menu` for the study shown in `window`, which parents the dialogs.
  StudyFileMenu(QMenu& menu, StudyWindow& window);
  void setDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }

  // Whether the shown results are in a file (or there are none).
  bool saved() const { return saved_; }
  // New results came (a study ran, or an output was read): they are not saved yet.
  void resultsChanged() { saved_ = false; }
  // Asks whether results not saved are to be saved first; false: the user cancelled.
  bool maybeDiscard();

  bool open(const QString& path);
  bool save(const QString& path);
  bool readOutput(const QString& path);
  bool exportTable(const QString& path, CsvDialect dialect);
  // The chart on the front tab of the window's charts, as PNG or SVG by the path's suffix.
  bool exportChart(const QString& path);

 private:
  void chooseAndOpen();
  bool chooseAndSave();
  void chooseAndReadOutput();
  void chooseAndExport();
  void chooseAndExportChart(const QString& suffix, const QString& filter);
  QString startFolder() const;
  QString askSaveName(const QString& caption, const QString& suffix, const QString& filter);
  void rememberFolder(const QString& path);

  StudyWindow& window_;
  Dialogs dialogs_;
  bool saved_ = true;
};

}  // namespace lamvero
