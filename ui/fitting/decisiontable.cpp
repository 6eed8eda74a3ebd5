#include "ui/fitting/decisiontable.h"

#include <QHeaderView>
#include <algorithm>

#include "study/inputtext.h"
#include "text/language.h"
#include "text/parsenumber.h"
#include "ui/fitting/decisionbounds.h"
#include "ui/fitting/searchtexts.h"

namespace lamvero {

namespace {

const char* const kHeaders[DecisionTable::kColumns] = {QT_TRANSLATE_NOOP("lamvero::DecisionTable", "Eingabe"),
                                                       QT_TRANSLATE_NOOP("lamvero::DecisionTable", "Einheit"),
                                                       QT_TRANSLATE_NOOP("lamvero::DecisionTable", "Wert im Fall"),
                                                       QT_TRANSLATE_NOOP("lamvero::DecisionTable", "untere Grenze"),
                                                       QT_TRANSLATE_NOOP("lamvero::DecisionTable", "obere Grenze")};

constexpr int kRowPadding = 6;  // pixels above and below a row's text

QTableWidgetItem* FixedItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

DecisionTable::DecisionTable(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("tbl_Entscheidungen"));
  setColumnCount(kColumns);
  for (int c = 0; c < kColumns; ++c) setHorizontalHeaderItem(c, new QTableWidgetItem(tr(kHeaders[c])));
  for (const InputField& f : InputFields()) {
    if (IsDecisionCandidate(f.id)) inputs_.push_back(f.id);
  }
  setRowCount(static_cast<int>(inputs_.size()));
  const std::vector<Input>& usual = UsualDecisionInputs();
  for (std::size_t r = 0; r < inputs_.size(); ++r) {
    const InputField& f = FieldOf(inputs_[r]);
    auto* caption = FixedItem(InputCaptionText(f.id));
    caption->setFlags(caption->flags() | Qt::ItemIsUserCheckable);
    const bool ticked = std::find(usual.begin(), usual.end(), f.id) != usual.end();
    caption->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    const int row = static_cast<int>(r);
    setItem(row, Caption, caption);
    setItem(row, Unit, FixedItem(QString::fromUtf8(f.unit)));
    setItem(row, Current, FixedItem(QString()));
    setItem(row, Lower, new QTableWidgetItem);
    setItem(row, Upper, new QTableWidgetItem);
  }
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
  // Every row in view: there are few.
  setMinimumHeight(rowCount() * verticalHeader()->defaultSectionSize() + horizontalHeader()->sizeHint().height() +
                   2 * frameWidth());
  horizontalHeader()->setSectionResizeMode(Caption, QHeaderView::Stretch);
  for (int c = Unit; c < kColumns; ++c) horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
  connect(this, &QTableWidget::itemChanged, this, &DecisionTable::changed);
}

int DecisionTable::rowOf(Input input) const {
  const auto at = std::find(inputs_.begin(), inputs_.end(), input);
  return at == inputs_.end() ? -1 : static_cast<int>(at - inputs_.begin());
}

void DecisionTable::setBase(const InputTexts& base) {
  const QSignalBlocker quiet(this);
  for (std::size_t r = 0; r < inputs_.size(); ++r) {
    const int row = static_cast<int>(r);
    const std::string& text = base[inputs_[r]];
    item(row, Current)->setText(Text(ShownInputText(text)));
    const InputNumber current = ReadInputNumber(text);
    const bool readable = current.reading == NumberReading::Number;
    const DecisionBounds bounds = DefaultDecisionBounds(inputs_[r], readable ? current.value : 0);
    item(row, Lower)->setText(readable ? Text(ShownInputText(InputTextOf(bounds.lower))) : QString());
    item(row, Upper)->setText(readable ? Text(ShownInputText(InputTextOf(bounds.upper))) : QString());
  }
  emit changed();
}

Outcome<std::vector<DecisionInput>> DecisionTable::decisions() const {
  std::vector<DecisionInput> chosen;
  for (std::size_t r = 0; r < inputs_.size(); ++r) {
    const int row = static_cast<int>(r);
    if (item(row, Caption)->checkState() != Qt::Checked) continue;
    DecisionInput decision{inputs_[r], 0, 0};
    for (const auto& [column, bound] : {std::pair{Lower, &decision.lower}, std::pair{Upper, &decision.upper}}) {
      const InputNumber number = ReadInputNumber(item(row, column)->text().toStdString());
      if (number.reading != NumberReading::Number) {
        return Failure{InputCaptionText(inputs_[r]).toStdString(),
                       tr("%1 ist keine Zahl").arg(tr(kHeaders[column])).toStdString()};
      }
      *bound = number.value;
    }
    chosen.push_back(decision);
  }
  return chosen;
}

}  // namespace lamvero
