#include "ui/shell/plantdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "run/plantbasis.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "text/parsenumber.h"

namespace lamvero {

namespace {

// The catalogue context of the plant's bases, which the model keeps with its results.
constexpr const char* kPlantContext = "Ergebnisse";
constexpr const char* kThroughputCaption = QT_TRANSLATE_NOOP("lamvero::PlantDialog", "Durchsatz");
constexpr const char* kPieceMassCaption = QT_TRANSLATE_NOOP("lamvero::PlantDialog", "Stückmasse (trocken)");

// The number a box holds, or why it holds none, naming the field.
std::optional<double> BoxNumber(const QLineEdit& box, const char* caption, QString& why) {
  const InputNumber read = ReadInputNumber(box.text().toStdString());
  if (read.reading == NumberReading::Number && read.rest.empty()) return read.value;
  const QString shown = QCoreApplication::translate("lamvero::PlantDialog", caption);
  why = box.text().trimmed().isEmpty()
            ? QCoreApplication::translate("lamvero::PlantDialog", "„%1“ fehlt.").arg(shown)
            : QCoreApplication::translate("lamvero::PlantDialog", "„%1“: „%2“ ist keine Zahl.").arg(shown, box.text());
  return std::nullopt;
}

QString BoxText(double value) { return value > 0 ? QString::fromStdString(FormatSixDigits(value)) : QString(); }

}  // namespace

PlantDialog::PlantDialog(const std::optional<PlantData>& plant, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlg_Anlagendaten"));
  setWindowTitle(tr("Anlagendaten"));
  const PlantData shown = plant.value_or(PlantData{});
  auto* intro = new QLabel(tr("Der Durchsatz der Anlage an trockenen Rohlingen macht aus den spezifischen "
                                          "Werten der Rechnung Luftstrom, Heizleistung und verdunstetes Wasser je Stunde."));
  intro->setWordWrap(true);
  none_ = new QCheckBox(tr("keine Anlagendaten"));
  none_->setObjectName(QStringLiteral("chk_KeineAnlagendaten"));
  basis_ = new QComboBox;
  basis_->setObjectName(QStringLiteral("cmb_Durchsatzbasis"));
  for (const PlantBasisField& b : PlantBases()) {
    basis_->addItem(QString::fromStdString(Tr(kPlantContext, b.unit) + " – " + Tr(kPlantContext, b.meaning)));
  }
  basis_->setCurrentIndex(&PlantBasisOf(shown.basis) - PlantBases().data());
  throughput_ = new QLineEdit(BoxText(shown.throughput));
  throughput_->setObjectName(QStringLiteral("edt_Durchsatz"));
  pieceMass_ = new QLineEdit(BoxText(shown.pieceDryMass));
  pieceMass_->setObjectName(QStringLiteral("edt_Stueckmasse"));
  throughputLabel_ = new QLabel;
  problem_ = new QLabel;
  problem_->setObjectName(QStringLiteral("lbl_AnlagendatenFehler"));
  problem_->setStyleSheet(QStringLiteral("color: red"));
  problem_->setWordWrap(true);

  auto* form = new QFormLayout;
  form->addRow(tr("Angabe als:"), basis_);
  form->addRow(throughputLabel_, throughput_);
  form->addRow(tr("%1 in kg:").arg(tr(kPieceMassCaption)), pieceMass_);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons_->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
  connect(buttons_, &QDialogButtonBox::accepted, this, &PlantDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &PlantDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(none_);
  layout->addLayout(form);
  layout->addWidget(problem_);
  layout->addWidget(buttons_);

  connect(none_, &QCheckBox::toggled, this, &PlantDialog::update);
  connect(basis_, qOverload<int>(&QComboBox::currentIndexChanged), this, &PlantDialog::update);
  connect(throughput_, &QLineEdit::textChanged, this, &PlantDialog::update);
  connect(pieceMass_, &QLineEdit::textChanged, this, &PlantDialog::update);
  update();
}

std::optional<PlantData> PlantDialog::plant() const {
  if (none_->isChecked()) return std::nullopt;
  PlantData plant;
  plant.basis = PlantBases()[static_cast<std::size_t>(basis_->currentIndex())].basis;
  QString ignored;
  plant.throughput = BoxNumber(*throughput_, kThroughputCaption, ignored).value_or(0);
  if (plant.basis == PlantData::Basis::PiecesPerHour) {
    plant.pieceDryMass = BoxNumber(*pieceMass_, kPieceMassCaption, ignored).value_or(0);
  }
  return plant;
}

QString PlantDialog::problem() const {
  if (none_->isChecked()) return {};
  QString why;
  if (!BoxNumber(*throughput_, kThroughputCaption, why)) return why;
  const std::optional<PlantData> given = plant();
  if (given->basis == PlantData::Basis::PiecesPerHour && !BoxNumber(*pieceMass_, kPieceMassCaption, why)) return why;
  return QString::fromStdString(PlantDataProblem(*given));
}

void PlantDialog::update() {
  const bool given = !none_->isChecked();
  const PlantBasisField& basis = PlantBases()[static_cast<std::size_t>(basis_->currentIndex())];
  throughputLabel_->setText(
      tr("%1 in %2:").arg(tr(kThroughputCaption), QString::fromStdString(Tr(kPlantContext, basis.unit))));
  basis_->setEnabled(given);
  throughput_->setEnabled(given);
  pieceMass_->setEnabled(given && basis.basis == PlantData::Basis::PiecesPerHour);
  const QString why = problem();
  problem_->setText(why);
  problem_->setVisible(!why.isEmpty());
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(why.isEmpty());
}

}  // namespace lamvero
