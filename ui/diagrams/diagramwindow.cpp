#include "ui/diagrams/diagramwindow.h"

#include <algorithm>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/diagrams/chartexport.h"
#include "ui/diagrams/chartpanel.h"
#include "ui/diagrams/comparisontable.h"

namespace lamvero {

namespace {

constexpr int kIdRole = Qt::UserRole;
const char* const kDirectoryKey = "diagramme/verzeichnis";
const char* const kCsvDialectKey = "diagramme/csv-dialekt";

QIcon Swatch(const QColor& color) {
  QPixmap p(14, 14);
  p.fill(color);
  return QIcon(p);
}

// A few inputs that tell runs apart, for the list's tooltip.
QString Summary(const RunEntry& e) {
  QStringList lines;
  for (const InputField& f : InputFields()) {
    lines << QStringLiteral("%1: %2").arg(QString::fromUtf8(f.caption), QString::fromStdString(e.record->inputs[f.id]));
  }
  if (!e.hasSeries()) lines.prepend(QStringLiteral("ohne Verläufe: nur in der Tabelle"));
  return lines.join('\n');
}

}  // namespace

DiagramWindow::DiagramWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frm_Diagramme"));
  setWindowTitle(QStringLiteral("Diagramme"));
  QWidget* left = makeRunsPane();
  QWidget* right = makeChartsPane();
  auto* split = new QSplitter(Qt::Horizontal);
  split->addWidget(left);
  split->addWidget(right);
  split->setStretchFactor(1, 1);
  split->setSizes({230, 970});
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(split);
  resize(1200, 900);
  runsChanged();
}

// Left: the runs and the reference.
QWidget* DiagramWindow::makeRunsPane() {
  list_ = new QListWidget;
  list_->setObjectName(QStringLiteral("lst_Laeufe"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  auto* remove = new QPushButton(QStringLiteral("Entfernen"));
  remove->setObjectName(QStringLiteral("cmd_Entfernen"));
  reference_ = new QComboBox;
  reference_->setObjectName(QStringLiteral("cbo_Bezug"));
  auto* left = new QWidget;
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(new QLabel(QStringLiteral("Läufe (angehakt: gezeigt)")));
  leftLayout->addWidget(list_, 1);
  hint_ = new QLabel(QStringLiteral("Noch keine Läufe: jede vollständige Rechnung (Start) und jede geöffnete "
                                    "Falldatei mit Ergebnissen erscheint hier."));
  hint_->setObjectName(QStringLiteral("lbl_Hinweis"));
  hint_->setWordWrap(true);
  leftLayout->addWidget(hint_);
  leftLayout->addWidget(remove);
  leftLayout->addWidget(new QLabel(QStringLiteral("Bezugslauf für die Differenzen")));
  leftLayout->addWidget(reference_);
  connect(list_, &QListWidget::itemChanged, this, &DiagramWindow::onItemChanged);
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
    tabs_->addTab(panel, QString::fromUtf8(info.name));
  }
  auto* buttons = new QHBoxLayout;
  const auto button = [&](const char* name, const QString& caption, void (DiagramWindow::*slot)()) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
  };
  button("cmd_Gesamtansicht", QStringLiteral("Gesamtansicht"), &DiagramWindow::onResetZoom);
  buttons->addStretch(1);
  button("cmd_PNG", QStringLiteral("Als PNG …"), &DiagramWindow::onExportPng);
  button("cmd_SVG", QStringLiteral("Als SVG …"), &DiagramWindow::onExportSvg);
  button("cmd_CSV", QStringLiteral("Daten als CSV …"), &DiagramWindow::onExportCsv);
  auto* charts = new QWidget;
  auto* chartsLayout = new QVBoxLayout(charts);
  chartsLayout->setContentsMargins(0, 0, 0, 0);
  chartsLayout->addWidget(tabs_, 1);
  chartsLayout->addLayout(buttons);

  table_ = new ComparisonTable;
  auto* right = new QSplitter(Qt::Vertical);
  right->addWidget(charts);
  right->addWidget(table_);
  right->setStretchFactor(0, 3);
  right->setStretchFactor(1, 2);
  return right;
}

DiagramWindow::~DiagramWindow() = default;

int DiagramWindow::addSessionRun(const RunRecord& record) {
  const int id = runs_.add(record, QStringLiteral("Lauf %1").arg(sessionRuns_ + 1), false);
  if (id == 0) return 0;
  ++sessionRuns_;
  runsChanged();
  return id;
}

int DiagramWindow::addRun(const RunRecord& record, const QString& label) {
  const int id = runs_.add(record, label, true);
  if (id != 0) runsChanged();
  return id;
}

