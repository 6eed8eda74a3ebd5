#include "ui/shell/csvexportdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

#include "run/runrecord.h"

namespace lamvero {

CsvExportDialog::CsvExportDialog(bool withEvery, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlg_CsvExport"));
  setWindowTitle(QStringLiteral("CSV-Export"));
  auto* form = new QFormLayout(this);
  const QSettings settings;
  dialect_ = new QComboBox(this);
  dialect_->setObjectName(QStringLiteral("cbo_Dialekt"));
  dialect_->addItem(tr("Tabellenkalkulation deutsch (Dezimalkomma, Semikolon)"), QStringLiteral("de"));
  dialect_->addItem(tr("einfach (Dezimalpunkt, Komma)"), QStringLiteral("plain"));
  dialect_->setCurrentIndex(settings.value(QStringLiteral("export/csvDialect")).toString() == QLatin1String("plain") ? 1 : 0);
  form->addRow(QStringLiteral("Format:"), dialect_);
  if (withEvery) {
    every_ = new QSpinBox(this);
    every_->setObjectName(QStringLiteral("spn_JederNte"));
    every_->setRange(1, kSeriesCapacity);
    every_->setValue(settings.value(QStringLiteral("export/every"), 1).toInt());
    every_->setToolTip(tr("1: jeder gespeicherte Zeitschritt; der erste und der letzte Punkt stehen immer in der Tabelle."));
    form->addRow(tr("jeden n-ten Punkt, n ="), every_);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("Weiter…"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

CsvChoice CsvExportDialog::choice() const {
  CsvChoice c;
  c.dialect = dialect_->currentData().toString() == QLatin1String("plain") ? CsvDialect::Plain : CsvDialect::German;
  c.every = every_ ? every_->value() : 1;
  return c;
}

void CsvExportDialog::remember() const {
  QSettings settings;
  settings.setValue(QStringLiteral("export/csvDialect"), dialect_->currentData());
  if (every_) settings.setValue(QStringLiteral("export/every"), every_->value());
}

}  // namespace lamvero
