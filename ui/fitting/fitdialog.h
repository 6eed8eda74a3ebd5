#pragma once
// Berechnung ▸ An Messkurve anpassen: fits chosen inputs of the case to the
// measured curve the document holds. The user ticks the inputs to fit (with
// bounds) and the measured quantities that count (with weights); Start runs
// the fit on a thread of its own with progress, elapsed time and the most
// the rest may take; Abbrechen stops it and nothing changes. A problem the
// fit refuses is shown in red and Start waits until it is mended. The
// result (values with 95 % intervals, correlation, RMSE and R², residuals)
// stays until the next fit; Übernehmen hands the fitted inputs' texts to the
// program window, which writes them into its boxes as a user would.

#include <QDialog>
#include <QElapsedTimer>
#include <optional>
#include <vector>

#include "run/airintegration.h"
#include "run/measuredcurve.h"
#include "study/fit.h"
#include "text/outcome.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;

namespace lamvero {

class FitJob;
class FitParameterModel;
class FitQuantityPanel;
class FitResultView;

class FitDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FitDialog(QWidget* parent = nullptr);
  ~FitDialog() override;

  // The case the fit starts from (its texts give the start values) and its air balance.
  void setCase(const InputTexts& base, AirIntegration air);
  // The curve to fit, or none; a different one drops the result shown.
  void setCurve(const std::optional<MeasuredCurve>& curve);
  FitParameterModel& parameters() { return *parameters_; }
  FitQuantityPanel& quantities() { return *quantities_; }
  void setMaxRuns(int runs);

  // The problem as the dialog stands, or why it cannot be fitted.
  Outcome<FitProblem> problem() const;
  bool running() const;
  const std::optional<FitResult>& result() const { return result_; }

 public slots:
  bool start();
  void cancel();
  void apply();

 signals:
  // Übernehmen: `texts` holds each of `inputs` as a user types it.
  void applyRequested(const std::vector<lamvero::Input>& inputs, const lamvero::InputTexts& texts);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* createControls();
  void updateReadiness();
  void setRunning(bool running);
  void onProgress(const FitProgress& progress);
  void onFinished(const FitResult& result);
  void showProblem(const QString& text);

  FitJob* job_ = nullptr;
  FitParameterModel* parameters_ = nullptr;
  FitQuantityPanel* quantities_ = nullptr;
  FitResultView* results_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* source_ = nullptr;
  QLabel* problem_ = nullptr;
  QSpinBox* maxRuns_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* apply_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* elapsed_ = nullptr;
  QLabel* left_ = nullptr;
  QLabel* cost_ = nullptr;
  QLabel* state_ = nullptr;
  QElapsedTimer clock_;

  InputTexts base_ = InputTexts::Defaults();
  AirIntegration air_ = AirIntegration::Standard;
  std::optional<MeasuredCurve> curve_;
  std::vector<FitParameter> running_;  // the parameters of the fit running or shown
  std::optional<FitResult> result_;
};

}  // namespace lamvero
