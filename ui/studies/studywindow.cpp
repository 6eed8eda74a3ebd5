#include "ui/studies/studywindow.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QTime>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <utility>

#include "present/reportcontent.h"
#include "run/dryingrun.h"
#include "study/usablecores.h"
#include "text/language.h"
#include "text/trim.h"
#include "ui/diagrams/windowfit.h"
#include "ui/shell/progresstext.h"
#include "ui/studies/studyfilemenu.h"
#include "ui/studies/studyjob.h"
#include "ui/studies/studyplotpane.h"
#include "ui/studies/studytablemodel.h"
#include "ui/studies/variationrow.h"

namespace lamvero {

namespace {

const char* const kGeometryKey = "studie/geometrie";
constexpr QSize kPreferredSize(1200, 860);

// A refusal as the window shows it: the inputs by their captions, not by their box names.
QString WithCaptions(const std::string& text) {
  QString shown = QString::fromStdString(text);
  static const QRegularExpression box(QStringLiteral("\\btxt_\\w+"));
  for (QRegularExpressionMatchIterator it = box.globalMatch(shown); it.hasNext();) {
    const QString name = it.next().captured();
    for (const InputField& f : InputFields()) {
      if (name == QLatin1String(f.box)) {
        shown.replace(name, QStringLiteral("„%1“").arg(
                                QString::fromStdString(WithoutTrailingBlanks(Tr("Eingabefelder", f.caption)))));
      }
    }
  }
  return shown;
}

QString Cases(std::size_t n) {
  return n == 1 ? QCoreApplication::translate("StudyWindow", "1 Fall")
                : QCoreApplication::translate("StudyWindow", "%1 Fälle").arg(n);
}

}  // namespace

StudyWindow::StudyWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frm_Studie"));
  setWindowTitle(tr("Studie"));
  workers_ = UsableCores();
  job_ = new StudyJob(this);
  measure_ = new BackgroundJob(this);
  seriesRun_ = new BackgroundJob(this);
  model_ = new StudyTableModel(this);
  sorted_ = new QSortFilterProxyModel(this);
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(StudyTableModel::kSortRole);
  dialogs_.warn = [this](const QString& text) { QMessageBox::warning(this, tr("Studie"), text); };

  auto* layout = new QVBoxLayout(this);
  createMenus();
  layout->setMenuBar(menuBar_);
  layout->addWidget(makeSetupPane());
  layout->addWidget(makeRunPane());
  layout->addWidget(makeResultsPane(), 1);
  resize(kPreferredSize);

  connect(job_, &StudyJob::rowsArrived, this, &StudyWindow::onRows);
  connect(job_, &StudyJob::progressed, this, &StudyWindow::onProgress);
  connect(job_, &StudyJob::finished, this, &StudyWindow::onFinished);
  refreshPlan();
}

StudyWindow::~StudyWindow() = default;

void StudyWindow::createMenus() {
  menuBar_ = new QMenuBar(this);
  fileMenu_ = menuBar_->addMenu(tr("&Datei"));
  fileMenu_->menuAction()->setObjectName(QStringLiteral("mnu_StudieDatei"));
  files_ = new StudyFileMenu(*fileMenu_, *this);
  fileMenu_->addSeparator();
  QAction* close = fileMenu_->addAction(tr("Schl&ießen"), QKeySequence::Close, this, &QWidget::close);
  close->setObjectName(QStringLiteral("act_StudieSchliessen"));
}

