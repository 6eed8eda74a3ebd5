#include "ui/shell/accuracypanel.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

#include "present/accuracyview.h"
#include "study/accuracy.h"

namespace lamvero {

namespace {

// The table's columns: header and text of a row.
struct Column {
  const char* header;
  std::string AccuracyRowTexts::*text;
};
const std::array<Column, 8> kColumns = {{
    {QT_TRANSLATE_NOOP("lamvero::AccuracyPanel", "Kennergebnis"), &AccuracyRowTexts::caption},
    {QT_TRANSLATE_NOOP("lamvero::AccuracyPanel", "diese Rechnung"), &AccuracyRowTexts::runValue},
    {QT_TRANSLATE_NOOP("lamvero::AccuracyPanel", "gegen extrapoliert"), &AccuracyRowTexts::runDeviation},
    {QT_TRANSLATE_NOOP("lamvero::AccuracyPanel", "feinste Stufe"), &AccuracyRowTexts::value},
    {QT_TRANSLATE_NOOP("lamvero::AccuracyPanel", "Änderung"), &AccuracyRowTexts::change},
    {QT_TRANSLATE_NOOP("lamvero::AccuracyPanel", "Ordnung"), &AccuracyRowTexts::order},
    {QT_TRANSLATE_NOOP("lamvero::AccuracyPanel", "extrapoliert"), &AccuracyRowTexts::extrapolated},
    {QT_TRANSLATE_NOOP("lamvero::AccuracyPanel", "Fehler der feinsten Stufe"), &AccuracyRowTexts::error},
}};

const char* const kExplanation = QT_TRANSLATE_NOOP(
    "lamvero::AccuracyPanel",
    "Die Schätzung rechnet denselben Fall noch einmal mit feineren Schritten und schätzt daraus, wie weit "
    "jedes Kennergebnis vom Ergebnis des Modells bei verschwindenden Schritten entfernt ist "
    "(Richardson-Extrapolation, Grid Convergence Index): die Spalte „gegen extrapoliert“ zeigt, wie weit die "
    "Werte dieser Rechnung davon abliegen, der Fehler gilt für die feinste Stufe. Sie beurteilt nur die Zahlen des Modells, nicht das "
    "Modell gegenüber einem wirklichen Trockner; der relative Wasserfehler ist eine Wasserbilanz und zeigt "
    "diesen Fehler nicht. Ergebnisse über der Toleranz sind rot. Mehr im Handbuch (F1), Kapitel Genauigkeit.");

QTableWidgetItem* Cell(const std::string& text, bool marked) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  if (marked) {
    item->setForeground(Qt::red);
    item->setToolTip(QCoreApplication::translate("lamvero::AccuracyPanel", "geschätzter Fehler über der Toleranz"));
  }
  return item;
}

}  // namespace

AccuracyPanel::AccuracyPanel(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlg_Genauigkeit"));
  setWindowTitle(tr("Genauigkeit"));
  auto* explanation = new QLabel(tr(kExplanation));
  explanation->setWordWrap(true);
  levels_ = new QLabel;
  levels_->setObjectName(QStringLiteral("lbl_GenauigkeitStufen"));
  levels_->setWordWrap(true);
  state_ = new QLabel;
  state_->setObjectName(QStringLiteral("lbl_GenauigkeitStand"));
  state_->setWordWrap(true);
  table_ = new QTableWidget(0, static_cast<int>(kColumns.size()));
  table_->setObjectName(QStringLiteral("tbl_Genauigkeit"));
  QStringList headers;
  for (const Column& c : kColumns) headers << tr(c.header);
  table_->setHorizontalHeaderLabels(headers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

  tolerance_ = new QDoubleSpinBox;
  tolerance_->setObjectName(QStringLiteral("spn_Toleranz"));
  tolerance_->setRange(0.1, 50);
  tolerance_->setDecimals(1);
  tolerance_->setSingleStep(0.5);
  tolerance_->setSuffix(QStringLiteral(" %"));
  tolerance_->setLocale(QLocale(QLocale::German, QLocale::Germany));  // a decimal comma, as in the calculator
  automatic_ = new QCheckBox(tr("Nach jeder Rechnung schätzen"));
  automatic_->setObjectName(QStringLiteral("chk_GenauigkeitAutomatisch"));
  auto* settings = new QFormLayout;
  settings->addRow(QStringLiteral("Toleranz:"), tolerance_);
  settings->addRow(automatic_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  estimate_ = buttons->addButton(tr("Jetzt schätzen"), QDialogButtonBox::ActionRole);
  estimate_->setObjectName(QStringLiteral("cmd_JetztSchaetzen"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(estimate_, &QPushButton::clicked, this, &AccuracyPanel::estimateRequested);
  connect(tolerance_, &QDoubleSpinBox::valueChanged, this, &AccuracyPanel::toleranceChanged);
  connect(automatic_, &QCheckBox::toggled, this, &AccuracyPanel::automaticChanged);

  auto* layout = new QVBoxLayout(this);
  for (QWidget* w : {static_cast<QWidget*>(explanation), static_cast<QWidget*>(levels_),
                     static_cast<QWidget*>(state_), static_cast<QWidget*>(table_)}) {
    layout->addWidget(w);
  }
  layout->addLayout(settings);
  layout->addWidget(buttons);
  resize(1260, 480);
}

void AccuracyPanel::showEstimate(const std::optional<AccuracyEstimate>& estimate, const QString& state) {
  state_->setText(state);
  state_->setVisible(!state.isEmpty());
  table_->setRowCount(0);
  levels_->clear();
  if (!estimate) return;
  const AccuracyScheme* scheme = FindAccuracyScheme(estimate->scheme);
  levels_->setText(tr("Verfeinerung: %1; Stufen (Zeitschrittweite/Ortsschrittweite): %2")
                       .arg(QString::fromUtf8(scheme ? scheme->caption : estimate->scheme.c_str()),
                            QString::fromStdString(AccuracyLevelsText(*estimate))));
  fillTable(*estimate);
}

void AccuracyPanel::fillTable(const AccuracyEstimate& estimate) {
  const std::vector<AccuracyRowTexts> rows = AccuracyRows(estimate);
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const AccuracyRowTexts& r = rows[static_cast<std::size_t>(i)];
    for (int c = 0; c < static_cast<int>(kColumns.size()); ++c) {
      table_->setItem(i, c, Cell(r.*kColumns[static_cast<std::size_t>(c)].text, r.exceeds));
    }
  }
}

void AccuracyPanel::setTolerancePercent(double percent) {
  const QSignalBlocker quiet(tolerance_);
  tolerance_->setValue(percent);
}

void AccuracyPanel::setAutomatic(bool on) {
  const QSignalBlocker quiet(automatic_);
  automatic_->setChecked(on);
}

void AccuracyPanel::setEstimateEnabled(bool on) { estimate_->setEnabled(on); }

}  // namespace lamvero
