#include "ui/shell/plantpanel.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include "present/plantrows.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"
#include "ui/shell/casedocument.h"
#include "ui/shell/statuslines.h"

namespace lamvero {

namespace {

QTableWidgetItem* Cell(const std::string& text, Qt::Alignment align) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(align | Qt::AlignVCenter);
  return item;
}

}  // namespace

PlantPanel::PlantPanel(CaseDocument& document, MainWindow& area, StatusLines& status, QWidget* parent)
    : QDialog(parent), document_(document), area_(area), status_(status) {
  setObjectName(QStringLiteral("dlg_Anlagenwerte"));
  setWindowTitle(tr("Anlagenwerte"));
  state_ = new QLabel;
  state_->setObjectName(QStringLiteral("lbl_AnlagenwerteStand"));
  state_->setWordWrap(true);
  table_ = new QTableWidget(0, 3);
  table_->setObjectName(QStringLiteral("tbl_Anlagenwerte"));
  table_->setHorizontalHeaderLabels({tr("Größe"), tr("Wert"), tr("Einheit")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(state_);
  layout->addWidget(table_);
  layout->addWidget(buttons);
  resize(460, 330);

  // The document changes with every input text, plant data, run's end and file opened.
  connect(&document_, &CaseDocument::changed, this, &PlantPanel::update);
  connect(&area_.runController(), &RunController::phaseChanged, this, &PlantPanel::update);
  update();
}

QString PlantPanel::state() const {
  const std::optional<CaseRun>& run = document_.run();
  if (!document_.plant()) return tr("Keine Anlagendaten: Datei ▸ Anlagendaten… nimmt den Durchsatz auf.");
  if (area_.runController().active()) return tr("Die Anlagenwerte folgen nach der Rechnung.");
  if (!run || run->record.outcome != RunOutcome::Completed) {
    return tr("Die Anlagenwerte folgen nach einer vollständigen Rechnung.");
  }
  if (!document_.runMatchesInputs()) {
    return tr("Eingaben geändert seit der Rechnung: die Anlagenwerte folgen nach der nächsten Rechnung.");
  }
  return {};
}

void PlantPanel::update() {
  const QString why = state();
  state_->setText(why);
  state_->setVisible(!why.isEmpty());
  std::vector<PlantRow> rows;
  QStringList line;
  if (document_.plant()) {
    rows = PlantDataRows(*document_.plant());
    if (why.isEmpty()) {
      for (PlantRow& row : PlantFigureRows(*document_.plant(), document_.run()->record)) {
        if (!row.text.empty()) line << QString::fromStdString(row.caption + " " + row.text + " " + row.unit);
        rows.push_back(std::move(row));
      }
    }
  }
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const PlantRow& r = rows[static_cast<std::size_t>(i)];
    table_->setItem(i, 0, Cell(r.caption, Qt::AlignLeft));
    table_->setItem(i, 1, Cell(r.text, Qt::AlignRight));
    table_->setItem(i, 2, Cell(r.unit, Qt::AlignLeft));
  }
  status_.set(QLatin1String(kLine), line.isEmpty() ? QString() : tr("Anlage: ") + line.join(QStringLiteral(" · ")));
}

}  // namespace lamvero
