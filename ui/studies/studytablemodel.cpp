#include "ui/studies/studytablemodel.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "present/reportcontent.h"
#include "study/casesummary.h"
#include "study/studycolumns.h"
#include "text/language.h"
#include "text/parsenumber.h"

namespace lamvero {

namespace {

constexpr double kSecondsPerHour = 3600;

QString Messages(const StudyRow& row) {
  QStringList lines;
  for (const std::string& m : row.messages) lines << QString::fromStdString(m);
  return lines.join(QStringLiteral("; "));
}

// A result the study keeps in its own unit (hours for a duration), as the window writes it.
QString ResultText(const StudyQuantity& q, double value) {
  if (!std::isfinite(value)) return QStringLiteral("–");
  const double inTableUnit = q.result->isDuration() ? value * kSecondsPerHour : value;
  return QString::fromStdString(q.result->shownText(inTableUnit));
}

// Numbers in order, then what is no number (not reached, or not a number as typed).
double SortNumber(std::optional<double> value) {
  return value && std::isfinite(*value) ? *value : std::numeric_limits<double>::infinity();
}

QString Header(const std::string& caption, const std::string& unit) {
  const QString text = QString::fromStdString(caption);
  return unit.empty() || unit == "–" ? text : text + QStringLiteral("\n") + QString::fromStdString(unit);
}

}  // namespace

StudyTableModel::StudyTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void StudyTableModel::reset(StudyResults results) {
  beginResetModel();
  results_ = std::move(results);
  endResetModel();
}

void StudyTableModel::append(const std::vector<StudyRow>& rows) {
  if (rows.empty()) return;
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
  results_.rows.insert(results_.rows.end(), rows.begin(), rows.end());
  endInsertRows();
}

int StudyTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(results_.rows.size());
}

int StudyTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(3 + results_.variedFields.size() + kStudyQuantityCount);
}

StudyTableModel::ColumnAt StudyTableModel::columnAt(int section) const {
  const auto s = static_cast<std::size_t>(section);
  const std::size_t varied = results_.variedFields.size();
  if (s == 0) return {Column::Case, 0};
  if (s <= varied) return {Column::Varied, s - 1};
  if (s == varied + 1) return {Column::Outcome, 0};
  if (s < varied + 2 + kStudyQuantityCount) return {Column::Result, s - varied - 2};
  return {Column::Messages, 0};
}

QVariant StudyTableModel::text(const StudyRow& row, ColumnAt column) const {
  switch (column.kind) {
    case Column::Case: return QString::number(row.number);
    case Column::Varied:
      return QString::fromStdString(ShownInputText(row.varied[column.index]));
    case Column::Outcome: return QString::fromStdString(OutcomeText(row.outcome));
    case Column::Result: return ResultText(StudyQuantities()[column.index], row.values[column.index]);
    case Column::Messages: return Messages(row);
  }
  return {};
}

QVariant StudyTableModel::sortValue(const StudyRow& row, ColumnAt column) const {
  switch (column.kind) {
    case Column::Case: return static_cast<qulonglong>(row.number);
    case Column::Varied: return SortNumber(ParseNumber(row.varied[column.index]));
    case Column::Outcome: return static_cast<int>(row.outcome);
    case Column::Result: return SortNumber(row.values[column.index]);
    case Column::Messages: return Messages(row);
  }
  return {};
}

QVariant StudyTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const StudyRow& row = results_.rows[static_cast<std::size_t>(index.row())];
  const ColumnAt column = columnAt(index.column());
  switch (role) {
    case Qt::DisplayRole: return text(row, column);
    case kSortRole: return sortValue(row, column);
    case Qt::TextAlignmentRole:
      if (column.kind == Column::Messages || column.kind == Column::Outcome) return {};
      return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ToolTipRole: return column.kind == Column::Messages ? Messages(row) : QVariant();
    default: return {};
  }
}

QVariant StudyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const ColumnAt column = columnAt(section);
  switch (column.kind) {
    // The columns around the inputs and results are headed as the study's table heads them.
    case Column::Case:
    case Column::Outcome:
    case Column::Messages:
      return QString::fromStdString(ShownStudyColumns(results_.variedFields, false).at(static_cast<std::size_t>(section)).caption);
    case Column::Varied: {
      const InputField& f = FieldOf(results_.variedFields[column.index]);
      return Header(CaptionWithoutUnit(Tr("Eingabefelder", f.caption), f.unit), f.unit);
    }
    case Column::Result: {
      const ResultDescriptor& result = *StudyQuantities()[column.index].result;
      return Header(result.name(), result.captionUnit());
    }
  }
  return {};
}

}  // namespace lamvero
