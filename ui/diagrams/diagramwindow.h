#pragma once
// The diagrams window: the runs of the session (the last kMaxSessionRuns
// completed ones) and the case files loaded, overlaid in distinct colours in
// diagrams with real axes — moisture, drying rate, temperatures, shrinkage —
// and their key results side by side, with the differences to a reference
// run. Each diagram can be written as PNG or SVG, its data as CSV. The
// window fits the screen it opens on and comes back where it was left.

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "text/csvformat.h"
#include "text/outcome.h"
#include "run/measuredcurve.h"
#include "run/runrecord.h"
#include "ui/diagrams/diagramcharts.h"
#include "ui/diagrams/runlist.h"
#include "ui/shell/csvexportdialog.h"

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QTabWidget;

namespace lamvero {

class ChartPanel;
class ComparisonTable;

class DiagramWindow : public QWidget {
  Q_OBJECT
 public:
  explicit DiagramWindow(QWidget* parent = nullptr);
  ~DiagramWindow() override;

  // A run of this session, labelled "Lauf 1", "Lauf 2", ...; the oldest
  // session run goes when there are more than RunList::kMaxSessionRuns.
  // `constantAir`: the run was a laboratory test at constant air. A run that
  // stopped keeps its curves up to the stop, named as not evaluated. Returns
  // the entry's id; 0 for a record that holds no run (RunList::add), which
  // the window's notice explains.
  int addSessionRun(const RunRecord& record, bool constantAir = false);
  // A run from elsewhere, e.g. a loaded case file, under its own label; kept
  // until removed. A record without series shows in the table only, and the
  // notice says why.
  int addRun(const RunRecord& record, const QString& label, bool constantAir = false);
  // Why the last run the window was given draws no curves; empty when it does.
  QString notice() const;
  void removeRun(int id);
  // Gives the run another name, for the list, the legends, the table and the
  // exports. False for a name of blanks only or no such run.
  bool renameRun(int id, const QString& label);
  // Asks for the run's new name (a double click in the list, or its context menu).
  void askRename(int id);

  const RunList& runs() const { return runs_; }
  // The measured curve whose points the diagrams show beside the runs; nothing: none.
  void setMeasured(std::optional<MeasuredCurve> measured);
  void setShown(int id, bool shown);
  void setReference(int id);  // 0: none

  ChartPanel& chart(ChartKind kind);
  ChartKind currentChart() const;
  // The form of the h,X chart, as chosen beside its buttons and kept in the settings.
  AirChartForm airChartForm() const { return airForm_; }
  void setAirChartForm(AirChartForm form);
  ComparisonTable& table() { return *table_; }

  // The diagram's full data as CSV, of the runs shown; every n-th point with `every` above 1.
  std::string chartCsv(ChartKind kind, CsvDialect dialect, int every = 1) const;

  // What the exports ask, replaceable (tests answer without a screen).
  struct Dialogs {
    // The path to save to, or empty: caption, suggested path, filter.
    std::function<QString(const QString&, const QString&, const QString&)> saveName;
    // How the table is written, or nothing if the user cancelled.
    std::function<std::optional<CsvChoice>()> csvChoice;
  };
  void setDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }

  // The folder of the case file open in the program ("" for none): the save
  // dialogs start there until the next save from this window.
  void setCaseFolder(const QString& folder);
  // Where the next save dialog starts: the folder of the last save or of the
  // case file, whichever came later.
  QString startFolder() const;

  // Fits the window, frame included, into the free area of a screen.
  void fitInto(const QRect& available);

  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private slots:
  void onItemChanged(QListWidgetItem* item);
  void onReferenceChosen(int index);
  void onRemove();
  void onResetZoom();
  void onExportPng();
  void onExportSvg();
  void onExportCsv();
  void onListMenu(const QPoint& at);

 private:
  void runsChanged();  // list, reference choice, then the diagrams and the table
  void explain(const RunRecord& record, const QString& label);  // the notice for a run just given
  void refreshViews();
  void refreshWhenShown();  // now if the window is shown, else when it is
  QWidget* makeRunsPane();    // the runs, their hint and the reference
  QWidget* makeChartsPane();  // the diagrams with their buttons over the table
  QString askFileName(const QString& suffix, const QString& filter);
  void exportPicture(const QString& suffix, const QString& filter, Status (*write)(ChartPanel&, const QString&));
  void reportFailure(const QString& path, const Status& failed);

  RunList runs_;
  int sessionRuns_ = 0;  // runs numbered so far
  bool stale_ = false;   // the diagrams wait for the window to be shown
  bool placed_ = false;  // placed on a screen at its first showing
  QString startFolder_;  // the last save's or the case file's folder; "" for the remembered one
  QString caseFolder_;
  Dialogs dialogs_;
  QListWidget* list_ = nullptr;
  QLabel* hint_ = nullptr;    // what fills the list, while it is empty
  QLabel* notice_ = nullptr;  // why the last run given draws no curves
  QComboBox* reference_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QComboBox* airFormChoice_ = nullptr;  // shown with the h,X chart
  AirChartForm airForm_ = AirChartForm::ThetaX;
  std::optional<MeasuredCurve> measured_;
  std::vector<ChartPanel*> panels_;  // in the order of Charts()
  ComparisonTable* table_ = nullptr;
};

}  // namespace lamvero
