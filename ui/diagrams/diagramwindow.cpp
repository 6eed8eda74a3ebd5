#include "ui/diagrams/diagramwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "present/runcurves.h"
#include "text/language.h"
#include "ui/diagrams/chartexport.h"
#include "ui/diagrams/chartpanel.h"
#include "ui/diagrams/comparisontable.h"
#include "ui/diagrams/windowfit.h"

namespace lamvero {

namespace {

constexpr int kIdRole = Qt::UserRole;
const char* const kDirectoryKey = "diagramme/verzeichnis";
const char* const kGeometryKey = "diagramme/geometrie";
const char* const kAirFormKey = "diagramme/hxForm";
// The size it opens at where the screen has room.
constexpr QSize kPreferredSize(1200, 900);
constexpr int kMaxLabelLength = 80;

QIcon Swatch(const QColor& color) {
  QPixmap p(14, 14);
  p.fill(color);
  return QIcon(p);
}

// A few inputs that tell runs apart, for the list's tooltip.
QString Summary(const RunEntry& e) {
  QStringList lines;
  for (const InputField& f : InputFields()) {
    lines << QStringLiteral("%1: %2").arg(QString::fromStdString(Tr("Eingabefelder", f.caption)),
                                          QString::fromStdString(ShownInputText(e.record->inputs[f.id])));
  }
  if (!e.hasSeries()) {
    lines.prepend(QCoreApplication::translate("DiagramWindow", "ohne Verläufe, nur in der Tabelle: %1")
                      .arg(QString::fromStdString(NoCurvesReason(*e.record))));
  } else if (!SeriesEvaluated(*e.record)) {
    lines.prepend(QCoreApplication::translate("DiagramWindow",
                                              "Verläufe bis zum Halt, ohne Auswertung: nicht umskaliert und nicht "
                                              "geglättet; Ergebnisse der Auswertung fehlen („–“)"));
  }
  return lines.join('\n');
}

}  // namespace

DiagramWindow::DiagramWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frm_Diagramme"));
  setWindowTitle(tr("Diagramme"));
  QWidget* left = makeRunsPane();
  QWidget* right = makeChartsPane();
  auto* split = new QSplitter(Qt::Horizontal);
  split->addWidget(left);
  split->addWidget(right);
  split->setStretchFactor(1, 1);
  split->setSizes({230, 970});
  split->setChildrenCollapsible(false);
  // Smaller than its parts need, the window scrolls rather than hiding the table or a button.
  auto* content = new QWidget;
  auto* contentLayout = new QHBoxLayout(content);
  contentLayout->addWidget(split);
  auto* scroll = new QScrollArea;
  scroll->setObjectName(QStringLiteral("scroll_Diagramme"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(content);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  resize(kPreferredSize);
  startFolder_ = QSettings().value(QString::fromLatin1(kDirectoryKey)).toString();
  dialogs_.saveName = [this](const QString& caption, const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(this, caption, suggested, filter);
  };
  dialogs_.csvChoice = [this]() -> std::optional<CsvChoice> {
    CsvExportDialog dialog(true, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    dialog.remember();
    return dialog.choice();
  };
  runsChanged();
}

// Left: the runs and the reference.
QWidget* DiagramWindow::makeRunsPane() {
  list_ = new QListWidget;
  list_->setObjectName(QStringLiteral("lst_Laeufe"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setToolTip(tr("Doppelklick oder Kontextmenü: Lauf umbenennen"));
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* remove = new QPushButton(tr("Entfernen"));
  remove->setObjectName(QStringLiteral("cmd_Entfernen"));
  reference_ = new QComboBox;
  reference_->setObjectName(QStringLiteral("cbo_Bezug"));
  auto* left = new QWidget;
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(new QLabel(tr("Läufe (angehakt: gezeigt)")));
  leftLayout->addWidget(list_, 1);
  hint_ =
      new QLabel(tr("Noch keine Läufe: jede vollständige Rechnung (Start) und jede geöffnete "
                    "Falldatei mit Ergebnissen erscheint hier."));
  hint_->setObjectName(QStringLiteral("lbl_Hinweis"));
  hint_->setWordWrap(true);
  leftLayout->addWidget(hint_);
  notice_ = new QLabel;
  notice_->setObjectName(QStringLiteral("lbl_Nachricht"));
  notice_->setWordWrap(true);
  notice_->hide();
  leftLayout->addWidget(notice_);
  leftLayout->addWidget(remove);
  leftLayout->addWidget(new QLabel(tr("Bezugslauf für die Differenzen")));
  leftLayout->addWidget(reference_);
  connect(list_, &QListWidget::itemChanged, this, &DiagramWindow::onItemChanged);
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { askRename(item->data(kIdRole).toInt()); });
  connect(list_, &QListWidget::customContextMenuRequested, this, &DiagramWindow::onListMenu);
  connect(reference_, &QComboBox::activated, this, &DiagramWindow::onReferenceChosen);
  connect(remove, &QPushButton::clicked, this, &DiagramWindow::onRemove);
  return left;
}

// Right: the diagrams over the table.
QWidget* DiagramWindow::makeChartsPane() {
  tabs_ = new QTabWidget;
  tabs_->setObjectName(QStringLiteral("tab_Diagramme"));
  for (const ChartInfo& info : Charts()) {
    ChartPanel* panel = MakeChartPanel(info);
    panels_.push_back(panel);
    tabs_->addTab(panel, QCoreApplication::translate("DiagramCharts", info.name));
  }
  auto* buttons = new QHBoxLayout;
  const auto button = [&](const char* name, const QString& caption, void (DiagramWindow::*slot)()) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
  };
  button("cmd_Gesamtansicht", tr("Gesamtansicht"), &DiagramWindow::onResetZoom);
  airForm_ = AirChartFormOfKey(QSettings().value(QString::fromLatin1(kAirFormKey)).toString());
  airFormChoice_ = new QComboBox;
  airFormChoice_->setObjectName(QStringLiteral("cbo_hXForm"));
  airFormChoice_->setToolTip(
      tr("Form des h,X-Diagramms: ϑ senkrecht, oder nach Mollier mit "
         "schrägen Linien gleicher Enthalpie"));
  for (const AirChartFormInfo& f : AirChartForms()) {
    airFormChoice_->addItem(QCoreApplication::translate("AirChartForm", f.caption), static_cast<int>(f.form));
  }
  airFormChoice_->setCurrentIndex(airFormChoice_->findData(static_cast<int>(airForm_)));
  connect(airFormChoice_, &QComboBox::activated, this, [this](int index) {
    setAirChartForm(static_cast<AirChartForm>(airFormChoice_->itemData(index).toInt()));
  });
  buttons->addWidget(airFormChoice_);
  const auto showChoice = [this] { airFormChoice_->setVisible(currentChart() == ChartKind::AirStates); };
  connect(tabs_, &QTabWidget::currentChanged, this, showChoice);
  showChoice();
  buttons->addStretch(1);
  button("cmd_PNG", tr("Als PNG …"), &DiagramWindow::onExportPng);
  button("cmd_SVG", tr("Als SVG …"), &DiagramWindow::onExportSvg);
  button("cmd_CSV", tr("Daten als CSV …"), &DiagramWindow::onExportCsv);
  auto* charts = new QWidget;
  auto* chartsLayout = new QVBoxLayout(charts);
  chartsLayout->setContentsMargins(0, 0, 0, 0);
  chartsLayout->addWidget(tabs_, 1);
  chartsLayout->addLayout(buttons);

  table_ = new ComparisonTable;
  table_->setMinimumHeight(120);  // a few rows, however small the window
  auto* right = new QSplitter(Qt::Vertical);
  right->addWidget(charts);
  right->addWidget(table_);
  right->setStretchFactor(0, 3);
  right->setStretchFactor(1, 2);
  right->setChildrenCollapsible(false);
  return right;
}

DiagramWindow::~DiagramWindow() = default;

int DiagramWindow::addSessionRun(const RunRecord& record, bool constantAir) {
  const QString label = tr("Lauf %1").arg(sessionRuns_ + 1);
  explain(record, label);
  const int id = runs_.add(record, label, false, constantAir);
  if (id == 0) return 0;
  ++sessionRuns_;
  runsChanged();
  return id;
}

int DiagramWindow::addRun(const RunRecord& record, const QString& label, bool constantAir) {
  explain(record, label);
  const int id = runs_.add(record, label, true, constantAir);
  if (id != 0) runsChanged();
  return id;
}

void DiagramWindow::explain(const RunRecord& record, const QString& label) {
  std::string reason = NoCurvesReason(record);
  // A refused run names its first problem, as the window's message did.
  if (record.outcome == RunOutcome::Refused && !record.messages.empty()) reason += " " + ShownMessages(record).front();
  const QString text = reason.empty() ? QString()
                       : record.outcome == RunOutcome::Refused
                           ? tr("Nicht aufgenommen: %1").arg(QString::fromStdString(reason))
                           : tr("„%1“ ohne Verläufe: %2").arg(label, QString::fromStdString(reason));
  notice_->setText(text);
  notice_->setVisible(!text.isEmpty());
}

QString DiagramWindow::notice() const { return notice_->text(); }

void DiagramWindow::removeRun(int id) {
  if (runs_.remove(id)) runsChanged();
}

bool DiagramWindow::renameRun(int id, const QString& label) {
  // Invisible characters go and line breaks and tabs become spaces (a name pasted from elsewhere).
  QString name = label;
  name.removeIf([](QChar c) { return !c.isPrint() && !c.isSpace(); });
  name = name.simplified().left(kMaxLabelLength);
  if (name.isEmpty() || !runs_.rename(id, name)) return false;
  runsChanged();
  return true;
}

void DiagramWindow::askRename(int id) {
  const RunEntry* entry = runs_.find(id);
  if (!entry) return;
  auto* dialog = new QInputDialog(this);
  dialog->setObjectName(QStringLiteral("dlg_Umbenennen"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(tr("Lauf umbenennen"));
  dialog->setLabelText(tr("Name in der Liste, den Diagrammen, der Tabelle und den Exporten:"));
  dialog->setOkButtonText(tr("Umbenennen"));
  dialog->setCancelButtonText(tr("Abbrechen"));
  dialog->setTextValue(entry->label);
  dialog->findChild<QLineEdit*>()->setMaxLength(kMaxLabelLength);
  // A run needs a name: no renaming to blanks.
  QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
  connect(dialog, &QInputDialog::textValueChanged, ok,
          [ok](const QString& text) { ok->setEnabled(!text.trimmed().isEmpty()); });
  connect(dialog, &QInputDialog::textValueSelected, this, [this, id](const QString& text) { renameRun(id, text); });
  dialog->open();
}

void DiagramWindow::onListMenu(const QPoint& at) {
  QListWidgetItem* item = list_->itemAt(at);
  if (!item) return;
  const int id = item->data(kIdRole).toInt();
  QMenu menu(this);
  menu.addAction(tr("Umbenennen …"), this, [this, id] { askRename(id); });
  menu.addAction(tr("Entfernen"), this, [this, id] { removeRun(id); });
  menu.exec(list_->viewport()->mapToGlobal(at));
}

void DiagramWindow::setShown(int id, bool shown) {
  runs_.setSelected(id, shown);
  runsChanged();
}

void DiagramWindow::setReference(int id) {
  runs_.setReference(id);
  runsChanged();
}

ChartPanel& DiagramWindow::chart(ChartKind kind) {
  for (std::size_t i = 0; i < Charts().size(); ++i) {
    if (Charts()[i].kind == kind) return *panels_[i];
  }
  return *panels_.front();
}

void DiagramWindow::setAirChartForm(AirChartForm form) {
  airForm_ = form;
  QSettings().setValue(QString::fromLatin1(kAirFormKey), QString::fromLatin1(InfoOf(form).key));
  const QSignalBlocker block(airFormChoice_);
  airFormChoice_->setCurrentIndex(airFormChoice_->findData(static_cast<int>(form)));
  FillChart(chart(ChartKind::AirStates), ChartKind::AirStates, runs_.selected(), airForm_);
}

ChartKind DiagramWindow::currentChart() const { return Charts()[static_cast<std::size_t>(tabs_->currentIndex())].kind; }

std::string DiagramWindow::chartCsv(ChartKind kind, CsvDialect dialect, int every) const {
  return ChartCsv(kind, runs_.selected(), dialect, every);
}

void DiagramWindow::runsChanged() {
  // The list: one checkable line per run in its colour.
  const QSignalBlocker blockList(list_);
  const int current = list_->currentItem() ? list_->currentItem()->data(kIdRole).toInt() : 0;
  list_->clear();
  for (const RunEntry& e : runs_.entries()) {
    QString text = e.shownName();
    if (!e.hasSeries()) text += tr(" (nur Tabelle)");
    auto* item = new QListWidgetItem(Swatch(e.color), text, list_);
    item->setData(kIdRole, e.id);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(e.selected ? Qt::Checked : Qt::Unchecked);
    item->setToolTip(Summary(e));
    if (e.id == current) list_->setCurrentItem(item);
  }

  hint_->setVisible(runs_.entries().empty());

  const QSignalBlocker blockReference(reference_);
  reference_->clear();
  reference_->addItem(tr("(keiner)"), 0);
  for (const RunEntry& e : runs_.entries()) reference_->addItem(Swatch(e.color), e.shownName(), e.id);
  reference_->setCurrentIndex(std::max(0, reference_->findData(runs_.referenceId())));
  refreshWhenShown();
}

void DiagramWindow::setMeasured(std::optional<MeasuredCurve> measured) {
  measured_ = std::move(measured);
  refreshWhenShown();
}

void DiagramWindow::refreshWhenShown() {
  if (isVisible()) {
    refreshViews();
  } else {
    stale_ = true;
  }
}

void DiagramWindow::refreshViews() {
  stale_ = false;
  const std::vector<const RunEntry*> shown = runs_.selected();
  const MeasuredCurve* measured = measured_ ? &*measured_ : nullptr;
  for (std::size_t i = 0; i < Charts().size(); ++i) FillChart(*panels_[i], Charts()[i].kind, shown, airForm_, measured);
  // The reference stays in the table while it is not drawn: the others are compared with it.
  std::vector<const RunEntry*> columns = shown;
  const RunEntry* reference = runs_.find(runs_.referenceId());
  if (reference && std::find(columns.begin(), columns.end(), reference) == columns.end()) {
    columns.insert(columns.begin(), reference);
  }
  table_->showRuns(columns, reference);
}

void DiagramWindow::setVisible(bool visible) {
  if (visible && !placed_) {
    placed_ = true;
    PlaceOnScreen(*this, QString::fromLatin1(kGeometryKey), kPreferredSize);
  }
  QWidget::setVisible(visible);
}

void DiagramWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) refreshViews();
}

void DiagramWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) QSettings().setValue(QString::fromLatin1(kGeometryKey), saveGeometry());
}

void DiagramWindow::fitInto(const QRect& available) { FitInto(*this, available); }

void DiagramWindow::setCaseFolder(const QString& folder) {
  if (folder == caseFolder_) return;
  caseFolder_ = folder;
  if (!folder.isEmpty()) startFolder_ = folder;
}

QString DiagramWindow::startFolder() const { return startFolder_.isEmpty() ? QDir::homePath() : startFolder_; }

void DiagramWindow::onItemChanged(QListWidgetItem* item) {
  setShown(item->data(kIdRole).toInt(), item->checkState() == Qt::Checked);
}

void DiagramWindow::onReferenceChosen(int index) { setReference(reference_->itemData(index).toInt()); }

void DiagramWindow::onRemove() {
  if (QListWidgetItem* item = list_->currentItem()) removeRun(item->data(kIdRole).toInt());
}

void DiagramWindow::onResetZoom() { chart(currentChart()).resetZoom(); }

QString DiagramWindow::askFileName(const QString& suffix, const QString& filter) {
  const char* chart = Charts()[static_cast<std::size_t>(tabs_->currentIndex())].name;
  const QString name = QCoreApplication::translate("DiagramCharts", chart);
  QString path = dialogs_.saveName(tr("Diagramm speichern"),
                                   QDir(startFolder()).filePath(name + QLatin1Char('.') + suffix), filter);
  if (path.isEmpty()) return path;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
  startFolder_ = QFileInfo(path).absolutePath();
  QSettings().setValue(QString::fromLatin1(kDirectoryKey), startFolder_);
  return path;
}

void DiagramWindow::reportFailure(const QString& path, const Status& failed) {
  QMessageBox::warning(this, tr("Diagramme"),
                       tr("%1 konnte nicht geschrieben werden:\n%2")
                           .arg(QDir::toNativeSeparators(path), QString::fromStdString(failed.message())));
}

void DiagramWindow::exportPicture(const QString& suffix, const QString& filter,
                                  Status (*write)(ChartPanel&, const QString&)) {
  const QString path = askFileName(suffix, filter);
  if (path.isEmpty()) return;
  const Status written = write(chart(currentChart()), path);
  if (!written) reportFailure(path, written);
}

void DiagramWindow::onExportPng() { exportPicture(QStringLiteral("png"), tr("PNG-Bild (*.png)"), WriteChartPng); }

void DiagramWindow::onExportSvg() { exportPicture(QStringLiteral("svg"), tr("SVG-Grafik (*.svg)"), WriteChartSvg); }

void DiagramWindow::onExportCsv() {
  const std::optional<CsvChoice> choice = dialogs_.csvChoice();
  if (!choice) return;
  const QString path = askFileName(QStringLiteral("csv"), tr("CSV-Tabellen (*.csv)"));
  if (path.isEmpty()) return;
  const Status written = WriteTextFile(path, chartCsv(currentChart(), choice->dialect, choice->every));
  if (!written) reportFailure(path, written);
}

}  // namespace lamvero
