#include "ui/fitting/optimisedialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "inputs/constantair.h"
#include "study/usablecores.h"
#include "text/language.h"
#include "ui/fitting/decisiontable.h"
#include "ui/fitting/limitrows.h"
#include "ui/fitting/optimiseresulttext.h"
#include "ui/fitting/searchpathchart.h"
#include "ui/fitting/searchtexts.h"
#include "ui/shell/backgroundjob.h"
#include "ui/shell/progresstext.h"

namespace lamvero {

namespace {

constexpr int kMaxRunsLimit = 5000;
constexpr int kClockMs = 1000;
constexpr int kRunsBoxWidth = 100;  // pixels

// Hands each progress report of the search to the window's thread.
class ProgressRelay : public OptimiseObserver {
 public:
  explicit ProgressRelay(std::function<void(const OptimiseProgress&)> report) : report_(std::move(report)) {}
  void progress(const OptimiseProgress& progress) override { report_(progress); }

 private:
  std::function<void(const OptimiseProgress&)> report_;
};

QString GoalCaption(const OptimiseGoalInfo& goal) {
  return QStringLiteral("%1 (%2)").arg(GoalCaptionText(goal), BoxUnit(goal.unit));
}

}  // namespace

OptimiseDialog::OptimiseDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlg_Optimieren"));
  setWindowTitle(tr("Trockner optimieren"));
  setModal(false);
  job_ = new BackgroundJob(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(makeSetup());
  layout->addWidget(makeRun());
  layout->addWidget(makeResult(), 1);
  auto* clock = new QTimer(this);
  clock->setInterval(kClockMs);
  connect(clock, &QTimer::timeout, this, [this] {
    if (running()) elapsed_->setText(tr("Laufzeit %1").arg(DurationText(clock_.elapsed() / 1000.0)));
  });
  clock->start();
  setBase(base_, nullptr, air_, plant_, constantAir_);
}

OptimiseDialog::~OptimiseDialog() { job_->cancel(); }

QWidget* OptimiseDialog::makeSetup() {
  auto* box = new QGroupBox(tr("Aufgabe"));
  auto* column = new QVBoxLayout(box);
  auto* form = new QFormLayout;
  auto* baseLine = new QHBoxLayout;
  baseNote_ = new QLabel;
  baseNote_->setObjectName(QStringLiteral("lbl_Grundfall"));
  baseNote_->setWordWrap(true);
  takeBase_ = new QPushButton(tr("Grundfall übernehmen"));
  takeBase_->setObjectName(QStringLiteral("cmd_Grundfall"));
  takeBase_->setToolTip(tr("Die Eingaben des Hauptfensters werden der Grundfall der Suche."));
  connect(takeBase_, &QPushButton::clicked, this, &OptimiseDialog::baseRequested);
  baseLine->addWidget(baseNote_, 1);
  baseLine->addWidget(takeBase_);
  form->addRow(tr("Grundfall"), baseLine);
  goal_ = new QComboBox;
  goal_->setObjectName(QStringLiteral("cmb_Ziel"));
  for (const OptimiseGoalInfo& goal : OptimiseGoals()) goal_->addItem(GoalCaption(goal), static_cast<int>(goal.id));
  form->addRow(tr("Ziel: kleinster Wert von"), goal_);
  maxRuns_ = new QSpinBox;
  maxRuns_->setObjectName(QStringLiteral("spn_Laeufe"));
  maxRuns_->setRange(1, kMaxRunsLimit);
  maxRuns_->setValue(static_cast<int>(OptimiseProblem{}.maxRuns));
  maxRuns_->setMaximumWidth(kRunsBoxWidth);
  form->addRow(tr("höchstens Läufe"), maxRuns_);
  column->addLayout(form);
  // The varied inputs beside the limits.
  auto* choices = new QHBoxLayout;
  auto* inputsBox = new QGroupBox(tr("Gesuchte Eingaben"));
  decisions_ = new DecisionTable;
  (new QVBoxLayout(inputsBox))->addWidget(decisions_);
  auto* limitsBox = new QGroupBox(tr("Grenzen"));
  auto* limitsColumn = new QVBoxLayout(limitsBox);
  limits_ = new LimitRows;
  limitsColumn->addWidget(limits_);
  limitsColumn->addStretch(1);
  choices->addWidget(inputsBox, 3);
  choices->addWidget(limitsBox, 2);
  column->addLayout(choices);
  problemText_ = new QLabel;
  problemText_->setObjectName(QStringLiteral("lbl_Problem"));
  problemText_->setStyleSheet(QStringLiteral("color: #c00000"));
  problemText_->setWordWrap(true);
  column->addWidget(problemText_);
  connect(goal_, &QComboBox::currentIndexChanged, this, &OptimiseDialog::refreshProblem);
  connect(limits_, &LimitRows::changed, this, &OptimiseDialog::refreshProblem);
  connect(decisions_, &DecisionTable::changed, this, &OptimiseDialog::refreshProblem);
  connect(maxRuns_, &QSpinBox::valueChanged, this, &OptimiseDialog::refreshProblem);
  return box;
}

QWidget* OptimiseDialog::makeRun() {
  auto* pane = new QWidget;
  auto* line = new QHBoxLayout(pane);
  line->setContentsMargins(0, 0, 0, 0);
  start_ = new QPushButton(tr("Start"));
  start_->setObjectName(QStringLiteral("cmd_Start"));
  start_->setDefault(true);
  cancel_ = new QPushButton(tr("Abbrechen"));
  cancel_->setObjectName(QStringLiteral("cmd_Abbrechen"));
  cancel_->setEnabled(false);
  progress_ = new QProgressBar;
  progress_->setObjectName(QStringLiteral("bar_Fortschritt"));
  progress_->setFormat(tr("%v von %m Läufen"));
  elapsed_ = new QLabel;
  elapsed_->setObjectName(QStringLiteral("lbl_Laufzeit"));
  left_ = new QLabel;
  left_->setObjectName(QStringLiteral("lbl_Restzeit"));
  best_ = new QLabel;
  best_->setObjectName(QStringLiteral("lbl_Bestes"));
  for (QWidget* w : std::initializer_list<QWidget*>{start_, cancel_, progress_, elapsed_, left_, best_}) {
    line->addWidget(w);
  }
  line->setStretchFactor(progress_, 1);
  connect(start_, &QPushButton::clicked, this, &OptimiseDialog::start);
  connect(cancel_, &QPushButton::clicked, this, &OptimiseDialog::cancel);
  return pane;
}

QWidget* OptimiseDialog::makeResult() {
  auto* box = new QGroupBox(tr("Ergebnis"));
  auto* layout = new QHBoxLayout(box);
  auto* column = new QVBoxLayout;
  resultText_ = new QLabel;
  resultText_->setObjectName(QStringLiteral("lbl_Ergebnis"));
  resultText_->setTextFormat(Qt::RichText);
  resultText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  resultText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  resultText_->setWordWrap(true);
  adopt_ = new QPushButton(tr("Übernehmen"));
  adopt_->setObjectName(QStringLiteral("cmd_Uebernehmen"));
  adopt_->setToolTip(tr("Schreibt die Werte des Optimums in die Eingabefelder des Hauptfensters."));
  adopt_->setEnabled(false);
  connect(adopt_, &QPushButton::clicked, this, &OptimiseDialog::adopt);
  column->addWidget(resultText_, 1);
  column->addWidget(adopt_, 0, Qt::AlignLeft);
  layout->addLayout(column, 1);
  chart_ = new SearchPathChart;
  chart_->setMinimumWidth(360);
  layout->addWidget(chart_, 1);
  return box;
}

void OptimiseDialog::setBase(const InputTexts& base, const RunRecord* run, AirIntegration air,
                             const std::optional<PlantData>& plant, bool constantAir) {
  base_ = base;
  air_ = air;
  plant_ = plant;
  constantAir_ = constantAir;
  limits_->setBase(run);
  decisions_->setBase(base);
  // The heater power is a figure of the plant: without its throughput there is none to minimise.
  auto* goals = qobject_cast<QStandardItemModel*>(goal_->model());
  const int heater = goal_->findData(static_cast<int>(OptimiseGoal::HeaterPower));
  if (goals && heater >= 0) {
    QStandardItem* item = goals->item(heater);
    item->setEnabled(plant.has_value());
    item->setToolTip(plant ? QString()
                           : tr("Die Heizleistung braucht den Durchsatz der Anlage; der Fall hat keine "
                                "Anlagendaten."));
    if (!plant && goal_->currentIndex() == heater) goal_->setCurrentIndex(0);
  }
  compareWithWindow(base);
  refreshProblem();
}

void OptimiseDialog::compareWithWindow(const InputTexts& window) {
  const std::vector<Input> changed = ChangedInputs(base_, window);
  baseNote_->setText(changed.empty() ? tr("die Eingaben des Hauptfensters")
                                     : tr("<span style=\"color:#c00000\">Im Hauptfenster seither geändert: %1</span>")
                                           .arg(QString::fromStdString(InputCaptions(changed)).toHtmlEscaped()));
}

bool OptimiseDialog::running() const { return job_->busy(); }

Outcome<OptimiseProblem> OptimiseDialog::problem() const {
  // The chamber's air follows the exhaust temperature's box only in a run of the window: a
  // search that moved the exhaust air would leave the laboratory test without saying so.
  if (constantAir_) {
    return Failure{Tr("Eingabefelder", kConstantAirCaption),
                   tr("die Suche gilt den Einstellungen eines Trockners; erst Berechnung ▸ "
                      "Laborversuch ausschalten, dann Grundfall übernehmen")
                       .toStdString()};
  }
  OptimiseProblem problem;
  problem.base = base_;
  problem.goal = static_cast<OptimiseGoal>(goal_->currentData().toInt());
  Outcome<std::vector<OptimiseConstraint>> constraints = limits_->constraints();
  if (!constraints) return constraints.failure();
  problem.constraints = std::move(constraints).value();
  Outcome<std::vector<DecisionInput>> decisions = decisions_->decisions();
  if (!decisions) return decisions.failure();
  problem.decisions = std::move(decisions).value();
  problem.plant = plant_;
  problem.jobs = UsableCores();
  problem.maxRuns = static_cast<std::size_t>(maxRuns_->value());
  problem.airIntegration = air_;
  const std::string refused = OptimiseProblemError(problem);
  if (!refused.empty()) return Failure{"", refused};
  return problem;
}

void OptimiseDialog::refreshProblem() {
  const Outcome<OptimiseProblem> defined = problem();
  problemText_->setText(defined ? QString() : QString::fromStdString(defined.message()));
  start_->setEnabled(defined.ok() && !running());
}

void OptimiseDialog::start() {
  Outcome<OptimiseProblem> defined = problem();
  if (!defined || running()) return;
  searched_ = std::move(defined).value();
  result_.reset();
  resultText_->clear();
  chart_->showPath({}, GoalInfo(searched_->goal));
  progress_->setRange(0, static_cast<int>(searched_->maxRuns));
  progress_->setValue(0);
  left_->clear();
  best_->setText(tr("noch kein zulässiger Lauf"));
  clock_.start();
  elapsed_->setText(tr("Laufzeit %1").arg(DurationText(0)));
  job_->start([this, problem = *searched_](const StopRequest& stop) -> BackgroundJob::Delivery {
    ProgressRelay relay([this](const OptimiseProgress& progress) { job_->post([this, progress] { onProgress(progress); }); });
    OptimiseResult result = Optimise(problem, &relay, &stop);
    return [this, result = std::move(result)] { onFinished(result); };
  });
  setRunning(true);
}

void OptimiseDialog::cancel() {
  if (!running()) return;
  job_->cancel();
  setRunning(false);
  left_->clear();
  resultText_->setText(
      tr("<p><b>Abgebrochen</b> nach %1 Läufen; die Eingaben bleiben unverändert.</p>").arg(progress_->value()));
  emit finished();
}

void OptimiseDialog::onProgress(const OptimiseProgress& progress) {
  progress_->setValue(static_cast<int>(std::min(progress.runs, progress.maxRuns)));
  elapsed_->setText(tr("Laufzeit %1").arg(DurationText(progress.seconds)));
  const QString left = TimeLeftText(progress.seconds, progress.runs, progress.maxRuns);
  left_->setText(left.isEmpty() ? QString() : tr("noch höchstens ca. %1").arg(left));
  if (progress.best && searched_) {
    const OptimiseGoalInfo& goal = GoalInfo(searched_->goal);
    best_->setText(tr("bestes Ziel bisher: %1").arg(QuantityText(progress.best->goal, goal.unit)));
  }
}

void OptimiseDialog::onFinished(const OptimiseResult& result) {
  result_ = result;
  setRunning(false);
  progress_->setValue(static_cast<int>(std::min(result.runs, searched_->maxRuns)));
  elapsed_->setText(tr("Laufzeit %1").arg(DurationText(result.seconds)));
  left_->clear();
  resultText_->setText(OptimiseResultHtml(*searched_, result));
  chart_->showPath(result.path, GoalInfo(searched_->goal));
  const bool found = result.status == OptimiseResult::Status::Found || result.status == OptimiseResult::Status::Stopped;
  adopt_->setEnabled(found && result.values.size() == searched_->decisions.size());
  emit finished();
}

void OptimiseDialog::setRunning(bool on) {
  cancel_->setEnabled(on);
  adopt_->setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{takeBase_, goal_, limits_, decisions_, maxRuns_}) {
    w->setEnabled(!on);
  }
  refreshProblem();
}

void OptimiseDialog::adopt() {
  if (!result_ || !searched_) return;
  std::vector<Input> inputs;
  for (const DecisionInput& d : searched_->decisions) inputs.push_back(d.input);
  emit adoptRequested(inputs, result_->optimum);
}

void OptimiseDialog::closeEvent(QCloseEvent* event) {
  cancel();  // a search nobody sees is not left running
  QDialog::closeEvent(event);
}

}  // namespace lamvero
