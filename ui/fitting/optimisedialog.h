#pragma once
// Trockner optimieren: the dialog that searches the dryer settings for the
// least specific energy, the shortest drying time or the least heater power
// under limits on the results. The user picks the goal, the limits and the
// inputs to vary with their bounds; the search runs beside the window with its
// progress, and its result is shown with the path it took. "Übernehmen" hands
// the optimum's texts of the varied inputs to the window; nothing else changes
// the inputs, cancelling included.

#include <QDialog>
#include <QElapsedTimer>
#include <optional>
#include <vector>

#include "inputs/inputs.h"
#include "run/airintegration.h"
#include "run/plantfigures.h"
#include "run/runrecord.h"
#include "study/optimise.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace lamvero {

class BackgroundJob;
class DecisionTable;
class LimitRows;
class SearchPathChart;

class OptimiseDialog : public QDialog {
  Q_OBJECT
 public:
  explicit OptimiseDialog(QWidget* parent = nullptr);
  ~OptimiseDialog() override;

  // The case to search from: the input texts, the run that belongs to them if
  // any (its results are the limits' first values), the air balance of the
  // case, the plant's throughput if the case has one (the heater power needs it),
  // whether the case is a laboratory test at constant air (which no search of the dryer's settings may change).
  void setBase(const InputTexts& base, const RunRecord* run, AirIntegration air, const std::optional<PlantData>& plant,
               bool constantAir);

  // Says in the dialog which inputs of the window now differ from the base, if any.
  void compareWithWindow(const InputTexts& window);

  bool running() const;
  // The problem as the dialog's fields define it; a refusal names the field.
  Outcome<OptimiseProblem> problem() const;
  // The result of the last search that ended, if any.
  const std::optional<OptimiseResult>& result() const { return result_; }

 public slots:
  void start();
  void cancel();

 signals:
  // Übernehmen: these inputs' texts are to be written into the window's boxes.
  void adoptRequested(const std::vector<Input>& inputs, const InputTexts& texts);
  void finished();  // a search ended: completed, cancelled or failed
  void baseRequested();  // "Grundfall übernehmen": the window's inputs are to become the base

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* makeSetup();
  QWidget* makeRun();
  QWidget* makeResult();
  void refreshProblem();
  void onProgress(const OptimiseProgress& progress);
  void onFinished(const OptimiseResult& result);
  void setRunning(bool on);
  void adopt();

  InputTexts base_ = InputTexts::Defaults();
  AirIntegration air_ = AirIntegration::Standard;
  std::optional<PlantData> plant_;
  bool constantAir_ = false;
  QComboBox* goal_ = nullptr;
  LimitRows* limits_ = nullptr;
  DecisionTable* decisions_ = nullptr;
  QSpinBox* maxRuns_ = nullptr;
  QLabel* problemText_ = nullptr;
  QLabel* baseNote_ = nullptr;
  QPushButton* takeBase_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* elapsed_ = nullptr;
  QLabel* left_ = nullptr;
  QLabel* best_ = nullptr;
  QLabel* resultText_ = nullptr;
  SearchPathChart* chart_ = nullptr;
  QPushButton* adopt_ = nullptr;
  BackgroundJob* job_ = nullptr;
  QElapsedTimer clock_;
  std::optional<OptimiseProblem> searched_;  // the problem of the search running or last ended
  std::optional<OptimiseResult> result_;
};

}  // namespace lamvero