QWidget* StudyWindow::makeSetupPane() {
  auto* box = new QGroupBox(tr("Studie"));
  auto* layout = new QVBoxLayout(box);
  auto* baseLine = new QHBoxLayout;
  baseLabel_ = new QLabel;
  baseLabel_->setObjectName(QStringLiteral("lbl_Grundfall"));
  takeBase_ = new QPushButton(tr("Grundfall übernehmen"));
  takeBase_->setObjectName(QStringLiteral("cmd_Grundfall"));
  takeBase_->setToolTip(tr("Die Eingaben des Hauptfensters werden der Grundfall der Studie."));
  connect(takeBase_, &QPushButton::clicked, this, &StudyWindow::takeBase);
  baseLine->addWidget(baseLabel_, 1);
  baseLine->addWidget(takeBase_);
  layout->addLayout(baseLine);
  for (std::size_t i = 0; i < kMaxVaried; ++i) {
    rows_[i] = new VariationRow(static_cast<int>(i + 1));
    connect(rows_[i], &VariationRow::changed, this, &StudyWindow::refreshPlan);
    layout->addWidget(rows_[i]);
  }
  cases_ = new QLabel;
  cases_->setObjectName(QStringLiteral("lbl_Faelle"));
  cases_->setWordWrap(true);
  estimate_ = new QLabel;
  estimate_->setObjectName(QStringLiteral("lbl_Schaetzung"));
  layout->addWidget(cases_);
  layout->addWidget(estimate_);
  return box;
}

QWidget* StudyWindow::makeRunPane() {
  auto* pane = new QWidget;
  auto* layout = new QHBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);
  start_ = new QPushButton(tr("Start"));
  start_->setObjectName(QStringLiteral("cmd_Start"));
  cancel_ = new QPushButton(tr("Abbrechen"));
  cancel_->setObjectName(QStringLiteral("cmd_Abbrechen"));
  cancel_->setEnabled(false);
  progress_ = new QProgressBar;
  progress_->setObjectName(QStringLiteral("bar_Fortschritt"));
  progress_->setValue(0);
  left_ = new QLabel;
  left_->setObjectName(QStringLiteral("lbl_Restzeit"));
  state_ = new QLabel;
  state_->setObjectName(QStringLiteral("lbl_Zustand"));
  connect(start_, &QPushButton::clicked, this, &StudyWindow::start);
  connect(cancel_, &QPushButton::clicked, this, &StudyWindow::cancel);
  layout->addWidget(start_);
  layout->addWidget(cancel_);
  layout->addWidget(progress_, 1);
  layout->addWidget(left_);
  layout->addWidget(state_);
  return pane;
}

// The table, with room beside it for a chart of the results.
QWidget* StudyWindow::makeResultsPane() {
  table_ = new QTableView;
  table_->setObjectName(QStringLiteral("tbl_Studie"));
  table_->setModel(sorted_);
  table_->setSortingEnabled(true);
  table_->sortByColumn(0, Qt::AscendingOrder);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(true);
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  // Columns as wide as their headers, set once per study: measuring every row would cost
  // the window its speed in a study of thousands of cases.
  connect(model_, &QAbstractItemModel::modelReset, table_, [this] {
    for (int c = 0; c < model_->columnCount(); ++c) {
      table_->setColumnWidth(c, table_->horizontalHeader()->sectionSizeHint(c));
    }
  });
  connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) chooseRowAction(static_cast<std::size_t>(sorted_->mapToSource(index).row()), QCursor::pos());
  });
  connect(table_, &QTableView::customContextMenuRequested, this, [this](const QPoint& at) {
    const QModelIndex index = table_->indexAt(at);
    if (index.isValid()) {
      chooseRowAction(static_cast<std::size_t>(sorted_->mapToSource(index).row()), table_->viewport()->mapToGlobal(at));
    }
  });
  plots_ = new StudyPlotPane;
  plots_->showResults(&model_->results());
  connect(plots_, &StudyPlotPane::rowChosen, this, [this](std::size_t row) { chooseRowAction(row, QCursor::pos()); });
  auto* split = new QSplitter(Qt::Horizontal);
  split->setObjectName(QStringLiteral("split_Studie"));
  split->setChildrenCollapsible(false);
  split->addWidget(table_);
  split->addWidget(plots_);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  split->setSizes({680, 520});
  return split;
}

void StudyWindow::takeBase() {
  if (baseSource_) setBase(baseSource_());
}

