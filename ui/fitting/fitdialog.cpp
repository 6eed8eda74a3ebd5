#include "ui/fitting/fitdialog.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "study/usablecores.h"
#include "text/numberformat.h"
#include "ui/fitting/fitjob.h"
#include "ui/fitting/fitparametermodel.h"
#include "ui/fitting/fitquantitypanel.h"
#include "ui/fitting/fitresultview.h"
#include "ui/shell/progresstext.h"

namespace lamvero {

namespace {

constexpr int kMostRuns = 5000;

QString Text(const std::string& s) { return QString::fromStdString(s); }

QLabel* Label(const char* name) {
  auto* label = new QLabel;
  label->setObjectName(QLatin1String(name));
  return label;
}

}  // namespace

FitDialog::FitDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlg_Anpassen"));
  setWindowTitle(tr("An Messkurve anpassen"));
  setModal(false);
  job_ = new FitJob(this);
  parameters_ = new FitParameterModel(this);
  quantities_ = new FitQuantityPanel;
  results_ = new FitResultView;
  source_ = Label("lbl_Messkurve");
  source_->setText(tr("Keine Messkurve"));

  table_ = new QTableView;
  table_->setObjectName(QStringLiteral("tbl_Parameter"));
  table_->setModel(parameters_);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->setMinimumHeight(220);
  auto* parameterBox = new QGroupBox(tr("Parameter"));
  (new QVBoxLayout(parameterBox))->addWidget(table_);

  auto* choices = new QHBoxLayout;
  choices->addWidget(parameterBox, 3);
  auto* side = new QVBoxLayout;
  side->addWidget(quantities_);
  side->addStretch();
  choices->addLayout(side, 1);

