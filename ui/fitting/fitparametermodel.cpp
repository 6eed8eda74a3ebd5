#include "ui/fitting/fitparametermodel.h"

#include <algorithm>
#include <array>
#include <string>

#include "study/inputtext.h"
#include "text/language.h"
#include "text/parsenumber.h"
#include "ui/fitting/searchtexts.h"

namespace lamvero {

namespace {

// Steps and output interval only say how finely the model is computed: no property of the clay or the dryer.
constexpr std::array kNumericalControls{Input::Ortsschrittweite, Input::deltaT, Input::rund};
// What a fit of a new clay to its lab curve usually varies first.
constexpr std::array kTypicalChoice{Input::Feuchteleit, Input::Waermeuebergang};

constexpr std::array<const char*, 6> kHeaders{QT_TRANSLATE_NOOP("lamvero::FitParameterModel", "anpassen"),
                                              QT_TRANSLATE_NOOP("lamvero::FitParameterModel", "Größe"),
                                              QT_TRANSLATE_NOOP("lamvero::FitParameterModel", "Einheit"),
                                              QT_TRANSLATE_NOOP("lamvero::FitParameterModel", "Startwert"),
                                              QT_TRANSLATE_NOOP("lamvero::FitParameterModel", "untere Schranke"),
                                              QT_TRANSLATE_NOOP("lamvero::FitParameterModel", "obere Schranke")};

template <std::size_t N>
bool Holds(const std::array<Input, N>& list, Input input) {
  return std::find(list.begin(), list.end(), input) != list.end();
}

// A bound as typed; the failure names the bound and its input.
Outcome<double> BoundOf(const QString& text, const char* which, Input input) {
  const InputNumber read = ReadInputNumber(text.toStdString());
  if (read.reading == NumberReading::Number) return read.value;
  const QString reason =
      text.trimmed().isEmpty() ? FitParameterModel::tr("leer") : FitParameterModel::tr("„%1“ ist keine Zahl").arg(text);
  return Failure{
      FitParameterModel::tr("%1 von „%2“").arg(FitParameterModel::tr(which), InputCaptionText(input)).toStdString(),
      reason.toStdString()};
}

}  // namespace

FitParameterModel::FitParameterModel(QObject* parent) : QAbstractTableModel(parent) {
  for (const InputField& f : InputFields()) {
    if (Holds(kNumericalControls, f.id)) continue;
    const FitParameter bounds = DefaultFitParameter(f.id);
    rows_.push_back({f.id, Holds(kTypicalChoice, f.id),
                     QString::fromStdString(ShownInputText(InputTextOf(bounds.lower))),
                     QString::fromStdString(ShownInputText(InputTextOf(bounds.upper)))});
  }
}

void FitParameterModel::setBase(const InputTexts& base) {
  base_ = base;
  if (!rows_.empty()) emit dataChanged(index(0, Start), index(rowCount() - 1, Start));
}

std::vector<Input> FitParameterModel::chosen() const {
  std::vector<Input> inputs;
  for (const Row& row : rows_) {
    if (row.chosen) inputs.push_back(row.input);
  }
  return inputs;
}

int FitParameterModel::rowOf(Input input) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].input == input) return static_cast<int>(i);
  }
  return -1;
}

void FitParameterModel::setChosen(Input input, bool on) {
  setData(index(rowOf(input), Chosen), on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

void FitParameterModel::setBounds(Input input, const QString& lower, const QString& upper) {
  setData(index(rowOf(input), Lower), lower);
  setData(index(rowOf(input), Upper), upper);
}

Outcome<std::vector<FitParameter>> FitParameterModel::parameters() const {
  std::vector<FitParameter> chosenParameters;
  for (const Row& row : rows_) {
    if (!row.chosen) continue;
    const Outcome<double> lower = BoundOf(row.lower, "untere Schranke", row.input);
    if (!lower) return lower.failure();
    const Outcome<double> upper = BoundOf(row.upper, "obere Schranke", row.input);
    if (!upper) return upper.failure();
    chosenParameters.push_back({row.input, lower.value(), upper.value()});
  }
  return chosenParameters;
}

int FitParameterModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FitParameterModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kHeaders.size());
}

QVariant FitParameterModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Row& row = rows_[static_cast<std::size_t>(index.row())];
  if (role == Qt::CheckStateRole && index.column() == Chosen) return row.chosen ? Qt::Checked : Qt::Unchecked;
  if (role == Qt::TextAlignmentRole && index.column() >= Start) return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  switch (index.column()) {
    case Caption:
      return InputCaptionText(row.input);
    case Unit: return QString::fromUtf8(FieldOf(row.input).unit);
    case Start:
      return QString::fromStdString(ShownInputText(base_[row.input]));
    case Lower: return row.lower;
    case Upper: return row.upper;
    default: return {};
  }
}

bool FitParameterModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid()) return false;
  Row& row = rows_[static_cast<std::size_t>(index.row())];
  if (role == Qt::CheckStateRole && index.column() == Chosen) {
    row.chosen = value.toInt() == Qt::Checked;
  } else if (role == Qt::EditRole && (index.column() == Lower || index.column() == Upper)) {
    (index.column() == Lower ? row.lower : row.upper) = value.toString().trimmed();
  } else {
    return false;
  }
  emit dataChanged(index, index, {role});
  return true;
}

Qt::ItemFlags FitParameterModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.column() == Chosen) f |= Qt::ItemIsUserCheckable;
  if (index.column() == Lower || index.column() == Upper) f |= Qt::ItemIsEditable;
  return f;
}

QVariant FitParameterModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return QAbstractTableModel::headerData(section, orientation, role);
  return tr(kHeaders[static_cast<std::size_t>(section)]);
}

}  // namespace lamvero