void StudyWindow::setBase(const InputTexts& base) {
  base_ = base;
  baseLabel_->setText(tr("Grundfall: die Eingaben des Hauptfensters, übernommen um %1")
                          .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
  secondsPerCase_.reset();
  measure_->start([this, base](const StopRequest& stop) -> BackgroundJob::Delivery {
    const auto begun = std::chrono::steady_clock::now();
    NoRunEvents quiet;
    RunOptions options;
    options.stop = &stop;
    const bool refused = RunCase(base, quiet, options).outcome == RunOutcome::Refused;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begun;
    return [this, refused, seconds = took.count()] {
      baseRefused_ = refused;
      secondsPerCase_ = seconds;
      refreshPlan();
    };
  });
  refreshPlan();
}

StudyDefinition StudyWindow::definition() const {
  StudyDefinition d;
  d.base = base_;
  for (const VariationRow* row : rows_) {
    if (std::optional<StudyVariation> v = row->variation()) d.varied.push_back(std::move(*v));
  }
  return d;
}

void StudyWindow::setDefinition(const StudyDefinition& definition) {
  for (std::size_t i = 0; i < kMaxVaried; ++i) {
    rows_[i]->setVariation(i < definition.varied.size() ? std::optional(definition.varied[i]) : std::nullopt);
  }
  setBase(definition.base);
}

const StudyResults& StudyWindow::results() const { return model_->results(); }

void StudyWindow::showStudy(const StudyDefinition& definition, std::optional<StudyResults> results) {
  setDefinition(definition);
  shown_ = definition;
  StudyResults shown;
  shown.base = definition.base;
  if (const Outcome<StudyPlan> plan = PlanOf(definition)) shown.variedFields = plan.value().variedFields();
  model_->reset(results ? std::move(*results) : std::move(shown));
  plots_->showResults(&model_->results());
  progress_->setValue(0);
  left_->clear();
  state_->setText(tr("%1 geöffnet").arg(Cases(model_->results().rows.size())));
}

bool StudyWindow::running() const { return job_->busy(); }

// The number of cases, or why there can be none; Start only for a study that can run.
void StudyWindow::refreshPlan() {
  const Outcome<StudyPlan> plan = PlanOf(definition());
  if (!plan) {
    cases_->setStyleSheet(QStringLiteral("color: red"));
    cases_->setText(WithCaptions(plan.message()));
    estimate_->clear();
  } else {
    cases_->setStyleSheet(QString());
    cases_->setText(Cases(plan.value().size()));
    showEstimate(plan.value().size());
  }
  start_->setEnabled(plan.ok() && !running());
}

void StudyWindow::showEstimate(std::size_t cases) {
  if (baseRefused_) {
    estimate_->setText(tr("Geschätzte Dauer: keine Schätzung, der Grundfall selbst wird abgelehnt."));
  } else if (!secondsPerCase_) {
    estimate_->setText(tr("Geschätzte Dauer: ein Lauf des Grundfalls wird gemessen …"));
  } else {
    const std::size_t parallel = std::min<std::size_t>(workers_, std::max<std::size_t>(cases, 1));
    const double seconds = *secondsPerCase_ * static_cast<double>(cases) / static_cast<double>(parallel);
    estimate_->setText(tr("Geschätzte Dauer: %1 (ein Lauf des Grundfalls %2, %3 Kerne)")
                           .arg(DurationText(seconds), DurationText(*secondsPerCase_))
                           .arg(workers_));
  }
}

bool StudyWindow::start() {
  if (running() || !files_->maybeDiscard()) return false;
  Outcome<StudyPlan> plan = PlanOf(definition());
  if (!plan) {
    warn(WithCaptions(plan.message()));
    return false;
  }
  shown_ = definition();
  StudyResults fresh;
  fresh.base = base_;
  fresh.variedFields = plan.value().variedFields();
  model_->reset(std::move(fresh));
  plots_->showResults(&model_->results());
  progress_->setRange(0, static_cast<int>(plan.value().size()));
  progress_->setValue(0);
  state_->clear();
  left_->clear();
  elapsed_.start();
  job_->start(plan.value(), workers_);
  setRunning(true);
  return true;
}

void StudyWindow::cancel() { job_->cancel(); }

void StudyWindow::onRows(const std::vector<StudyRow>& rows) {
  model_->append(rows);
  plots_->refresh();
}

void StudyWindow::onProgress(std::size_t finished, std::size_t total) {
  progress_->setValue(static_cast<int>(finished));
  const QString left = TimeLeftText(elapsed_.elapsed() / 1000.0, finished, total);
  left_->setText(left.isEmpty() ? QString() : tr("noch ca. %1").arg(left));
}

void StudyWindow::onFinished(bool cancelled, const QString& problem) {
  model_->setComplete(!cancelled && problem.isEmpty());
  files_->resultsChanged();
  const std::size_t done = results().rows.size();
  const auto total = static_cast<std::size_t>(progress_->maximum());
  left_->clear();
  if (!problem.isEmpty()) {
    state_->setText(tr("Studie abgebrochen nach %1 von %2").arg(done).arg(Cases(total)));
    warn(tr("Die Studie brach ab: %1").arg(problem));
  } else if (cancelled) {
    state_->setText(tr("Studie abgebrochen: %1 von %2 gerechnet").arg(done).arg(Cases(total)));
  } else {
    state_->setText(tr("%1 gerechnet in %2").arg(Cases(done), DurationText(elapsed_.elapsed() / 1000.0)));
  }
  setRunning(false);
}

void StudyWindow::setRunning(bool running) {
  for (VariationRow* row : rows_) row->setEnabled(!running);
  takeBase_->setEnabled(!running);
  cancel_->setEnabled(running);
  refreshPlan();
  emit runningChanged(running);
}

void StudyWindow::chooseRowAction(std::size_t row, const QPoint& at) {
  if (row >= results().rows.size()) return;
  QMenu menu(this);
  menu.addAction(tr("Im Hauptfenster öffnen"), this, [this, row] { openCase(row); });
  menu.addAction(tr("In Diagramme übernehmen"), this, [this, row] { addCaseToDiagrams(row); });
  menu.exec(at);
}

void StudyWindow::openCase(std::size_t row) {
  if (row >= results().rows.size()) return;
  emit openCaseRequested(SummaryOf(results(), results().rows[row]).inputs);
}

QString StudyWindow::caseLabel(std::size_t row) const {
  const StudyRow& r = results().rows.at(row);
  QStringList values;
  for (std::size_t i = 0; i < r.varied.size() && i < results().variedFields.size(); ++i) {
    const InputField& f = FieldOf(results().variedFields[i]);
    values << QStringLiteral("%1 = %2").arg(
        QString::fromStdString(CaptionWithoutUnit(Tr("Eingabefelder", f.caption), f.unit)),
        QString::fromStdString(ShownInputText(r.varied[i])) +
            (*f.unit ? QStringLiteral(" ") + QString::fromUtf8(f.unit) : QString()));
  }
  const QString head = tr("Studie, Fall %1").arg(r.number);
  return values.isEmpty() ? head : head + QStringLiteral(": ") + values.join(QStringLiteral(", "));
}

// The case again, with its series this time (a study keeps only its key results).
void StudyWindow::addCaseToDiagrams(std::size_t row) {
  if (row >= results().rows.size()) return;
  const InputTexts inputs = SummaryOf(results(), results().rows[row]).inputs;
  const QString label = caseLabel(row);
  seriesRun_->start([this, inputs, label](const StopRequest& stop) -> BackgroundJob::Delivery {
    NoRunEvents quiet;
    RunOptions options;
    options.stop = &stop;
    auto record = std::make_shared<RunRecord>(RunCase(inputs, quiet, options));
    return [this, record, label] {
      if (record->outcome == RunOutcome::Refused) {
        warn(tr("%1 wird nicht gerechnet: %2")
                 .arg(label,
                      QString::fromStdString(record->messages.empty() ? std::string() : record->messages.front())));
        return;
      }
      emit caseRunForDiagrams(*record, label);
    };
  });
}

void StudyWindow::warn(const QString& text) {
  if (dialogs_.warn) dialogs_.warn(text);
}

void StudyWindow::setVisible(bool visible) {
  if (visible && !placed_) {
    placed_ = true;
    PlaceOnScreen(*this, QString::fromLatin1(kGeometryKey), kPreferredSize);
  }
  QWidget::setVisible(visible);
}

void StudyWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) QSettings().setValue(QString::fromLatin1(kGeometryKey), saveGeometry());
}

void StudyWindow::fitInto(const QRect& available) { FitInto(*this, available); }

}  // namespace lamvero
