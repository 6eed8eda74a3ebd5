#include "ui/fitting/fitquantitypanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <string>

#include "study/inputtext.h"
#include "text/language.h"
#include "text/parsenumber.h"

namespace lamvero {

namespace {

// In the order of the quantities: moisture, surface and core temperature, shrinkage.
constexpr std::array<double, kMeasuredQuantityCount> kDefaultWeight{1.0, 0.5, 0.5, 0.5};

}  // namespace

FitQuantityPanel::FitQuantityPanel(QWidget* parent) : QGroupBox(tr("Messgrößen"), parent) {
  setObjectName(QStringLiteral("grp_Messgroessen"));
  grid_ = new QGridLayout(this);
  grid_->addWidget(new QLabel(tr("Gewicht")), 0, 1);
}

void FitQuantityPanel::setCurve(const MeasuredCurve& curve) {
  for (Row& row : rows_) {
    delete row.counted;
    delete row.weight;
    row = {};
  }
  int line = 1;
  for (const MeasuredQuantityInfo& info : MeasuredQuantities()) {
    if (!curve.has(info.id)) continue;
    const std::size_t q = static_cast<std::size_t>(info.id);
    Row& row = rows_[q];
    row.counted = new QCheckBox(QStringLiteral("%1 (%2)").arg(QString::fromStdString(Tr("Ergebnisse", info.caption)),
                                                              QString::fromUtf8(info.unit)));
    row.counted->setObjectName(QStringLiteral("chk_%1").arg(QLatin1String(info.key)));
    row.counted->setChecked(true);
    row.weight = new QLineEdit(QString::fromStdString(ShownInputText(InputTextOf(kDefaultWeight[q]))));
    row.weight->setObjectName(QStringLiteral("txt_Gewicht_%1").arg(QLatin1String(info.key)));
    row.weight->setMaximumWidth(80);
    connect(row.counted, &QCheckBox::toggled, row.weight, &QWidget::setEnabled);
    connect(row.counted, &QCheckBox::toggled, this, &FitQuantityPanel::changed);
    connect(row.weight, &QLineEdit::textChanged, this, &FitQuantityPanel::changed);
    grid_->addWidget(row.counted, line, 0);
    grid_->addWidget(row.weight, line, 1);
    ++line;
  }
  emit changed();
}

Outcome<std::array<double, kMeasuredQuantityCount>> FitQuantityPanel::weights() const {
  std::array<double, kMeasuredQuantityCount> w{};
  for (const MeasuredQuantityInfo& info : MeasuredQuantities()) {
    const Row& row = rows_[static_cast<std::size_t>(info.id)];
    if (!row.counted || !row.counted->isChecked()) continue;
    const InputNumber read = ReadInputNumber(row.weight->text().toStdString());
    if (read.reading != NumberReading::Number || !(read.value > 0) || !std::isfinite(read.value)) {
      return Failure{tr("Gewicht von „%1“").arg(QString::fromStdString(Tr("Ergebnisse", info.caption))).toStdString(),
                     tr("muss eine Zahl größer als 0 sein").toStdString()};
    }
    w[static_cast<std::size_t>(info.id)] = read.value;
  }
  return w;
}

}  // namespace lamvero
