#pragma once
// The Studie window: a parameter study from the program window's inputs. The
// base case is what the program window's boxes hold (taken when the window
// opens and with "Grundfall übernehmen"); up to three inputs are varied, each
// over a range or a list. Before the start the window shows the number of
// cases (or why the study cannot run) and an estimate of its time, from a
// measured run of the base case. The cases run on every core the process may
// use; the rows come into a sortable table as they finish, with progress and
// the time left; Abbrechen keeps what has finished. A chosen row opens its
// case in the program window or adds it, run with its series, to the
// Diagramme window: the window asks for both by signals and knows neither.

#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

#include "run/runrecord.h"
#include "study/studydefinition.h"
#include "study/studyresults.h"
#include "ui/shell/backgroundjob.h"

class QLabel;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace lamvero {

class StudyFileMenu;
class StudyJob;
class StudyPlotPane;
class StudyTableModel;
class VariationRow;

class StudyWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr std::size_t kMaxVaried = 3;

  explicit StudyWindow(QWidget* parent = nullptr);
  ~StudyWindow() override;

  // Where "Grundfall übernehmen" takes the base case from (the program window's boxes).
  void setBaseSource(std::function<InputTexts()> source) { baseSource_ = std::move(source); }
  // Takes the base case from the source and measures a run of it for the estimate.
  void takeBase();
  void setBase(const InputTexts& base);

  // The study as the window's boxes define it now.
  StudyDefinition definition() const;
  void setDefinition(const StudyDefinition& definition);
  // The rows so far, in case order, and the study they belong to.
  const StudyResults& results() const;
  const StudyDefinition& shownDefinition() const { return shown_; }
  // Shows a study and its rows (from a file, or a runner's output): the boxes take its definition.
  void showStudy(const StudyDefinition& definition, std::optional<StudyResults> results);
  // Whether the last study was cancelled before all its cases ran.
  bool cancelled() const { return !results().complete; }
  bool running() const;
  // The workers a study runs on.
  unsigned workers() const { return workers_; }
  // The measured time of one run of the base case, once measured.
  std::optional<double> secondsPerCase() const { return secondsPerCase_; }

  // Start and Abbrechen.
  bool start();
  void cancel();

  // The Datei menu's commands (files of the study, its table and charts) and the charts.
  StudyFileMenu& files() { return *files_; }
  StudyPlotPane& plots() { return *plots_; }

  // What to do with a row (its index in results().rows).
  void openCase(std::size_t row);
  void addCaseToDiagrams(std::size_t row);
  // The label of a row's run in the Diagramme window: the study's case and its varied values.
  QString caseLabel(std::size_t row) const;

  // What the window asks, replaceable (tests answer without a screen).
  struct Dialogs {
    std::function<void(const QString& text)> warn;
  };
  void setDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }

  void fitInto(const QRect& available);
  void setVisible(bool visible) override;

 signals:
  // The inputs of a case, to open in the program window.
  void openCaseRequested(const InputTexts& inputs);
  // A case run with its series, for the Diagramme window.
  void caseRunForDiagrams(const RunRecord& record, const QString& label);
  // A study started or ended.
  void runningChanged(bool running);

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void createMenus();
  QWidget* makeSetupPane();
  QWidget* makeRunPane();
  QWidget* makeResultsPane();
  void refreshPlan();          // the number of cases and the estimate
  void showEstimate(std::size_t cases);
  void onRows(const std::vector<StudyRow>& rows);
  void onProgress(std::size_t finished, std::size_t total);
  void onFinished(bool cancelled, const QString& problem);
  void setRunning(bool running);
  void chooseRowAction(std::size_t row, const QPoint& at);
  void warn(const QString& text);

  InputTexts base_ = InputTexts::Defaults();
  StudyDefinition shown_;  // the study of the rows shown
  std::function<InputTexts()> baseSource_;
  std::optional<double> secondsPerCase_;  // a run of the base case, measured
  bool baseRefused_ = false;              // the base case itself does not pass the input check
  unsigned workers_ = 1;
  bool placed_ = false;
  QElapsedTimer elapsed_;
  Dialogs dialogs_;
  StudyJob* job_ = nullptr;
  StudyFileMenu* files_ = nullptr;
  StudyPlotPane* plots_ = nullptr;
  BackgroundJob* measure_ = nullptr;    // the base run for the estimate
  BackgroundJob* seriesRun_ = nullptr;  // a case run with its series for the diagrams
  StudyTableModel* model_ = nullptr;
  QSortFilterProxyModel* sorted_ = nullptr;
  std::array<VariationRow*, kMaxVaried> rows_{};
  QMenuBar* menuBar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QLabel* baseLabel_ = nullptr;
  QLabel* cases_ = nullptr;
  QLabel* estimate_ = nullptr;
  QLabel* state_ = nullptr;
  QLabel* left_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* takeBase_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QTableView* table_ = nullptr;
};

}  // namespace lamvero
