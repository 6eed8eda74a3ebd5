#include "ui/shell/accuracycontrol.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSettings>
#include <QThread>
#include <algorithm>
#include <memory>

#include "inputs/inputcheck.h"
#include "present/accuracyview.h"
#include "study/accuracy.h"
#include "study/autosteps.h"
#include "study/convergence.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"
#include "ui/shell/accuracypanel.h"
#include "ui/shell/backgroundjob.h"
#include "ui/shell/casedocument.h"
#include "ui/shell/statuslines.h"

namespace lamvero {

namespace {

const char* const kToleranceKey = "Genauigkeit/Toleranz";
const char* const kAutomaticKey = "Genauigkeit/Automatisch";
const char* const kStepsToleranceKey = "Genauigkeit/ToleranzSchrittweiten";
const char* const kStatusLine = "genauigkeit";

// The window keeps one core for itself; the estimate takes the rest.
unsigned SpareCores() { return static_cast<unsigned>(std::max(1, QThread::idealThreadCount() - 1)); }

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

AccuracyControl::AccuracyControl(CaseDocument& document, MainWindow& area, StatusLines& status, QWidget& window)
    : QObject(&window), document_(document), area_(area), window_(window), status_(status) {
  job_ = new BackgroundJob(this);
  panel_ = new AccuracyPanel(&window);
  panel_->setTolerancePercent(tolerancePercent());
  panel_->setAutomatic(automatic());
  connect(panel_, &AccuracyPanel::toleranceChanged, this, &AccuracyControl::setTolerancePercent);
  connect(panel_, &AccuracyPanel::automaticChanged, this, &AccuracyControl::setAutomatic);
  connect(panel_, &AccuracyPanel::estimateRequested, this, &AccuracyControl::estimateNow);
  connect(&document_, &CaseDocument::runChanged, this, &AccuracyControl::onRunChanged);
  connect(&area_, &MainWindow::runStarted, this, &AccuracyControl::onRunStarted);
  onRunChanged();
}

// The job's thread ends before the document and the window it reads go.
AccuracyControl::~AccuracyControl() { job_->cancel(); }

bool AccuracyControl::busy() const { return job_->busy(); }

QString AccuracyControl::statusText() const { return status_.text(QLatin1String(kStatusLine)); }

double AccuracyControl::tolerancePercent() const {
  return QSettings().value(QLatin1String(kToleranceKey), kDefaultAccuracyTolerancePercent).toDouble();
}

// A new tolerance marks the results anew; nothing is computed again.
void AccuracyControl::setTolerancePercent(double percent) {
  QSettings().setValue(QLatin1String(kToleranceKey), percent);
  panel_->setTolerancePercent(percent);
  const std::optional<CaseRun>& run = document_.run();
  if (run && run->accuracy) document_.setAccuracy(WithTolerance(*run->accuracy, percent));
  showState(state_);
}

bool AccuracyControl::automatic() const { return QSettings().value(QLatin1String(kAutomaticKey), true).toBool(); }

void AccuracyControl::setAutomatic(bool on) {
  QSettings().setValue(QLatin1String(kAutomaticKey), on);
  panel_->setAutomatic(on);
  if (on) onRunChanged();
}

void AccuracyControl::onRunStarted() {
  job_->cancel();
  showState(QString());
}

// A new run, an opened file or a new case: estimate what is now shown.
void AccuracyControl::onRunChanged() {
  job_->cancel();
  const std::optional<CaseRun>& run = document_.run();
  const bool wanted = run && run->record.outcome == RunOutcome::Completed && !run->accuracy;
  if (wanted && automatic()) {
    estimate();
  } else {
    showState(wanted ? tr("Genauigkeit: nicht geschätzt (Ansicht ▸ Genauigkeit…)") : QString());
  }
}

void AccuracyControl::estimateNow() {
  const std::optional<CaseRun>& run = document_.run();
  if (!run || run->record.outcome != RunOutcome::Completed || area_.runController().active()) return;
  estimate();
}

void AccuracyControl::estimate() {
  const CaseRun& run = *document_.run();
  const InputTexts inputs = run.record.inputs;
  // The window's own run need not be made again; a run read from a file
  // without its series is.
  auto userRun = run.hasSeries() ? std::make_shared<const RunRecord>(run.record) : nullptr;
  const double tolerance = tolerancePercent();
  const AirIntegration air = run.record.airIntegration;
  showState(tr("Genauigkeit: Schätzung läuft …"));
  job_->start([this, inputs, userRun, tolerance, air](const StopRequest& stop) -> BackgroundJob::Delivery {
    AccuracyOptions options;
    options.tolerancePercent = tolerance;
    options.airIntegration = air;
    options.threads = SpareCores();
    options.stop = &stop;
    options.userRun = userRun.get();
    options.progress = [this](std::size_t finished, std::size_t total) {
      job_->post([this, finished, total] {
        showState(tr("Genauigkeit: Schätzung läuft, Stufe %1 von %2 gerechnet …").arg(finished).arg(total));
      });
    };
    Outcome<AccuracyEstimate> result = EstimateAccuracy(inputs, options);
    return [this, inputs, result = std::move(result)] {
      if (!result) {
        showState(tr("Genauigkeit: keine Schätzung – ") + Text(result.message()));
      } else if (document_.run() && ChangedInputs(document_.run()->record.inputs, inputs).empty()) {
        document_.setAccuracy(result.value());
        showState(QString());
      }
    };
  });
}

void AccuracyControl::showState(const QString& state) {
  state_ = state;
  const std::optional<CaseRun>& run = document_.run();
  const std::optional<AccuracyEstimate> shown = run ? run->accuracy : std::nullopt;
  status_.set(QLatin1String(kStatusLine), state.isEmpty() && shown ? Text(AccuracySummary(*shown)) : state);
  panel_->showEstimate(shown, state);
  panel_->setEstimateEnabled(run && run->record.outcome == RunOutcome::Completed && !job_->busy());
}

void AccuracyControl::askAndChooseSteps() {
  bool ok = false;
  const double tolerance = QInputDialog::getDouble(
      &window_, tr("Schrittweiten automatisch"),
      tr("Die Schritte werden verfeinert, bis sich kein Kennergebnis um mehr als die Toleranz ändert.\n"
                     "Toleranz in %:"),
      QSettings().value(QLatin1String(kStepsToleranceKey), kDefaultAutoStepsTolerancePercent).toDouble(), 0.1, 20, 1,
      &ok);
  if (!ok) return;
  QSettings().setValue(QLatin1String(kStepsToleranceKey), tolerance);
  chooseSteps(tolerance);
}

void AccuracyControl::chooseSteps(double tolerancePercent) {
  const InputTexts inputs = area_.inputs();
  const AirIntegration air = document_.airIntegration();  // that of the next run
  progress_ = new QProgressDialog(tr("Schrittweiten werden gesucht …"), tr("Abbrechen"), 0, 0,
                                  &window_);
  progress_->setObjectName(QStringLiteral("dlg_SchrittweitenSuche"));
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setMinimumDuration(0);
  connect(progress_, &QProgressDialog::canceled, this, [this] {
    job_->cancel();
    progress_->deleteLater();
    progress_ = nullptr;
    onRunChanged();
  });
  job_->start([this, inputs, tolerancePercent, air](const StopRequest& stop) -> BackgroundJob::Delivery {
    AutoStepsOptions options;
    options.tolerancePercent = tolerancePercent;
    options.airIntegration = air;
    options.threads = SpareCores();
    options.stop = &stop;
    options.progress = [this](std::size_t finished) {
      job_->post([this, finished] {
        if (progress_) progress_->setLabelText(tr("Schrittweiten werden gesucht: %1 Stufen gerechnet …").arg(finished));
      });
    };
    Outcome<AutoSteps> steps = ChooseSteps(inputs, options);
    if (!steps) return [this, message = Text(steps.message())] { stepsChosen({}, {}, message); };
    const QString message = tr("Schrittweiten automatisch: ") + Text(AutoStepsLine(steps.value())) +
                            tr(".\nDie Schrittweiten stehen in den Eingabefeldern; Start rechnet mit ihnen.");
    return [this, steps = std::move(steps).value(), message] {
      stepsChosen(Text(steps.deltaT), Text(steps.Ortsschrittweite), message);
    };
  });
}

// Empty steps: none were found, and the message says why.
void AccuracyControl::stepsChosen(const QString& deltaT, const QString& Ortsschrittweite, const QString& message) {
  if (progress_) {
    progress_->deleteLater();
    progress_ = nullptr;
  }
  QString told = message;
  if (!deltaT.isEmpty()) {
    InputTexts inputs = area_.inputs();
    inputs[Input::deltaT] = deltaT.toStdString();
    inputs[Input::Ortsschrittweite] = Ortsschrittweite.toStdString();
    // Finer than a run in the window may be: said, and the boxes keep what the user typed.
    const std::vector<std::string> refused = CheckInputs(inputs);
    if (refused.empty()) {
      area_.setInputs(inputs);
    } else {
      told = message.section(QLatin1Char('\n'), 0, 0) +
             tr("\nDiese Schrittweiten nimmt eine Rechnung im Fenster nicht: ") + Text(refused.front()) +
             tr("\nDie Eingabefelder bleiben unverändert; lamvero-batch --auto-steps rechnet mit ihnen.");
    }
  }
  present(told);
  onRunChanged();
}

void AccuracyControl::present(const QString& text) {
  if (present_) {
    present_(text);
  } else {
    QMessageBox::information(&window_, QStringLiteral("Lamvero"), text);
  }
}

}  // namespace lamvero