  auto* resultBox = new QGroupBox(tr("Ergebnis"));
  (new QVBoxLayout(resultBox))->addWidget(results_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(source_);
  layout->addLayout(choices, 2);
  layout->addWidget(createControls());
  layout->addWidget(resultBox, 3);

  connect(parameters_, &QAbstractItemModel::dataChanged, this, &FitDialog::updateReadiness);
  connect(quantities_, &FitQuantityPanel::changed, this, &FitDialog::updateReadiness);
  connect(job_, &FitJob::progressed, this, &FitDialog::onProgress);
  connect(job_, &FitJob::finished, this, &FitDialog::onFinished);
  setRunning(false);
  resize(1100, 860);
}

FitDialog::~FitDialog() { job_->cancel(); }

// The line of Start and Abbrechen with the fit's progress, and the result's Übernehmen under it.
QWidget* FitDialog::createControls() {
  auto* box = new QWidget;
  problem_ = Label("lbl_Problem");
  problem_->setStyleSheet(QStringLiteral("color: red"));
  problem_->setWordWrap(true);
  maxRuns_ = new QSpinBox;
  maxRuns_->setObjectName(QStringLiteral("spn_MaxLaeufe"));
  maxRuns_->setRange(static_cast<int>(kMinMeasuredPoints), kMostRuns);
  maxRuns_->setValue(static_cast<int>(FitProblem{}.maxRuns));
  start_ = new QPushButton(tr("Start"));
  start_->setObjectName(QStringLiteral("cmd_Start"));
  cancel_ = new QPushButton(tr("Abbrechen"));
  cancel_->setObjectName(QStringLiteral("cmd_Abbrechen"));
  apply_ = new QPushButton(tr("Übernehmen"));
  apply_->setObjectName(QStringLiteral("cmd_Uebernehmen"));
  apply_->setToolTip(tr("Schreibt die angepassten Werte in die Eingabefelder des Programmfensters"));
  progress_ = new QProgressBar;
  progress_->setObjectName(QStringLiteral("bar_Fortschritt"));
  progress_->setFormat(tr("%v von %m Läufen"));
  elapsed_ = Label("lbl_Zeit");
  left_ = Label("lbl_Restzeit");
  cost_ = Label("lbl_Kosten");
  state_ = Label("lbl_Zustand");
  state_->setWordWrap(true);

  auto* runLine = new QHBoxLayout;
  runLine->addWidget(new QLabel(tr("höchstens")));
  runLine->addWidget(maxRuns_);
  runLine->addWidget(new QLabel(tr("Läufe")));
  runLine->addWidget(start_);
  runLine->addWidget(cancel_);
  runLine->addWidget(progress_, 1);
  runLine->addWidget(elapsed_);
  runLine->addWidget(left_);
  auto* stateLine = new QHBoxLayout;
  stateLine->addWidget(cost_);
  stateLine->addWidget(state_, 1);
  stateLine->addWidget(apply_);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(problem_);
  layout->addLayout(runLine);
  layout->addLayout(stateLine);

  connect(maxRuns_, &QSpinBox::valueChanged, this, &FitDialog::updateReadiness);
  connect(start_, &QPushButton::clicked, this, &FitDialog::start);
  connect(cancel_, &QPushButton::clicked, this, &FitDialog::cancel);
  connect(apply_, &QPushButton::clicked, this, &FitDialog::apply);
  return box;
}

void FitDialog::setCase(const InputTexts& base, AirIntegration air) {
  base_ = base;
  air_ = air;
  parameters_->setBase(base);
  updateReadiness();
}

void FitDialog::setCurve(const std::optional<MeasuredCurve>& curve) {
  if (curve_ == curve) return;
  curve_ = curve;
  if (curve) {
    source_->setText(tr("Messkurve: %1, %2 Punkte")
                         .arg(curve->source.empty() ? tr("ohne Namen") : QFileInfo(Text(curve->source)).fileName())
                         .arg(curve->points()));
  } else {
    source_->setText(tr("Keine Messkurve"));
  }
  result_.reset();
  results_->clear();
  apply_->setEnabled(false);
  quantities_->setCurve(curve.value_or(MeasuredCurve{}));
  updateReadiness();
}

void FitDialog::setMaxRuns(int runs) { maxRuns_->setValue(runs); }

Outcome<FitProblem> FitDialog::problem() const {
  if (!curve_)
    return Failure{tr("Messkurve").toStdString(), tr("keine geladen (Datei ▸ Messkurve laden…)").toStdString()};
  Outcome<std::vector<FitParameter>> chosen = parameters_->parameters();
  if (!chosen) return chosen.failure();
  const auto weights = quantities_->weights();
  if (!weights) return weights.failure();
  FitProblem p;
  p.base = base_;
  p.data = *curve_;
  p.parameters = std::move(chosen).value();
  p.weights = weights.value();
  p.jobs = UsableCores();
  p.maxRuns = static_cast<std::size_t>(maxRuns_->value());
  p.airIntegration = air_;
  const std::string refused = FitProblemError(p);
  if (!refused.empty()) return Failure{"", refused};
  return p;
}

bool FitDialog::running() const { return job_->busy(); }

void FitDialog::updateReadiness() {
  if (running()) return;
  const Outcome<FitProblem> p = problem();
  showProblem(p ? QString() : Text(p.message()));
  start_->setEnabled(p.ok());
}

void FitDialog::showProblem(const QString& text) {
  problem_->setText(text);
  problem_->setVisible(!text.isEmpty());
}

void FitDialog::setRunning(bool on) {
  start_->setEnabled(!on && problem().ok());
  cancel_->setEnabled(on);
  apply_->setEnabled(!on && result_.has_value());
  table_->setEnabled(!on);
  quantities_->setEnabled(!on);
  maxRuns_->setEnabled(!on);
}

bool FitDialog::start() {
  if (running()) return false;
  Outcome<FitProblem> p = problem();
  if (!p) {
    showProblem(Text(p.message()));
    return false;
  }
  running_ = p->parameters;
  result_.reset();
  results_->clear();
  progress_->setRange(0, static_cast<int>(p->maxRuns));
  progress_->setValue(0);
  for (QLabel* label : {elapsed_, left_, cost_}) label->clear();
  state_->setText(tr("Anpassung läuft …"));
  clock_.start();
  job_->start(p.value());
  setRunning(true);
  return true;
}

void FitDialog::cancel() {
  if (!running()) return;
  job_->cancel();
  setRunning(false);
  left_->clear();
  state_->setText(tr("Anpassung abgebrochen nach %1; die Eingaben bleiben unverändert.")
                      .arg(DurationText(clock_.elapsed() / 1000.0)));
}

void FitDialog::onProgress(const FitProgress& progress) {
  const std::size_t shown = std::min(progress.runs, progress.maxRuns);
  progress_->setValue(static_cast<int>(shown));
  elapsed_->setText(tr("Zeit %1").arg(DurationText(progress.seconds)));
  const QString left = TimeLeftText(progress.seconds, shown, progress.maxRuns);
  left_->setText(left.isEmpty() ? QString() : tr("noch höchstens ca. %1").arg(left));
  cost_->setText(tr("kleinste Fehlerquadratsumme %1").arg(Text(FormatSignificant(progress.bestCost, 4))));
}

void FitDialog::onFinished(const FitResult& result) {
  left_->clear();
  // The search ends when its values settle, mostly long before the most runs allowed.
  progress_->setRange(0, static_cast<int>(std::max<std::size_t>(result.runs, 1)));
  progress_->setValue(progress_->maximum());
  if (result.status == FitResult::Status::Failed) {
    state_->setText(
        tr("<span style='color:red'>Die Anpassung gelang nicht: %1</span>").arg(Text(result.message).toHtmlEscaped()));
  } else {
    result_ = result;
    results_->showResult(result, running_);
    state_->setText(tr("Anpassung fertig: %1 Läufe in %2.").arg(result.runs).arg(DurationText(result.seconds)));
  }
  setRunning(false);
}

void FitDialog::apply() {
  if (!result_ || running()) return;
  std::vector<Input> inputs;
  for (const FitParameter& p : running_) inputs.push_back(p.input);
  emit applyRequested(inputs, result_->fitted);
  state_->setText(tr("Übernommen: %1.").arg(Text(InputCaptions(inputs))));
}

// Closing the dialog ends a fit in progress; nobody would see its end.
void FitDialog::closeEvent(QCloseEvent* event) {
  cancel();
  QDialog::closeEvent(event);
}

}  // namespace lamvero