void DiagramWindow::removeRun(int id) {
  if (runs_.remove(id)) runsChanged();
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

ChartKind DiagramWindow::currentChart() const { return Charts()[static_cast<std::size_t>(tabs_->currentIndex())].kind; }

std::string DiagramWindow::chartCsv(ChartKind kind, CsvDialect dialect) const {
  return ChartCsv(kind, runs_.selected(), dialect);
}

void DiagramWindow::runsChanged() {
  // The list: one checkable line per run in its colour.
  const QSignalBlocker blockList(list_);
  const int current = list_->currentItem() ? list_->currentItem()->data(kIdRole).toInt() : 0;
  list_->clear();
  for (const RunEntry& e : runs_.entries()) {
    QString text = e.label;
    if (!e.hasSeries()) text += QStringLiteral(" (nur Tabelle)");
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
  reference_->addItem(QStringLiteral("(keiner)"), 0);
  for (const RunEntry& e : runs_.entries()) reference_->addItem(Swatch(e.color), e.label, e.id);
  reference_->setCurrentIndex(std::max(0, reference_->findData(runs_.referenceId())));

  if (isVisible()) {
    refreshViews();
  } else {
    stale_ = true;
  }
}

void DiagramWindow::refreshViews() {
  stale_ = false;
  const std::vector<const RunEntry*> shown = runs_.selected();
  for (std::size_t i = 0; i < Charts().size(); ++i) FillChart(*panels_[i], Charts()[i].kind, shown);
  // The reference stays in the table while it is not drawn: the others are compared with it.
  std::vector<const RunEntry*> columns = shown;
  const RunEntry* reference = runs_.find(runs_.referenceId());
  if (reference && std::find(columns.begin(), columns.end(), reference) == columns.end()) {
    columns.insert(columns.begin(), reference);
  }
  table_->showRuns(columns, reference);
}

void DiagramWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) refreshViews();
}

void DiagramWindow::onItemChanged(QListWidgetItem* item) {
  setShown(item->data(kIdRole).toInt(), item->checkState() == Qt::Checked);
}

void DiagramWindow::onReferenceChosen(int index) { setReference(reference_->itemData(index).toInt()); }

void DiagramWindow::onRemove() {
  if (QListWidgetItem* item = list_->currentItem()) removeRun(item->data(kIdRole).toInt());
}

void DiagramWindow::onResetZoom() { chart(currentChart()).resetZoom(); }

QString DiagramWindow::askFileName(const QString& suffix, const QString& filter, QString* selectedFilter) {
  QSettings settings;
  const QString dir = settings.value(QString::fromLatin1(kDirectoryKey), QDir::homePath()).toString();
  const QString name = QString::fromUtf8(Charts()[static_cast<std::size_t>(tabs_->currentIndex())].name);
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Diagramm speichern"),
                                              QDir(dir).filePath(name + QLatin1Char('.') + suffix), filter,
                                              selectedFilter);
  if (path.isEmpty()) return path;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
  settings.setValue(QString::fromLatin1(kDirectoryKey), QFileInfo(path).absolutePath());
  return path;
}

void DiagramWindow::reportFailure(const QString& path, const Status& failed) {
  QMessageBox::warning(this, QStringLiteral("Diagramme"),
                       QStringLiteral("%1 konnte nicht geschrieben werden:\n%2")
                           .arg(QDir::toNativeSeparators(path), QString::fromStdString(failed.message())));
}

void DiagramWindow::onExportPng() {
  const QString path = askFileName(QStringLiteral("png"), QStringLiteral("PNG-Bild (*.png)"));
  if (path.isEmpty()) return;
  const Status written = WriteChartPng(chart(currentChart()), path);
  if (!written) reportFailure(path, written);
}

void DiagramWindow::onExportSvg() {
  const QString path = askFileName(QStringLiteral("svg"), QStringLiteral("SVG-Grafik (*.svg)"));
  if (path.isEmpty()) return;
  const Status written = WriteChartSvg(chart(currentChart()), path);
  if (!written) reportFailure(path, written);
}

void DiagramWindow::onExportCsv() {
  const QString german = QStringLiteral("CSV mit Semikolon und Dezimalkomma (*.csv)");
  const QString plain = QStringLiteral("CSV mit Komma und Dezimalpunkt (*.csv)");
  QSettings settings;
  QString filter = settings.value(QString::fromLatin1(kCsvDialectKey)).toString() == QLatin1String("plain") ? plain : german;
  const QString path = askFileName(QStringLiteral("csv"), german + QStringLiteral(";;") + plain, &filter);
  if (path.isEmpty()) return;
  const CsvDialect dialect = filter == plain ? CsvDialect::Plain : CsvDialect::German;
  settings.setValue(QString::fromLatin1(kCsvDialectKey), dialect == CsvDialect::Plain ? "plain" : "de");
  const Status written = WriteTextFile(path, chartCsv(currentChart(), dialect));
  if (!written) reportFailure(path, written);
}

}  // namespace lamvero
