#include "ui/fitting/limitrows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <limits>

#include "ui/fitting/searchtexts.h"

namespace lamvero {

namespace {

// What a limit starts with: ticked or not, and its value; NaN takes the base run's value.
struct LimitDefault {
  OptimiseLimit limit;
  bool ticked;
  double value;
};
constexpr int kValueWidth = 120;  // pixels: room for "125:00:00"
constexpr double kFromRun = std::numeric_limits<double>::quiet_NaN();
const LimitDefault kDefaults[] = {
    {OptimiseLimit::DryingTime, false, kFromRun},
    {OptimiseLimit::ShrinkageDifference, false, kFromRun},
    {OptimiseLimit::SupplyAirTemperature, false, kFromRun},
    {OptimiseLimit::WaterBalanceError, true, 6.0},
};

const LimitDefault* DefaultOf(OptimiseLimit limit) {
  for (const LimitDefault& d : kDefaults) {
    if (d.limit == limit) return &d;
  }
  return nullptr;
}

}  // namespace

LimitRows::LimitRows(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  for (const OptimiseLimitInfo& info : OptimiseLimits()) {
    const int line = static_cast<int>(rows_.size());
    auto* ticked = new QCheckBox(LimitCaptionText(info));
    ticked->setObjectName(QStringLiteral("chk_%1").arg(QLatin1String(info.key)));
    auto* value = new QLineEdit;
    value->setObjectName(QStringLiteral("txt_%1").arg(QLatin1String(info.key)));
    value->setPlaceholderText(tr("Wert"));
    value->setMaximumWidth(kValueWidth);
    const LimitDefault* preset = DefaultOf(info.id);
    ticked->setChecked(preset && preset->ticked);
    grid->addWidget(ticked, line, 0);
    grid->addWidget(value, line, 1);
    grid->addWidget(new QLabel(BoxUnit(info.unit)), line, 2);
    connect(ticked, &QCheckBox::toggled, this, &LimitRows::changed);
    connect(value, &QLineEdit::textChanged, this, &LimitRows::changed);
    rows_.push_back({info.id, ticked, value});
  }
  grid->setColumnStretch(3, 1);
}

void LimitRows::setBase(const RunRecord* run) {
  for (const Row& row : rows_) {
    const OptimiseLimitInfo& info = LimitInfo(row.limit);
    const LimitDefault* preset = DefaultOf(row.limit);
    double value = preset ? preset->value : kFromRun;
    if (std::isnan(value) && run) value = LimitedValue(info, *run);
    row.value->setText(std::isfinite(value) ? LimitBoxText(value, info.unit) : QString());
  }
}

Outcome<std::vector<OptimiseConstraint>> LimitRows::constraints() const {
  std::vector<OptimiseConstraint> chosen;
  for (const Row& row : rows_) {
    if (!row.ticked->isChecked()) continue;
    const OptimiseLimitInfo& info = LimitInfo(row.limit);
    const std::optional<double> value = ReadLimitBox(row.value->text(), info.unit);
    if (!value) {
      const QString expected = row.value->text().trimmed().isEmpty() ? tr("kein Wert angegeben")
                               : IsDurationUnit(info.unit)           ? tr("keine Dauer h:mm:ss")
                                                                     : tr("keine Zahl");
      return Failure{LimitCaptionText(info).toStdString(), expected.toStdString()};
    }
    chosen.push_back({row.limit, *value});
  }
  return chosen;
}

}  // namespace lamvero
