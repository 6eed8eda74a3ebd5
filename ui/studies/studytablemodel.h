#pragma once
// The rows of a study as a table: the case number, the varied inputs (caption
// with unit), the outcome, every key result of the study with caption and
// unit in the window's number format, and the messages. kSortRole gives the
// number behind a cell, so that a sorting proxy orders by value, not by text;
// a value the case did not reach sorts after every number.

#include <QAbstractTableModel>
#include <vector>

#include "study/studyresults.h"

namespace lamvero {

class StudyTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kSortRole = Qt::UserRole + 1;

  explicit StudyTableModel(QObject* parent = nullptr);

  // Shows these results (their varied inputs make the columns).
  void reset(StudyResults results);
  // Adds rows at the end (the next cases of the study).
  void append(const std::vector<StudyRow>& rows);
  // Marks the study stopped before its last case (or complete again).
  void setComplete(bool complete) { results_.complete = complete; }
  const StudyResults& results() const { return results_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  enum class Column { Case, Varied, Outcome, Result, Messages };
  struct ColumnAt {
    Column kind;
    std::size_t index;  // of the varied input or the result
  };
  ColumnAt columnAt(int section) const;
  QVariant text(const StudyRow& row, ColumnAt column) const;
  QVariant sortValue(const StudyRow& row, ColumnAt column) const;

  StudyResults results_;
};

}  // namespace lamvero
