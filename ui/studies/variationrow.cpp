#include "ui/studies/variationrow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QStringList>

#include "text/language.h"
#include "text/trim.h"

namespace lamvero {

namespace {

QString Named(const char* name, int number) { return QString::fromLatin1(name) + QString::number(number); }

}  // namespace

VariationRow::VariationRow(int number, QWidget* parent) : QWidget(parent) {
  field_ = new QComboBox;
  field_->setObjectName(Named("cbo_Feld", number));
  field_->addItem(QStringLiteral("—"), -1);
  for (const InputField& f : InputFields()) {
    field_->addItem(QString::fromStdString(WithoutTrailingBlanks(Tr("Eingabefelder", f.caption))),
                    static_cast<int>(f.id));
  }
  kind_ = new QComboBox;
  kind_->setObjectName(Named("cbo_Art", number));
  kind_->addItems({tr("Bereich"), tr("Liste")});

  auto* range = new QWidget;
  auto* rangeLayout = new QHBoxLayout(range);
  rangeLayout->setContentsMargins(0, 0, 0, 0);
  rangeLayout->addWidget(new QLabel(tr("Anfang")));
  rangeLayout->addWidget(start_ = addBox("txt_Anfang", number, tr("der erste Wert")));
  rangeLayout->addWidget(new QLabel(tr("Ende")));
  rangeLayout->addWidget(stop_ = addBox("txt_Ende", number, tr("der letzte Wert (einschließlich)")));
  rangeLayout->addWidget(new QLabel(tr("Schritt")));
  rangeLayout->addWidget(step_ = addBox("txt_Schritt", number, tr("der Abstand der Werte")));
  list_ = addBox("txt_Liste", number, tr("Werte, durch „;“ getrennt, z. B. 35;45;55 oder 0,5;1,5"));
  values_ = new QStackedWidget;
  values_->addWidget(range);
  values_->addWidget(list_);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(tr("%1. variierte Eingabe").arg(number)));
  layout->addWidget(field_, 2);
  layout->addWidget(kind_);
  layout->addWidget(values_, 3);

  connect(kind_, &QComboBox::currentIndexChanged, values_, &QStackedWidget::setCurrentIndex);
  connect(kind_, &QComboBox::currentIndexChanged, this, &VariationRow::changed);
  connect(field_, &QComboBox::currentIndexChanged, this, [this] {
    const bool chosen = field_->currentData().toInt() >= 0;
    kind_->setEnabled(chosen);
    values_->setEnabled(chosen);
    emit changed();
  });
  kind_->setEnabled(false);
  values_->setEnabled(false);
}

QLineEdit* VariationRow::addBox(const char* name, int number, const QString& tip) {
  auto* box = new QLineEdit;
  box->setObjectName(Named(name, number));
  box->setToolTip(tip);
  connect(box, &QLineEdit::textChanged, this, &VariationRow::changed);
  return box;
}

std::optional<StudyVariation> VariationRow::variation() const {
  const int field = field_->currentData().toInt();
  if (field < 0) return std::nullopt;
  StudyVariation v;
  v.field = static_cast<Input>(field);
  const QString values = kind_->currentIndex() == Range
                             ? QStringList{start_->text().trimmed(), stop_->text().trimmed(), step_->text().trimmed()}.join(':')
                             : list_->text().trimmed();
  // Kept as files keep it, whichever decimal separator the language shows.
  v.values = CanonicalInputText(values.toStdString());
  return v;
}

void VariationRow::setVariation(const std::optional<StudyVariation>& variation) {
  const QSignalBlocker quiet(this);
  field_->setCurrentIndex(variation ? field_->findData(static_cast<int>(variation->field)) : 0);
  const QString values = variation ? QString::fromStdString(ShownInputText(variation->values)) : QString();
  const QStringList parts = values.split(':');
  const bool range = parts.size() == 3;
  kind_->setCurrentIndex(range ? Range : List);
  start_->setText(range ? parts[0] : QString());
  stop_->setText(range ? parts[1] : QString());
  step_->setText(range ? parts[2] : QString());
  list_->setText(range ? QString() : values);
}

}  // namespace lamvero
